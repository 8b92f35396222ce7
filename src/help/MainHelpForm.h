#pragma once

#include <array>

#include "forms/Controls.h"
#include "help/HelpDialog.h"

namespace mirvo {

// The main help window: how to get quick help on any caption, the link to the tutorial, and
// the eight basics topics of the quick-help file. Shown on top and modally (the "Help" button
// and F1 of the main window).
class MainHelp : public HelpDialog {
public:
    explicit MainHelp(App& app);

    forms::Label& Intro;
    forms::Label& TutorialLink;
    forms::Frame& BasicsFrame;
    // Topic(1..8); index 0 is unused, as the topic labels count from 1.
    std::array<forms::Label*, 9> Topic{};
    forms::CommandButton& OKBtn;

private:
    void ConnectEvents();
    void TutorialLink_Click();
    void Topic_MouseUp(int index);
};

}  // namespace mirvo
