#pragma once

namespace mirvo {

class App;

// Opens the shortcut editor for the launch-pad shortcut in a group clip or transfer slot
// (source and index as in the edit context).
void OpenShortcutEditor(App& app, int source, int index);

// Opens the shortcut editor for a new shortcut in slot n of the current group (of the launch
// pad), made from the text of clipboard clip c.
void OpenShortcutFromClipboardClip(App& app, int clip, int slot);

}  // namespace mirvo
