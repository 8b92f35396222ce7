#include "panels/ClipboardPanel.h"

#include <string>

#include "app/AppSettings.h"

namespace mirvo {

namespace {
constexpr int kRowPitch = 240;
constexpr int kFirstRowTop = 240;
}  // namespace

ClipboardPanel::ClipboardPanel(forms::Form& edit)
    : CtrlFrame0(edit.Add<forms::Frame>("CtrlFrame", 0)),
      ClearBtn(edit.Add<forms::CommandButton>("ClearBtn", -1, &CtrlFrame0)),
      SizerFrame(edit.Add<forms::Frame>("SizerFrame", -1, &CtrlFrame0)),
      TopBtn0(edit.Add<forms::CommandButton>("TopBtn", 0, &CtrlFrame0)) {
    CtrlFrame0.SetCaption("Clipboard Clips");
    CtrlFrame0.Move(36, 0, 2676, 2856);
    for (int i = 0; i < 9; ++i) {
        const int top = kFirstRowTop + kRowPitch * i;
        forms::Label& number = edit.Add<forms::Label>("Label1", i, &CtrlFrame0);
        number.SetCaption(std::to_string(i + 1));
        number.Move(120, i == 0 ? 252 : top, 255, 270);
        number.SetAlignment(forms::Alignment::Center);
        Label1[static_cast<size_t>(i)] = &number;

        forms::Label& clip = edit.Add<forms::Label>("ClipboardClip", i, &CtrlFrame0);
        clip.Move(396, top, 2200, 276);
        clip.SetBorder(forms::BorderStyle::FixedSingle);
        clip.SetTag("temp");
        ClipboardClip[static_cast<size_t>(i)] = &clip;
    }
    ClearBtn.SetCaption("Clear");
    ClearBtn.Move(108, 2484, 1380, 300);
    SizerFrame.SetCaption("");
    SizerFrame.Move(1656, 2448, 912, 372);
    const char* sizerCaptions[4] = {"F", "V", "H", "C"};
    for (int i = 0; i < 4; ++i) {
        forms::OptionButton& sizer = edit.Add<forms::OptionButton>("SizerBtn", i, &SizerFrame);
        sizer.SetStyle(forms::ButtonStyle::Graphical);
        sizer.SetCaption(sizerCaptions[i]);
        sizer.Move(36 + 216 * i, 96, 204, 240);
        SizerBtn[static_cast<size_t>(i)] = &sizer;
    }
    TopBtn0.SetCaption("L");
    TopBtn0.Move(2232, 252, 336, 228);
}

void ClipboardPanel::ColorNumbers(const AppSettings& settings) {
    const auto color = static_cast<forms::Color>(settings.ClipboardClipColor);
    for (forms::Label* number : Label1) {
        number->SetBackColor(color);
    }
}

}  // namespace mirvo
