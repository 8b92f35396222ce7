#include "mainwindow/DisplayModes.h"

#include "app/App.h"
#include "clipboard/Monitor.h"
#include "forms/FormsHost.h"
#include "help/QuickHelp.h"
#include "mainwindow/Edit.h"
#include "mainwindow/Highlight.h"
#include "mainwindow/Layout.h"
#include "platform/Desktop.h"
#include "startup/Settings.h"

namespace mirvo {

namespace {

constexpr forms::Color kSelectedSizerColor = 0xC0C0C0;
constexpr forms::Color kOverrideOnColor = 255;
constexpr forms::Color kOverrideOffColor = 0xC0FFC0;

void FocusHoldfocus(App& app) {
    try {
        app.MainWindow().holdfocus.SetFocus();
    } catch (const forms::InvalidFocus&) {
        // Hidden or minimized: there is no focus to move.
    }
}

// While a clip editor is open the display stays as it is: two tones, the buttons as they were.
bool RefusedWhileEditing(App& app) {
    if (app.editing.EditorOpen != 1) {
        return false;
    }
    app.RefusalTones();
    RefreshModeButtons(app);
    FocusHoldfocus(app);
    return true;
}

void ShowFullWindowLayout(App& app) {
    AppSettings& s = app.settings;
    ApplyWindowSize(app);
    s.CompactLayout = 0;
    s.DisplayMode = 5;
    ApplyColumnLayout(app, 5);
}

}  // namespace

void SizerBtn_MouseUp(App& app, int index, forms::MouseButton button) {
    if (RefusedWhileEditing(app)) {
        return;
    }
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(app, 23);
        return;
    }
    AppSettings& s = app.settings;
    Edit& edit = app.MainWindow();
    if (index == s.ClipboardOnlyMode || index == 3) {
        // The column display option is chosen by the column buttons only.
        RefreshModeButtons(app);
        FocusHoldfocus(app);
        return;
    }
    s.ClipboardOnlyMode = static_cast<std::int16_t>(index);
    SaveSettings(app);
    edit.Hide();
    if (index == 1) {
        ApplyVerticalClipboardOnly(app);
        s.CompactLayout = 1;
        app.display.LastDisplay = 10;
    } else if (index == 2) {
        if (s.DisplayMode == 5) {
            ApplyColumnLayout(app, 0);
        }
        s.CompactLayout = 1;
        edit.controlPanel.CPFrame.SetVisible(false);
        ApplyHorizontalLayout(app, true);
        edit.Move(s.HorizontalOnlyLeft, s.HorizontalOnlyTop, edit.Width(), edit.Height());
        app.display.LastDisplay = 20;
    } else if (index == 0) {
        ApplyHorizontalLayout(app, false);
        edit.controlPanel.CPFrame.SetVisible(true);
        edit.Move(s.WindowLeft, s.WindowTop, edit.Width(), edit.Height());
        ShowFullWindowLayout(app);
    }
    RefreshModeButtons(app);
    if (app.display.SkipReshow == 1) {
        app.display.SkipReshow = 0;
    } else {
        edit.Show();
    }
    FocusHoldfocus(app);
}

void TopBtn_MouseUp(App& app, int index, forms::MouseButton button) {
    if (RefusedWhileEditing(app)) {
        return;
    }
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(app, index == 0 ? 7 : 37);
        return;
    }
    AppSettings& s = app.settings;
    Edit& edit = app.MainWindow();
    edit.Hide();
    if (s.ClipboardOnlyMode == 1 || s.ClipboardOnlyMode == 2) {
        // Straight to the chosen column, without showing the full window on the way.
        app.display.SkipReshow = 1;
        SizerBtn_MouseUp(app, 0, forms::MouseButton::None);
    }
    if (s.CompactLayout == 1) {
        s.ClipboardOnlyMode = 0;
        ShowFullWindowLayout(app);
    } else {
        s.ClipboardOnlyMode = 3;
        s.DisplayMode = static_cast<std::int16_t>(index);
        s.CompactLayout = 1;
        ApplyColumnLayout(app, index);
        app.display.LastDisplay = index;
    }
    RefreshModeButtons(app);
    SaveSettings(app);
    edit.Show();
    FocusHoldfocus(app);
}

void RefreshClipModeButtons(App& app) {
    ControlPanel& panel = app.MainWindow().controlPanel;
    const int override = app.settings.PasteModeOverride;
    if (override >= 0 && override < 5) {
        panel.ClipMode[static_cast<size_t>(override)]->SetValue(true);
    }
    for (forms::OptionButton* mode : panel.ClipMode) {
        mode->SetBackColor(mode->Value() ? kOverrideOnColor : kOverrideOffColor);
    }
}

void RefreshModeButtons(App& app) {
    Edit& edit = app.MainWindow();
    const AppSettings& s = app.settings;
    if (edit.hWnd() != 0) {
        app.os.desktop.SetTopmost(edit.hWnd(), s.CompactLayout == 1);
    }
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
    if (last == 5) {
        if (app.settings.NoMinimize == 0) {
            app.MainWindow().SetWindowState(forms::WindowState::Minimized);
        }
    } else if (last >= 0 && last <= 3) {
        TopBtn_MouseUp(app, last, forms::MouseButton::Left);
    } else if (last == 10) {
        SizerBtn_MouseUp(app, 1, forms::MouseButton::Left);
    } else if (last == 20) {
        SizerBtn_MouseUp(app, 2, forms::MouseButton::Left);
    }
    app.MainWindow().Refresh();
}

void MainWindowResized(App& app) {
    Edit& edit = app.MainWindow();
    const AppSettings& s = app.settings;
    if (app.display.WasMinimized == 1 && s.RestoreFullWindow == 1 && s.DisplayMode != 5) {
        app.display.WasMinimized = 0;
        TopBtn_MouseUp(app, 1, forms::MouseButton::Left);
    }
    if (edit.WindowState() != forms::WindowState::Normal) {
        app.display.WasMinimized = 1;
        FocusHolderReset(app);
    } else {
        app.display.WasMinimized = 0;
    }
    if (edit.WindowState() == forms::WindowState::Minimized && s.DisplayMode == 5 &&
        s.ClipboardOnlyMode != 1 && s.ClipboardOnlyMode != 2) {
        app.display.LastDisplay = 5;
    }
}

}  // namespace mirvo
