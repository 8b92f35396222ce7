#include "win32/host/FormStyle.h"

#include "forms/Menu.h"

namespace mirvo::win32 {

FormStyles StylesFor(const forms::Form& form) {
    using forms::BorderStyle;
    // Always a popup: an overlapped window would get a title bar whether we want one or not.
    FormStyles s{WS_POPUP | WS_CLIPCHILDREN, 0};
    const BorderStyle border = form.Border();
    if (border == BorderStyle::None) {
        return s;
    }
    const bool titleBar =
        !form.Caption().empty() || form.ControlBox() || form.MinButton() || form.MaxButton();
    bool buttonsAllowed = false;
    switch (border) {
        case BorderStyle::FixedSingle:
            s.style |= titleBar ? WS_CAPTION : WS_BORDER;
            buttonsAllowed = true;
            break;
        case BorderStyle::Sizable:
            s.style |= WS_THICKFRAME | (titleBar ? WS_CAPTION : 0);
            buttonsAllowed = true;
            break;
        case BorderStyle::FixedDialog:
            s.style |= titleBar ? WS_CAPTION : WS_DLGFRAME;
            s.exStyle |= WS_EX_DLGMODALFRAME;
            break;
        case BorderStyle::FixedToolWindow:
            s.style |= titleBar ? WS_CAPTION : WS_BORDER;
            s.exStyle |= WS_EX_TOOLWINDOW;
            break;
        case BorderStyle::None:
            break;
    }
    if (titleBar && form.ControlBox()) {
        s.style |= WS_SYSMENU;
        if (buttonsAllowed && form.MinButton()) {
            s.style |= WS_MINIMIZEBOX;
        }
        if (buttonsAllowed && form.MaxButton()) {
            s.style |= WS_MAXIMIZEBOX;
        }
    }
    return s;
}

bool HasMenuBar(const forms::Form& form) {
    for (const auto& c : form.Controls()) {
        if (c->Kind() == forms::ControlKind::Menu && !static_cast<forms::Menu&>(*c).Parent() &&
            c->Visible()) {
            return true;
        }
    }
    return false;
}

SIZE NonClientPixels(const forms::Form& form) {
    const FormStyles s = StylesFor(form);
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, s.style, HasMenuBar(form) ? TRUE : FALSE, s.exStyle);
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace mirvo::win32
