#include "win32/platform/Win32FolderBrowser.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "win32/Handles.h"

namespace mirvo::win32 {

namespace {
std::string SearchPattern(std::string folder) {
    if (!folder.empty() && folder.back() != '\\') {
        folder += '\\';
    }
    return folder + '*';
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The entries of a folder; throws DeviceUnavailable when it cannot be read.
std::vector<std::string> Entries(const std::string& folder, bool folders,
                                 const std::string* patterns) {
    WIN32_FIND_DATAA data{};
    FindHandle find(FindFirstFileA(SearchPattern(folder).c_str(), &data));
    if (!find) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND) {
            return {};  // an empty folder
        }
        throw forms::DeviceUnavailable(folder);
    }
    std::vector<std::string> names;
    do {
        const std::string name = data.cFileName;
        const bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        const bool hidden = (data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        if (name == "." || name == ".." || isFolder != folders || hidden) {
            continue;
        }
        if (patterns && !forms::MatchesAnyPattern(name, *patterns)) {
            continue;
        }
        names.push_back(name);
    } while (FindNextFileA(find.Get(), &data));
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    return names;
}
}  // namespace

std::vector<std::string> Win32FolderBrowser::Drives() {
    char buffer[512] = {};
    const DWORD length = GetLogicalDriveStringsA(sizeof buffer - 1, buffer);
    std::vector<std::string> drives;
    for (const char* p = buffer; p < buffer + length && *p; p += std::strlen(p) + 1) {
        std::string drive(p, 2);
        drive[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(drive[0])));
        drives.push_back(drive);
    }
    return drives;
}

std::vector<std::string> Win32FolderBrowser::Folders(const std::string& folder) {
    return Entries(folder, true, nullptr);
}

std::vector<std::string> Win32FolderBrowser::Files(const std::string& folder,
                                                   const std::string& patterns) {
    try {
        return Entries(folder, false, &patterns);
    } catch (const forms::DeviceUnavailable&) {
        return {};
    }
}

}  // namespace mirvo::win32
