#include "win32/host/TextBoxWindow.h"

namespace mirvo::win32 {

ControlWindow::Look TextBoxWindow::Describe() const {
    DWORD style = WS_TABSTOP;
    switch (m_box.Alignment()) {
        case forms::Alignment::Right:
            style |= ES_RIGHT;
            break;
        case forms::Alignment::Center:
            style |= ES_CENTER;
            break;
        case forms::Alignment::Left:
            style |= ES_LEFT;
            break;
    }
    const forms::ScrollBars bars = m_box.ScrollBars();
    const bool horizontal =
        bars == forms::ScrollBars::Horizontal || bars == forms::ScrollBars::Both;
    const bool vertical = bars == forms::ScrollBars::Vertical || bars == forms::ScrollBars::Both;
    if (m_box.MultiLine()) {
        // Without a horizontal scroll bar the lines wrap at the right edge.
        style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
        if (horizontal) {
            style |= ES_AUTOHSCROLL | WS_HSCROLL;
        }
        if (vertical) {
            style |= WS_VSCROLL;
        }
    } else {
        style |= ES_AUTOHSCROLL;
    }
    return {"EDIT", style, WS_EX_CLIENTEDGE, true};
}

void TextBoxWindow::ApplyKindState() {
    ApplyLimits();
    ApplySelection();
}

void TextBoxWindow::ApplyKindProperty(forms::Property p) {
    switch (p) {
        case forms::Property::TextLimits:
            ApplyLimits();
            return;
        case forms::Property::Selection:
            ApplySelection();
            return;
        case forms::Property::Appearance:
            RecreateIfStyleChanged();
            return;
        default:
            return;
    }
}

void TextBoxWindow::ApplyCaption() {
    if (WindowText() == m_box.Text()) {
        return;
    }
    // The program's own change: the model raised Change already.
    m_settingText = true;
    SetWindowTextA(Hwnd(), m_box.Text().c_str());
    m_settingText = false;
}

void TextBoxWindow::ApplyLimits() {
    SendMessageA(Hwnd(), EM_SETLIMITTEXT, static_cast<WPARAM>(m_box.MaxLength()), 0);
    SendMessageA(Hwnd(), EM_SETREADONLY, m_box.Locked() ? TRUE : FALSE, 0);
}

void TextBoxWindow::ApplySelection() {
    // While this flag is set the model answers from its own selection, not from the control.
    m_readingModelSelection = true;
    const int start = m_box.SelStart();
    const int length = m_box.SelLength();
    m_readingModelSelection = false;
    SendMessageA(Hwnd(), EM_SETSEL, static_cast<WPARAM>(start),
                 static_cast<LPARAM>(start + length));
    SendMessageA(Hwnd(), EM_SCROLLCARET, 0, 0);
}

bool TextBoxWindow::QuerySelection(int& start, int& length) const {
    if (m_readingModelSelection || !Hwnd()) {
        return false;
    }
    DWORD from = 0;
    DWORD to = 0;
    SendMessageA(Hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    start = static_cast<int>(from);
    length = static_cast<int>(to) - static_cast<int>(from);
    return true;
}

bool TextBoxWindow::OnCommand(WORD code) {
    if (code != EN_CHANGE) {
        return false;
    }
    if (!m_settingText) {
        Model().SyncCaption(WindowText());
    }
    return true;
}

bool TextBoxWindow::HandleKindMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    if (msg == WM_CONTEXTMENU && !m_box.ContextMenu()) {
        result = 0;
        return true;  // the right button's release reaches the model as MouseUp instead
    }
    return false;
}

}  // namespace mirvo::win32
