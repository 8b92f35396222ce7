#include "display/DisplayModes.h"

#include "app/App.h"
#include "app/DisplayState.h"
#include "app/EditContext.h"
#include "app/Modes.h"
#include "app/Settings.h"
#include "clipboard/CaptureButtons.h"
#include "display/Highlight.h"
#include "display/Layout.h"
#include "forms/FormsHost.h"
#include "help/QuickHelp.h"
#include "help/Topics.h"
#include "panels/MainForm.h"
#include "panels/PanelDisplay.h"
#include "platform/Desktop.h"

namespace mirvo {

namespace {

constexpr forms::Color kSelectedSizerColor = 0xC0C0C0;
constexpr forms::Color kOverrideOnColor = 255;
constexpr forms::Color kOverrideOffColor = 0xC0FFC0;

// While a clip editor is open the display stays as it is: two tones, the buttons as they were.
bool RefusedWhileEditing(App& app) {
    if (!app.editing.EditorOpen) {
        return false;
    }
    app.RefusalTones();
    RefreshModeButtons(app);
    HoldFocus(app);
    return true;
}

void ShowFullWindowLayout(App& app) {
    AppSettings& s = app.settings;
    ApplyWindowSize(app);
    s.CompactLayout = 0;
    s.DisplayMode = Column::None;
    ApplyColumnLayout(app, Column::None);
}

}  // namespace

void SizerBtn_MouseUp(App& app, int index, forms::MouseButton button) {
    if (RefusedWhileEditing(app)) {
        return;
    }
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(app, Topic::DisplayOptionButtons);
        return;
    }
    AppSettings& s = app.settings;
    MainForm& edit = app.MainWindow();
    if (index == s.ClipboardOnlyMode || index == ClipboardOnly::Column) {
        // The column display option is chosen by the column buttons only.
        RefreshModeButtons(app);
        HoldFocus(app);
        return;
    }
    s.ClipboardOnlyMode = static_cast<std::int16_t>(index);
    SaveSettings(app);
    edit.Hide();
    if (index == ClipboardOnly::Vertical) {
        ApplyVerticalClipboardOnly(app);
        s.CompactLayout = 1;
        app.display.LastDisplay = Display::VerticalClipboard;
    } else if (index == ClipboardOnly::Horizontal) {
        if (s.DisplayMode == Column::None) {
            ApplyColumnLayout(app, Column::Left);
        }
        s.CompactLayout = 1;
        edit.controlPanel.CPFrame.SetVisible(false);
        ApplyHorizontalLayout(app, true);
        edit.Move(s.HorizontalOnlyLeft, s.HorizontalOnlyTop, edit.Width(), edit.Height());
        app.display.LastDisplay = Display::HorizontalClipboard;
    } else if (index == ClipboardOnly::Off) {
        ApplyHorizontalLayout(app, false);
        edit.controlPanel.CPFrame.SetVisible(true);
        edit.Move(s.WindowLeft, s.WindowTop, edit.Width(), edit.Height());
        ShowFullWindowLayout(app);
    }
    RefreshModeButtons(app);
    if (app.display.SkipReshow) {
        app.display.SkipReshow = false;
    } else {
        edit.Show();
    }
    HoldFocus(app);
}

void TopBtn_MouseUp(App& app, int index, forms::MouseButton button) {
    if (RefusedWhileEditing(app)) {
        return;
    }
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(app, index == 0 ? Topic::ClipboardColumnButton : Topic::GroupColumnButtons);
        return;
    }
    AppSettings& s = app.settings;
    MainForm& edit = app.MainWindow();
    edit.Hide();
    if (s.ClipboardOnlyMode == ClipboardOnly::Vertical ||
        s.ClipboardOnlyMode == ClipboardOnly::Horizontal) {
        // Straight to the chosen column, without showing the full window on the way.
        app.display.SkipReshow = true;
        SizerBtn_MouseUp(app, ClipboardOnly::Off, forms::MouseButton::None);
    }
    if (s.CompactLayout == 1) {
        s.ClipboardOnlyMode = ClipboardOnly::Off;
        ShowFullWindowLayout(app);
    } else {
        s.ClipboardOnlyMode = ClipboardOnly::Column;
        s.DisplayMode = static_cast<std::int16_t>(index);
        s.CompactLayout = 1;
        ApplyColumnLayout(app, index);
        app.display.LastDisplay = index;
    }
    RefreshModeButtons(app);
    SaveSettings(app);
    edit.Show();
    HoldFocus(app);
}

void RefreshClipModeButtons(App& app) {
    ControlPanel& panel = app.MainWindow().controlPanel;
    const int override = app.settings.PasteModeOverride;
    if (override >= PasteMode::Clip && override <= PasteMode::kHighest) {
        panel.ClipMode[static_cast<size_t>(override)]->SetValue(true);
    }
    for (forms::OptionButton* mode : panel.ClipMode) {
        mode->SetBackColor(mode->Value() ? kOverrideOnColor : kOverrideOffColor);
    }
}

void ApplyTopmost(App& app) {
    MainForm& edit = app.MainWindow();
    if (edit.hWnd() != 0) {
        app.os.desktop.SetTopmost(edit.hWnd(), app.settings.CompactLayout == 1);
    }
}

void RefreshModeButtons(App& app) {
    MainForm& edit = app.MainWindow();
    const AppSettings& s = app.settings;
    ApplyTopmost(app);
    for (int i = 0; i < 4; ++i) {
        forms::OptionButton& sizer = *edit.clipboardPanel.SizerBtn[static_cast<size_t>(i)];
        if (i == s.ClipboardOnlyMode) {
            sizer.SetValue(true);
        }
        sizer.SetBackColor(i == s.ClipboardOnlyMode ? kSelectedSizerColor : forms::kButtonFace);
    }
    RefreshClipModeButtons(app);
    RefreshCaptureButtons(app);
}

void SetLastDisplay(App& app) {
    const int last = app.display.LastDisplay;
    if (last == Display::Minimized) {
        if (app.settings.NoMinimize == 0) {
            app.MainWindow().SetWindowState(forms::WindowState::Minimized);
        }
    } else if (last >= Column::Left && last <= Column::Third) {
        TopBtn_MouseUp(app, last, forms::MouseButton::Left);
    } else if (last == Display::VerticalClipboard) {
        SizerBtn_MouseUp(app, ClipboardOnly::Vertical, forms::MouseButton::Left);
    } else if (last == Display::HorizontalClipboard) {
        SizerBtn_MouseUp(app, ClipboardOnly::Horizontal, forms::MouseButton::Left);
    }
    app.MainWindow().Refresh();
}

void MainWindowResized(App& app) {
    MainForm& edit = app.MainWindow();
    const AppSettings& s = app.settings;
    if (app.display.WasMinimized && s.RestoreFullWindow == 1 && s.DisplayMode != Column::None) {
        app.display.WasMinimized = false;
        TopBtn_MouseUp(app, 1, forms::MouseButton::Left);
    }
    if (edit.WindowState() != forms::WindowState::Normal) {
        app.display.WasMinimized = true;
        FocusHolderReset(app);
    } else {
        app.display.WasMinimized = false;
    }
    if (edit.WindowState() == forms::WindowState::Minimized && s.DisplayMode == Column::None &&
        s.ClipboardOnlyMode != ClipboardOnly::Vertical &&
        s.ClipboardOnlyMode != ClipboardOnly::Horizontal) {
        app.display.LastDisplay = Display::Minimized;
    }
}

void ShowMainWindow(App& app) {
    MainForm& edit = app.MainWindow();
    edit.SetWindowState(forms::WindowState::Normal);
    edit.Show();
    app.os.desktop.SetTopmost(edit.hWnd(), true);
    if (app.settings.CompactLayout == 0) {
        app.os.desktop.SetTopmost(edit.hWnd(), false);
    }
    app.os.forms.DoEvents();
    app.os.desktop.SetForegroundWindow(edit.hWnd());
}

}  // namespace mirvo
