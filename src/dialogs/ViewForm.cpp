#include "dialogs/ViewForm.h"

#include <algorithm>

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/EditContext.h"
#include "app/FolderSync.h"
#include "app/Modes.h"
#include "app/Settings.h"
#include "app/StoreState.h"
#include "clipboard/Markers.h"
#include "clipboard/Restore.h"
#include "dialogs/ClipFields.h"
#include "dialogs/ViewedClip.h"
#include "dialogs/WarnForm.h"
#include "files/AnsiText.h"
#include "files/DataFile.h"
#include "forms/FormsHost.h"
#include "help/QuickHelp.h"
#include "help/Topics.h"
#include "panels/MainForm.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "panels/Swatches.h"
#include "platform/Clipboard.h"
#include "platform/Desktop.h"
#include "store/EditedClip.h"

namespace mirvo {

namespace {

constexpr int kMinWidth = 6828;
constexpr int kMinHeight = 3900;
constexpr int kDefaultHeight = 5064;
constexpr int kWideLarge = 12048;
constexpr int kWideSmall = 9564;
constexpr int kMaxTitleWidth = 5088;
constexpr int kMargin = 120;
constexpr int kTextTop = 120;
constexpr int kTitleLeft = 1680;
constexpr int kRowHeight = 285;
constexpr int kEnterAscii = 13;
constexpr int kEscapeAscii = 27;
constexpr const char* kNonTextClip = "Non Text Clip";
constexpr const char* kHelpTip = " Right click for help ";
constexpr const char* kTitleTip = " Point to the words Clip Title(left) and right click for help ";

// The rows below the text, by their distance above the bottom of the client area.
constexpr int kTitleRowAbove = 1800;
constexpr int kPasteRowAbove = 1430;
constexpr int kColorFrameAbove = 1070;
constexpr int kButtonRowAbove = 420;
constexpr int kTextGapAbove = kTitleRowAbove + kMargin;

int PanelPos(int source, int index) {
    switch (source) {
        case ClipSource::ClipboardClip:
            return kFirstClipboardClipPos + index;
        case ClipSource::GroupClip:
            return kFirstGroupClipPos + index;
        default:
            return kFirstTransferSlotPos + index;
    }
}

ClipKind KindOf(int source) {
    switch (source) {
        case ClipSource::ClipboardClip:
            return ClipKind::Clip;
        case ClipSource::GroupClip:
            return ClipKind::Hot;
        default:
            return ClipKind::Trans;
    }
}

template <class T>
T& Placed(T& control, const char* caption, int left, int top, int width, int height) {
    control.SetCaption(caption);
    control.Move(left, top, width, height);
    return control;
}

}  // namespace

view::view(App& app, const EditContext& context)
    : forms::Form(app.os.forms, "view"),
      title(Add<forms::TextBox>("title")),
      Frame1(Add<forms::Frame>("Frame1")),
      PictureFrame(Add<forms::PictureBox>("PictureFrame")),
      Imageframe(Add<forms::PictureBox>("Imageframe", -1, &PictureFrame)),
      Image1(Add<forms::Image>("Image1", -1, &Imageframe)),
      StretchBtn(Add<forms::CommandButton>("StretchBtn", -1, &PictureFrame)),
      OKBtn(Add<forms::CommandButton>("OKBtn")),
      cancelbtn(Add<forms::CommandButton>("cancelbtn")),
      holdfocus(Add<forms::PictureBox>("holdfocus")),
      editmenu(AddMenu("editmenu")),
      Cut(AddMenu("Cut", -1, &editmenu)),
      Copy(AddMenu("Copy", -1, &editmenu)),
      Delete(AddMenu("Delete", -1, &editmenu)),
      l1(AddMenu("l1", -1, &editmenu)),
      wordwrap(AddMenu("wordwrap", -1, &editmenu)),
      Size(AddMenu("Size", -1, &editmenu)),
      Default(AddMenu("Default", -1, &Size)),
      Wide(AddMenu("Wide", -1, &Size)),
      m_app(app),
      m_edit(app.editing, context) {
    SetCaption(" Clip Edit");
    SetBorder(forms::BorderStyle::Sizable);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    SetKeyPreview(true);
    Move(0, 0, 6852, 5672);

    for (int i = 0; i < 2; ++i) {
        auto& text = Add<forms::TextBox>("Text1", i);
        text.SetMultiLine(true);
        text.SetScrollBars(i == 0 ? forms::ScrollBars::Vertical : forms::ScrollBars::Both);
        text.Move(kMargin, kTextTop, 6500, 2000);
        Text1[static_cast<size_t>(i)] = &text;
    }
    const char* labels[2] = {"Clip Title...........", "Paste Mode....."};
    for (int i = 0; i < 2; ++i) {
        Label1[static_cast<size_t>(i)] =
            &Placed(Add<forms::Label>("Label1", i), labels[i], kMargin, 0, 1500, kRowHeight);
    }
    title.SetMaxLength(50);
    const char* modes[5] = {"Clip", "Email", "Web Page", "G", "Form Clip"};
    const int modeLefts[5] = {kTitleLeft, 2460, 3340, 4480, 4520};
    const int modeWidths[5] = {700, 800, 1100, 300, 1100};
    for (int i = 0; i < 5; ++i) {
        auto& option = Add<forms::OptionButton>("PasteOption", i);
        Placed(option, modes[i], modeLefts[i], 0, modeWidths[i], kRowHeight);
        option.SetVisible(i != PasteMode::NotSet);
        PasteOption[static_cast<size_t>(i)] = &option;
    }

    Frame1.SetCaption(" Colour ");
    Colr = AddSwatches(*this, Frame1, kClipSwatchColors, kMargin, 240);
    Frame1.Move(kMargin, 0, 6000, 620);

    PictureFrame.SetVisible(false);
    Imageframe.SetBorder(forms::BorderStyle::None);
    Image1.SetStretch(true);
    StretchBtn.SetCaption("True Size");
    OKBtn.SetCaption("Save");
    cancelbtn.SetCaption("Cancel");
    holdfocus.SetBorder(forms::BorderStyle::None);
    holdfocus.Move(14000, 0, 255, 105);

    editmenu.SetCaption("&Edit");
    // Shown, not bound: the keys act natively in whichever box has the focus.
    Cut.SetCaption("Cut\tCtrl+X");
    Copy.SetCaption("Copy\tCtrl+C");
    Delete.SetCaption("Delete\tDel");
    l1.SetCaption("-");
    wordwrap.SetCaption("Wordwrap");
    wordwrap.SetShortcut("^W");
    wordwrap.SetChecked(true);
    Size.SetCaption("Size");
    Default.SetCaption("Default");
    Wide.SetCaption("Wide");

    ConnectEvents();
}

forms::TextBox& view::ShownText() {
    return *Text1[m_app.editing.WordWrapOff ? 1 : 0];
}

void view::Form_Load() {
    SetPointer(forms::MousePointer::Hourglass);
    SetBold(m_app.settings.BoldFont == 1);
    m_picturePreview = false;
    MainForm& main = m_app.MainWindow();
    if (m_app.settings.CompactLayout == 1 && main.hWnd() != 0) {
        // The compact main window floats on top: the viewer must be able to stay above it.
        m_app.os.desktop.SetTopmost(main.hWnd(), false);
    }
    ApplyOptions();
    const AppSettings& s = m_app.settings;
    Move(static_cast<int>(s.ViewerLeft), static_cast<int>(s.ViewerTop),
         static_cast<int>(s.ViewerWidth), static_cast<int>(s.ViewerHeight));
    ShowWordWrap();
}

void view::ApplyOptions() {
    const bool tips = m_app.settings.PopupHelp != 0;
    Label1[0]->SetToolTip(tips ? kHelpTip : "");
    for (forms::OptionButton* option : PasteOption) {
        option->SetToolTip(tips ? kHelpTip : "");
    }
    for (size_t i = 0; i < 6; ++i) {
        Colr[i]->SetToolTip(tips ? kHelpTip : "");
    }
    title.SetToolTip(tips ? kTitleTip : "");

    const EditContext& edit = *m_edit;
    if (edit.EditSource == ClipSource::ClipboardClip) {
        return;  // no colour and no paste mode of its own
    }
    const std::int32_t defaultColor = edit.EditSource == ClipSource::TransferSlot
                                          ? m_app.settings.TransferSlotColor
                                          : m_app.settings.GroupClipColor;
    SelectSwatch(Colr, edit.EditColor, defaultColor);
    int mode = PasteMode::NotSet;
    const auto index = static_cast<size_t>(edit.EditIndex);
    if (edit.EditSource == ClipSource::TransferSlot && index < m_app.store.TransPasteMode.size()) {
        mode = m_app.store.TransPasteMode[index];
    } else if (index < m_app.store.ClipPasteMode.size()) {
        mode = m_app.store.ClipPasteMode[index];
    }
    if (mode < PasteMode::Clip || mode > PasteMode::kHighest || mode == PasteMode::NotSet) {
        mode = PasteMode::Clip;
    }
    PasteOption[static_cast<size_t>(mode)]->SetValue(true);
}

void view::ShowWordWrap() {
    const bool off = m_app.editing.WordWrapOff;
    Text1[0]->SetVisible(!off && !m_picturePreview);
    Text1[1]->SetVisible(off && !m_picturePreview);
    wordwrap.SetChecked(!off);
    m_app.editing.EditorText = m_editable ? &ShownText() : nullptr;
}

void view::Form_Activate() {
    MainForm& main = m_app.MainWindow();
    if (main.hWnd() != 0) {
        m_app.os.desktop.SetTopmost(main.hWnd(), false);
    }
    m_app.os.desktop.SetTopmost(hWnd(), true);
    if (!m_loaded) {
        holdfocus.TrySetFocus();
    }
}

void view::holdfocus_GotFocus() {
    if (!m_loaded) {
        LoadClip();
    }
}

void view::LoadClip() {
    m_loaded = true;
    Refresh();
    ClipboardState& clip = m_app.clip;
    const EditContext& edit = *m_edit;
    clip.ClipHasText = false;
    clip.ClipText.clear();

    std::string shownTitle =
        files::TrimRight(PanelTitle(m_app, PanelPos(edit.EditSource, edit.EditIndex)));
    title.SetText(shownTitle.empty() ? "Untitled" : shownTitle);

    ViewedClip viewed;
    {
        files::DataFile file = files::OpenDataFile(
            m_app.os.files, ClipDataPath(m_app, KindOf(edit.EditSource), edit.EditIndex));
        if (file.Size() > 0) {
            viewed = ReadViewedClip(file.Raw());
        }
    }
    m_hasOtherFormats = viewed.hasOtherFormats && !viewed.shortcut;
    const bool editable = (viewed.hasText || viewed.empty) && !viewed.outOfMemory;
    if (editable) {
        clip.ClipHasText = viewed.hasText;
        clip.ClipText = viewed.text;
    }
    for (forms::TextBox* text : Text1) {
        text->SetText(editable             ? clip.ClipText
                      : viewed.outOfMemory ? kInsufficientMemoryText
                                           : kNonTextClip);
        text->SetEnabled(editable);
    }
    m_editable = editable;
    m_picturePreview = !editable && viewed.hasPicture;
    SetCaption(m_picturePreview ? " Clip Preview " : " Clip Edit");
    if (m_picturePreview) {
        Image1.SetPicture(std::move(viewed.picture));
    }
    PictureFrame.SetVisible(m_picturePreview);
    ShowWordWrap();

    m_loadedText = Text1[0]->Text();
    SetPointer(forms::MousePointer::Default);
    FocusTitle();
}

void view::FocusTitle() {
    title.TrySetFocus();
}

void view::Text1_GotFocus() {
    if (!m_hasOtherFormats) {
        return;
    }
    m_hasOtherFormats = false;  // the warning comes once
    warn warning(m_app, *this);
    warning.Show(forms::ShowMode::Modal);
}

void view::title_GotFocus() {
    m_titleFocus = true;
    title.SetSelStart(0);
    title.SetSelLength(static_cast<int>(title.Text().size()));
}

void view::title_LostFocus() {
    m_titleFocus = false;
}

void view::editmenu_Click() {
    const bool selected = !ShownText().SelText().empty();
    Cut.SetEnabled(selected);
    Copy.SetEnabled(selected);
    Delete.SetEnabled(selected);
    wordwrap.SetEnabled(!m_picturePreview);
}

void view::CopySelection() {
    const std::string selected = ShownText().SelText();
    if (selected.empty() || !OpenClipboardRetrying(m_app)) {
        return;
    }
    platform::Clipboard& clipboard = m_app.os.clipboard;
    std::vector<std::uint8_t> bytes(selected.begin(), selected.end());
    bytes.push_back(0);
    clipboard.Empty();
    clipboard.SetData(platform::Format::Text, bytes);
    clipboard.Close();
}

void view::Cut_Click() {
    if (ShownText().SelText().empty()) {
        return;
    }
    CopySelection();
    ShownText().SetSelText("");
}

void view::Copy_Click() {
    CopySelection();
}

void view::Delete_Click() {
    if (!ShownText().SelText().empty()) {
        ShownText().SetSelText("");
    }
}

void view::wordwrap_Click() {
    if (m_picturePreview) {
        return;
    }
    bool& off = m_app.editing.WordWrapOff;
    Text1[off ? 0 : 1]->SetText(Text1[off ? 1 : 0]->Text());
    off = !off;
    ShowWordWrap();
}

void view::Default_Click() {
    const forms::ScreenMetrics screen = Host().Screen();
    Move((screen.widthTwips - kMinWidth) / 2, (screen.heightTwips - kDefaultHeight) / 2, kMinWidth,
         kDefaultHeight);
}

void view::Wide_Click() {
    const forms::ScreenMetrics screen = Host().Screen();
    const int width = m_app.settings.LargeWindow == 1 ? kWideLarge : kWideSmall;
    Move((screen.widthTwips - width) / 2, (screen.heightTwips - kMinHeight) / 2, width, Height());
}

void view::Form_Resize() {
    if (WindowState() == forms::WindowState::Minimized) {
        return;
    }
    if (Width() < kMinWidth || Height() < kMinHeight) {
        Move(Left(), Top(), std::max(Width(), kMinWidth), std::max(Height(), kMinHeight));
        return;  // the move raises Resize again
    }
    // The rows keep their distance from the bottom of the client area, whatever height the
    // title bar and the menu bar take.
    const int bottom = ScaleHeight();
    const int width = ScaleWidth() - 2 * kMargin;
    const int textHeight = std::max(0, bottom - kTextTop - kTextGapAbove);
    for (forms::TextBox* text : Text1) {
        text->Move(kMargin, kTextTop, width, textHeight);
    }
    const int titleRow = bottom - kTitleRowAbove;
    Label1[0]->SetTop(titleRow);
    title.Move(kTitleLeft, titleRow - 30,
               std::min(ScaleWidth() - kTitleLeft - kMargin, kMaxTitleWidth), 315);
    const int pasteRow = bottom - kPasteRowAbove;
    Label1[1]->SetTop(pasteRow);
    for (forms::OptionButton* option : PasteOption) {
        option->SetTop(pasteRow);
    }
    Frame1.SetTop(bottom - kColorFrameAbove);
    const int buttonRow = bottom - kButtonRowAbove;
    OKBtn.Move(kTitleLeft, buttonRow, 1400, 360);
    cancelbtn.Move(kTitleLeft + 1560, buttonRow, 1400, 360);

    PictureFrame.Move(kMargin, kTextTop, width, textHeight);
    Imageframe.Move(200, 200, std::max(0, width - 460), std::max(0, textHeight - 660));
    Image1.Move(0, 0, Imageframe.Width(), Imageframe.Height());
    StretchBtn.Move((width - 1500) / 2, std::max(0, textHeight - 30 - 375), 1500, 375);
}

void view::StretchBtn_MouseUp() {
    const bool stretch = !Image1.Stretch();
    Image1.SetStretch(stretch);
    if (stretch) {
        Image1.Move(0, 0, Imageframe.Width(), Imageframe.Height());
    }
    StretchBtn.SetCaption(stretch ? "True Size" : "Fit To Viewer");
    holdfocus.TrySetFocus();
}

void view::Colr_MouseUp(int index, forms::MouseButton button) {
    // A right click explains the swatches; it chooses none, as it leaves the chosen one shown.
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(m_app, Topic::ColorButtons);
    } else {
        m_edit->EditColor =
            static_cast<std::int32_t>(Colr[static_cast<size_t>(index)]->BackColor());
    }
    FocusTitle();
}

void view::PasteOption_MouseUp(forms::MouseButton button) {
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(m_app, Topic::PasteModeButtons);
    }
    FocusTitle();
}

void view::Label1_MouseUp(forms::MouseButton button) {
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(m_app, Topic::ClipTitle);
    }
}

void view::Form_KeyPress(int& keyAscii) {
    if ((keyAscii == kEnterAscii && m_titleFocus) || keyAscii == kEscapeAscii) {
        keyAscii = 0;
        OKBtn_Click();
    }
}

void view::OKBtn_Click() {
    if (RefuseBlankTitle(m_app, title)) {
        return;
    }
    if (m_edit->EditSource == ClipSource::ClipboardClip && m_edit->EditIndex == kLeftHistory &&
        !m_editable) {
        // Its clip left the history and there is no text to save as a new clip instead.
        m_app.RefusalTones();
        return;
    }
    {
        FolderLock lock(m_app);  // the look at the slot and the save see the same files
        const bool emptied = EditedClipEmptied(m_app, *m_edit);
        if (emptied && !m_editable) {
            // Another instance took the clip away and a picture has no text to put back.
            m_app.RefusalTones();
            return;
        }
        TakeClipFields(m_app, *m_edit, title, PasteOption, Colr);
        m_app.clip.ClipText = ShownText().Text();
        // What shows goes in as a new clip where another instance took the clip away.
        m_edit->EditTextChanged = emptied || m_app.clip.ClipText != m_loadedText;
        SaveEditedClip(m_app, *m_edit);
    }
    Unload();
}

void view::cancelbtn_Click() {
    Unload();
}

void view::Form_Unload(int& /*cancel*/) {
    m_loaded = false;
    m_edit.Close();
    EditingState& editing = m_app.editing;
    editing.EditorOpen = false;
    editing.EditorText = nullptr;
    MainForm& main = m_app.MainWindow();
    if (m_app.settings.CompactLayout == 1 && main.hWnd() != 0) {
        m_app.os.desktop.SetTopmost(main.hWnd(), true);
    }
    AppSettings& s = m_app.settings;
    s.ViewerTop = static_cast<float>(Top());
    s.ViewerLeft = static_cast<float>(Left());
    s.ViewerHeight = static_cast<float>(Height());
    s.ViewerWidth = static_cast<float>(Width());
    SaveSettings(m_app);
}

}  // namespace mirvo
