// Every event of the group naming form's controls, connected to its handler.

#include "dialogs/Groupnamer.h"

namespace mirvo {

void Groupnamer::ConnectEvents() {
    for (size_t i = 0; i < Colr.size(); ++i) {
        const int index = static_cast<int>(i);
        Colr[i]->OnMouseUp = [this, index](forms::MouseButton, int, int, int) {
            Colr_MouseUp(index);
        };
    }
    title.OnGotFocus = [this] { title_GotFocus(); };
    Command1.OnClick = [this] { Command1_Click(); };
}

}  // namespace mirvo
