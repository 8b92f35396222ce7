#pragma once

#include "forms/Types.h"

namespace mirvo {

class App;

// The clipboard panel's "Clear" button and the capture-mode buttons ("Normal",
// "Clip Capture Off", "Bulk").

// "Clear" empties the history and the bulk cache; any other click shows its help.
void ClearBtn_MouseUp(App& app, forms::MouseButton button);
// A capture-mode button chooses its mode; the chosen mode clicked again returns to "Normal".
void CaptureMode_MouseUp(App& app, int index, forms::MouseButton button);
// The capture-mode buttons show the mode: the chosen one down, "Clip Capture Off" red while
// capture is off, the "Bulk" button with its count.
void RefreshCaptureButtons(App& app);

}  // namespace mirvo
