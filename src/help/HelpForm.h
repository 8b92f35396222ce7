#pragma once

#include "forms/Controls.h"
#include "forms/TextBox.h"
#include "help/HelpDialog.h"

namespace mirvo {

// The quick-help window: one paragraph of the quick-help file for the topic in HelpTopic. Its
// text box closes it when Escape goes down, not the form when a key comes up.
class HelpForm : public HelpDialog {
public:
    explicit HelpForm(App& app);

    forms::TextBox& Text1;
    forms::CommandButton& OKBtn;

protected:
    void Form_Activate() override;
    void Form_KeyUp(int& /*keyCode*/, int /*shift*/) override {}

private:
    void ConnectEvents();
    void Text1_KeyDown(int& keyCode, int shift);
    void Text1_KeyPress(int& keyAscii);
};

}  // namespace mirvo
