#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "files/StdFileSystem.h"

namespace mirvo::test {

// Real files, with the failures of a real system on demand: files another program holds
// (every open is refused), files another program holds open the C runtime's way (opens are
// shared, but the file can be neither removed nor renamed, nor replaced by a rename), a full
// disk (writes to matching paths fail), and a failing disk (reads of a matching path that reach
// a byte offset fail there). Its file locks are the real ones; a locked path cannot be opened to
// take its lock either. It can also watch a folder for changes made without its lock.
class FaultyFileSystem : public files::StdFileSystem {
public:
    std::unique_ptr<platform::File> Open(const std::string& path, platform::OpenMode mode) override;
    bool Remove(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to, bool replace) override;
    std::unique_ptr<platform::File> OpenLocked(const std::string& path) override;

    // Writes, removals and renames in this folder (and its sub-folders) while this file system
    // holds no lock, in the order made ("" = none watched). Files of this instance's own (their
    // name holds its tag) and lock files are no shared data and are not watched.
    std::string watchedFolder;
    std::vector<std::string> changesWithoutLock;
    int locksHeld = 0;

    std::set<std::string> lockedPaths;
    std::set<std::string> sharedHeldPaths;
    // Writes to paths containing this text fail with DiskFull ("" = none).
    std::string diskFullFor;
    // Reads of paths containing this text ("" = none) that reach readFailsAt deliver the bytes
    // before it, then fail with Other.
    std::string readFailsFor;
    std::uint64_t readFailsAt = 0;

private:
    bool Watched(const std::string& path) const;
    void NoteChange(const char* what, const std::string& path);
};

}  // namespace mirvo::test
