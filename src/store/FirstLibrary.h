#pragma once

#include <string_view>

namespace mirvo {

class App;

// Whether a file of the data folder belongs to a library, by its name (without regard to
// case): the records, clip data and colours of groups other than 22, "Groups.dat",
// "groups.clr" and "Last.grp". Files shared by all libraries and the program's own files do
// not.
bool IsLibraryFile(std::string_view name);

// Turns a data folder without libraries into one whose collection is library 1: when there is
// no sub-folder "Lib1", it is made the current library and the library files of the data
// folder move into it. A file is never moved over one already there; a file that cannot be
// moved stays where it is.
void MoveToFirstLibrary(App& app);

}  // namespace mirvo
