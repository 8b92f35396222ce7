// The data folder's lock file "mirvo.lck": its two counters, read on every tick of the clipboard
// timer and counted on by every change.

#include <algorithm>

#include "app/App.h"
#include "app/FolderSync.h"
#include "fuzz/FuzzProgram.h"
#include "fuzz/FuzzTargets.h"
#include "libraries/FolderWatch.h"

namespace mirvo::fuzz {

namespace {

std::string LockFile(const App& app) {
    return app.DataFolder + kFolderLockFile;
}

// The counters read as the file's first bytes; a change counts itself and leaves the rest of the
// file alone; a tick that meets moved counters looks at the shown files and keeps going.
void ReadCounters(FuzzProgram& program, const files::Bytes& input) {
    App& app = program.app();
    const FolderCounters read = ReadFolderCounters(app);
    Require(read.changes == static_cast<std::uint32_t>(files::ReadInt32(input, 0)) &&
                read.historyDropped == static_cast<std::uint32_t>(files::ReadInt32(input, 4)),
            "the counters are not the file's first bytes");
    { FolderLock change(app); }
    const files::Bytes after = program.Read(LockFile(app));
    FolderCounters counted = read;
    ++counted.changes;
    files::Bytes expected = input;
    const files::Bytes head = EncodeFolderCounters(counted);
    expected.resize(std::max(expected.size(), head.size()), 0);
    std::copy(head.begin(), head.end(), expected.begin());
    Require(after == expected, "a change did not count itself alone");
    ShowOthersChanges(app);
    Require(app.folder.lockDepth == 0 && !app.folder.lock, "the lock outlived its change");
}

}  // namespace

void AddFolderTargets(std::vector<FuzzTarget>& targets) {
    targets.push_back({"folder_lock", LockFile, ReadCounters});
}

}  // namespace mirvo::fuzz
