#include "win32/host/DragTracker.h"

#include <windowsx.h>

#include "win32/Handles.h"
#include "win32/host/ControlWindow.h"
#include "win32/host/FormWindow.h"
#include "win32/host/HostImpl.h"

namespace mirvo::win32 {

namespace {
constexpr int kOutlineThickness = 2;

// Inverts a rectangular frame on the screen; drawing it twice restores what was there.
void InvertFrame(const RECT& r) {
    WindowDc screen(nullptr);
    HDC dc = screen.Get();
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    const int t = kOutlineThickness;
    PatBlt(dc, r.left, r.top, w, t, DSTINVERT);
    PatBlt(dc, r.left, r.bottom - t, w, t, DSTINVERT);
    PatBlt(dc, r.left, r.top + t, t, h - 2 * t, DSTINVERT);
    PatBlt(dc, r.right - t, r.top + t, t, h - 2 * t, DSTINVERT);
}

POINT ScreenPoint(HWND window, LPARAM lp) {
    POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    ClientToScreen(window, &p);
    return p;
}
}  // namespace

void DragTracker::Begin(forms::Control& source, HWND sourceWindow) {
    if (Active()) {
        Stop();
    }
    m_source = &source;
    m_window = sourceWindow;
    if (GetKeyState(VK_LBUTTON) < 0) {
        m_endMessage = WM_LBUTTONUP;
    } else if (GetKeyState(VK_RBUTTON) < 0) {
        m_endMessage = WM_RBUTTONUP;
    } else {
        m_endMessage = 0;
    }
    RECT bounds{};
    GetWindowRect(sourceWindow, &bounds);
    POINT at{};
    GetCursorPos(&at);
    m_grab = {at.x - bounds.left, at.y - bounds.top};
    m_size = {bounds.right - bounds.left, bounds.bottom - bounds.top};
    m_over = {};
    SetCapture(sourceWindow);
    ShowOutline(at);
}

bool DragTracker::Filter(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (!Active()) {
        return false;
    }
    result = 0;
    switch (msg) {
        case WM_MOUSEMOVE:
            Track(ScreenPoint(window, lp));
            return true;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            if (m_endMessage == 0 || msg == m_endMessage) {
                Drop(ScreenPoint(window, lp));
            }
            return true;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            return true;
        case WM_KEYDOWN:
            if (wp == VK_ESCAPE) {
                Stop();
                return true;
            }
            return false;
        case WM_CAPTURECHANGED:
            // Someone else took the mouse (a message box, another window): the drag ends. The
            // source capturing again (as a pressed button does) is no loss.
            if (window == m_window && reinterpret_cast<HWND>(lp) != m_window) {
                Stop();
            }
            return false;
        case WM_CANCELMODE:
            Stop();
            return false;
        default:
            return false;
    }
}

void DragTracker::Forget(const forms::Form& form) {
    if (m_source && &m_source->Owner() == &form) {
        Stop();
    }
    if ((m_over.control && &m_over.control->Owner() == &form) || m_over.form == &form) {
        m_over = {};
    }
}

DragTracker::Target DragTracker::HitTest(POINT screen) const {
    for (HWND window = WindowFromPoint(screen); window; window = GetParent(window)) {
        WindowBase* object = WindowBase::FromHandle(window);
        if (auto* control = dynamic_cast<ControlWindow*>(object)) {
            return control->Owner().Live() ? Target{&control->Model(), nullptr} : Target{};
        }
        if (auto* form = dynamic_cast<FormWindow*>(object)) {
            POINT client = screen;
            ScreenToClient(window, &client);
            RECT area{};
            GetClientRect(window, &area);
            const bool inside = PtInRect(&area, client) != FALSE;
            return form->Live() && inside ? Target{nullptr, &form->Model()} : Target{};
        }
        if ((GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) == 0) {
            break;  // a top-level window that is not ours: its parent is only its owner
        }
    }
    return {};
}

POINT DragTracker::TwipsIn(const Target& target, POINT screen) const {
    forms::Form& owner = target.control ? target.control->Owner() : *target.form;
    FormWindow* form = m_host.Find(owner);
    if (!form) {
        return {};
    }
    if (target.control) {
        ControlWindow* control = form->WindowOf(*target.control);
        return control ? control->TwipsFromScreen(screen) : POINT{};
    }
    return form->TwipsFromScreen(screen);
}

void DragTracker::Track(POINT screen) {
    // Handlers may repaint: the outline is off the screen while they run.
    HideOutline();
    forms::Control& source = *m_source;
    const Target target = HitTest(screen);
    auto raise = [&](const Target& t, forms::DragState state) {
        const POINT at = TwipsIn(t, screen);
        if (t.control) {
            t.control->RaiseDragOver(source, at.x, at.y, state);
        } else if (t.form) {
            t.form->RaiseDragOver(source, at.x, at.y, state);
        }
    };
    if (target == m_over) {
        raise(target, forms::DragState::Over);
    } else {
        const Target left = m_over;
        m_over = target;
        raise(left, forms::DragState::Leave);
        if (Active() && m_over == target) {
            raise(target, forms::DragState::Enter);
        }
    }
    if (Active()) {
        ShowOutline(screen);
    }
}

void DragTracker::Drop(POINT screen) {
    forms::Control& source = *m_source;
    Stop();
    const Target target = HitTest(screen);
    const POINT at = TwipsIn(target, screen);
    if (target.control) {
        target.control->RaiseDragDrop(source, at.x, at.y);
    } else if (target.form) {
        target.form->RaiseDragDrop(source, at.x, at.y);
    }
}

void DragTracker::Stop() {
    HideOutline();
    HWND window = m_window;
    m_source = nullptr;
    m_window = nullptr;
    m_over = {};
    if (window && GetCapture() == window) {
        ReleaseCapture();
    }
}

void DragTracker::ShowOutline(POINT screen) {
    HideOutline();
    m_outline = {screen.x - m_grab.x, screen.y - m_grab.y, screen.x - m_grab.x + m_size.cx,
                 screen.y - m_grab.y + m_size.cy};
    InvertFrame(m_outline);
    m_outlineShown = true;
}

void DragTracker::HideOutline() {
    if (m_outlineShown) {
        InvertFrame(m_outline);
        m_outlineShown = false;
    }
}

}  // namespace mirvo::win32
