#include "e2e/Notepad.h"

#include <gtest/gtest.h>

#include <vector>

#include "win32/WinTestSupport.h"

namespace mirvo::e2e {

bool Foreground(HWND window) {
    SetForegroundWindow(window);
    return WaitFor([&] { return GetForegroundWindow() == window; }, 5000);
}

void LetThePollSeeIt() {
    WaitFor([] { return false; }, 1500);
}

Notepad::Notepad(HWND mainWindow) : m_process(NotepadPath()) {
    WaitFor([&] { return (m_window = m_process.FindWindowOfClass("Notepad")) != nullptr; }, 20000);
    m_edit = m_window ? FindWindowExA(m_window, nullptr, "Edit", nullptr) : nullptr;
    RECT main{};
    GetWindowRect(mainWindow, &main);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    if (screenWidth - main.right > 300) {
        MoveWindow(m_window, main.right + 8, 0, screenWidth - main.right - 8, 300, TRUE);
    } else {
        MoveWindow(m_window, 0, main.bottom + 8, 500, 200, TRUE);
    }
}

std::string Notepad::Text() const {
    DWORD_PTR length = 0;
    SendMessageTimeoutA(m_edit, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &length);
    std::vector<char> text(length + 1);
    SendMessageTimeoutA(m_edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 1000, &length);
    return std::string(text.data(), length);
}

void Notepad::SetText(const std::string& text) {
    SendMessageA(m_edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(m_edit, EM_SETSEL, text.size(), text.size());
}

bool Notepad::Shows(const std::string& text, DWORD timeoutMs) const {
    return WaitFor([&] { return Text() == text; }, timeoutMs);
}

void Notepad::Copy(const std::string& text) {
    SetText(text);
    EXPECT_TRUE(Focus());
    wintest::PressKey('A', {VK_CONTROL});
    wintest::PressKey('C', {VK_CONTROL});
}

}  // namespace mirvo::e2e
