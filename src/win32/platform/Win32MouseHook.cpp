#include "win32/platform/Win32MouseHook.h"

namespace mirvo::win32 {

namespace {

constexpr UINT kButtonMessage = WM_APP + 1;
Win32MouseHook* g_instance = nullptr;

bool IsButtonMessage(WPARAM message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            return true;
        default:
            return false;
    }
}

}  // namespace

Win32MouseHook::Win32MouseHook()
    : m_messages([this](UINT message, WPARAM wParam, LPARAM lParam) {
          Deliver(message, wParam, lParam);
      }) {
    g_instance = this;
}

Win32MouseHook::~Win32MouseHook() {
    SetOn(false);
    g_instance = nullptr;
}

void Win32MouseHook::SetOn(bool on) {
    if (on && !m_hook) {
        m_hook = SetWindowsHookExA(WH_MOUSE_LL, &Win32MouseHook::Procedure,
                                   GetModuleHandleA(nullptr), 0);
    } else if (!on && m_hook) {
        UnhookWindowsHookEx(m_hook);
        m_hook = nullptr;
    }
}

LRESULT CALLBACK Win32MouseHook::Procedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && g_instance && IsButtonMessage(wParam)) {
        const auto& mouse = *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        g_instance->m_messages.Post(kButtonMessage, wParam, MAKELPARAM(mouse.pt.x, mouse.pt.y));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Win32MouseHook::Deliver(UINT message, WPARAM wParam, LPARAM lParam) {
    // Events still queued when the hook went off are dropped.
    if (message != kButtonMessage || !m_hook || !OnMouse) {
        return;
    }
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    HWND window = WindowFromPoint(point);
    if (window) {
        window = GetAncestor(window, GA_ROOT);
    }
    OnMouse(platform::HookMouseEvent{static_cast<int>(wParam),
                                     {static_cast<int>(point.x), static_cast<int>(point.y)},
                                     reinterpret_cast<platform::WindowHandle>(window)});
}

}  // namespace mirvo::win32
