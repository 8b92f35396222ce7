#include "win32/host/ClickTracker.h"

namespace mirvo::win32 {

void ClickTracker::Down(HWND window, bool capture) {
    m_down = true;
    if (capture && GetCapture() != window) {
        SetCapture(window);
        m_ownCapture = true;
    }
}

bool ClickTracker::Up(HWND window, const RECT& area, POINT at) {
    const bool click = m_down && PtInRect(&area, at);
    m_down = false;
    if (m_ownCapture) {
        m_ownCapture = false;
        if (GetCapture() == window) {
            ReleaseCapture();
        }
    }
    return click;
}

}  // namespace mirvo::win32
