#pragma once

#include <cstdint>
#include <string>

namespace mirvo {

class App;

// The groups of a library (record files "group" g ".dat", "group" g ".mod", "Colr" g ".dat")
// and the group names ("Groups.dat", "groups.clr"), loaded into and saved from the main
// window's panels. Group 22, "Hot Key Clips", keeps its files in the data folder.

// The folder of group g's files.
std::string GroupFolder(const App& app, int group);
// The start of the names of a group's data files: the slot's number follows.
std::string GroupDataPrefixOf(const App& app, int group);
// "group" g ".dat", "group" g ".mod" and "Colr" g ".dat" of group g.
std::string GroupTitlesPath(const App& app, int group);
std::string GroupModesPath(const App& app, int group);
std::string GroupColorsPath(const App& app, int group);

// GroupDataPrefix for the current group: its folder & "group" & g & ".".
void SetGroupDataPrefix(App& app);
// Fills the group clip panel from the current group's files, creating missing ones.
void LoadGroup(App& app);
// Rewrites the current group's three record files from the panel: the slots it changed since the
// files were last read or written; the slots another instance changed meanwhile stay theirs and
// show.
void SaveGroup(App& app);
// Fills the group names from the current library, creating its folder and files when new.
void LoadGroupNames(App& app);
// Rewrites "Groups.dat" from the group names.
void SaveGroupNames(App& app);
// A group name colour was written into "groups.clr" of the current library.
void NoteGroupNameColor(App& app, int group, std::int32_t color);

// Others' changes: the current group's records, the group names and their colours as another
// instance changed them since this one last read or wrote their files. True when something
// changed. (A save shows them too: it merges with what it finds.)
bool ShowGroupChanges(App& app);
bool ShowGroupNameChanges(App& app);

// Lays out the "Hot Key Clips" group: key labels "Alt+" and the letter of its 26 lettered
// slots, the slots wide beside them, the other slots and the column buttons hidden.
void LayoutHotKeyGroup(App& app);
// The current group's name shown marked (system highlight colours).
void MarkCurrentGroupName(App& app);
// Shows group g as the current group, loaded from its files (also when it was current already:
// its files may have changed); the name of the group left loses its mark.
void SelectGroup(App& app, int group);

}  // namespace mirvo
