#pragma once

#include <string>

namespace mirvo::files {

// Folder paths in the program always end in this separator.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The path with one separator at its end.
inline std::string WithSeparator(std::string folder) {
    if (folder.empty() || folder.back() != kPathSeparator) {
        folder += kPathSeparator;
    }
    return folder;
}

// The path without a separator at its end (for calls that name a folder).
inline std::string WithoutSeparator(std::string folder) {
    if (!folder.empty() && folder.back() == kPathSeparator) {
        folder.pop_back();
    }
    return folder;
}

}  // namespace mirvo::files
