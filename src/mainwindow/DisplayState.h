#pragma once

namespace mirvo {

// What the main window shows and where it returns to; the persistent part of the display
// lives in the settings (LargeWindow, ClipboardOnlyMode, DisplayMode, CompactLayout, the
// positions).
struct DisplayState {
    // The display to return to after the full window was used: 0..3 a column display, 10 the
    // vertical and 20 the horizontal clipboard-only display, 5 minimized.
    int LastDisplay = 5;
    // Set when leaving a clipboard-only display through a column display click: the display
    // option handler then does not show the window itself.
    int SkipReshow = 0;
    int WasMinimized = 0;
    int Activated = 0;
    // The horizontal clipboard-only layout moves controls by offsets: it is applied at most once.
    bool HorizontalApplied = false;
    // The highlight position before the last move.
    int PreviousHighlightPos = 0;
    // The mouse button of the last MouseUp on a clip (1 left, 2 right).
    int ClickButton = 1;
    // 1 while the search box is being typed in.
    int SearchActive = 0;
    // A MouseDown on a non-empty drag source armed a drag.
    int DragArmed = 0;
};

}  // namespace mirvo
