#pragma once

#include <array>

#include "forms/Controls.h"
#include "forms/Form.h"

namespace mirvo {

struct AppSettings;

// The "Clipboard Clips" frame of the main window: the nine clips of the history with their
// numbers 1 to 9, the "Clear" button, and the frame that holds the display buttons.
struct ClipboardPanel {
    explicit ClipboardPanel(forms::Form& edit);

    // The clip numbers in the clipboard clip colour (the clips take theirs through the highlight).
    void ColorNumbers(const AppSettings& settings);

    forms::Frame& CtrlFrame0;
    std::array<forms::Label*, 9> ClipboardClip{};
    std::array<forms::Label*, 9> Label1{};
    forms::CommandButton& ClearBtn;
    forms::Frame& SizerFrame;
    // The display options: 0 full window, 1 clipboard only (vertical), 2 clipboard only
    // (horizontal), 3 a column display (chosen by the column buttons only).
    std::array<forms::OptionButton*, 4> SizerBtn{};
    // The column display button by the clipboard clips (TopBtn(0)).
    forms::CommandButton& TopBtn0;
};

}  // namespace mirvo
