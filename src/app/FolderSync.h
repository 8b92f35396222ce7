#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "files/ByteOrder.h"
#include "files/LockFile.h"

namespace mirvo {

namespace platform {
class File;
}
class App;

// Other instances of the program may share the data folder: all users of a computer in the
// program's folder, or several computers on a network share. The files, not the window, are the
// truth at the moment of a change: a change takes the folder's lock, re-reads what it rewrites,
// writes only what it changes, and lets go within milliseconds (never across a dialog).

// The lock file beside the data. Besides its lock it holds two counters: the folder's changes,
// so that every instance notices another's at the cost of reading a few bytes, and the clips
// that left the clipboard history at its oldest end, so that a clip of the history keeps its
// place in the eyes of an instance while another's captures move it.
inline constexpr const char* kFolderLockFile = "mirvo.lck";

struct FolderCounters {
    std::uint32_t changes = 0;
    std::uint32_t historyDropped = 0;
};
inline constexpr size_t kFolderCountersSize = 8;
// Any bytes: what a short file lacks counts as 0.
FolderCounters DecodeFolderCounters(const files::Bytes& bytes);
files::Bytes EncodeFolderCounters(const FolderCounters& counters);

struct FolderSync {
    FolderSync();
    ~FolderSync();

    // How long a change waits for the lock another instance holds.
    std::chrono::milliseconds lockWait = files::kLockWait;
    int lockDepth = 0;
    // The lock file while the lock is held; none when the wait for it ran out.
    std::unique_ptr<platform::File> lock;
    std::string lockPath;
    // The counters as the outermost hold found them, with its own changes.
    FolderCounters held;
    std::uint32_t changesAtHold = 0;
    // The counters as this instance last took notice of them.
    FolderCounters seen;
    // The refusal tones of a change wait for the lock to be let go.
    bool tonesPending = false;
};

// The counters as the lock file holds them now: read without the lock (0 when there is none).
FolderCounters ReadFolderCounters(App& app);
// Everything in the data folder as it is now has been taken notice of: called before it is
// loaded.
void NoteFolderSeen(App& app);

// Holds the data folder's lock for one change: the re-read of the files it rewrites and their
// writing. Holds nest: only the outermost takes and lets go of the lock, and it counts the
// change in the lock file. When the lock cannot be had within files::kLockWait (its holder
// hangs, or its computer left the network without letting go) the change goes on without it:
// it still re-reads and writes only its own records, and nothing the user did is lost.
class FolderLock {
public:
    explicit FolderLock(App& app);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    // Counts the change in the lock file and lets go of the lock.
    void LetGo();

    App& m_app;
};

}  // namespace mirvo
