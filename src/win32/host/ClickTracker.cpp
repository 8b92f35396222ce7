#include "win32/host/ClickTracker.h"

namespace mirvo::win32 {

void ClickTracker::Down(HWND window, forms::MouseButton button, bool capture) {
    m_pressed |= static_cast<int>(button);
    if (capture && GetCapture() != window) {
        SetCapture(window);
        m_ownCapture = true;
    }
}

bool ClickTracker::Up(HWND window, forms::MouseButton button, forms::MouseButton stillHeld,
                      const RECT& area, POINT at) {
    const int left = static_cast<int>(forms::MouseButton::Left);
    const bool click =
        button == forms::MouseButton::Left && (m_pressed & left) != 0 && PtInRect(&area, at);
    // A press whose release went elsewhere (a drag took it) is forgotten with the buttons that
    // are up now.
    m_pressed &= static_cast<int>(stillHeld) & ~static_cast<int>(button);
    if (m_pressed == 0 && m_ownCapture) {
        m_ownCapture = false;
        if (GetCapture() == window) {
            ReleaseCapture();
        }
    }
    return click;
}

}  // namespace mirvo::win32
