// Every event of the library manager's controls, connected to its handler.

#include "libraries/LibForm.h"

namespace mirvo {

void LibForm::ConnectEvents() {
    using forms::MouseButton;
    for (int i = 0; i < kEntries; ++i) {
        forms::Label& number = *hotkey[static_cast<size_t>(i)];
        number.OnMouseMove = [this, i](MouseButton, int, int, int) { HoverEntry(i); };
        number.OnClick = [this, i] { hotkey_Click(i); };

        forms::Label& name = *Item[static_cast<size_t>(i)];
        name.OnMouseDown = [this, i](MouseButton b, int, int x, int y) {
            Item_MouseDown(i, b, x, y);
        };
        name.OnMouseMove = [this, i](MouseButton b, int, int x, int y) {
            Item_MouseMove(i, b, x, y);
        };
        name.OnMouseUp = [this, i](MouseButton b, int, int, int) { Item_MouseUp(i, b); };
        name.OnDragDrop = [this, i](forms::Control& source, int, int) { Item_DragDrop(i, source); };
    }
    CancelBtn.OnClick = [this] { CancelBtn_Click(); };
    Command1.OnClick = [this] { Command1_Click(); };

    // A drag that ends anywhere but on an entry leaves nothing behind.
    for (const auto& control : Controls()) {
        if (!control->OnDragDrop) {
            control->OnDragDrop = [this](forms::Control&, int, int) { Control_DragDrop(); };
        }
    }
}

}  // namespace mirvo
