#include "edge/EdgeForm.h"

#include "app/App.h"
#include "display/DisplayModes.h"
#include "panels/MainForm.h"

namespace mirvo {

namespace {
constexpr int kButtonWidth = 1500;
constexpr int kButtonHeight = 480;
constexpr int kMargin = 30;
}  // namespace

EdgeForm::EdgeForm(App& app, bool offerMain, platform::WindowHandle sibling)
    : forms::Form(app.os.forms, "EdgeForm"),
      WebBtn(Add<forms::OptionButton>("WebBtn")),
      WinBtn(Add<forms::OptionButton>("WinBtn")),
      holdfocus(Add<forms::PictureBox>("holdfocus")),
      m_app(app),
      m_sibling(sibling) {
    SetBorder(forms::BorderStyle::None);
    SetControlBox(false);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    WinBtn.SetCaption("Mirvo");
    WebBtn.SetCaption("Netvane");
    int top = kMargin;
    for (forms::OptionButton* button : {&WinBtn, &WebBtn}) {
        button->SetStyle(forms::ButtonStyle::Graphical);
        button->SetFontBold(true);
        const bool shown = button == &WinBtn ? offerMain : sibling != 0;
        button->SetVisible(shown);
        if (shown) {
            button->Move(kMargin, top, kButtonWidth, kButtonHeight);
            top += kButtonHeight + kMargin;
        }
    }
    holdfocus.SetBorder(forms::BorderStyle::None);
    holdfocus.Move(kButtonWidth + 4 * kMargin, 0, 15, 15);
    Move(0, 0, WidthFor(), top);
    ConnectEvents();
}

int EdgeForm::WidthFor() {
    return kButtonWidth + 2 * kMargin;
}

int EdgeForm::HeightFor(int buttons) {
    return kMargin + buttons * (kButtonHeight + kMargin);
}

void EdgeForm::WinBtn_MouseDown() {
    Hide();
    WinBtn.SetValue(false);
    m_app.MainWindow().TimerEdgeOff.SetEnabled(false);
    ShowMainWindow(m_app);
    Unload();
}

void EdgeForm::WebBtn_MouseDown() {
    Hide();
    WebBtn.SetValue(false);
    m_app.MainWindow().TimerEdgeOff.SetEnabled(false);
    m_app.os.desktop.ShowWindow(m_sibling, platform::ShowCommand::Normal);
    m_app.os.desktop.SetForegroundWindow(m_sibling);
    Unload();
}

void EdgeForm::Form_Unload(int& /*cancel*/) {
    m_app.MainWindow().TimerEdge.SetEnabled(true);
}

}  // namespace mirvo
