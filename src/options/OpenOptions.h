#pragma once

#include "forms/Types.h"

namespace mirvo {

class App;

// The main window's "Options" button: opens the options window modally, on top, with the hot
// keys not watched meanwhile; a change of the window size lays the main window out again and
// opens the options once more. Refused while a clip editor is open.
void OptionButton_MouseUp(App& app, forms::MouseButton button);

}  // namespace mirvo
