#pragma once

#include "forms/Types.h"

namespace mirvo {

class App;

// The control panel's buttons that change how clips paste.

// A paste-mode override button ("Clip", "Email", "Web Page", "Off", "Form Clip"): chooses its
// override, or turns it off when it is the chosen one. Acts on release, after the button took
// its own click. Any other click than a left one shows the help.
void ClipMode_MouseUp(App& app, int index, forms::MouseButton button);
// "Text Only": restores keep only plain text while it is down.
void TextOnlyBtn_MouseUp(App& app, forms::MouseButton button);
// "Minimize": the main window minimizes, unless a clip editor is open.
void Minimize_MouseUp(App& app);
// "Stay up after pasting".
void NoMinimizeBtn_MouseUp(App& app);

}  // namespace mirvo
