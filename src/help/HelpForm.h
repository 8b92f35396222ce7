#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

namespace mirvo {

class App;

// The quick-help window: one paragraph of the quick-help file for the topic in HelpTopic.
class HelpForm : public forms::Form {
public:
    explicit HelpForm(App& app);

    forms::TextBox& Text1;
    forms::CommandButton& OKBtn;

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void ConnectEvents();
    void Text1_KeyDown(int& keyCode, int shift);
    void Text1_KeyPress(int& keyAscii);
    void MakeTopmost();

    App& m_app;
};

}  // namespace mirvo
