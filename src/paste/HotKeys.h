#pragma once

#include "forms/Types.h"
#include "platform/Desktop.h"

namespace mirvo {

class App;

// What the system-wide hot keys do (which keys are watched: store/HotKeyWatch.h): Alt with a
// letter pastes a clip of the "Hot Key Clips" group, Ctrl with a digit a clipboard clip, Ctrl+0
// clears the history, the bulk key starts the bulk paste, Ctrl+minus and Ctrl+plus switch the
// hot keys off and on, and the paste activation key brings the minimized main window up.

// A watched key combination was released: modifiers 1 Shift, 2 Ctrl, 4 Alt. The window in
// front when the key went down (0: not known, then the one in front now) receives what the
// key pastes, unless it is one of the program's own.
void HotKeyUp(App& app, int keyCode, int modifiers, platform::WindowHandle keyWindow);
// The "Hot Keys Off" button.
void HotKeyOnOff_MouseUp(App& app, forms::MouseButton button);

}  // namespace mirvo
