#include "launchpad/Errors.h"

#include "app/App.h"
#include "forms/FormsHost.h"
#include "platform/Desktop.h"

namespace mirvo {

namespace {
constexpr int kWidth = 5400;
constexpr int kHeight = 1980;
constexpr int kButtonWidth = 1200;
}  // namespace

Errors::Errors(App& app, const std::string& message)
    : forms::Form(app.os.forms, "Errors"),
      Txt(Add<forms::Label>("Txt")),
      OKBtn(Add<forms::CommandButton>("OKBtn")),
      m_app(app) {
    SetCaption("Errors");
    SetBorder(forms::BorderStyle::FixedDialog);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    Move(0, 0, kWidth, kHeight);
    Txt.SetCaption(message);
    Txt.SetAlignment(forms::Alignment::Center);
    Txt.Move(180, 240, kWidth - 480, 540);
    OKBtn.SetCaption("OK");
    OKBtn.Move(0, 960, kButtonWidth, 420);
    ConnectEvents();
}

void Errors::Form_Load() {
    SetBold(m_app.settings.BoldFont == 1);
    const forms::ScreenMetrics screen = m_app.os.forms.Screen();
    Move((screen.widthTwips - Width()) / 2, (screen.heightTwips - Height()) / 2, Width(), Height());
    OKBtn.SetLeft((ScaleWidth() - OKBtn.Width()) / 2);
    m_app.os.desktop.SetTopmost(hWnd(), true);
    m_app.RefusalTones();
}

void Errors::Form_Activate() {
    OKBtn.TrySetFocus();
}

}  // namespace mirvo
