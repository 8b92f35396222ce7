#pragma once

#include <string>

namespace mirvo {

class App;

inline constexpr const char* kBadFolder = "<bad>";

// The path of a shell special folder without a trailing separator, or "<bad>".
std::string GetSpecialFolder(App& app, int csidl);
// Creates the folder named by path without its last character (paths end in a separator);
// errors are ignored.
void EnsureFolder(App& app, const std::string& path);
// The user's private data folder, created when missing; always ends in a separator.
std::string ResolvePrivateDataFolder(App& app);

}  // namespace mirvo
