#pragma once

#include <memory>

#include "app/Modes.h"

namespace mirvo {

namespace forms {
class Form;
}

// What the main window shows and where it returns to; the persistent part of the display
// lives in the settings (LargeWindow, ClipboardOnlyMode, DisplayMode, CompactLayout, the
// positions).
struct DisplayState {
    // The display to return to after the full window was used: a column display (the Column
    // values), the vertical or horizontal clipboard-only display, or minimized.
    int LastDisplay = Display::Minimized;
    // Set when leaving a clipboard-only display through a column display click: the display
    // option handler then does not show the window itself.
    bool SkipReshow = false;
    bool WasMinimized = false;
    bool Activated = false;
    // The horizontal clipboard-only layout moves controls by offsets: it is applied at most once.
    bool HorizontalApplied = false;
    // The highlight position before the last move.
    int PreviousHighlightPos = 0;
    // The mouse button of the last MouseUp on a clip (forms::MouseButton: 1 left, 2 right).
    int ClickButton = 1;
    // While the search box is being typed in.
    bool SearchActive = false;
    // The screen-edge switcher's window, kept until the next one shows, and its centre in pixels.
    std::unique_ptr<forms::Form> EdgeWindow;
    int EdgeCentreX = 0;
    int EdgeCentreY = 0;
    // The pointer as the edge watch saw it last (pixels; -1 before it looked), and for how
    // many of its ticks it has stood there.
    int EdgePointerX = -1;
    int EdgePointerY = -1;
    int EdgePointerStillTicks = 0;
};

}  // namespace mirvo
