#pragma once

#include <string>

#include "forms/Control.h"

namespace mirvo::forms {

// A form menu entry. A menu without a parent is on the menu bar; its Click is raised when it
// opens. The caption "-" makes a separator. The shortcut is written like "^X" (Ctrl+X),
// "^W" or "{DEL}" and is handled by the form while it has the focus.
class Menu : public Control {
public:
    Menu(Form& owner, std::string name, int index, Menu* parent);

    Menu* Parent() const;
    bool Checked() const { return m_checked; }
    void SetChecked(bool v);
    const std::string& Shortcut() const { return m_shortcut; }
    void SetShortcut(std::string s) { m_shortcut = std::move(s); }
    bool IsSeparator() const { return Caption() == "-"; }

    // The key code and Ctrl state of the shortcut, or key 0 when there is none.
    struct Accelerator {
        int keyCode = 0;
        bool ctrl = false;
    };
    Accelerator ShortcutKey() const;

private:
    bool m_checked = false;
    std::string m_shortcut;
};

}  // namespace mirvo::forms
