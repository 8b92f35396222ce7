#include "clipboard/BulkFullForm.h"

#include "app/App.h"
#include "forms/FormsHost.h"
#include "platform/Desktop.h"

namespace mirvo {

BulkFullForm::BulkFullForm(App& app)
    : forms::Form(app.os.forms, "BulkFullForm"),
      Title(Add<forms::Label>("Label1")),
      Message(Add<forms::Label>("Label2")),
      OKBtn(Add<forms::CommandButton>("OKBtn")),
      m_app(app) {
    SetBorder(forms::BorderStyle::FixedDialog);
    SetControlBox(false);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    Move(0, 0, 4200, 1800);
    Title.SetCaption("Mirvo Message");
    Title.Move(120, 120, 3840, 300);
    Title.SetAlignment(forms::Alignment::Center);
    Title.SetFontBold(true);
    Message.SetCaption("The bulk cache is now full !");
    Message.Move(120, 480, 3840, 300);
    Message.SetAlignment(forms::Alignment::Center);
    OKBtn.SetCaption("OK");
    OKBtn.Move(1500, 900, 1200, 360);
    ConnectEvents();
}

void BulkFullForm::Form_Load() {
    SetBold(m_app.settings.BoldFont == 1);
    Title.SetFontBold(true);
    const forms::ScreenMetrics screen = Host().Screen();
    Move((screen.widthTwips - Width()) / 2, (screen.heightTwips - Height()) / 2, Width(), Height());
    m_app.os.desktop.SetTopmost(hWnd(), true);
    m_app.RefusalTones();
}

}  // namespace mirvo
