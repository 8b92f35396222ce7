#pragma once

#include <windows.h>

#include <functional>

namespace mirvo::win32 {

// A hidden message-only window of the UI thread. Hook procedures post to it and return at once;
// the handler runs later on the UI thread, in whichever message loop is running then.
class MessageWindow {
public:
    using Handler = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;

    explicit MessageWindow(Handler handler);
    ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    // Queues a message (WM_APP and above) for the handler; false when the queue is full.
    bool Post(UINT message, WPARAM wParam, LPARAM lParam) const;
    // For the system to report to: WM_CLIPBOARDUPDATE and the clipboard owner's messages
    // (WM_RENDERFORMAT, WM_RENDERALLFORMATS, WM_DESTROYCLIPBOARD) reach the handler too.
    HWND Handle() const { return m_window; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    Handler m_handler;
    HWND m_window = nullptr;
};

// The mark of the keys this program injects, so that its own keyboard hook lets them through.
inline constexpr ULONG_PTR kInjectedByMirvo = 0x4D697276;

}  // namespace mirvo::win32
