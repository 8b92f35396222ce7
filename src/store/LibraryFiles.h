#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "files/RecordMerge.h"

namespace mirvo {

class App;

// The files that describe the libraries: the library list "Lib.dat" and "Last.Lib" in the data
// folder, "Last.grp" in each library folder.

// The folder of library n: DataFolder & "Lib" & n.
std::string LibraryFolderOf(const App& app, int library);

// Writes the list of a new data folder when "Lib.dat" is empty.
void CreateLibraryList(App& app);
// The stored names of the 29 libraries; blank where the list ends.
std::vector<std::string> ReadLibraryNames(App& app);
// Rewrites "Lib.dat" with the 26 user names and the three special libraries. (The caller holds
// the folder's lock and read the names under it.)
void SaveLibraryList(App& app, std::span<const std::string> userNames);
// The list as it is now, for a window that shows these names of it.
files::RecordBaseline SeeLibraryList(App& app, std::span<const std::string> userNames);
// The same, merged: the names changed since the window saw the list are written, those another
// instance changed meanwhile stay. Returns the 29 names of the list written; seen follows.
std::vector<std::string> SaveLibraryList(App& app, std::span<const std::string> userNames,
                                         files::RecordBaseline& seen);
// The name a library shows: its stored name, or for a blank one "Library " & n, and the fixed
// names of the special libraries.
std::string LibraryDisplayName(int library, const std::string& storedName);

// "Last.Lib": the library in use, and its shown name, when the Launch Pad was opened.
struct LastLibrary {
    int library = 1;
    std::string name;
};
void WriteLastLibrary(App& app, int library, const std::string& name);
// The library to return to from the Launch Pad. A missing or short file, or a number that is
// no library to return to, gives library 1.
LastLibrary ReadLastLibrary(App& app);
// The library this instance opened the Launch Pad from; for one started in the Launch Pad, the
// one "Last.Lib" holds.
LastLibrary LibraryToReturnTo(App& app);

// "Last.grp" of a library folder: the group last shown there. Writing ignores errors.
void WriteLastGroup(App& app, const std::string& libraryFolder, int group);
// The group to show in a library: 0 for a library never opened, an empty file or a stored
// value outside 0..31; nothing when the file cannot be read.
std::optional<int> ReadLastGroup(App& app, const std::string& libraryFolder);

}  // namespace mirvo
