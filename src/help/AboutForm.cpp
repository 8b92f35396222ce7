#include "help/AboutForm.h"

#include "app/App.h"
#include "forms/FormsHost.h"
#include "platform/Desktop.h"

namespace mirvo {

namespace {
constexpr int kMargin = 240;
constexpr int kInnerWidth = 4200;
constexpr int kRowHeight = 255;
}  // namespace

About::About(App& app)
    : forms::Form(app.os.forms, "About"),
      ProductLabel(Add<forms::Label>("ProductLabel")),
      VersionLabel(Add<forms::Label>("VersionLabel")),
      DescriptionLabel(Add<forms::Label>("DescriptionLabel")),
      CompanyLabel(Add<forms::Label>("CompanyLabel")),
      OKBtn(Add<forms::CommandButton>("OKBtn")),
      m_app(app) {
    SetBorder(forms::BorderStyle::FixedDialog);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    SetKeyPreview(true);

    // An executable without a version resource still names the program.
    const platform::ProgramVersionInfo info = app.os.desktop.ProgramVersion();
    const std::string name = info.productName.empty() ? "Mirvo" : info.productName;
    SetCaption(" About " + name);
    ProductLabel.SetCaption(name);
    VersionLabel.SetCaption(info.productVersion.empty() ? "Version unknown"
                                                        : "Version " + info.productVersion);
    DescriptionLabel.SetCaption(info.fileDescription);
    CompanyLabel.SetCaption(info.companyName);
    int top = 240;
    for (forms::Label* label : {&ProductLabel, &VersionLabel, &DescriptionLabel, &CompanyLabel}) {
        label->SetAlignment(forms::Alignment::Center);
        label->Move(kMargin, top, kInnerWidth, kRowHeight);
        top += label == &VersionLabel ? 2 * kRowHeight : kRowHeight + 60;
    }
    OKBtn.SetCaption("OK");
    OKBtn.Move((kInnerWidth + 2 * kMargin - 1200) / 2, top + 120, 1200, 375);
    Move(0, 0, kInnerWidth + 2 * kMargin + 90, top + 120 + 375 + 240 + 420);
    ConnectEvents();
}

void About::Form_Load() {
    SetBold(m_app.settings.BoldFont == 1);
    ProductLabel.SetFontBold(true);  // the name stands out whatever the font option
    const forms::ScreenMetrics screen = Host().Screen();
    Move((screen.widthTwips - Width()) / 2, (screen.heightTwips - Height()) / 2, Width(), Height());
    MakeTopmost();
}

void About::Form_Activate() {
    MakeTopmost();
}

void About::Form_KeyUp(int& keyCode, int /*shift*/) {
    if (keyCode == forms::Key::Escape || keyCode == forms::Key::Return) {
        keyCode = 0;
        Unload();
    }
}

void About::MakeTopmost() {
    m_app.os.desktop.SetTopmost(hWnd(), true);
}

}  // namespace mirvo
