// Every event of the clip viewer's controls and menu, connected to its handler.

#include "dialogs/ViewForm.h"

namespace mirvo {

void view::ConnectEvents() {
    using forms::MouseButton;
    holdfocus.OnGotFocus = [this] { holdfocus_GotFocus(); };
    for (forms::TextBox* text : Text1) {
        text->OnGotFocus = [this] { Text1_GotFocus(); };
    }
    title.OnGotFocus = [this] { title_GotFocus(); };
    title.OnLostFocus = [this] { title_LostFocus(); };
    for (forms::Label* label : Label1) {
        label->OnMouseUp = [this](MouseButton b, int, int, int) { Label1_MouseUp(b); };
    }
    for (forms::OptionButton* option : PasteOption) {
        option->OnMouseUp = [this](MouseButton b, int, int, int) { PasteOption_MouseUp(b); };
    }
    for (size_t i = 0; i < Colr.size(); ++i) {
        const int index = static_cast<int>(i);
        Colr[i]->OnMouseUp = [this, index](MouseButton b, int, int, int) {
            Colr_MouseUp(index, b);
        };
    }
    StretchBtn.OnMouseUp = [this](MouseButton, int, int, int) { StretchBtn_MouseUp(); };
    OKBtn.OnClick = [this] { OKBtn_Click(); };
    cancelbtn.OnClick = [this] { cancelbtn_Click(); };
    editmenu.OnClick = [this] { editmenu_Click(); };
    Cut.OnClick = [this] { Cut_Click(); };
    Copy.OnClick = [this] { Copy_Click(); };
    Delete.OnClick = [this] { Delete_Click(); };
    wordwrap.OnClick = [this] { wordwrap_Click(); };
    Default.OnClick = [this] { Default_Click(); };
    Wide.OnClick = [this] { Wide_Click(); };
}

}  // namespace mirvo
