#pragma once

#include <cstdint>
#include <vector>

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

namespace mirvo {

class App;

// Names a group of the group-name panel and sets its colour.
class Groupnamer : public forms::Form {
public:
    // storedColor: the group's colour from "groups.clr", 0 for the default.
    Groupnamer(App& app, int group, std::int32_t storedColor);

    forms::Frame& Frame4;
    forms::PictureBox& Picture1;
    forms::TextBox& title;
    forms::Label& Label1;
    std::vector<forms::OptionButton*> Colr;
    forms::CommandButton& Command1;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_KeyPress(int& keyAscii) override;
    void Form_KeyUp(int& keyCode, int shift) override;

private:
    void ConnectEvents();
    void Colr_MouseUp(int index);
    void title_GotFocus();
    void Command1_Click();

    App& m_app;
    int m_group;
    std::int32_t m_groupColor;
};

}  // namespace mirvo
