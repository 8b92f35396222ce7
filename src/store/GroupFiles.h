#pragma once

#include <cstdint>
#include <string>

namespace mirvo {

class App;

// The files of a group that the panel may not be showing: a group clip dragged from another
// group, a group copied or moved by its name, a group carried from another library.

// Slot n's title and paste mode as its group's record files hold them (blank and "not set" when
// the files are short or missing; nothing is created).
struct GroupRecord {
    std::string title;
    std::uint8_t pasteMode = 3;
};
GroupRecord ReadGroupRecord(App& app, int group, int slot);
// Empties slot n in the record files of a group the panel does not show: blank title, paste
// mode not set.
void ClearGroupRecord(App& app, int group, int slot);
// The data file of slot n of group g, in the group's folder.
std::string GroupClipPath(const App& app, int group, int slot);

// A group's name may be blank while its slots still hold clips: it is empty only when its name
// is blank and no record of its titles file holds a title.
bool GroupIsEmpty(App& app, int group);

// Copies group g in folder from to group t of the current library: the 96 clip data files (a
// missing or empty one leaves no file) and the three record files.
void CopyGroupFiles(App& app, const std::string& fromFolder, int from, int to);
// Deletes the 96 clip data files of group g of the current library and its titles and paste-mode
// files (its colour file stays).
void DeleteGroupFiles(App& app, int group);

// Writes group g's name colour (0: the default) into "groups.clr" of the current library.
void WriteGroupNameColor(App& app, int group, std::int32_t color);

}  // namespace mirvo
