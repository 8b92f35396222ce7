#include "dialogs/WarnForm.h"

#include "app/App.h"
#include "platform/Desktop.h"

namespace mirvo {

warn::warn(App& app, const forms::Form& viewer)
    : forms::Form(app.os.forms, "warn"),
      Label1(Add<forms::Label>("Label1")),
      Label2(Add<forms::Label>("Label2")),
      Command1(Add<forms::CommandButton>("Command1")),
      m_app(app),
      m_viewer(viewer) {
    SetBorder(forms::BorderStyle::FixedDialog);
    SetControlBox(false);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    Move(0, 0, 4800, 2220);
    Label1.SetCaption("Warning");
    Label1.SetAlignment(forms::Alignment::Center);
    Label1.SetFontBold(true);
    Label1.Move(120, 120, 4440, 300);
    Label2.SetCaption(
        "This  clip  contains  multiple data formats.  If you edit the text and  re-save,  then  "
        "the other  data  formats  will  be lost.");
    Label2.SetAlignment(forms::Alignment::Center);
    Label2.Move(240, 480, 4200, 780);
    Command1.SetCaption("OK");
    Command1.Move(1800, 1380, 1200, 375);
    ConnectEvents();
}

void warn::Form_Load() {
    SetBold(m_app.settings.BoldFont == 1);
    Label1.SetFontBold(true);
    Move(m_viewer.Left() + 90, m_viewer.Top() + 550, Width(), Height());
    m_app.os.desktop.SetTopmost(hWnd(), true);
}

void warn::Form_Activate() {
    Command1.TrySetFocus();
}

void warn::Command1_GotFocus() {
    m_app.os.desktop.SetTopmost(hWnd(), true);
    m_app.RefusalTones();
}

}  // namespace mirvo
