#pragma once

// Wine's notepad as the other program of the paste tests: the window the user copies in and
// pastes into.

#include <windows.h>

#include <string>

#include "e2e/ProgramRun.h"

namespace mirvo::e2e {

// Brings a window of any process to the foreground and waits until it is there.
bool Foreground(HWND window);

// The program notes the window the user works in on its next clipboard poll (once a second).
void LetThePollSeeIt();

// Notepad, placed clear of the main window so that clicks land where they aim.
class Notepad {
public:
    explicit Notepad(HWND mainWindow);

    bool Ready() const { return m_edit != nullptr; }
    HWND Edit() const { return m_edit; }
    // WM_GETTEXT: GetWindowText does not ask the controls of another process.
    std::string Text() const;
    // Replaces the text, with the caret at its end.
    void SetText(const std::string& text);
    bool Focus() const { return Foreground(m_window); }
    bool Shows(const std::string& text, DWORD timeoutMs = 5000) const;
    // Types nothing: selects all and copies, as a user does.
    void Copy(const std::string& text);

private:
    ProgramProcess m_process;
    HWND m_window = nullptr;
    HWND m_edit = nullptr;
};

}  // namespace mirvo::e2e
