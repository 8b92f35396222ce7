#pragma once

#include "forms/Types.h"

namespace mirvo {

class App;

// The main window's button "Launch Pad": into the launch-pad library, remembering the library
// left in "Last.Lib", and back to that library. Refused while a clip editor is open; the right
// button explains it.
void LaunchBtn_MouseUp(App& app, forms::MouseButton button);

}  // namespace mirvo
