// Every event of the screen-edge switcher's controls, connected to its handler.

#include "edge/EdgeForm.h"

namespace mirvo {

void EdgeForm::ConnectEvents() {
    WinBtn.OnMouseDown = [this](forms::MouseButton, int, int, int) { WinBtn_MouseDown(); };
    WebBtn.OnMouseDown = [this](forms::MouseButton, int, int, int) { WebBtn_MouseDown(); };
}

}  // namespace mirvo
