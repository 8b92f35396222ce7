#include "paste/BulkForm.h"

#include <algorithm>

#include "app/App.h"
#include "app/FolderSync.h"
#include "app/Settings.h"
#include "files/DataFile.h"
#include "forms/FormsHost.h"
#include "platform/Desktop.h"

namespace mirvo {

namespace {

constexpr const char* kSeparatorNames[BulkSeparator::kCount] = {
    "No spacing",
    "New line between clips",
    "Blank line between clips",
    "User supplied text",
    "First clip in group 1 Lib 1",
    "Tab to next field",
    "Down arrow to next field",
};
constexpr int kRowTop = 240;
constexpr int kRowHeight = 330;

std::string SpacerPath(const App& app) {
    return app.DataFolder + kSpacerFileName;
}

// The option of a digit key, 1 to 7 on the main keys or the keypad; -1 for any other key.
int OptionOfKey(int keyCode) {
    for (const int first : {forms::Key::D0 + 1, forms::Key::Numpad0 + 1}) {
        if (keyCode >= first && keyCode < first + BulkSeparator::kCount) {
            return keyCode - first;
        }
    }
    return -1;
}

// The user text: the file up to its first NUL, which no text box holds, in whole characters.
std::string ReadSpacerText(App& app) {
    files::DataFile file = files::OpenDataFile(app.os.files, SpacerPath(app));
    const files::Bytes bytes = file.ReadAll(kSpacerTextLimit);
    const auto end = std::find(bytes.begin(), bytes.end(), 0);
    return app.ansi.Cut(std::string(bytes.begin(), end), kSpacerTextLimit);
}

}  // namespace

BulkForm::BulkForm(App& app)
    : forms::Form(app.os.forms, "BulkForm"),
      // Created first: "Paste" is first in the tab order.
      OKBtn(Add<forms::CommandButton>("OKBtn")),
      CancelBtn(Add<forms::CommandButton>("CancelBtn")),
      Label2(Add<forms::Label>("Label2")),
      Text1(Add<forms::TextBox>("Text1")),
      m_app(app) {
    SetCaption("Bulk Paste - Clip Spacing");
    SetBorder(forms::BorderStyle::FixedDialog);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    SetKeyPreview(true);
    Move(0, 0, 4920, 4860);

    for (int i = 0; i < BulkSeparator::kCount; ++i) {
        const int top = kRowTop + i * kRowHeight;
        auto& option = Add<forms::OptionButton>("spaceoption", i);
        option.SetCaption(std::to_string(i + 1));
        option.Move(240, top, 480, 285);
        auto& label = Add<forms::Label>("Label1", i);
        label.SetCaption(kSeparatorNames[i]);
        label.Move(780, top + 30, 3840, 255);
        spaceoption[static_cast<size_t>(i)] = &option;
        Label1[static_cast<size_t>(i)] = &label;
    }
    const int textTop = kRowTop + BulkSeparator::kCount * kRowHeight + 60;
    Label2.SetCaption("User text for option 4");
    Label2.Move(240, textTop, 4320, 255);
    Text1.SetMultiLine(true);
    Text1.SetScrollBars(forms::ScrollBars::Vertical);
    Text1.SetMaxLength(static_cast<int>(kSpacerTextLimit));
    Text1.Move(240, textTop + 285, 4320, 645);
    OKBtn.SetCaption("Paste");
    OKBtn.Move(960, textTop + 1080, 1200, 420);
    CancelBtn.SetCaption("Cancel");
    CancelBtn.Move(2640, textTop + 1080, 1200, 420);
    ConnectEvents();
}

void BulkForm::Form_Load() {
    SetBold(m_app.settings.BoldFont == 1);
    const int chosen = std::clamp<int>(m_app.settings.BulkSpacing, 0, BulkSeparator::kCount - 1);
    // Showing the stored choice is no new choice: nothing to save.
    m_loading = true;
    spaceoption[static_cast<size_t>(chosen)]->SetValue(true);
    m_loading = false;
    const forms::ScreenMetrics screen = Host().Screen();
    Move((screen.widthTwips - Width()) / 2, (screen.heightTwips - Height()) / 2, Width(), Height());
    m_app.os.desktop.SetTopmost(hWnd(), true);
    Text1.SetText(ReadSpacerText(m_app));
}

void BulkForm::Form_Activate() {
    OKBtn.TrySetFocus();
}

void BulkForm::Form_KeyDown(int& keyCode, int) {
    // Esc acts on its release; the text box must not take it meanwhile.
    if (keyCode == forms::Key::Escape) {
        keyCode = 0;
    }
}

void BulkForm::Form_KeyUp(int& keyCode, int) {
    if (keyCode == forms::Key::Escape) {
        keyCode = 0;
        CancelBtn_Click();
        return;
    }
    const int index = OptionOfKey(keyCode);
    if (m_digitsBlocked || index < 0) {
        return;  // digits typed into the user text stay text
    }
    keyCode = 0;
    spaceoption[static_cast<size_t>(index)]->SetValue(true);
    if (m_app.settings.BulkSpacing == BulkSeparator::UserText) {
        Text1.TrySetFocus();
    } else {
        OKBtn.TrySetFocus();
    }
}

void BulkForm::spaceoption_Click(int index) {
    if (m_loading) {
        return;
    }
    m_app.settings.BulkSpacing = static_cast<std::int16_t>(index);
    SaveSettings(m_app);
    if (index == BulkSeparator::UserText) {
        Text1.TrySetFocus();
    }
}

void BulkForm::Text1_GotFocus() {
    m_digitsBlocked = true;
    Text1.SetSelStart(0);
    Text1.SetSelLength(static_cast<int>(Text1.Text().size()));
}

void BulkForm::Text1_LostFocus() {
    m_digitsBlocked = false;
}

void BulkForm::OKBtn_Click() {
    if (m_app.settings.BulkSpacing == BulkSeparator::UserText) {
        const std::string& text = Text1.Text();
        if (text.empty()) {
            m_app.RefusalTones();
            Text1.TrySetFocus();
            return;
        }
        m_spacerText = text;
        // Whole and without terminator; a crash leaves the old text or the new one.
        FolderLock lock(m_app);
        files::ReplaceDataFile(m_app.os.files, SpacerPath(m_app),
                               files::Bytes(text.begin(), text.end()));
    }
    m_cancelled = false;
    Unload();
}

void BulkForm::CancelBtn_Click() {
    m_cancelled = true;
    Unload();
}

}  // namespace mirvo
