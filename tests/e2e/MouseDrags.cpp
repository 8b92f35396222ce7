#include "e2e/MouseDrags.h"

#include <gtest/gtest.h>

#include <cstring>

#include "e2e/ProgramRun.h"
#include "win32/WinTestSupport.h"

namespace mirvo::e2e {

POINT AtTwips(HWND window, int x, int y) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    POINT p{MulDiv(x, dpi, 1440), MulDiv(y, dpi, 1440)};
    ClientToScreen(window, &p);
    return p;
}

POINT ItemAt(HWND window, int n) {
    return AtTwips(window, 2808 + 396 + 1000, 216 + 252 * n + 120);
}
POINT SlotAt(HWND window, int k) {
    return AtTwips(window, 36 + 108 + 1000, 6096 + 216 + 252 * k + 120);
}
POINT GroupAt(HWND window, int g) {
    return AtTwips(window, 10008 + 72 + 800, 216 + 252 * g + 120);
}

void PressAndDragTo(POINT from, const std::function<POINT()>& target, bool right) {
    wintest::MoveMouseTo(from);
    Sleep(50);
    wintest::SetMouseButton(right, true);
    Sleep(50);
    POINT at = from;
    for (int step = 1; step <= 4; ++step) {
        at.y = from.y + step * 3;
        wintest::MoveMouseTo(at);
        Sleep(30);
    }
    const POINT to = target();
    for (int step = 1; step <= 8; ++step) {
        wintest::MoveMouseTo(
            POINT{at.x + (to.x - at.x) * step / 8, at.y + (to.y - at.y) * step / 8});
        Sleep(30);
    }
    Sleep(100);
}

void ReleaseDrag(bool right) {
    wintest::SetMouseButton(right, false);
    Sleep(200);
}

void DragTo(POINT from, const std::function<POINT()>& target, bool right) {
    PressAndDragTo(from, target, right);
    ReleaseDrag(right);
}

void PutTextOnClipboard(const std::string& text) {
    ASSERT_TRUE(WaitFor([] { return OpenClipboard(nullptr) != 0; }, 3000));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

HWND VisibleWindow(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    return window && IsWindowVisible(window) ? window : nullptr;
}

}  // namespace mirvo::e2e
