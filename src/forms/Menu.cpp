#include "forms/Menu.h"

#include <cctype>

#include "forms/Form.h"

namespace mirvo::forms {

Menu::Menu(Form& owner, std::string name, int index, Menu* parent)
    : Control(owner, ControlKind::Menu, std::move(name), index, parent) {
    SetTabStop(false);
}

Menu* Menu::Parent() const { return static_cast<Menu*>(Container()); }

void Menu::SetChecked(bool v) {
    if (v != m_checked) {
        m_checked = v;
        Changed(Property::Value);
    }
}

Menu::Accelerator Menu::ShortcutKey() const {
    if (m_shortcut == "{DEL}") {
        return {Key::Delete, false};
    }
    if (m_shortcut.size() == 2 && m_shortcut[0] == '^') {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(m_shortcut[1])));
        return {static_cast<unsigned char>(c), true};
    }
    return {};
}

}  // namespace mirvo::forms
