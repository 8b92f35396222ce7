#include "help/AboutForm.h"

#include "app/App.h"
#include "platform/Desktop.h"

namespace mirvo {

namespace {
constexpr int kMargin = 240;
constexpr int kInnerWidth = 4200;
constexpr int kRowHeight = 255;
}  // namespace

About::About(App& app)
    : HelpDialog(app, "About"),
      ProductLabel(Add<forms::Label>("ProductLabel")),
      VersionLabel(Add<forms::Label>("VersionLabel")),
      DescriptionLabel(Add<forms::Label>("DescriptionLabel")),
      CompanyLabel(Add<forms::Label>("CompanyLabel")),
      OKBtn(Add<forms::CommandButton>("OKBtn")) {
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
    HelpDialog::Form_Load();
    ProductLabel.SetFontBold(true);  // the name stands out whatever the font option
}

}  // namespace mirvo
