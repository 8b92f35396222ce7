#include "dialogs/SettingsForm.h"

#include <utility>

#include "app/App.h"
#include "app/EditContext.h"
#include "app/Modes.h"
#include "dialogs/ClipFields.h"
#include "forms/Types.h"
#include "help/QuickHelp.h"
#include "help/Topics.h"
#include "panels/Swatches.h"
#include "platform/Desktop.h"
#include "store/EditedClip.h"

namespace mirvo {

namespace {
constexpr int kEnter = 13;
constexpr const char* kHelpTip = " Right click for help ";
}  // namespace

Settings::Settings(App& app, const EditContext& context)
    : forms::Form(app.os.forms, "Settings"),
      Frame1(Add<forms::Frame>("Frame1")),
      Frame4(Add<forms::Frame>("Frame4")),
      Picture1(Add<forms::PictureBox>("Picture1", -1, &Frame1)),
      title(Add<forms::TextBox>("title", -1, &Frame1)),
      Command1(Add<forms::CommandButton>("Command1")),
      m_app(app),
      m_edit(app.editing, context) {
    SetCaption(" Clip Settings");
    SetBorder(forms::BorderStyle::FixedDialog);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    Move(0, 0, 6300, 2880);

    Frame1.SetCaption("");
    Frame1.Move(120, 60, 5940, 1020);
    auto& titleLabel = Add<forms::Label>("Label1", 0, &Frame1);
    titleLabel.SetCaption("Clip Title...");
    titleLabel.Move(120, 240, 1200, 285);
    title.SetMaxLength(50);
    title.Move(1320, 210, 4500, 315);
    auto& modeLabel = Add<forms::Label>("Label1", 1, &Frame1);
    modeLabel.SetCaption("Paste Mode...");
    modeLabel.Move(120, 640, 1200, 285);
    Label1 = {&titleLabel, &modeLabel};
    // The paste options have a container of their own, so that they exclude only each other.
    Picture1.SetBorder(forms::BorderStyle::None);
    Picture1.SetTabStop(false);
    Picture1.Move(1320, 640, 4560, 300);
    const char* modes[5] = {"Clip", "Email", "Web Page", "G", "Form Clip"};
    const int lefts[5] = {0, 780, 1680, 2880, 2880};
    const int widths[5] = {700, 800, 1100, 300, 1100};
    for (int i = 0; i < 5; ++i) {
        auto& option = Add<forms::OptionButton>("PasteOption", i, &Picture1);
        option.SetCaption(modes[i]);
        option.Move(lefts[i], 0, widths[i], 285);
        option.SetVisible(i != PasteMode::NotSet);
        PasteOption[static_cast<size_t>(i)] = &option;
    }

    Frame4.SetCaption(" Colour ");
    Frame4.Move(120, 1140, 5940, 660);
    Colr = AddSwatches(*this, Frame4, kClipSwatchColors, 120, 260);

    Command1.SetCaption("OK");
    Command1.Move(2460, 1920, 1200, 420);
    ConnectEvents();
}

void Settings::Form_Load() {
    PasteOption[static_cast<size_t>(m_app.editing.LastPasteOption)]->SetValue(true);
    Colr.back()->SetValue(true);
    SetBold(m_app.settings.BoldFont == 1);
    const bool tips = m_app.settings.PopupHelp != 0;
    Label1[0]->SetToolTip(tips ? kHelpTip : "");
    for (forms::OptionButton* option : PasteOption) {
        option->SetToolTip(tips ? kHelpTip : "");
    }
    title.SetToolTip(tips ? " Point to the words Clip Title(left) and right click for help " : "");
    m_app.os.desktop.SetTopmost(hWnd(), true);
}

void Settings::Form_Activate() {
    title.TrySetFocus();
}

void Settings::Colr_MouseUp(int index, forms::MouseButton button) {
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(m_app, Topic::ColorButtons);
        return;
    }
    m_edit->EditColor = static_cast<std::int32_t>(Colr[static_cast<size_t>(index)]->BackColor());
    title.TrySetFocus();
}

void Settings::PasteOption_MouseUp(int index, forms::MouseButton button) {
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(m_app, Topic::PasteModeButtons);
        return;
    }
    m_app.editing.LastPasteOption = index;
    title.TrySetFocus();
}

void Settings::Label1_MouseUp(forms::MouseButton button) {
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(m_app, Topic::ClipTitle);
    }
}

void Settings::title_GotFocus() {
    title.SetSelStart(0);
    title.SetSelLength(static_cast<int>(title.Text().size()));
}

void Settings::title_KeyDown(int& keyCode) {
    if (keyCode == forms::Key::Return) {
        keyCode = 0;
        m_enterPressedInTitle = true;
    }
}

void Settings::title_KeyPress(int& keyAscii) {
    if (keyAscii == kEnter) {
        keyAscii = 0;
    }
}

void Settings::title_KeyUp(int& keyCode) {
    if (keyCode == forms::Key::Return) {
        keyCode = 0;
        // Only an Enter pressed here: the release of one that chose a button and whose refusal
        // brought the focus here is no second press.
        if (std::exchange(m_enterPressedInTitle, false)) {
            Command1_Click();
        }
    }
}

void Settings::Command1_Click() {
    if (RefuseBlankTitle(m_app, title)) {
        return;
    }
    TakeClipFields(m_app, *m_edit, title, PasteOption, Colr);
    m_edit->EditTextChanged = false;
    SaveEditedClip(m_app, *m_edit);
    m_saved = true;
    Unload();
}

}  // namespace mirvo
