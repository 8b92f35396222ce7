#pragma once

#include "forms/Types.h"

namespace mirvo {

class App;

// Moving between the main window's displays, and coming back to the user's compact display
// after the full window was used.

// A display option button (ClipboardOnly): the full window, or the clipboard clips alone,
// stacked or in columns. A right click shows its help.
void SizerBtn_MouseUp(App& app, int index, forms::MouseButton button);
// A column button: shows that column alone, or from any column display the full window.
void TopBtn_MouseUp(App& app, int index, forms::MouseButton button);
// The window floats above others in every compact display; the buttons show the display, the
// paste-mode override and the capture mode.
void RefreshModeButtons(App& app);
// A compact display stays above other windows; the full window does not.
void ApplyTopmost(App& app);
// The paste-mode override buttons: the chosen one down and red, the others light green.
void RefreshClipModeButtons(App& app);
// After a paste or launch from the full window: back to the last compact display, or minimized.
void SetLastDisplay(App& app);
// The main window's window state changed (minimized, restored, maximized).
void MainWindowResized(App& app);
// Brings the main window up in front (topmost only in a compact display).
void ShowMainWindow(App& app);

}  // namespace mirvo
