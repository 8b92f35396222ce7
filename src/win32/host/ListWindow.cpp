#include "win32/host/ListWindow.h"

#include "win32/host/HostImpl.h"

namespace mirvo::win32 {

namespace {
// Pixels (at 96 DPI) that a drop-down list may open below the drive list.
constexpr int kDropDownPixels = 160;
}  // namespace

ControlWindow::Look ListWindow::Describe() const {
    if (IsCombo()) {
        return {"COMBOBOX", CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP, 0, true};
    }
    return {"LISTBOX", LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
            WS_EX_CLIENTEDGE, true};
}

RECT ListWindow::PixelBounds() const {
    RECT r = ControlWindow::PixelBounds();
    if (IsCombo()) {
        // A combo box's window height includes its dropped-down list.
        r.bottom += MulDiv(kDropDownPixels, Scale().DpiY(), 96);
    }
    return r;
}

void ListWindow::ApplyKindState() {
    FillItems();
    ApplyListIndex();
}

void ListWindow::ApplyKindProperty(forms::Property p) {
    switch (p) {
        case forms::Property::Items:
            FillItems();
            ApplyListIndex();
            return;
        case forms::Property::ListIndex:
        case forms::Property::Caption:  // the drive list's Drive
            ApplyListIndex();
            return;
        default:
            return;
    }
}

void ListWindow::FillItems() {
    const UINT reset = IsCombo() ? CB_RESETCONTENT : LB_RESETCONTENT;
    const UINT add = IsCombo() ? CB_ADDSTRING : LB_ADDSTRING;
    SendMessageA(Hwnd(), WM_SETREDRAW, FALSE, 0);
    SendMessageA(Hwnd(), reset, 0, 0);
    for (const std::string& item : m_list.Items()) {
        SendMessageA(Hwnd(), add, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendMessageA(Hwnd(), WM_SETREDRAW, TRUE, 0);
    Repaint();
}

void ListWindow::ApplyListIndex() {
    const UINT select = IsCombo() ? CB_SETCURSEL : LB_SETCURSEL;
    SendMessageA(Hwnd(), select, static_cast<WPARAM>(m_list.ListIndex()), 0);
}

int ListWindow::NativeSelection() const {
    return static_cast<int>(SendMessageA(Hwnd(), IsCombo() ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

bool ListWindow::OnCommand(WORD code) {
    forms::FormsHost& host = Host().api;
    if (IsCombo()) {
        if (code != CBN_SELCHANGE) {
            return false;
        }
        const int chosen = NativeSelection();
        auto& drives = static_cast<forms::DriveList&>(m_list);
        const std::string drive = drives.List(chosen);
        // A drive that cannot be read throws; the error handler reports it.
        host.RunGuarded([&] { drives.SetDrive(drive); });
        if (Live()) {
            ApplyListIndex();
        }
        return true;
    }
    if (code == LBN_SELCHANGE) {
        const int chosen = NativeSelection();
        host.RunGuarded([&] { m_list.SetListIndex(chosen); });
        return true;
    }
    if (code == LBN_DBLCLK && m_list.Kind() == forms::ControlKind::DirList) {
        const int chosen = NativeSelection();
        if (chosen >= 0) {
            auto& folders = static_cast<forms::DirList&>(m_list);
            const std::string path = folders.FolderPath(chosen);
            host.RunGuarded([&] { folders.SetPath(path); });
        }
        return true;
    }
    return false;
}

}  // namespace mirvo::win32
