#include "win32/host/ButtonWindow.h"

#include <algorithm>

#include "win32/host/GdiCache.h"
#include "win32/host/HostImpl.h"

namespace mirvo::win32 {

bool ButtonWindow::OwnerDrawn() const {
    switch (Model().Kind()) {
        case forms::ControlKind::OptionButton:
            return static_cast<forms::OptionButton&>(Model()).Style() ==
                   forms::ButtonStyle::Graphical;
        case forms::ControlKind::CheckBox:
            return static_cast<forms::CheckBox&>(Model()).Style() == forms::ButtonStyle::Graphical;
        default:
            return true;
    }
}

bool ButtonWindow::ValueDown() const {
    switch (Model().Kind()) {
        case forms::ControlKind::CommandButton:
            return static_cast<forms::CommandButton&>(Model()).Value();
        case forms::ControlKind::OptionButton:
            return static_cast<forms::OptionButton&>(Model()).Value();
        case forms::ControlKind::CheckBox:
            return static_cast<forms::CheckBox&>(Model()).Value() != 0;
        default:
            return false;
    }
}

ControlWindow::Look ButtonWindow::Describe() const {
    if (OwnerDrawn()) {
        return {"BUTTON", BS_OWNERDRAW, 0, true};
    }
    const DWORD type =
        Model().Kind() == forms::ControlKind::OptionButton ? BS_RADIOBUTTON : BS_CHECKBOX;
    return {"BUTTON", type | BS_MULTILINE | BS_VCENTER, 0, true};
}

void ButtonWindow::ApplyKindState() {
    if (!OwnerDrawn()) {
        // Visual styles would ignore the model's text colour.
        Host().TurnOffVisualStyle(Hwnd());
    }
    ApplyCheck();
}

void ButtonWindow::ApplyCheck() {
    if (OwnerDrawn()) {
        Repaint();
    } else {
        SendMessageA(Hwnd(), BM_SETCHECK, ValueDown() ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void ButtonWindow::ApplyKindProperty(forms::Property p) {
    if (p == forms::Property::Value) {
        ApplyCheck();
    } else if (p == forms::Property::Appearance) {
        RecreateIfStyleChanged();
    }
}

bool ButtonWindow::OnCommand(WORD code) {
    if (code != BN_CLICKED) {
        return false;
    }
    forms::ChooseButton(Model());
    return true;
}

bool ButtonWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool down = (item.itemState & ODS_SELECTED) != 0 || ValueDown();
    FillRect(dc, &r, Host().gdi.BrushFor(Model().BackColor()));
    DrawEdge(dc, &r, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    RECT text = r;
    InflateRect(&text, -4, -3);
    if (down) {
        OffsetRect(&text, 1, 1);
    }
    SelectGuard font(dc, Host().gdi.FontFor(Model().FontBold()));
    SetBkMode(dc, TRANSPARENT);
    const bool enabled = (item.itemState & ODS_DISABLED) == 0;
    SetTextColor(dc,
                 enabled ? GdiCache::Resolve(Model().ForeColor()) : GetSysColor(COLOR_GRAYTEXT));
    const std::string& caption = Model().Caption();
    // Centred both ways, wrapped onto more lines when it does not fit.
    RECT measured = text;
    DrawTextA(dc, caption.c_str(), -1, &measured, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
    const int spare = (text.bottom - text.top) - (measured.bottom - measured.top);
    text.top += std::max(0, spare / 2);
    DrawTextA(dc, caption.c_str(), -1, &text, DT_CENTER | DT_WORDBREAK);

    if (item.itemState & ODS_FOCUS) {
        RECT focus = r;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
    return true;
}

}  // namespace mirvo::win32
