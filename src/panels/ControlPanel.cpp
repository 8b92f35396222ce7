#include "panels/ControlPanel.h"

namespace mirvo {

namespace {
// The panel's grid: two or three buttons to a row, rows 285 twips apart.
constexpr int kLeft = 108;
constexpr int kFullWidth = 2496;
constexpr int kHalfWidth = 1236;
constexpr int kRowHeight = 270;
constexpr int kRowPitch = 285;
constexpr int kFirstButtonRow = 585;

int Row(int r) {
    return kFirstButtonRow + kRowPitch * r;
}

template <class T>
T& Place(T& control, const char* caption, int left, int top, int width) {
    control.SetCaption(caption);
    control.Move(left, top, width, kRowHeight);
    return control;
}

constexpr forms::Color kTrashColor = 0x0000FF;
constexpr forms::Color kBulkDropColor = 0xFF80FF;
constexpr forms::Color kBulkPasteColor = 0x80FF80;
}  // namespace

ControlPanel::ControlPanel(forms::Form& edit)
    : CPFrame(edit.Add<forms::Frame>("CPFrame")),
      LaunchBtn(edit.Add<forms::CommandButton>("LaunchBtn", -1, &CPFrame)),
      LibLabelFrame(edit.Add<forms::Frame>("LibLabelFrame", -1, &CPFrame)),
      LibLabel(edit.Add<forms::Label>("LibLabel", -1, &LibLabelFrame)),
      TextOnlyBtn(edit.Add<forms::CommandButton>("TextOnlyBtn", -1, &CPFrame)),
      HotKeyOnOff(edit.Add<forms::CommandButton>("HotKeyOnOff", -1, &CPFrame)),
      Search(edit.Add<forms::TextBox>("Search", -1, &CPFrame)),
      OptionButton(edit.Add<forms::CommandButton>("OptionButton", -1, &CPFrame)),
      HelpButton(edit.Add<forms::CommandButton>("HelpButton", -1, &CPFrame)),
      TutorialBtn(edit.Add<forms::CommandButton>("TutorialBtn", -1, &CPFrame)),
      Minimize(edit.Add<forms::CommandButton>("Minimize", -1, &CPFrame)),
      UpgradeBtn(edit.Add<forms::CommandButton>("UpgradeBtn", -1, &CPFrame)),
      NoMinimizeBtn(edit.Add<forms::CheckBox>("NoMinimizeBtn", -1, &CPFrame)),
      BulkDropPicture(edit.Add<forms::PictureBox>("BulkDropPicture", -1, &CPFrame)),
      BulkDrop(edit.Add<forms::Label>("BulkDrop", -1, &BulkDropPicture)),
      BulkPaste(edit.Add<forms::PictureBox>("BulkPaste", -1, &CPFrame)) {
    CPFrame.SetCaption("");
    CPFrame.Move(36, 2880, 2712, 3216);

    LaunchBtn.SetCaption("Launch Pad");
    LaunchBtn.Move(kLeft, 180, kHalfWidth, 330);
    LaunchBtn.SetBackColor(0xC0C0FF);
    LibLabelFrame.SetCaption("");
    LibLabelFrame.Move(1368, 90, kHalfWidth, 450);
    LibLabel.Move(60, 180, 1116, 225);
    LibLabel.SetAlignment(forms::Alignment::Center);
    LibLabel.SetCaption("Library");
    AddButtons(edit);
    AddCaptureModes(edit);
    AddDropTargets(edit);
}

void ControlPanel::AddButtons(forms::Form& edit) {
    // Paste-mode overrides in two rows: "Clip", "Email", "Web Page"; "Form Clip", "Off".
    const char* modes[5] = {"Clip", "Email", "Web Page", "Off", "Form Clip"};
    const int modePlace[5][3] = {{kLeft, Row(0), 660},
                                 {780, Row(0), 780},
                                 {1572, Row(0), 1032},
                                 {1368, Row(1), kHalfWidth},
                                 {kLeft, Row(1), kHalfWidth}};
    for (int i = 0; i < 5; ++i) {
        forms::OptionButton& mode = edit.Add<forms::OptionButton>("ClipMode", i, &CPFrame);
        mode.SetStyle(forms::ButtonStyle::Graphical);
        mode.SetBackColor(0xC0FFC0);
        Place(mode, modes[i], modePlace[i][0], modePlace[i][1], modePlace[i][2]);
        ClipMode[static_cast<size_t>(i)] = &mode;
    }

    Place(TextOnlyBtn, "Text Only", kLeft, Row(2), kHalfWidth).SetBackColor(0x80C0FF);
    Place(HotKeyOnOff, "Hot Keys Off", 1368, Row(2), kHalfWidth).SetBackColor(0xC0C0C0);
    Place(Search, "Search", kLeft, Row(3), kFullWidth);
    Search.SetContextMenu(false);  // the right button shows the search's help
    Place(OptionButton, "Options", kLeft, Row(4), 780);
    Place(HelpButton, "Help", 900, Row(4), 780);
    Place(TutorialBtn, "Tutorial", 1692, Row(4), 912);
    Place(Minimize, "Minimize", kLeft, Row(5), kHalfWidth);
    Place(UpgradeBtn, "About", 1368, Row(5), kHalfWidth);
    Place(NoMinimizeBtn, "Stay up after pasting", kLeft, Row(6), kFullWidth)
        .SetToolTip(" Main window does not minimize after pasting when this is selected ");
}

void ControlPanel::AddCaptureModes(forms::Form& edit) {
    const char* captures[3] = {"Normal", "Clip Capture Off", "Bulk"};
    const forms::Color colors[3] = {forms::kButtonFace, 0xC0C0C0, 0xFF80FF};
    const int capturePlace[3][3] = {
        {kLeft, Row(8), kHalfWidth}, {kLeft, Row(7), kFullWidth}, {1368, Row(8), kHalfWidth}};
    for (int i = 0; i < 3; ++i) {
        forms::OptionButton& button = edit.Add<forms::OptionButton>("CaptureMode", i, &CPFrame);
        button.SetStyle(forms::ButtonStyle::Graphical);
        button.SetBackColor(colors[i]);
        Place(button, captures[i], capturePlace[i][0], capturePlace[i][1], capturePlace[i][2]);
        CaptureMode[static_cast<size_t>(i)] = &button;
        if (i == 2) {
            button.SetTag("bulk");  // a drag source once the bulk cache holds clips
        }
    }
}

void ControlPanel::AddDropTargets(forms::Form& edit) {
    // The erase target: eight red labels in a column over the left half of the buttons. Their
    // container lifts them above the buttons, which labels alone stay under.
    const int trashTop = Row(2);
    const int trashPitch = (Row(9) - trashTop) / 8;
    TrashPicture = &edit.Add<forms::PictureBox>("TrashPicture", -1, &CPFrame);
    TrashPicture->Move(kLeft, trashTop, kHalfWidth, trashPitch * 8);
    TrashPicture->SetBorder(forms::BorderStyle::None);
    TrashPicture->SetBackColor(kTrashColor);
    TrashPicture->SetTabStop(false);
    TrashPicture->SetVisible(false);
    for (int i = 0; i < 8; ++i) {
        forms::Label& trash = edit.Add<forms::Label>("TrashLabel", i, TrashPicture);
        trash.Move(0, trashPitch * i, kHalfWidth, trashPitch);
        trash.SetBackColor(kTrashColor);
        trash.SetForeColor(forms::QBColor(15));
        trash.SetAlignment(forms::Alignment::Center);
        trash.SetCaption(i == 3 ? "TO ERASE" : i == 4 ? "DROP HERE" : "");
        trash.SetVisible(false);
        TrashLabel[static_cast<size_t>(i)] = &trash;
    }
    BulkDropPicture.Move(1368, trashTop, kHalfWidth, trashPitch * 8);
    BulkDropPicture.SetBackColor(kBulkDropColor);
    BulkDropPicture.SetTabStop(false);
    BulkDropPicture.SetVisible(false);
    BulkDrop.SetCaption("Drop Here");
    BulkDrop.SetToolTip(" To add clip(s) to Bulk Cache ");
    BulkDrop.SetBackColor(kBulkDropColor);
    BulkDrop.SetAlignment(forms::Alignment::Center);
    BulkDrop.Move(60, trashPitch * 4 - 150, kHalfWidth - 120, 300);

    // The bulk paste target covers the top rows, above the erase labels.
    BulkPaste.Move(kLeft, 90, kFullWidth, Row(2) - 120);
    BulkPaste.SetBackColor(kBulkPasteColor);
    BulkPaste.SetTabStop(false);
    BulkPaste.SetVisible(false);
    const char* pasteCaptions[2] = {"TO PASTE", "DROP HERE"};
    for (int i = 0; i < 2; ++i) {
        forms::Label& label = edit.Add<forms::Label>("BulkPastelabel", i, &BulkPaste);
        label.SetCaption(pasteCaptions[i]);
        label.SetBackColor(kBulkPasteColor);
        label.SetAlignment(forms::Alignment::Center);
        label.Move(60, 120 + 330 * i, kFullWidth - 120, 300);
        BulkPastelabel[static_cast<size_t>(i)] = &label;
    }
}

}  // namespace mirvo
