#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace mirvo::forms {

// A drive or folder that cannot be read.
class DeviceUnavailable : public std::runtime_error {
public:
    explicit DeviceUnavailable(const std::string& what) : std::runtime_error(what) {}
};

// What the drive, folder and file lists show; the host provides it.
class FolderBrowser {
public:
    virtual ~FolderBrowser() = default;
    // The folder separator of the paths it takes and gives.
    virtual char Separator() const = 0;
    // Drives like "c:".
    virtual std::vector<std::string> Drives() = 0;
    // Sub-folder names of folder, sorted; throws DeviceUnavailable when it cannot be read.
    virtual std::vector<std::string> Folders(const std::string& folder) = 0;
    // File names of folder matching any of the ';'-separated wildcard patterns, sorted.
    virtual std::vector<std::string> Files(const std::string& folder,
                                           const std::string& patterns) = 0;
};

// Whether name matches a wildcard pattern with '*' and '?', ignoring ASCII case.
bool MatchesWildcard(const std::string& name, const std::string& pattern);
// Whether name matches any of the ';'-separated patterns.
bool MatchesAnyPattern(const std::string& name, const std::string& patterns);

}  // namespace mirvo::forms
