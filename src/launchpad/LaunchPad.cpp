#include "launchpad/LaunchPad.h"

#include <algorithm>
#include <utility>

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/EditContext.h"
#include "app/Modes.h"
#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "clipboard/ClipDataFile.h"
#include "clipboard/Markers.h"
#include "clipboard/Restore.h"
#include "files/DataFile.h"
#include "forms/FolderBrowser.h"
#include "forms/FormsHost.h"
#include "help/QuickHelp.h"
#include "help/Topics.h"
#include "launchpad/ShortcutFile.h"
#include "panels/Swatches.h"
#include "platform/Clipboard.h"
#include "platform/Desktop.h"
#include "store/EditedClip.h"

namespace mirvo {

namespace {

constexpr int kEnterAscii = 13;
constexpr int kShownFor = 2000;
constexpr forms::Color kBlack = 0x000000;
constexpr forms::Color kWhite = 0xFFFFFF;
constexpr forms::Color kTrashRed = forms::Rgb(0xFF, 0x00, 0x00);
constexpr const char* kHelpTip = " Right click for help ";
constexpr const char* kFallbackFolder = "C:\\";

// The design: the four fields on top, the browser with its drag labels, the bookmarks and the
// filters below them, the colours and the buttons at the bottom.
constexpr int kLabelLeft = 120;
constexpr int kLabelWidth = 1740;
constexpr int kFieldLeft = 1920;
constexpr int kFieldWidth = 6960;
constexpr int kRowHeight = 315;
constexpr int kBrowserTop = 1860;
constexpr int kBarTop = 2130;
constexpr int kBarPitch = 255;
constexpr int kBarHeight = 240;
constexpr int kBookmarkLeft = 6000;
constexpr int kBookmarkBarWidth = 2880;
constexpr int kFilterLeft = 9000;
constexpr int kFilterBarWidth = 1680;
constexpr int kBottomTop = 5460;

template <class T>
T& Placed(T& control, const char* caption, int left, int top, int width, int height) {
    control.SetCaption(caption);
    control.Move(left, top, width, height);
    return control;
}

// A bookmark or filter: black on white, boxed.
void MakeBar(forms::Label& bar, int left, int top, int width) {
    bar.Move(left, top, width, kBarHeight);
    bar.SetBorder(forms::BorderStyle::FixedSingle);
    bar.SetBackColor(kWhite);
    bar.SetForeColor(kBlack);
}

}  // namespace

LaunchPad::LaunchPad(App& app, const EditContext& context)
    : forms::Form(app.os.forms, "LaunchPad"),
      Label6(Add<forms::Label>("Label6")),
      title(Add<forms::TextBox>("title")),
      Label1(Add<forms::Label>("Label1")),
      File(Add<forms::TextBox>("File")),
      Label4(Add<forms::Label>("Label4")),
      Start(Add<forms::TextBox>("Start")),
      Label5(Add<forms::Label>("Label5")),
      Command(Add<forms::TextBox>("Command")),
      Trash(Add<forms::Label>("Trash")),
      Drives(Add<forms::DriveList>("Drives")),
      Dirs(Add<forms::DirList>("Dirs")),
      Files(Add<forms::FileList>("Files")),
      Label2(Add<forms::Label>("Label2")),
      Label3(Add<forms::Label>("Label3")),
      Frame1(Add<forms::Frame>("Frame1")),
      SaveBtn(Add<forms::CommandButton>("SaveBtn")),
      cancelbtn(Add<forms::CommandButton>("cancelbtn")),
      Hlp(Add<forms::CommandButton>("Hlp")),
      Dragbox(Add<forms::Label>("Dragbox")),
      m_app(app),
      m_edit(app.editing, context) {
    SetCaption("Shortcut Edit");
    SetBorder(forms::BorderStyle::FixedDialog);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    Move(0, 0, 10920, 6780);

    Placed(Label6, "Shortcut Title", kLabelLeft, 150, kLabelWidth, 255);
    title.SetMaxLength(static_cast<int>(kShortcutTitleWidth));
    title.Move(kFieldLeft, 120, 3000, kRowHeight);
    Placed(Label1, "File to launch", kLabelLeft, 570, kLabelWidth, 255);
    File.Move(kFieldLeft, 540, kFieldWidth, kRowHeight);
    Placed(Label4, "Folder to start in", kLabelLeft, 990, kLabelWidth, 255);
    Start.Move(kFieldLeft, 960, kFieldWidth, kRowHeight);
    Placed(Label5, "Command Line", kLabelLeft, 1410, kLabelWidth, 255);
    Command.Move(kFieldLeft, 1380, kFieldWidth, kRowHeight);
    Placed(Trash, "Trash", kFilterLeft, 540, kFilterBarWidth, 1155);
    Trash.SetAlignment(forms::Alignment::Center);
    Trash.SetBorder(forms::BorderStyle::FixedSingle);
    Trash.SetBackColor(kTrashRed);
    Trash.SetForeColor(kBlack);

    Drives.Move(kLabelLeft, kBrowserTop, 3120, kRowHeight);
    Dirs.Move(kLabelLeft, kBrowserTop + 390, 3120, 2700);
    Files.Move(3360, kBrowserTop, 2520, 3090);
    const char* dragCaptions[2] = {"Drag this to use folder", "Drag this to use file"};
    const int dragLefts[2] = {kLabelLeft, 3360};
    const int dragWidths[2] = {3120, 2520};
    for (int i = 0; i < 2; ++i) {
        auto& label = Add<forms::Label>("Draglabel", i);
        Placed(label, dragCaptions[i], dragLefts[i], 5040, dragWidths[i], 285);
        label.SetAlignment(forms::Alignment::Center);
        label.SetBorder(forms::BorderStyle::FixedSingle);
        Draglabel[static_cast<size_t>(i)] = &label;
    }

    Placed(Label2, "Folder Bookmarks", kBookmarkLeft, kBrowserTop, kBookmarkBarWidth, 255);
    for (size_t i = 0; i < kBookmarkCount; ++i) {
        auto& bar = Add<forms::Label>("Folders", static_cast<int>(i));
        MakeBar(bar, kBookmarkLeft, kBarTop + kBarPitch * static_cast<int>(i), kBookmarkBarWidth);
        Folders[i] = &bar;
    }
    Placed(Label3, "File Type Filters", kFilterLeft, kBrowserTop, kFilterBarWidth, 255);
    for (size_t i = 0; i < kFilterCount; ++i) {
        auto& bar = Add<forms::Label>("Filters", static_cast<int>(i));
        MakeBar(bar, kFilterLeft, kBarTop + kBarPitch * static_cast<int>(i), kFilterBarWidth);
        Filters[i] = &bar;
    }
    Filters[0]->SetCaption(kAllFilesFilter);
    Filters[1]->SetCaption(kProgramsFilter);

    Frame1.SetCaption(" Colour ");
    Frame1.Move(kLabelLeft, kBottomTop, 5760, 660);
    Colr = AddSwatches(*this, Frame1, kGroupSwatchColors, 120, 260);
    Placed(SaveBtn, "Save", 6240, kBottomTop + 120, 1320, 420);
    Placed(cancelbtn, "Cancel", 7680, kBottomTop + 120, 1320, 420);
    Placed(Hlp, "Help", 9120, kBottomTop + 120, 1320, 420);

    Placed(Dragbox, "Drag box", 0, 0, 1500, 270);
    Dragbox.SetBorder(forms::BorderStyle::FixedSingle);
    Dragbox.SetBackColor(kWhite);
    Dragbox.SetVisible(false);
    ConnectEvents();
}

void LaunchPad::Form_Load() {
    AppSettings& s = m_app.settings;
    SetBold(s.BoldFont == 1);
    const forms::ScreenMetrics screen = m_app.os.forms.Screen();
    Move(std::max(0, (screen.widthTwips - Width()) / 2),
         std::max(0, (screen.heightTwips - Height()) / 2), Width(), Height());
    const bool tips = s.PopupHelp != 0;
    for (forms::Control* c :
         {static_cast<forms::Control*>(&Label2), static_cast<forms::Control*>(&Label3),
          static_cast<forms::Control*>(Draglabel[0]), static_cast<forms::Control*>(Draglabel[1]),
          static_cast<forms::Control*>(&Trash)}) {
        c->SetToolTip(tips ? kHelpTip : "");
    }

    const EditContext& edit = *m_edit;
    const bool transferSlot = edit.EditSource == ClipSource::TransferSlot;
    m_loading = true;
    SelectSwatch(Colr, edit.EditColor, transferSlot ? s.TransferSlotColor : s.GroupClipColor);
    m_loading = false;
    LoadShortcut();
    LoadBookmarks();
    m_app.os.desktop.SetTopmost(hWnd(), true);
}

void LaunchPad::LoadShortcut() {
    EditContext& edit = *m_edit;
    const bool fromClipboard = edit.EditIndex >= 1000;
    if (fromClipboard) {
        edit.EditIndex -= 1000;
    }
    const bool transferSlot = edit.EditSource == ClipSource::TransferSlot;
    m_shortcutPath =
        ClipDataPath(m_app, transferSlot ? ClipKind::Trans : ClipKind::Hot, edit.EditIndex);
    if (fromClipboard) {
        // The clipboard holds the dropped clip; its text names the file.
        std::string text;
        if (OpenClipboardRetrying(m_app)) {
            if (const auto data = m_app.os.clipboard.GetData(platform::Format::Text)) {
                text.assign(data->begin(), std::find(data->begin(), data->end(), 0));
            }
            m_app.os.clipboard.Close();
        }
        if (!text.empty() && text.front() == '"') {
            text.erase(text.begin());
        }
        if (!text.empty() && text.back() == '"') {
            text.pop_back();
        }
        File.SetText(text);
        return;
    }
    files::Bytes stored;
    {
        files::DataFile file = files::OpenDataFile(m_app.os.files, m_shortcutPath);
        stored = file.Read(0, kShortcutFileSize);
    }
    if (stored.empty()) {
        files::DeleteDataFile(m_app.os.files, m_shortcutPath);
        return;
    }
    // A clip of another kind in the slot is no shortcut to read; Save replaces it.
    if (files::ReadInt16(stored, 0) != kShortcutMarker) {
        return;
    }
    const Shortcut shortcut = DecodeShortcut(stored);
    File.SetText(shortcut.file);
    Start.SetText(shortcut.start);
    Command.SetText(shortcut.command);
    title.SetText(shortcut.title);
}

void LaunchPad::LoadBookmarks() {
    Drives.RefreshDrives();
    const std::optional<Bookmarks> stored = ReadBookmarks(m_app);
    if (stored) {
        for (size_t i = 0; i < kBookmarkCount; ++i) {
            Folders[i]->SetCaption(stored->folders[i]);
        }
        for (size_t i = kFixedFilterCount; i < kFilterCount; ++i) {
            Filters[i]->SetCaption(stored->filters[i]);
        }
    }
    const std::string folder = stored ? stored->lastFolder : std::string();
    // A stored folder that cannot be shown is skipped.
    if (folder.empty() || !ShowFolder(folder)) {
        ShowFolder(kFallbackFolder);
    }
}

bool LaunchPad::ShowFolder(const std::string& folder) {
    try {
        Drives.SetDrive(folder.substr(0, 2));
        m_app.os.forms.DoEvents();
        Dirs.SetPath(folder);
        return true;
    } catch (const forms::DeviceUnavailable&) {
        return false;
    }
}

void LaunchPad::Form_MouseMove(forms::MouseButton, int, int, int) {
    if (m_barsLit) {
        HideBars();
    }
}

void LaunchPad::Form_QueryUnload(int& cancel, forms::UnloadMode) {
    // A refusal's message is still standing in its box.
    if (m_refusing) {
        cancel = 1;
    }
}

void LaunchPad::Form_Unload(int&) {
    SaveThings();
}

void LaunchPad::title_KeyDown(int& keyCode) {
    if (keyCode == forms::Key::Return) {
        keyCode = 0;
        m_enterPressedInTitle = true;
    }
}

void LaunchPad::title_KeyPress(int& keyAscii) {
    if (keyAscii == kEnterAscii) {
        keyAscii = 0;
    }
}

void LaunchPad::title_KeyUp(int& keyCode) {
    if (keyCode == forms::Key::Return) {
        keyCode = 0;
        // Only an Enter pressed here: the release of one that chose a button and whose refusal
        // brought the focus here is no second press.
        if (std::exchange(m_enterPressedInTitle, false)) {
            SaveBtn_Click();
        }
    }
}

void LaunchPad::Colr_Click(int index) {
    if (m_loading) {
        return;
    }
    forms::OptionButton& swatch = *Colr[static_cast<size_t>(index)];
    if (!swatch.Value()) {
        swatch.SetValue(true);  // raises this Click again, chosen
        return;
    }
    m_edit->EditColor = static_cast<std::int32_t>(swatch.BackColor());
    title.TrySetFocus();
}

void LaunchPad::Colr_MouseUp(forms::MouseButton button) {
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(m_app, Topic::ColorButtons);
        title.TrySetFocus();
    }
}

void LaunchPad::Hlp_Click() {
    ShowQuickHelp(m_app, Topic::ShortcutHelp);
    title.TrySetFocus();
}

void LaunchPad::HelpOnRightButton(forms::MouseButton button, int topic) {
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(m_app, topic);
    }
}

void LaunchPad::Drives_Change() {
    if (Drives.Drive().empty()) {
        return;
    }
    const std::string root =
        Drives.Drive().substr(0, 1) + ":" + m_app.os.forms.Browser().Separator();
    try {
        Dirs.SetPath(root);
    } catch (const forms::DeviceUnavailable&) {
        Dirs.SetPath(kFallbackFolder);
        Drives.SetDrive("C:");
    }
}

void LaunchPad::Dirs_Change() {
    Files.SetPath(Dirs.Path());
}

void LaunchPad::Files_ListChange() {
    if (Files.ListCount() > 0) {
        Files.SetListIndex(0);
    }
}

void LaunchPad::List_GotFocus() {
    // The lists are worked with the mouse; the keys stay with the title.
    title.TrySetFocus();
}

void LaunchPad::List_MouseMove() {
    if (m_barsLit) {
        HideBars();
    }
}

void LaunchPad::Folders_MouseUp(int index, forms::MouseButton button) {
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(m_app, Topic::FolderBookmarks);
        return;
    }
    forms::Label& bookmark = *Folders[static_cast<size_t>(index)];
    if (button != forms::MouseButton::Left || bookmark.Caption().empty()) {
        return;
    }
    const std::string folder = FromBookmark(bookmark.Caption());
    try {
        Drives.SetDrive(folder.substr(0, 2));
        m_app.os.forms.DoEvents();
        Dirs.SetPath(folder);
        Files.SetPath(Dirs.Path());
    } catch (const forms::DeviceUnavailable&) {
        // The folder is gone: so is its bookmark.
        bookmark.SetCaption("");
    }
    title.TrySetFocus();
}

void LaunchPad::Filters_MouseUp(int index, forms::MouseButton button) {
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(m_app, Topic::FileTypeFilters);
        return;
    }
    const std::string& filter = Filters[static_cast<size_t>(index)]->Caption();
    if (button == forms::MouseButton::Left && !filter.empty()) {
        Files.SetPattern(filter);
    }
}

void LaunchPad::SaveBtn_Click() {
    if (m_refusing) {
        return;
    }
    platform::Desktop& desktop = m_app.os.desktop;
    if (files::TrimRight(File.Text()).empty()) {
        desktop.Beep(500, 100);
        desktop.Beep(400, 200);
        ShowRefusal(File, kNoFile, "");
        return;
    }
    if (files::TrimRight(title.Text()).empty()) {
        m_app.RefusalTones();
        ShowRefusal(title, kNoTitle, "");
        return;
    }
    // A command line cut short would start something else than the user wrote.
    for (forms::TextBox* box : {&Start, &Command}) {
        if (box->Text().size() > kShortcutFieldWidth) {
            m_app.RefusalTones();
            ShowRefusal(*box, kTooLong, box->Text());
            return;
        }
    }
    WriteShortcutFile(m_app, m_shortcutPath,
                      {files::TrimRight(File.Text()), Start.Text(), Command.Text(), title.Text()});

    EditContext& edit = *m_edit;
    if (GroupColorSelected(Colr)) {
        edit.EditColor = 0;
    }
    const bool transferSlot = edit.EditSource == ClipSource::TransferSlot;
    const auto slot = static_cast<size_t>(edit.EditIndex);
    // The shortcut keeps the paste mode its slot had.
    edit.EditPasteMode =
        transferSlot ? m_app.store.TransPasteMode.at(slot) : m_app.store.ClipPasteMode.at(slot);
    edit.EditTextChanged = false;
    m_app.clip.PendingTitle = m_app.ansi.Fixed(title.Text(), store::kTitleWidth);
    // The clip's caption, colour and record files; its data file is the shortcut written above.
    SaveEditedClip(m_app, edit);
    Unload();
}

void LaunchPad::cancelbtn_Click() {
    if (!m_refusing) {
        Unload();
    }
}

void LaunchPad::ShowRefusal(forms::TextBox& box, const std::string& message, std::string restored) {
    m_refusing = true;
    box.SetText(message);
    box.SetBackColor(forms::kHighlight);
    box.SetForeColor(forms::kHighlightText);
    box.Refresh();
    // The window keeps answering while the message stands.
    WaitMs(m_app, kShownFor);
    box.SetText(std::move(restored));
    box.SetBackColor(kWhite);
    box.SetForeColor(kBlack);
    m_refusing = false;
    box.TrySetFocus();
}

Bookmarks LaunchPad::CurrentBookmarks() const {
    Bookmarks bookmarks;
    for (size_t i = 0; i < kBookmarkCount; ++i) {
        bookmarks.folders[i] = Folders[i]->Caption();
    }
    for (size_t i = 0; i < kFilterCount; ++i) {
        bookmarks.filters[i] = Filters[i]->Caption();
    }
    bookmarks.lastFolder = Dirs.Path();
    return bookmarks;
}

void LaunchPad::SaveThings() {
    SaveBookmarks(m_app, CurrentBookmarks());
}

}  // namespace mirvo
