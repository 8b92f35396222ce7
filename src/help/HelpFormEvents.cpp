// Every event of the quick-help window's controls, connected to its handler.

#include "help/HelpForm.h"

namespace mirvo {

void HelpForm::ConnectEvents() {
    Text1.OnKeyDown = [this](int& keyCode, int shift) { Text1_KeyDown(keyCode, shift); };
    Text1.OnKeyPress = [this](int& keyAscii) { Text1_KeyPress(keyAscii); };
    OKBtn.OnClick = [this] { Unload(); };
}

}  // namespace mirvo
