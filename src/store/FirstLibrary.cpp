#include "store/FirstLibrary.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "app/App.h"
#include "app/FolderSync.h"
#include "app/Settings.h"
#include "app/StoreLayout.h"
#include "files/Paths.h"
#include "platform/FileSystem.h"

namespace mirvo {

using namespace store;

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// A number as the program writes it in file names: decimal, no sign, no leading zero.
std::optional<int> NumberBelow(std::string_view digits, int limit) {
    if (digits.empty() || digits.size() > 2 || (digits.size() > 1 && digits[0] == '0')) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value < limit ? std::optional<int>(value) : std::nullopt;
}

bool IsLibraryGroup(std::string_view digits) {
    const std::optional<int> group = NumberBelow(digits, kGroupCount);
    return group && *group != kHotKeyGroup;
}

// "group" g ".dat", "group" g ".mod" or "group" g "." n (its clip data).
bool IsGroupFile(std::string_view rest) {
    const size_t dot = rest.find('.');
    if (dot == std::string_view::npos || !IsLibraryGroup(rest.substr(0, dot))) {
        return false;
    }
    const std::string_view extension = rest.substr(dot + 1);
    return extension == "dat" || extension == "mod" || NumberBelow(extension, kSlotCount);
}

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

}  // namespace

bool IsLibraryFile(std::string_view name) {
    const std::string lower = Lower(name);
    const std::string_view n = lower;
    if (n == "groups.dat" || n == "groups.clr" || n == "last.grp") {
        return true;
    }
    if (StartsWith(n, "colr") && n.size() > 8 && n.substr(n.size() - 4) == ".dat") {
        return IsLibraryGroup(n.substr(4, n.size() - 8));
    }
    return StartsWith(n, "group") && IsGroupFile(n.substr(5));
}

void MoveToFirstLibrary(App& app) {
    platform::FileSystem& fs = app.os.files;
    const std::string firstLibrary = app.DataFolder + "Lib1";
    if (fs.IsFolder(firstLibrary)) {
        return;
    }
    // Looked at again under the lock: another instance may be starting over the same folder.
    FolderLock lock(app);
    if (fs.IsFolder(firstLibrary)) {
        return;
    }
    app.LibraryFolder = files::WithSeparator(firstLibrary);
    app.CurrentLibrary = 1;
    // The library that opens next time is the one now holding the collection.
    if (app.settings.DataOption == 0) {
        app.settings.PrivateLibrary = 1;
    } else {
        app.settings.CommonLibrary = 1;
    }

    // The folder first, the settings last: a settings file the disk refuses must not leave the
    // library without its folder.
    fs.CreateFolder(firstLibrary);
    for (const std::string& name : fs.ListFiles(files::WithoutSeparator(app.DataFolder))) {
        if (!IsLibraryFile(name)) {
            continue;
        }
        const std::string from = app.DataFolder + name;
        fs.ClearAttributes(from);
        // Without replacing: a file already in Lib1 is never overwritten, and a file that
        // cannot move stays in the data folder.
        fs.Rename(from, app.LibraryFolder + name, false);
    }
    SaveSettings(app);
}

}  // namespace mirvo
