#pragma once

#include <string>

namespace mirvo {

class App;

// How the main window opens the clip dialogs.

// Opens the clip viewer for a clip of a panel (source: ClipSource), modeless and topmost: a
// clipboard clip shows its title and text only. A launch-pad shortcut opens the shortcut editor
// instead. Nothing opens while an editor is open, nor for a clipboard clip beyond the history.
void OpenClipEditor(App& app, int source, int index);
// Opens the group naming form for group g beside the main window, modally; afterwards the group
// names are saved.
void OpenGroupnamer(App& app, int group);
// Opens the clip settings of the current group's slot (a clip was just dropped there) beside the
// slot, modally, with the dropped clip's title to start from. True when they were stored.
bool OpenClipSettings(App& app, int slot, const std::string& title = "");

}  // namespace mirvo
