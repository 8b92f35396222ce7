#include "help/HelpForm.h"

#include "app/App.h"
#include "help/QuickHelp.h"

namespace mirvo {

namespace {
constexpr int kCtrlC = 3;
}

HelpForm::HelpForm(App& app)
    : HelpDialog(app, "HelpForm"),
      Text1(Add<forms::TextBox>("Text1")),
      OKBtn(Add<forms::CommandButton>("OKBtn")) {
    SetCaption(" Mirvo Quick Help");
    SetKeyPreview(false);
    Move(0, 0, 6000, 3960);

    Text1.Move(120, 120, 5640, 2700);
    Text1.SetMultiLine(true);
    Text1.SetScrollBars(forms::ScrollBars::Vertical);
    Text1.SetLocked(true);

    OKBtn.SetCaption("OK");
    OKBtn.Move(2340, 2940, 1200, 420);
    ConnectEvents();
}

void HelpForm::Form_Activate() {
    HelpDialog::Form_Activate();
    Text1.SetText(QuickHelpText(m_app, m_app.HelpTopic));
}

void HelpForm::Text1_KeyDown(int& keyCode, int shift) {
    using forms::Key::C;
    switch (keyCode) {
        case forms::Key::Escape:
            keyCode = 0;
            Unload();
            return;
        case forms::Key::ShiftKey:
        case forms::Key::Control:
        case forms::Key::Left:
        case forms::Key::Up:
        case forms::Key::Right:
        case forms::Key::Down:
        case C:
            return;
        default:
            (void)shift;
            keyCode = 0;
    }
}

void HelpForm::Text1_KeyPress(int& keyAscii) {
    if (keyAscii != kCtrlC) {
        keyAscii = 0;
    }
}

}  // namespace mirvo
