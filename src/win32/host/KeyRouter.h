#pragma once

#include <windows.h>

#include <vector>

#include "forms/Control.h"
#include "forms/Menu.h"

namespace mirvo::win32 {

class FormWindow;

// The keyboard of one form: key messages of its focused control (or of the form itself) go
// through the form's key preview (Form::DispatchKeyDown / KeyPress / KeyUp); Tab and Shift+Tab
// move the focus in TabIndex order; menu shortcuts run their menu. A swallowed key-down also
// swallows the character it produces.
class KeyRouter {
public:
    explicit KeyRouter(FormWindow& window) : m_window(window) {}
    KeyRouter(const KeyRouter&) = delete;
    KeyRouter& operator=(const KeyRouter&) = delete;

    // False when the message is swallowed; otherwise code holds the key or character to pass
    // on, changed when the program changed it. Unicode tells how a WM_CHAR code is encoded.
    // Enter on a focused command button chooses it; the release of a key whose press closed a
    // form is swallowed wherever it comes.
    bool Route(forms::Control* target, UINT msg, WPARAM& code, LPARAM lp, bool unicode);

    // The controls that Tab visits, in order: visible, enabled (with their containers), tab
    // stops that can take the focus.
    std::vector<forms::Control*> TabOrder() const;

private:
    void MoveFocusByTab(forms::Control* from, bool backwards);
    void RunShortcut(forms::Menu& item);

    FormWindow& m_window;
    bool m_swallowChar = false;
};

}  // namespace mirvo::win32
