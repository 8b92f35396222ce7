#include "files/LockFile.h"

#include <cstdio>
#include <random>
#include <thread>

namespace mirvo::files {

namespace {
constexpr auto kRetryPause = std::chrono::milliseconds(10);
}  // namespace

std::unique_ptr<platform::File> TakeLock(platform::FileSystem& fs, const std::string& path,
                                         std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        try {
            if (std::unique_ptr<platform::File> lock = fs.OpenLocked(path)) {
                return lock;
            }
        } catch (const platform::FileError&) {
            // A file that cannot be opened now (a scanner holds it, the share is slow to answer)
            // is tried again like a held lock.
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return nullptr;
        }
        std::this_thread::sleep_for(kRetryPause);
    }
}

const std::string& InstanceTag() {
    static const std::string tag = [] {
        std::random_device device;
        // The clock and an address of this process add what a weak random device lacks.
        const auto now = static_cast<unsigned long long>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
        const auto here = reinterpret_cast<unsigned long long>(&device);
        const unsigned long long mixed = (static_cast<unsigned long long>(device()) << 32) ^
                                         device() ^ now ^ (here << 7) ^ (now >> 17);
        char text[9];
        std::snprintf(text, sizeof text, "%08x",
                      static_cast<unsigned>((mixed ^ (mixed >> 32)) & 0xFFFFFFFFu));
        return std::string(text);
    }();
    return tag;
}

}  // namespace mirvo::files
