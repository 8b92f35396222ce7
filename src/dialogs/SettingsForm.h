#pragma once

#include <array>
#include <vector>

#include "app/EditContext.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

namespace mirvo {

class App;

// The clip settings: title, paste mode and colour of a clip just dropped into an empty group
// slot, the one its own edit context names. It never touches the clip's data.
class Settings : public forms::Form {
public:
    Settings(App& app, const EditContext& context);

    forms::Frame& Frame1;
    forms::Frame& Frame4;
    forms::PictureBox& Picture1;
    forms::TextBox& title;
    std::array<forms::Label*, 2> Label1{};
    std::array<forms::OptionButton*, 5> PasteOption{};
    std::vector<forms::OptionButton*> Colr;
    forms::CommandButton& Command1;

    // Whether "OK" stored the clip's settings before the form went.
    bool Saved() const { return m_saved; }

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void ConnectEvents();
    void Colr_MouseUp(int index, forms::MouseButton button);
    void PasteOption_MouseUp(int index, forms::MouseButton button);
    void Label1_MouseUp(forms::MouseButton button);
    void title_GotFocus();
    void title_KeyDown(int& keyCode);
    void title_KeyPress(int& keyAscii);
    void title_KeyUp(int& keyCode);
    void Command1_Click();

    App& m_app;
    OpenEdit m_edit;
    // An Enter went down in the title box; its release there saves.
    bool m_enterPressedInTitle = false;
    bool m_saved = false;
};

}  // namespace mirvo
