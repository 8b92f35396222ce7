#pragma once

#include <windows.h>

namespace mirvo::win32 {

// Tells a press and release of the left button on one window as a click: the window saw the
// press, and the release came inside its rectangle. While the button is down the window may hold
// the mouse capture, so that a release outside still comes back to it (and is no click).
class ClickTracker {
public:
    // The left button went down on window. With capture, the window takes the mouse unless it
    // holds it already: a native button's default processing takes it and gives it back itself.
    void Down(HWND window, bool capture);
    // The left button came up at `at`, in the coordinates of area. Gives back the capture that
    // Down took; true when the release completes a click.
    bool Up(HWND window, const RECT& area, POINT at);

private:
    bool m_down = false;
    bool m_ownCapture = false;
};

}  // namespace mirvo::win32
