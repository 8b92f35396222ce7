// Every event of the options window's controls, connected to its handler.

#include "options/OptionsForm.h"

namespace mirvo {

void Options::ConnectEvents() {
    using forms::MouseButton;
    for (int i = 0; i < 6; ++i) {
        Opt[static_cast<size_t>(i)]->OnMouseUp = [this, i](MouseButton b, int, int, int) {
            Opt_MouseUp(i, b);
        };
    }
    for (OptionGroup* group :
         {&keysoption, &RestoreOption, &HelpOption, &IconOption, &Bulkoption, &Clearoption,
          &StickyOption, &SizeOption, &FontOption, &BrowserOption, &DataOption}) {
        for (size_t i = 0; i < group->buttons.size(); ++i) {
            const int index = static_cast<int>(i);
            group->buttons[i]->OnMouseUp = [this, group, index](MouseButton b, int, int, int) {
                Option_MouseUp(*group, index, b);
            };
        }
    }
    for (forms::CheckBox* box : {TopOption, BottomOption, LeftOption, RightOption}) {
        box->OnMouseUp = [this, box](MouseButton, int, int, int) { Edge_MouseUp(*box); };
    }
    for (int p = 0; p < 5; ++p) {
        for (int i = 0; i < 24; ++i) {
            palettes[static_cast<size_t>(p)].buttons[static_cast<size_t>(i)]->OnMouseUp =
                [this, p, i](MouseButton b, int, int, int) { Palette_MouseUp(p, i, b); };
        }
        Label1[static_cast<size_t>(p)]->OnMouseUp = [this, p](MouseButton b, int, int, int) {
            if (b == MouseButton::Right) {
                Palette_MouseUp(p, 0, b);
            }
        };
    }
    for (int i = 0; i < 12; ++i) {
        Hlp[static_cast<size_t>(i)]->OnMouseUp = [this, i](MouseButton, int, int, int) {
            Hlp_MouseUp(i);
        };
    }
    OKBtn->OnClick = [this] { Unload(); };
}

}  // namespace mirvo
