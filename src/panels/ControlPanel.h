#pragma once

#include <array>

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

namespace mirvo {

// The control panel frame under the clipboard clips: library and launch buttons, paste-mode
// overrides, search, the other command buttons and the capture modes; and the drop targets
// that show only while something is dragged.
struct ControlPanel {
    explicit ControlPanel(forms::Form& edit);

    forms::Frame& CPFrame;
    forms::CommandButton& LaunchBtn;
    forms::Frame& LibLabelFrame;
    forms::Label& LibLabel;
    // Paste-mode overrides: 0 "Clip", 1 "Email", 2 "Web Page", 3 "Off", 4 "Form Clip".
    std::array<forms::OptionButton*, 5> ClipMode{};
    forms::CommandButton& TextOnlyBtn;
    forms::CommandButton& HotKeyOnOff;
    forms::TextBox& Search;
    forms::CommandButton& OptionButton;
    forms::CommandButton& HelpButton;
    forms::CommandButton& TutorialBtn;
    forms::CommandButton& Minimize;
    forms::CommandButton& UpgradeBtn;
    forms::CheckBox& NoMinimizeBtn;
    // 0 "Normal", 1 "Clip Capture Off", 2 "Bulk": their index is the capture mode.
    std::array<forms::OptionButton*, 3> CaptureMode{};

    // Drop targets, hidden until a drag starts.
    forms::PictureBox* TrashPicture = nullptr;
    std::array<forms::Label*, 8> TrashLabel{};
    forms::PictureBox& BulkDropPicture;
    forms::Label& BulkDrop;
    forms::PictureBox& BulkPaste;
    std::array<forms::Label*, 2> BulkPastelabel{};

private:
    // The controls made after those above, in the order they stack.
    void AddButtons(forms::Form& edit);
    void AddCaptureModes(forms::Form& edit);
    void AddDropTargets(forms::Form& edit);
};

}  // namespace mirvo
