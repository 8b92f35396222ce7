#include "libraries/LibForm.h"

#include <cstdlib>

#include "app/App.h"
#include "app/EditContext.h"
#include "app/FolderSync.h"
#include "app/StoreLayout.h"
#include "files/AnsiText.h"
#include "forms/FormsHost.h"
#include "help/QuickHelp.h"
#include "help/Topics.h"
#include "libraries/LibraryMove.h"
#include "panels/MainForm.h"
#include "panels/PanelDisplay.h"
#include "platform/Desktop.h"
#include "store/Libraries.h"
#include "store/LibraryFiles.h"
#include "store/RecordCodec.h"

namespace mirvo {

using namespace store;

namespace {
constexpr int kRows = 13;  // user libraries per column
constexpr int kLastUserEntry = kUserLibraryCount - 1;
constexpr int kFirstRowTop = 420;
constexpr int kRowPitch = 300;
constexpr int kRowHeight = 285;
constexpr int kColumnWidth = 2820;
constexpr int kNumberLeft = 120;
constexpr int kNumberWidth = 420;
constexpr int kNameLeft = 600;
constexpr int kNameWidth = 2160;
constexpr int kDragThreshold = 20;
constexpr int kEnterAscii = 13;
constexpr int kEscapeAscii = 27;
}  // namespace

LibForm::LibForm(App& app)
    : forms::Form(app.os.forms, "LibForm"),
      Label2(Add<forms::Label>("Label2")),
      Label3(Add<forms::Label>("Label3")),
      GetName(Add<forms::TextBox>("GetName")),
      DragBox(Add<forms::Label>("DragBox")),
      CancelBtn(Add<forms::CommandButton>("CancelBtn")),
      Command1(Add<forms::CommandButton>("Command1")),
      holdfocus(Add<forms::PictureBox>("holdfocus")),
      m_app(app) {
    SetCaption(" Libraries");
    SetBorder(forms::BorderStyle::FixedDialog);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    SetKeyPreview(true);
    Move(0, 0, 5880, 6300);

    const char* headings[4] = {"No.", "Name", "No.", "Name"};
    for (int i = 0; i < 4; ++i) {
        forms::Label& heading = Add<forms::Label>("Label1", i);
        const int left = (i % 2 == 0 ? kNumberLeft : kNameLeft) + (i / 2) * kColumnWidth;
        heading.Move(left, 150, i % 2 == 0 ? kNumberWidth : kNameWidth, 240);
        heading.SetCaption(headings[i]);
        Label1[static_cast<size_t>(i)] = &heading;
    }
    for (int i = 0; i < kEntries; ++i) {
        forms::Label& number = Add<forms::Label>("hotkey", i);
        number.SetCaption(std::to_string(i + 1));
        number.SetAlignment(forms::Alignment::Center);
        hotkey[static_cast<size_t>(i)] = &number;

        forms::Label& name = Add<forms::Label>("Item", i);
        name.SetBorder(forms::BorderStyle::FixedSingle);
        Item[static_cast<size_t>(i)] = &name;
        PlaceEntry(i);
        ShowEntry(i, EntryLook::Normal);
    }

    Label2.SetCaption("Left Click.....Select Library.");
    Label2.Move(kNumberLeft, 5130, 2700, 255);
    Label3.SetCaption("Right click...Name library.");
    Label3.Move(kNumberLeft, 5400, 2700, 255);

    GetName.SetMaxLength(static_cast<int>(kLibraryNameWidth));
    GetName.SetVisible(false);
    DragBox.SetBorder(forms::BorderStyle::FixedSingle);
    DragBox.SetBackColor(forms::QBColor(14));
    DragBox.SetVisible(false);

    CancelBtn.SetCaption("Close");
    CancelBtn.Move(2940, 5130, 2280, 420);
    Command1.SetCaption("?");
    Command1.Move(5280, 5130, 360, 420);
    holdfocus.SetBorder(forms::BorderStyle::None);
    holdfocus.Move(6000, 0, 255, 105);
    ConnectEvents();
}

void LibForm::PlaceEntry(int index) {
    int column = index / kRows;
    int row = index % kRows;
    if (index > kLastUserEntry) {
        // The special libraries stand in two rows below the user's, set apart.
        column = (index - kUserLibraryCount) % 2;
        row = kRows + (index - kUserLibraryCount) / 2;
    }
    const int top = kFirstRowTop + kRowPitch * row + (index > kLastUserEntry ? 120 : 0);
    const int offset = column * kColumnWidth;
    hotkey[static_cast<size_t>(index)]->Move(kNumberLeft + offset, top, kNumberWidth, kRowHeight);
    Item[static_cast<size_t>(index)]->Move(kNameLeft + offset, top, kNameWidth, kRowHeight);
}

void LibForm::Form_Load() {
    MainForm& edit = m_app.MainWindow();
    Move(edit.Left(), edit.Top(), Width(), Height());
    m_app.os.desktop.SetTopmost(hWnd(), true);
    SetBold(m_app.settings.BoldFont == 1);

    const std::vector<std::string> names = ReadLibraryNames(m_app);
    for (int i = 0; i < kEntries; ++i) {
        const size_t at = static_cast<size_t>(i);
        Item[at]->SetCaption(i <= kLastUserEntry ? names[at] : SpecialLibraryName(i + 1));
    }
    m_listSeen = SeeLibraryList(
        m_app, std::vector<std::string>(names.begin(), names.begin() + kLastUserEntry + 1));
    m_selIndex = m_app.CurrentLibrary - 1;
    if (m_selIndex < 0 || m_selIndex >= kEntries) {
        m_selIndex = 0;
    }
    ShowEntry(m_selIndex, EntryLook::System);
}

void LibForm::Form_Activate() {
    m_app.os.desktop.SetTopmost(hWnd(), true);
    if (!m_renaming) {
        HoldFocus();
    }
}

void LibForm::ShowEntry(int index, EntryLook look) {
    forms::Color back = forms::QBColor(15);
    forms::Color text = forms::QBColor(0);
    if (look == EntryLook::System) {
        back = forms::kHighlight;
        text = forms::kHighlightText;
    } else if (look == EntryLook::Keyboard) {
        back = forms::QBColor(12);
    }
    for (forms::Label* label :
         {Item[static_cast<size_t>(index)], hotkey[static_cast<size_t>(index)]}) {
        label->SetBackColor(back);
        label->SetForeColor(text);
    }
}

void LibForm::HoverEntry(int index) {
    if (m_renaming || Item[static_cast<size_t>(index)]->BackColor() == forms::kHighlight) {
        return;
    }
    ShowEntry(m_selIndex, EntryLook::Normal);
    ShowEntry(index, EntryLook::System);
    m_selIndex = index;
}

void LibForm::KeyboardSelect(int index) {
    ShowEntry(m_selIndex, EntryLook::Normal);
    ShowEntry(index, EntryLook::Keyboard);
    m_selIndex = index;
}

void LibForm::hotkey_Click(int index) {
    if (!m_renaming) {
        KeyboardSelect(index);
    }
}

void LibForm::Form_KeyDown(int& keyCode, int /*shift*/) {
    const int key = keyCode;
    if (key == forms::Key::Escape) {
        keyCode = 0;  // it acts when released
        return;
    }
    if (key == forms::Key::Return) {
        keyCode = 0;
        if (m_renaming) {
            EndRename();
            return;
        }
    }
    if (m_renaming) {
        return;  // the keys belong to the name being typed
    }
    switch (key) {
        case forms::Key::Return:
        case forms::Key::Down:
            // From the last user library, and from the special ones below it, on to the first.
            KeyboardSelect(m_selIndex >= kLastUserEntry ? 0 : m_selIndex + 1);
            break;
        case forms::Key::Up:
            KeyboardSelect(m_selIndex == 0 ? kLastUserEntry : m_selIndex - 1);
            break;
        case forms::Key::Left:
            if (m_selIndex >= kRows) {
                KeyboardSelect(m_selIndex - kRows);
            }
            break;
        case forms::Key::Right:
            if (m_selIndex < kRows) {
                KeyboardSelect(m_selIndex + kRows);
            }
            break;
        default:
            break;
    }
}

void LibForm::Form_KeyPress(int& keyAscii) {
    if (keyAscii == kEnterAscii || keyAscii == kEscapeAscii) {
        keyAscii = 0;
    }
}

void LibForm::Form_KeyUp(int& keyCode, int /*shift*/) {
    if (keyCode == forms::Key::Escape) {
        CloseUnlessRenaming();  // refused while a name is typed
    }
}

void LibForm::Item_MouseDown(int index, forms::MouseButton button, int x, int y) {
    m_armedIndex = -1;
    const bool named = !files::TrimRight(Item[static_cast<size_t>(index)]->Caption()).empty();
    if (button == forms::MouseButton::Left && index <= kLastUserEntry && named) {
        m_armedIndex = index;
        m_downX = x;
        m_downY = y;
    }
}

void LibForm::Item_MouseMove(int index, forms::MouseButton button, int x, int y) {
    if (button == forms::MouseButton::None && DragBox.Visible()) {
        DragBox.SetVisible(false);  // a drag that was cancelled
    }
    if (button == forms::MouseButton::Left && m_armedIndex == index &&
        (std::abs(x - m_downX) > kDragThreshold || std::abs(y - m_downY) > kDragThreshold)) {
        m_armedIndex = -1;
        m_dragSource = index;
        const forms::Label& name = *Item[static_cast<size_t>(index)];
        DragBox.Move(name.Left(), name.Top(), name.Width(), name.Height());
        DragBox.SetCaption(name.Caption());
        DragBox.SetVisible(true);
        DragBox.BringToFront();
        DragBox.Drag();
        return;
    }
    HoverEntry(index);
}

void LibForm::Item_MouseUp(int index, forms::MouseButton button) {
    m_armedIndex = -1;
    if (button == forms::MouseButton::Left) {
        ChooseEntry(index);
    } else if (button == forms::MouseButton::Right && index <= kLastUserEntry) {
        StartRename(index);
    }
}

void LibForm::ChooseEntry(int index) {
    m_selIndex = index;
    if (index + 1 == m_app.CurrentLibrary) {
        Savelibs();
        ShowLibraryLabel(
            m_app, LibraryDisplayName(index + 1, Item[static_cast<size_t>(index)]->Caption()));
        Unload();
        return;
    }
    SwitchLibrary(m_app, index + 1);
    Unload();
}

void LibForm::StartRename(int index) {
    const forms::Label& name = *Item[static_cast<size_t>(index)];
    m_renameIndex = index;
    GetName.Move(name.Left(), name.Top(), name.Width(), name.Height());
    GetName.SetText(name.Caption());
    GetName.SetSelStart(0);
    GetName.SetSelLength(static_cast<int>(name.Caption().size()));
    GetName.SetVisible(true);
    GetName.BringToFront();
    GetName.SetFocus();
    m_renaming = true;
    CancelBtn.SetCaption("Type name and press Enter");
}

void LibForm::EndRename() {
    // The name keeps to its 20 bytes in the list; it never ends in a space.
    const std::string typed = files::TrimRight(m_app.ansi.Cut(GetName.Text(), kLibraryNameWidth));
    Item[static_cast<size_t>(m_renameIndex)]->SetCaption(typed);
    Savelibs();
    if (m_renameIndex + 1 == m_app.CurrentLibrary) {
        ShowLibraryLabel(m_app, LibraryDisplayName(m_app.CurrentLibrary, typed));
    }
    CancelBtn.SetCaption("Cancel");
    GetName.SetText("");
    GetName.SetVisible(false);
    m_renaming = false;
    m_renameIndex = -1;
    HoldFocus();
}

void LibForm::Item_DragDrop(int index, forms::Control& source) {
    DragBox.SetVisible(false);
    const int from = m_dragSource;
    m_dragSource = -1;
    if (&source != &DragBox || from < 0 || index > kLastUserEntry || index == from) {
        return;
    }
    // Empty by the files as they are now, and moved before another instance can fill it.
    FolderLock lock(m_app);
    if (!IsLibraryEmpty(m_app, index + 1)) {
        return;
    }
    MoveLibrary(from, index);
}

void LibForm::Form_DragDrop(forms::Control& /*source*/, int /*x*/, int /*y*/) {
    DragBox.SetVisible(false);
    m_dragSource = -1;
}

void LibForm::MoveLibrary(int source, int target) {
    if (!MoveLibraryFolder(m_app, source + 1, target + 1)) {
        m_app.RefusalTones();
        return;
    }
    forms::Label& from = *Item[static_cast<size_t>(source)];
    Item[static_cast<size_t>(target)]->SetCaption(from.Caption());
    from.SetCaption("");
    Savelibs();

    // The panels and the settings follow at once, so that no later save writes the panels of
    // one library into the folder of another.
    if (m_app.CurrentLibrary == source + 1) {
        m_app.CurrentLibrary = target + 1;
        ReloadCurrentLibrary(m_app);
    } else if (m_app.CurrentLibrary == target + 1) {
        // Another library now stands at the current number: it opens on its own last group.
        if (const std::optional<int> group = ReadLastGroup(m_app, m_app.LibraryFolder)) {
            m_app.settings.CurrentGroup = static_cast<std::int16_t>(*group);
        }
        ReloadCurrentLibrary(m_app);
    }
}

void LibForm::Savelibs() {
    std::vector<std::string> names;
    for (int i = 0; i <= kLastUserEntry; ++i) {
        names.push_back(Item[static_cast<size_t>(i)]->Caption());
    }
    const std::vector<std::string> saved = SaveLibraryList(m_app, names, m_listSeen);
    // What another instance named meanwhile shows here too.
    for (int i = 0; i <= kLastUserEntry; ++i) {
        const auto at = static_cast<size_t>(i);
        if (files::TrimRight(Item[at]->Caption()) != saved[at]) {
            Item[at]->SetCaption(saved[at]);
        }
    }
}

void LibForm::CancelBtn_Click() {
    CloseUnlessRenaming();
}

void LibForm::Command1_Click() {
    ShowQuickHelp(m_app, Topic::Libraries);
    HoldFocus();
}

void LibForm::Control_DragDrop() {
    DragBox.SetVisible(false);
}

void LibForm::CloseUnlessRenaming() {
    if (m_renaming) {
        m_app.RefusalTones();
        GetName.SetFocus();
        return;
    }
    Savelibs();
    Unload();
}

void LibForm::Form_QueryUnload(int& cancel, forms::UnloadMode mode) {
    // The title bar's close is refused like the "Close" button while a name is typed.
    if (m_renaming && mode != forms::UnloadMode::Code) {
        cancel = 1;
        m_app.RefusalTones();
        GetName.SetFocus();
    }
}

void LibForm::HoldFocus() {
    // Before the window shows, the focus holder gets the focus on activation instead.
    holdfocus.TrySetFocus();
}

void LibLabel_MouseUp(App& app, forms::MouseButton button, LibraryLabelPart part) {
    if (app.editing.EditorOpen) {
        return;
    }
    if (button == forms::MouseButton::Right && part == LibraryLabelPart::Label) {
        ShowQuickHelp(app, Topic::Libraries);
    } else if (button == forms::MouseButton::Left) {
        LibForm form(app);
        form.Show(forms::ShowMode::Modal);
    }
}

}  // namespace mirvo
