#pragma once

#include "forms/Types.h"

namespace mirvo {

class App;

// What a click on a panel label of the main window starts: a left click pastes a clip or
// chooses a group; a right click opens the clip for editing or the group for naming.

// A button released over a clip of the clipboard, group clip or transfer slot panel (source:
// ClipSource); the right button opens the clip editor.
void ClipLabel_MouseUp(App& app, int source, int index, forms::MouseButton button);
// A group name clicked with the left button, or chosen by a right-button release.
void GroupName_Click(App& app, int group);
void GroupName_MouseUp(App& app, int group, forms::MouseButton button);

}  // namespace mirvo
