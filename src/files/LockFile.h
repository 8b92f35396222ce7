#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "platform/FileSystem.h"

namespace mirvo::files {

// How long a change waits for the lock of a folder that another instance holds. The holder
// keeps it for milliseconds; a longer wait means it hangs, or its computer left the network
// without letting go, and the change goes on without the lock rather than be lost.
inline constexpr std::chrono::milliseconds kLockWait{3000};

// Takes the lock of a lock file (platform::FileSystem::OpenLocked), trying again while another
// holds it or the file cannot be opened, for at most `wait`. nullptr when the time ran out.
std::unique_ptr<platform::File> TakeLock(platform::FileSystem& fs, const std::string& path,
                                         std::chrono::milliseconds wait = kLockWait);

// A short name that no other running instance of the program uses: it keeps the temporary files
// of instances that share a folder apart.
const std::string& InstanceTag();

}  // namespace mirvo::files
