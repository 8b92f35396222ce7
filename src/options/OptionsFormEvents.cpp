// Every event of the options window's controls, connected to its handler.

#include "options/OptionsForm.h"

namespace mirvo {

void Options::ConnectEvents() {
    using forms::MouseButton;
    // A choice is made by a click or from the keyboard (Space on a button, Enter on a command
    // button): both raise Click. A right click explains the control instead.
    for (int i = 0; i < 6; ++i) {
        Opt[static_cast<size_t>(i)]->OnClick = [this, i] { Opt_Click(i); };
    }
    for (OptionGroup* group :
         {&keysoption, &RestoreOption, &HelpOption, &IconOption, &Bulkoption, &Clearoption,
          &StickyOption, &SizeOption, &FontOption, &BrowserOption, &DataOption}) {
        for (size_t i = 0; i < group->buttons.size(); ++i) {
            const int index = static_cast<int>(i);
            group->buttons[i]->OnClick = [this, group, index] { Option_Click(*group, index); };
            group->buttons[i]->OnMouseUp = [this, group](MouseButton b, int, int, int) {
                Option_MouseUp(*group, b);
            };
        }
    }
    for (forms::CheckBox* box : {TopOption, BottomOption, LeftOption, RightOption}) {
        box->OnClick = [this, box] { Edge_Click(*box); };
    }
    for (int p = 0; p < 5; ++p) {
        for (int i = 0; i < 24; ++i) {
            forms::OptionButton& button =
                *palettes[static_cast<size_t>(p)].buttons[static_cast<size_t>(i)];
            button.OnClick = [this, p, i] { Palette_Click(p, i); };
            button.OnMouseUp = [this](MouseButton b, int, int, int) { Palette_MouseUp(b); };
        }
        Label1[static_cast<size_t>(p)]->OnMouseUp = [this](MouseButton b, int, int, int) {
            Palette_MouseUp(b);
        };
    }
    for (int i = 0; i < 12; ++i) {
        forms::CommandButton& help = *Hlp[static_cast<size_t>(i)];
        // Any click: the left one (or a key) as Click, the others as they come up.
        help.OnClick = [this, i] { Hlp_Click(i); };
        help.OnMouseUp = [this, i](MouseButton b, int, int, int) {
            if (b != MouseButton::Left) {
                Hlp_Click(i);
            }
        };
    }
    OKBtn->OnClick = [this] { Unload(); };
}

}  // namespace mirvo
