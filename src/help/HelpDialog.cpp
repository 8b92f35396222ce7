#include "help/HelpDialog.h"

#include "app/App.h"
#include "forms/FormsHost.h"
#include "platform/Desktop.h"

namespace mirvo {

HelpDialog::HelpDialog(App& app, const std::string& name)
    : forms::Form(app.os.forms, name), m_app(app) {
    SetBorder(forms::BorderStyle::FixedDialog);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    SetKeyPreview(true);
}

void HelpDialog::Form_Load() {
    SetBold(m_app.settings.BoldFont == 1);
    const forms::ScreenMetrics screen = Host().Screen();
    Move((screen.widthTwips - Width()) / 2, (screen.heightTwips - Height()) / 2, Width(), Height());
    MakeTopmost();
}

void HelpDialog::Form_Activate() {
    MakeTopmost();
}

void HelpDialog::Form_KeyUp(int& keyCode, int /*shift*/) {
    if (keyCode == forms::Key::Escape || keyCode == forms::Key::Return) {
        keyCode = 0;
        Unload();
    }
}

void HelpDialog::MakeTopmost() {
    m_app.os.desktop.SetTopmost(hWnd(), true);
}

}  // namespace mirvo
