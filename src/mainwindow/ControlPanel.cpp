#include "mainwindow/ControlPanel.h"

namespace mirvo {

ControlPanel::ControlPanel(forms::Form& edit)
    : CPFrame(edit.Add<forms::Frame>("CPFrame")),
      LaunchBtn(edit.Add<forms::CommandButton>("LaunchBtn", -1, &CPFrame)),
      LibLabelFrame(edit.Add<forms::Frame>("LibLabelFrame", -1, &CPFrame)),
      LibLabel(edit.Add<forms::Label>("LibLabel", -1, &LibLabelFrame)) {
    CPFrame.SetCaption("");
    CPFrame.Move(36, 2880, 2712, 3216);

    LaunchBtn.SetCaption("Launch Pad");
    LaunchBtn.Move(108, 180, 1236, 330);
    LaunchBtn.SetBackColor(0xC0C0FF);
    LibLabelFrame.SetCaption("");
    LibLabelFrame.Move(1368, 90, 1236, 450);
    LibLabel.Move(60, 180, 1116, 225);
    LibLabel.SetAlignment(forms::Alignment::Center);
    LibLabel.SetCaption("Library");

    const char* captions[3] = {"Normal", "Clip Capture Off", "Bulk"};
    const forms::Color colors[3] = {forms::kButtonFace, 0xC0C0C0, 0xFF80FF};
    const int bounds[3][4] = {
        {108, 2790, 1236, 300}, {108, 2460, 2496, 300}, {1368, 2790, 1236, 300}};
    for (int i = 0; i < 3; ++i) {
        forms::OptionButton& button = edit.Add<forms::OptionButton>("CaptureMode", i, &CPFrame);
        button.SetStyle(forms::ButtonStyle::Graphical);
        button.SetCaption(captions[i]);
        button.SetBackColor(colors[i]);
        button.Move(bounds[i][0], bounds[i][1], bounds[i][2], bounds[i][3]);
        CaptureMode[static_cast<size_t>(i)] = &button;
    }
}

}  // namespace mirvo
