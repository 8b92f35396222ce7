#pragma once

#include <windows.h>

#include "forms/Control.h"
#include "forms/Form.h"
#include "win32/host/Win32FormsHost.h"

namespace mirvo::win32 {

// A manual drag started by Control::Drag() while a mouse button is held: the mouse is captured
// by the source's window, an outline of the source's size follows the pointer, the control (or
// form) under the pointer hears DragOver (Enter, Over, Leave), and releasing the button drops
// on it (DragDrop). Escape or losing the capture cancels without a drop.
//
// Every window procedure of the host offers its messages to Filter() first.
class DragTracker {
public:
    explicit DragTracker(Win32FormsHost::Impl& host) : m_host(host) {}
    DragTracker(const DragTracker&) = delete;
    DragTracker& operator=(const DragTracker&) = delete;

    bool Active() const { return m_source != nullptr; }
    forms::Control* Source() const { return m_source; }
    void Begin(forms::Control& source, HWND sourceWindow);
    // True when the drag took the message (result is then its answer).
    bool Filter(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // The form is going away: a drag from it stops, and it is no target any more.
    void Forget(const forms::Form& form);

private:
    struct Target {
        forms::Control* control = nullptr;
        forms::Form* form = nullptr;
        bool Empty() const { return !control && !form; }
        bool operator==(const Target& o) const { return control == o.control && form == o.form; }
    };

    Target HitTest(POINT screen) const;
    POINT TwipsIn(const Target& target, POINT screen) const;
    void Track(POINT screen);
    void Drop(POINT screen);
    void Stop();
    void ShowOutline(POINT screen);
    void HideOutline();

    Win32FormsHost::Impl& m_host;
    forms::Control* m_source = nullptr;
    HWND m_window = nullptr;
    UINT m_endMessage = 0;  // the button-up that drops; 0 when no button was held
    POINT m_grab{};         // the pointer's offset in the source when the drag began
    SIZE m_size{};
    RECT m_outline{};
    bool m_outlineShown = false;
    Target m_over;
};

}  // namespace mirvo::win32
