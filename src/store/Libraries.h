#pragma once

#include <string>
#include <vector>

namespace mirvo {

class App;

// Libraries: 26 of the user's own, the "Diary" (27), the "Address Book" (28) and the
// "Launch Pad" (29), each a folder of 32 groups.

// The 32 group names of a new library: "Hot Key Clips" for group 22, the months in the Diary,
// letters in the Address Book, blank otherwise.
std::vector<std::string> DefaultGroupNames(int library);
// The key labels beside the group clips: the letters, or in the Diary the days of the month
// shown; the "Hot Key Clips" group keeps its "Alt+" keys.
void LabelClipKeys(App& app);
// Shows the current library's name in LibLabel.
void ShowLibraryName(App& app);
// Shows the name again when another instance changed the library list since it was shown; true
// when it did.
bool ShowLibraryChanges(App& app);
// The "Launch Pad" button is down exactly while the launch pad is the current library.
void ShowLaunchPadState(App& app);
// Changes to another library: remembers the group shown in the one left, shows the new one's
// last group and stores the choice in the settings.
void SwitchLibrary(App& app, int newLibrary);
// Shows another library: "Last.grp" of the one left keeps its group, whose name loses its mark;
// the new library's last group, key labels, group names and clips are shown. The library
// label, the library list and the library of the next start are the caller's.
void ShowLibrary(App& app, int library);
// Shows the current library again after its folder changed under it (a library moved to or
// from its number): group names, group, key labels and name, and stores it in the settings.
void ReloadCurrentLibrary(App& app);

}  // namespace mirvo
