#pragma once

#include <array>

#include "forms/Controls.h"
#include "forms/Form.h"

namespace mirvo {

// The control panel frame under the clipboard clips: library and launch buttons, capture mode
// buttons and the other command buttons of the main window.
struct ControlPanel {
    explicit ControlPanel(forms::Form& edit);

    forms::Frame& CPFrame;
    forms::CommandButton& LaunchBtn;
    forms::Frame& LibLabelFrame;
    forms::Label& LibLabel;
    // 0 "Normal", 1 "Clip Capture Off", 2 "Bulk": their index is the capture mode.
    std::array<forms::OptionButton*, 3> CaptureMode{};
};

}  // namespace mirvo
