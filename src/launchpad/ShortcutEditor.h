#pragma once

namespace mirvo {

class App;

// The three ways into the shortcut editor, which it shows modally.

// Edits the launch-pad shortcut in a group clip or transfer slot (source and index as in the
// edit context).
void OpenShortcutEditor(App& app, int source, int index);

// Makes a new shortcut in slot n of the current group (of the launch pad) from the text of
// clipboard clip c, which names the file to launch.
void OpenShortcutFromClipboardClip(App& app, int clip, int slot);

// An empty group clip slot clicked in the launch pad: makes a new shortcut there. Elsewhere,
// or for a slot that holds a clip, nothing happens.
void OpenShortcutForEmptySlot(App& app, int slot);

}  // namespace mirvo
