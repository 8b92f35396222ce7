#pragma once

#include <array>

#include "files/RecordMerge.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

namespace mirvo {

class App;

// The library manager " Libraries": choose a library (left click), name one (right click), or
// drag a library to a free number. Entries 0..25 are the user's libraries in two columns of
// 13, then the Diary, the Address Book and the Launch Pad.
class LibForm : public forms::Form {
public:
    explicit LibForm(App& app);

    static constexpr int kEntries = 29;

    std::array<forms::Label*, kEntries> Item{};
    std::array<forms::Label*, kEntries> hotkey{};
    std::array<forms::Label*, 4> Label1{};
    forms::Label& Label2;
    forms::Label& Label3;
    forms::TextBox& GetName;
    forms::Label& DragBox;
    forms::CommandButton& CancelBtn;
    forms::CommandButton& Command1;
    forms::PictureBox& holdfocus;

    int SelIndex() const { return m_selIndex; }
    bool Renaming() const { return m_renaming; }

    // Writes "Lib.dat" from the entries.
    void Savelibs();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_KeyPress(int& keyAscii) override;
    void Form_KeyUp(int& keyCode, int shift) override;
    void Form_QueryUnload(int& cancel, forms::UnloadMode mode) override;
    void Form_DragDrop(forms::Control& source, int x, int y) override;

private:
    void ConnectEvents();
    void PlaceEntry(int index);
    void Item_MouseDown(int index, forms::MouseButton button, int x, int y);
    void Item_MouseMove(int index, forms::MouseButton button, int x, int y);
    void Item_MouseUp(int index, forms::MouseButton button);
    void Item_DragDrop(int index, forms::Control& source);
    void hotkey_Click(int index);
    void CancelBtn_Click();
    void Command1_Click();
    // A drag dropped anywhere but on an entry.
    void Control_DragDrop();

    enum class EntryLook { Normal, System, Keyboard };
    void ShowEntry(int index, EntryLook look);
    void HoverEntry(int index);
    void KeyboardSelect(int index);
    void ChooseEntry(int index);
    void StartRename(int index);
    void EndRename();
    void MoveLibrary(int source, int target);
    void CloseUnlessRenaming();
    void HoldFocus();

    App& m_app;
    int m_selIndex = 0;
    bool m_renaming = false;
    int m_renameIndex = -1;
    int m_dragSource = -1;
    int m_armedIndex = -1;
    int m_downX = 0;
    int m_downY = 0;
    // The library list as this window read or wrote it: another instance's renames meanwhile
    // stay.
    files::RecordBaseline m_listSeen;
};

// The library label of the main window: a left click opens the library manager, a right click
// on the label itself explains it. Nothing opens while a clip editor is open.
enum class LibraryLabelPart { Label, Frame };
void LibLabel_MouseUp(App& app, forms::MouseButton button, LibraryLabelPart part);

}  // namespace mirvo
