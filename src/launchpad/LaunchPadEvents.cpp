// Every event of the shortcut editor's controls, connected to its handler.

#include "help/Topics.h"
#include "launchpad/LaunchPad.h"

namespace mirvo {

void LaunchPad::ConnectEvents() {
    using forms::MouseButton;
    title.OnKeyDown = [this](int& keyCode, int) { title_KeyDown(keyCode); };
    title.OnKeyPress = [this](int& keyAscii) { title_KeyPress(keyAscii); };
    title.OnKeyUp = [this](int& keyCode, int) { title_KeyUp(keyCode); };

    const std::pair<forms::TextBox*, Box> boxes[3] = {
        {&File, Box::File}, {&Start, Box::Start}, {&Command, Box::Command}};
    for (const auto& entry : boxes) {
        const Box box = entry.second;
        forms::TextBox& text = *entry.first;
        text.OnMouseDown = [this](MouseButton, int, int x, int y) { Source_MouseDown(x, y); };
        text.OnMouseMove = [this, box](MouseButton b, int, int x, int y) {
            Box_MouseMove(box, b, x, y);
        };
        text.OnDragDrop = [this, box](forms::Control& source, int, int) {
            Box_DragDrop(box, source);
        };
    }
    Trash.OnDragDrop = [this](forms::Control& source, int, int) { Trash_DragDrop(source); };
    Trash.OnMouseUp = [this](MouseButton b, int, int, int) {
        HelpOnRightButton(b, Topic::ShortcutTrash);
    };

    Drives.OnChange = [this] { Drives_Change(); };
    Dirs.OnChange = [this] { Dirs_Change(); };
    Files.OnPathChange = [this] { Files_ListChange(); };
    Files.OnPatternChange = [this] { Files_ListChange(); };
    for (forms::Control* list :
         {static_cast<forms::Control*>(&Dirs), static_cast<forms::Control*>(&Files)}) {
        list->OnGotFocus = [this] { List_GotFocus(); };
        list->OnMouseMove = [this](MouseButton, int, int, int) { List_MouseMove(); };
    }

    for (size_t i = 0; i < Draglabel.size(); ++i) {
        const int index = static_cast<int>(i);
        Draglabel[i]->OnMouseMove = [this, index](MouseButton b, int, int, int) {
            Draglabel_MouseMove(index, b);
        };
        Draglabel[i]->OnMouseUp = [this, index](MouseButton b, int, int, int) {
            HelpOnRightButton(b, index == 0 ? Topic::FirstDragLabel : Topic::OtherDragLabels);
        };
    }
    Label2.OnMouseUp = [this](MouseButton b, int, int, int) {
        HelpOnRightButton(b, Topic::FolderBookmarks);
    };
    for (size_t i = 0; i < Folders.size(); ++i) {
        const int index = static_cast<int>(i);
        forms::Label& bar = *Folders[i];
        bar.OnMouseDown = [this](MouseButton, int, int x, int y) { Source_MouseDown(x, y); };
        bar.OnMouseMove = [this, index](MouseButton b, int, int x, int y) {
            Folders_MouseMove(index, b, x, y);
        };
        bar.OnMouseUp = [this, index](MouseButton b, int, int, int) { Folders_MouseUp(index, b); };
        bar.OnDragDrop = [this, index](forms::Control& source, int, int) {
            Folders_DragDrop(index, source);
        };
    }
    Label3.OnMouseUp = [this](MouseButton b, int, int, int) {
        HelpOnRightButton(b, Topic::FileTypeFilters);
    };
    for (size_t i = 0; i < Filters.size(); ++i) {
        const int index = static_cast<int>(i);
        forms::Label& bar = *Filters[i];
        bar.OnMouseDown = [this](MouseButton, int, int x, int y) { Source_MouseDown(x, y); };
        bar.OnMouseMove = [this, index](MouseButton b, int, int x, int y) {
            Filters_MouseMove(index, b, x, y);
        };
        bar.OnMouseUp = [this, index](MouseButton b, int, int, int) { Filters_MouseUp(index, b); };
        bar.OnDragDrop = [this, index](forms::Control& source, int, int) {
            Filters_DragDrop(index, source);
        };
    }

    for (size_t i = 0; i < Colr.size(); ++i) {
        const int index = static_cast<int>(i);
        // Chosen by a click or by Space; the right button explains the swatches instead.
        Colr[i]->OnClick = [this, index] { Colr_Click(index); };
        Colr[i]->OnMouseUp = [this](MouseButton b, int, int, int) { Colr_MouseUp(b); };
    }
    SaveBtn.OnClick = [this] { SaveBtn_Click(); };
    cancelbtn.OnClick = [this] { cancelbtn_Click(); };
    Hlp.OnClick = [this] { Hlp_Click(); };
}

}  // namespace mirvo
