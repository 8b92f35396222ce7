#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "forms/Controls.h"
#include "forms/Form.h"

namespace mirvo {

class App;

// The options window " Mirvo User Options": six pages of options, each stored in the settings
// and applied at once, and the choice of where the clip data lives. There is no cancel.
class Options : public forms::Form {
public:
    explicit Options(App& app);

    // A row of option buttons of one setting, in a container of their own so that they exclude
    // only each other.
    struct OptionGroup {
        forms::PictureBox* box = nullptr;
        std::vector<forms::OptionButton*> buttons;
    };
    // A colour palette: 24 colour buttons.
    struct Palette {
        forms::PictureBox* box = nullptr;
        std::vector<forms::OptionButton*> buttons;
    };

    std::array<forms::CommandButton*, 6> Opt{};
    std::array<forms::Frame*, 6> Frm{};
    forms::CheckBox* TopOption = nullptr;
    forms::CheckBox* BottomOption = nullptr;
    forms::CheckBox* LeftOption = nullptr;
    forms::CheckBox* RightOption = nullptr;
    OptionGroup keysoption;
    OptionGroup RestoreOption;
    OptionGroup HelpOption;
    OptionGroup IconOption;
    OptionGroup Bulkoption;
    OptionGroup Clearoption;
    OptionGroup StickyOption;
    OptionGroup SizeOption;
    OptionGroup FontOption;
    OptionGroup BrowserOption;
    OptionGroup DataOption;
    // Background, clipboard clips, group clips, group names, transfer slots.
    std::array<Palette, 5> palettes;
    std::array<forms::Label*, 5> Label1{};
    std::array<forms::CommandButton*, 12> Hlp{};
    forms::Frame* DataFrame = nullptr;
    forms::CommandButton* OKBtn = nullptr;
    forms::PictureBox* holdfocus = nullptr;

    // The window closed for a change of the main window's size, to be opened again after it.
    bool ReopenOptions() const { return m_reopen; }

protected:
    void Form_Load() override;
    void Form_KeyUp(int& keyCode, int shift) override;

private:
    void ConnectEvents();
    void Opt_Click(int index);
    void Option_Click(OptionGroup& group, int index);
    void Option_MouseUp(OptionGroup& group, forms::MouseButton button);
    void Edge_Click(forms::CheckBox& box);
    void Palette_Click(int palette, int index);
    void Palette_MouseUp(forms::MouseButton button);
    void Hlp_Click(int index);
    void ShowPage(int page);
    void ShowClearance();
    void ShowValues();
    void HoldFocus();

    App& m_app;
    bool m_reopen = false;
    // While the stored values are shown: the Clicks that showing them raises change nothing.
    bool m_showingValues = false;
};

// The 24 colours of every palette, row by row.
std::int32_t PaletteColor(int index);

}  // namespace mirvo
