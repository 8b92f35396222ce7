#include "win32/host/LabelWindow.h"

namespace mirvo::win32 {

namespace {
DWORD AlignmentStyle(forms::Alignment a) {
    switch (a) {
        case forms::Alignment::Right:
            return SS_RIGHT;
        case forms::Alignment::Center:
            return SS_CENTER;
        case forms::Alignment::Left:
            break;
    }
    return SS_LEFT;  // word-wrapped, like the other two
}
}  // namespace

ControlWindow::Look LabelWindow::Describe() const {
    const DWORD border = m_label.Border() == forms::BorderStyle::None ? 0u : WS_BORDER;
    // Labels show clip titles, text the user copied: an "&" is shown, not turned into an
    // underline.
    return {"STATIC", SS_NOTIFY | SS_NOPREFIX | AlignmentStyle(m_label.Alignment()) | border, 0,
            true};
}

void LabelWindow::ApplyKindProperty(forms::Property p) {
    if (p == forms::Property::Appearance) {
        const Look look = Describe();
        Restyle(SS_TYPEMASK | WS_BORDER, look.style & (SS_TYPEMASK | WS_BORDER), 0, 0);
    }
}

}  // namespace mirvo::win32
