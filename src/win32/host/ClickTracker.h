#pragma once

#include <windows.h>

#include "forms/Types.h"

namespace mirvo::win32 {

// Tells a press and release of the left button on one window as a click: the window saw the
// press, and the release came inside its rectangle. While a button pressed on the window is down
// the window may hold the mouse capture, so that the moves and the release still come back to it
// wherever the pointer goes (a release outside is no click), whichever the button.
class ClickTracker {
public:
    // A button went down on window. With capture, the window takes the mouse unless it holds it
    // already: a native button's default processing takes it for the left button and gives it
    // back itself.
    void Down(HWND window, forms::MouseButton button, bool capture);
    // A button came up at `at`, in the coordinates of area; stillHeld: the buttons the release
    // message reports down. Once none of the buttons pressed here is down, the capture that Down
    // took is given back. True when a release of the left button completes a click.
    bool Up(HWND window, forms::MouseButton button, forms::MouseButton stillHeld, const RECT& area,
            POINT at);

private:
    int m_pressed = 0;  // the buttons pressed on the window and not yet released (bits)
    bool m_ownCapture = false;
};

}  // namespace mirvo::win32
