#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "forms/Form.h"
#include "forms/Menu.h"

namespace mirvo::win32 {

// A form's menu bar, built from its Menu controls: the menus without a parent are on the bar,
// a menu with children opens a popup, the caption "-" is a separator. Checked, Enabled and
// Caption change in place; a change of the structure (Visible, separators, new menus) rebuilds
// the bar, after the menu loop when a menu is open.
class MenuBar {
public:
    explicit MenuBar(forms::Form& form) : m_form(form) {}
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    // Builds the bar and puts it on the window, or removes it when no menu is visible.
    void Build(HWND window);
    void Changed(const forms::Menu& menu, forms::Property p);
    void Added() { Rebuild(); }
    void EnterLoop() { m_inLoop = true; }
    void ExitLoop();

    // The menu of a WM_COMMAND identifier, or of a popup being opened; nullptr otherwise.
    forms::Menu* FromCommand(UINT id) const;
    forms::Menu* FromPopup(HMENU popup) const;

private:
    struct Entry {
        HMENU menu = nullptr;
        UINT position = 0;
        bool separator = false;
    };
    static constexpr UINT kFirstId = 0x1000;

    void Rebuild();
    void Append(HMENU into, forms::Menu& menu);
    bool HasChildren(const forms::Menu& menu) const;
    UINT IdOf(const forms::Menu& menu) const;
    std::string ItemText(const forms::Menu& menu) const;
    void UpdateItem(const forms::Menu& menu, const Entry& entry);

    forms::Form& m_form;
    HWND m_window = nullptr;
    HMENU m_bar = nullptr;
    std::map<const forms::Menu*, Entry> m_entries;
    std::map<HMENU, forms::Menu*> m_popups;
    bool m_inLoop = false;
    bool m_rebuildPending = false;
};

}  // namespace mirvo::win32
