#include "paste/PasteButtons.h"

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/EditContext.h"
#include "app/Modes.h"
#include "app/Settings.h"
#include "display/DisplayModes.h"
#include "help/QuickHelp.h"
#include "help/Topics.h"
#include "panels/MainForm.h"
#include "panels/PanelDisplay.h"

namespace mirvo {

namespace {
constexpr forms::Color kTextOnlyOnColor = 255;
constexpr forms::Color kTextOnlyOffColor = 0x80C0FF;
}  // namespace

void ClipMode_MouseUp(App& app, int index, forms::MouseButton button) {
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(app, Topic::ClipModeButtons);
        RefreshClipModeButtons(app);
        return;
    }
    AppSettings& s = app.settings;
    s.PasteModeOverride =
        static_cast<std::int16_t>(index == s.PasteModeOverride ? PasteMode::NotSet : index);
    SaveSettings(app);
    RefreshClipModeButtons(app);
    HoldFocus(app);
}

void TextOnlyBtn_MouseUp(App& app, forms::MouseButton button) {
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(app, Topic::TextOnlyButton);
        return;
    }
    app.clip.TextOnly = !app.clip.TextOnly;
    forms::CommandButton& textOnly = app.MainWindow().controlPanel.TextOnlyBtn;
    textOnly.SetValue(app.clip.TextOnly);
    textOnly.SetBackColor(app.clip.TextOnly ? kTextOnlyOnColor : kTextOnlyOffColor);
    HoldFocus(app);
}

void Minimize_MouseUp(App& app) {
    app.MainWindow().controlPanel.Minimize.SetValue(false);
    if (app.editing.EditorOpen) {
        app.RefusalTones();
        return;
    }
    app.MainWindow().SetWindowState(forms::WindowState::Minimized);
}

void NoMinimizeBtn_MouseUp(App& app) {
    HoldFocus(app);
    app.settings.NoMinimize =
        static_cast<std::int16_t>(app.MainWindow().controlPanel.NoMinimizeBtn.Value());
    SaveSettings(app);
}

}  // namespace mirvo
