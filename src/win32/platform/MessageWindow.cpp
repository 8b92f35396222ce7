#include "win32/platform/MessageWindow.h"

namespace mirvo::win32 {

namespace {
constexpr const char* kClassName = "MirvoHookMessages";

void RegisterClassOnce(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        return RegisterClassA(&windowClass) != 0;
    }();
    (void)registered;
}
}  // namespace

MessageWindow::MessageWindow(Handler handler) : m_handler(std::move(handler)) {
    RegisterClassOnce(&MessageWindow::Procedure);
    m_window = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    if (m_window) {
        SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
}

MessageWindow::~MessageWindow() {
    if (m_window) {
        DestroyWindow(m_window);
    }
}

bool MessageWindow::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
    return m_window && PostMessageA(m_window, message, wParam, lParam);
}

LRESULT CALLBACK MessageWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MessageWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    const bool reported = message >= WM_APP || message == WM_CLIPBOARDUPDATE ||
                          message == WM_RENDERFORMAT || message == WM_RENDERALLFORMATS ||
                          message == WM_DESTROYCLIPBOARD;
    if (self && reported && self->m_handler) {
        // Nothing may leave a window procedure: the caller is the system.
        try {
            self->m_handler(message, wParam, lParam);
        } catch (...) {
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace mirvo::win32
