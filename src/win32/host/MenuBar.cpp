#include "win32/host/MenuBar.h"

#include "win32/Handles.h"

namespace mirvo::win32 {

namespace {
std::string ShortcutText(const std::string& shortcut) {
    if (shortcut == "{DEL}") {
        return "Del";
    }
    if (shortcut.size() == 2 && shortcut[0] == '^') {
        return std::string("Ctrl+") + shortcut[1];
    }
    return shortcut;
}
}  // namespace

void MenuBar::Build(HWND window) {
    m_window = window;
    m_entries.clear();
    m_popups.clear();
    MenuHandle bar(CreateMenu());
    for (const auto& c : m_form.Controls()) {
        if (c->Kind() == forms::ControlKind::Menu && c->Visible() &&
            !static_cast<forms::Menu&>(*c).Parent()) {
            Append(bar.Get(), static_cast<forms::Menu&>(*c));
        }
    }
    // The window owns the menu it shows and destroys it with itself; a replaced one is ours.
    MenuHandle old(GetMenu(window));
    if (GetMenuItemCount(bar.Get()) > 0) {
        m_bar = bar.Release();
        SetMenu(window, m_bar);
    } else {
        m_bar = nullptr;
        m_entries.clear();
        m_popups.clear();
        SetMenu(window, nullptr);
    }
    DrawMenuBar(window);
}

void MenuBar::Rebuild() {
    if (!m_window) {
        return;
    }
    if (m_inLoop) {
        // The open popups belong to the bar; replacing it now would pull them away.
        m_rebuildPending = true;
        return;
    }
    Build(m_window);
}

void MenuBar::ExitLoop() {
    m_inLoop = false;
    if (m_rebuildPending) {
        m_rebuildPending = false;
        Rebuild();
    }
}

void MenuBar::Append(HMENU into, forms::Menu& menu) {
    Entry entry{into, static_cast<UINT>(GetMenuItemCount(into)), menu.IsSeparator()};
    if (entry.separator) {
        AppendMenuA(into, MF_SEPARATOR, 0, nullptr);
        m_entries[&menu] = entry;
        return;
    }
    std::string text = ItemText(menu);
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE;
    item.wID = IdOf(menu);
    item.dwTypeData = text.data();
    item.fState = (menu.Checked() ? MFS_CHECKED : 0u) | (menu.Enabled() ? 0u : MFS_DISABLED);
    if (HasChildren(menu)) {
        HMENU popup = CreatePopupMenu();
        for (const auto& c : m_form.Controls()) {
            if (c->Kind() == forms::ControlKind::Menu && c->Visible() &&
                static_cast<forms::Menu&>(*c).Parent() == &menu) {
                Append(popup, static_cast<forms::Menu&>(*c));
            }
        }
        item.fMask |= MIIM_SUBMENU;
        item.hSubMenu = popup;
        m_popups[popup] = &menu;
    }
    InsertMenuItemA(into, entry.position, TRUE, &item);
    m_entries[&menu] = entry;
}

bool MenuBar::HasChildren(const forms::Menu& menu) const {
    for (const auto& c : m_form.Controls()) {
        if (c->Kind() == forms::ControlKind::Menu &&
            static_cast<forms::Menu&>(*c).Parent() == &menu) {
            return true;
        }
    }
    return false;
}

UINT MenuBar::IdOf(const forms::Menu& menu) const {
    const auto& controls = m_form.Controls();
    for (size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].get() == &menu) {
            return kFirstId + static_cast<UINT>(i);
        }
    }
    return 0;
}

std::string MenuBar::ItemText(const forms::Menu& menu) const {
    std::string text = menu.Caption();
    const std::string shortcut = ShortcutText(menu.Shortcut());
    if (!shortcut.empty() && menu.Parent()) {
        text += '\t';
        text += shortcut;
    }
    return text;
}

void MenuBar::Changed(const forms::Menu& menu, forms::Property p) {
    auto it = m_entries.find(&menu);
    const bool shown = it != m_entries.end();
    switch (p) {
        case forms::Property::Caption:
            if (!shown) {
                return;  // not on the bar now; a rebuild picks the caption up
            }
            if (it->second.separator != menu.IsSeparator()) {
                Rebuild();
            } else if (!menu.IsSeparator()) {
                UpdateItem(menu, it->second);
            }
            return;
        case forms::Property::Value:
        case forms::Property::Enabled:
            if (shown && !it->second.separator) {
                UpdateItem(menu, it->second);
            }
            return;
        case forms::Property::Visible:
            Rebuild();
            return;
        default:
            return;
    }
}

void MenuBar::UpdateItem(const forms::Menu& menu, const Entry& entry) {
    std::string text = ItemText(menu);
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING | MIIM_STATE;
    item.dwTypeData = text.data();
    item.fState = (menu.Checked() ? MFS_CHECKED : 0u) | (menu.Enabled() ? 0u : MFS_DISABLED);
    SetMenuItemInfoA(entry.menu, entry.position, TRUE, &item);
    if (entry.menu == m_bar && m_window) {
        DrawMenuBar(m_window);
    }
}

forms::Menu* MenuBar::FromCommand(UINT id) const {
    if (id < kFirstId) {
        return nullptr;
    }
    const size_t index = id - kFirstId;
    const auto& controls = m_form.Controls();
    if (index >= controls.size() || controls[index]->Kind() != forms::ControlKind::Menu) {
        return nullptr;
    }
    return static_cast<forms::Menu*>(controls[index].get());
}

forms::Menu* MenuBar::FromPopup(HMENU popup) const {
    auto it = m_popups.find(popup);
    return it == m_popups.end() ? nullptr : it->second;
}

}  // namespace mirvo::win32
