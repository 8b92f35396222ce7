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

    // The default colours: clips and numbers in the clipboard clip colour, black text.
    void ApplyColors(const AppSettings& settings);

    forms::Frame& CtrlFrame0;
    std::array<forms::Label*, 9> ClipboardClip{};
    std::array<forms::Label*, 9> Label1{};
    forms::CommandButton& ClearBtn;
    forms::Frame& SizerFrame;
};

}  // namespace mirvo
