#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "files/StdFileSystem.h"

namespace mirvo::test {

// Real files, with the failures of a real system on demand: files another program holds
// (every open is refused), files another program holds open the C runtime's way (opens are
// shared, but the file can be neither removed nor renamed, nor replaced by a rename), a full
// disk (writes to matching paths fail), and a failing disk (reads of a matching path that reach
// a byte offset fail there).
class FaultyFileSystem : public files::StdFileSystem {
public:
    std::unique_ptr<platform::File> Open(const std::string& path, platform::OpenMode mode) override;
    bool Remove(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to, bool replace) override;

    std::set<std::string> lockedPaths;
    std::set<std::string> sharedHeldPaths;
    // Writes to paths containing this text fail with DiskFull ("" = none).
    std::string diskFullFor;
    // Reads of paths containing this text ("" = none) that reach readFailsAt deliver the bytes
    // before it, then fail with Other.
    std::string readFailsFor;
    std::uint64_t readFailsAt = 0;
};

}  // namespace mirvo::test
