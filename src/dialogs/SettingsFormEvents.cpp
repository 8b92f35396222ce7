// Every event of the clip settings' controls, connected to its handler.

#include "dialogs/SettingsForm.h"

namespace mirvo {

void Settings::ConnectEvents() {
    using forms::MouseButton;
    for (size_t i = 0; i < Colr.size(); ++i) {
        const int index = static_cast<int>(i);
        Colr[i]->OnMouseUp = [this, index](MouseButton b, int, int, int) {
            Colr_MouseUp(index, b);
        };
    }
    for (size_t i = 0; i < PasteOption.size(); ++i) {
        const int index = static_cast<int>(i);
        PasteOption[i]->OnMouseUp = [this, index](MouseButton b, int, int, int) {
            PasteOption_MouseUp(index, b);
        };
    }
    for (forms::Label* label : Label1) {
        label->OnMouseUp = [this](MouseButton b, int, int, int) { Label1_MouseUp(b); };
    }
    title.OnGotFocus = [this] { title_GotFocus(); };
    title.OnKeyDown = [this](int& keyCode, int) { title_KeyDown(keyCode); };
    title.OnKeyPress = [this](int& keyAscii) { title_KeyPress(keyAscii); };
    title.OnKeyUp = [this](int& keyCode, int) { title_KeyUp(keyCode); };
    Command1.OnClick = [this] { Command1_Click(); };
}

}  // namespace mirvo
