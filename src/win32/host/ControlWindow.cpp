#include "win32/host/ControlWindow.h"

#include <windowsx.h>

#include <cstring>

#include "forms/Form.h"
#include "win32/host/FormWindow.h"
#include "win32/host/HostImpl.h"
#include "win32/host/InputState.h"

namespace mirvo::win32 {

ControlWindow::ControlWindow(FormWindow& form, forms::Control& control)
    : m_form(form), m_control(control) {}

bool ControlWindow::Live() const {
    return m_form.Live();
}
Win32FormsHost::Impl& ControlWindow::Host() const {
    return m_form.Host();
}
const TwipsScale& ControlWindow::Scale() const {
    return m_form.Host().scale;
}
HINSTANCE ControlWindow::Instance() const {
    return m_form.Host().instance;
}

void ControlWindow::Create(HWND parent) {
    const Look look = Describe();
    const std::string caption = m_control.Caption();
    CreateParams window;
    window.className = look.className;
    window.text = caption.c_str();
    window.style = look.style | WS_CHILD | WS_CLIPSIBLINGS |
                   (m_control.Visible() ? WS_VISIBLE : 0u) |
                   (m_control.Enabled() ? 0u : static_cast<DWORD>(WS_DISABLED));
    window.exStyle = look.exStyle;
    window.bounds = PixelBounds();
    window.parent = parent;
    window.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(m_form.NextChildId()));
    if (look.native) {
        CreateNative(window, Instance());
    } else {
        CreateOwn(window, Instance());
    }
    m_created = look;
    ApplyFont(false);
    ApplyKindState();
    m_form.SetToolTip(Hwnd(), m_control.ToolTip());
    if (!m_form.Creating()) {
        PlaceInZOrder();
    }
}

void ControlWindow::Apply(forms::Property p) {
    if (!Hwnd()) {
        return;
    }
    switch (p) {
        case forms::Property::Caption:
            // Also what Refresh asks for: the window repaints at once.
            ApplyCaption();
            Repaint();
            return;
        case forms::Property::Bounds:
            ApplyBounds();
            return;
        case forms::Property::Visible:
            ShowWindow(Hwnd(), m_control.Visible() ? SW_SHOWNA : SW_HIDE);
            return;
        case forms::Property::Enabled:
            EnableWindow(Hwnd(), m_control.Enabled() ? TRUE : FALSE);
            return;
        case forms::Property::BackColor:
        case forms::Property::ForeColor:
            Repaint();
            return;
        case forms::Property::Font:
            ApplyFont(true);
            Repaint();
            return;
        case forms::Property::ToolTip:
            m_form.SetToolTip(Hwnd(), m_control.ToolTip());
            return;
        case forms::Property::MousePointer:
            RefreshCursor();
            return;
        case forms::Property::ZOrder:
            PlaceInZOrder();
            return;
        default:
            ApplyKindProperty(p);
            return;
    }
}

void ControlWindow::ApplyCaption() {
    if (WindowText() != m_control.Caption()) {
        SetWindowTextA(Hwnd(), m_control.Caption().c_str());
    }
}

RECT ControlWindow::PixelBounds() const {
    return Scale().Pixels(m_control.Left(), m_control.Top(), m_control.Width(), m_control.Height());
}

void ControlWindow::ApplyBounds() {
    const RECT r = PixelBounds();
    SetWindowPos(Hwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlWindow::ApplyFont(bool redraw) {
    if (m_control.HasFont()) {
        SendMessageA(Hwnd(), WM_SETFONT,
                     reinterpret_cast<WPARAM>(Host().gdi.FontFor(m_control.FontBold())),
                     redraw ? TRUE : FALSE);
    }
}

void ControlWindow::PlaceInZOrder() {
    HWND insertAfter = HWND_TOP;
    if (Lightweight()) {
        // The top of the lightweight band: just below the lowest windowed sibling. Every
        // placement keeps the windowed band above the lightweight one, so the walk from the top
        // ends at the first lightweight sibling (each step is a call to the window manager; a
        // walk over all siblings made loading the main window take a second under Wine).
        for (HWND sibling = GetWindow(Hwnd(), GW_HWNDFIRST); sibling;
             sibling = GetWindow(sibling, GW_HWNDNEXT)) {
            if (sibling == Hwnd()) {
                continue;
            }
            auto* control = dynamic_cast<ControlWindow*>(FromHandle(sibling));
            if (control && control->Lightweight()) {
                break;
            }
            if (control) {
                insertAfter = sibling;
            }
        }
    }
    SetWindowPos(Hwnd(), insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ControlWindow::RefreshCursor() const {
    POINT at{};
    GetCursorPos(&at);
    HWND under = WindowFromPoint(at);
    if (under == Hwnd() || IsChild(Hwnd(), under)) {
        SendMessageA(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
}

POINT ControlWindow::TwipsFromScreen(POINT screen) const {
    POINT origin{0, 0};
    if (m_control.IsContainer()) {
        ClientToScreen(Hwnd(), &origin);
    } else {
        RECT r{};
        GetWindowRect(Hwnd(), &r);
        origin = {r.left, r.top};
    }
    return {Scale().XTwips(screen.x - origin.x), Scale().YTwips(screen.y - origin.y)};
}

void ControlWindow::RecreateIfStyleChanged() {
    const Look look = Describe();
    if (std::strcmp(look.className, m_created.className) == 0 && look.style == m_created.style &&
        look.exStyle == m_created.exStyle) {
        return;
    }
    Recreate();
}

void ControlWindow::Recreate() {
    HWND parent = GetParent(Hwnd());
    const bool focused = GetFocus() == Hwnd();
    m_form.RemoveToolTip(Hwnd());
    // The old window stays until the new one holds the focus, so that the focus never passes
    // through the form (which would raise focus events).
    HWND old = DetachHandle();
    try {
        Create(parent);
    } catch (...) {
        DestroyWindow(old);
        throw;
    }
    if (focused) {
        ::SetFocus(Hwnd());
    }
    DestroyWindow(old);
}

void ControlWindow::Restyle(DWORD styleMask, DWORD style, DWORD exStyleMask, DWORD exStyle) {
    const auto oldStyle = static_cast<DWORD>(GetWindowLongPtrA(Hwnd(), GWL_STYLE));
    const auto oldExStyle = static_cast<DWORD>(GetWindowLongPtrA(Hwnd(), GWL_EXSTYLE));
    const DWORD newStyle = (oldStyle & ~styleMask) | style;
    const DWORD newExStyle = (oldExStyle & ~exStyleMask) | exStyle;
    if (newStyle == oldStyle && newExStyle == oldExStyle) {
        return;
    }
    SetWindowLongPtrA(Hwnd(), GWL_STYLE, static_cast<LONG_PTR>(newStyle));
    SetWindowLongPtrA(Hwnd(), GWL_EXSTYLE, static_cast<LONG_PTR>(newExStyle));
    SetWindowPos(Hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Repaint();
}

void ControlWindow::Repaint() const {
    RedrawWindow(Hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

std::string ControlWindow::WindowText() const {
    const int length = GetWindowTextLengthA(Hwnd());
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(Hwnd(), text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

HBRUSH ControlWindow::OnCtlColor(HDC dc) {
    SetTextColor(dc, GdiCache::Resolve(m_control.ForeColor()));
    SetBkColor(dc, GdiCache::Resolve(m_control.BackColor()));
    return Host().gdi.BrushFor(m_control.BackColor());
}

bool ControlWindow::OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (!Live()) {
        return false;
    }
    switch (msg) {
        case WM_COMMAND:
            result = 0;
            return OnCommand(HIWORD(wp));
        case WM_DRAWITEM:
            if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp))) {
                result = TRUE;
                return true;
            }
            return false;
        default:
            if (HBRUSH brush = OnCtlColor(reinterpret_cast<HDC>(wp))) {
                result = reinterpret_cast<LRESULT>(brush);
                return true;
            }
            return false;
    }
}

LRESULT ControlWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (!Live()) {
        // The form is unloading: the window only waits to be destroyed.
        return DefaultProc(msg, wp, lp);
    }
    LRESULT result = 0;
    if (Host().drag.Filter(Hwnd(), msg, wp, lp, result)) {
        return result;
    }
    if (HandleKindMessage(msg, wp, lp, result)) {
        return result;
    }
    if (ClassifyMouse(msg).kind != MouseMessage::Kind::Other) {
        return HandleMouse(msg, wp, lp);
    }
    switch (msg) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
        case WM_CHAR:
            return HandleKey(msg, wp, lp);
        case WM_SETFOCUS:
            result = DefaultProc(msg, wp, lp);
            if (Live()) {
                Host().NativeFocus(m_control);
            }
            return result;
        case WM_SETCURSOR:
            if (HandleSetCursor(lp)) {
                return TRUE;
            }
            break;
        default:
            break;
    }
    return DefaultProc(msg, wp, lp);
}

LRESULT ControlWindow::HandleMouse(UINT msg, WPARAM wp, LPARAM lp) {
    using Kind = MouseMessage::Kind;
    const MouseMessage mouse = ClassifyMouse(msg);
    POINT screen{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    ClientToScreen(Hwnd(), &screen);
    const POINT at = TwipsFromScreen(screen);
    const int shift = MouseShift(wp);
    const bool left = mouse.button == forms::MouseButton::Left;

    if (mouse.kind == Kind::Move) {
        m_control.RaiseMouseMove(HeldButtons(wp), shift, at.x, at.y);
        return Live() ? DefaultProc(msg, wp, lp) : 0;
    }
    if (mouse.kind == Kind::DoubleClick && left && ClickSource() != ClickFrom::Notification) {
        const LRESULT result = DefaultProc(msg, wp, lp);
        if (Live()) {
            m_control.RaiseDblClick();
        }
        return result;
    }
    if (mouse.kind == Kind::Down || mouse.kind == Kind::DoubleClick) {
        // Buttons take a quick second click as a second press.
        const UINT press = (mouse.kind == Kind::DoubleClick && left) ? WM_LBUTTONDOWN : msg;
        const LRESULT result = DefaultProc(press, wp, lp);
        if (!Live()) {
            return result;
        }
        // The control keeps the mouse while a button is down: a native button takes it itself
        // for the left button, as a list box does.
        m_clicks.Down(Hwnd(), mouse.button, !left || ClickSource() == ClickFrom::MouseUp);
        if (m_control.Kind() == forms::ControlKind::PictureBox && GetFocus() != Hwnd()) {
            ::SetFocus(Hwnd());
            if (!Live()) {
                return result;
            }
        }
        m_control.RaiseMouseDown(mouse.button, shift, at.x, at.y);
        return result;
    }
    // A button released: for native buttons the default processing raises Click first.
    const LRESULT result = DefaultProc(msg, wp, lp);
    if (!Live()) {
        return result;
    }
    RECT bounds{};
    GetWindowRect(Hwnd(), &bounds);
    const bool click = m_clicks.Up(Hwnd(), mouse.button, HeldButtons(wp), bounds, screen) &&
                       ClickSource() == ClickFrom::MouseUp;
    m_control.RaiseMouseUp(mouse.button, shift, at.x, at.y);
    if (click && Live()) {
        m_control.RaiseClick();
    }
    return result;
}

LRESULT ControlWindow::HandleKey(UINT msg, WPARAM wp, LPARAM lp) {
    WPARAM code = wp;
    if (!m_form.Keys().Route(&m_control, msg, code, lp, UnicodeMessages()) || !Live()) {
        return 0;
    }
    return DefaultProc(msg, code, lp);
}

bool ControlWindow::HandleSetCursor(LPARAM lp) {
    if (LOWORD(lp) != HTCLIENT) {
        return false;
    }
    forms::MousePointer pointer = m_control.Pointer();
    if (pointer == forms::MousePointer::Default) {
        // The form's pointer (an hourglass while it works) covers its controls.
        pointer = m_control.Owner().Pointer();
    }
    HCURSOR cursor = GdiCache::CursorFor(pointer);
    if (!cursor) {
        return false;
    }
    SetCursor(cursor);
    return true;
}

}  // namespace mirvo::win32
