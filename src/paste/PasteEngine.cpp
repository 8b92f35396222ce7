#include "paste/PasteEngine.h"

#include <algorithm>
#include <cctype>

#include "app/App.h"
#include "files/AnsiText.h"
#include "files/DataFile.h"
#include "forms/FormsHost.h"
#include "help/QuickHelp.h"
#include "mainwindow/DisplayModes.h"
#include "mainwindow/Edit.h"
#include "paste/WebClips.h"
#include "platform/Desktop.h"
#include "platform/KeySender.h"
#include "platform/KeyboardHook.h"
#include "platform/MouseHook.h"
#include "startup/Settings.h"
#include "store/StoreLayout.h"

namespace mirvo {

namespace {

using forms::MouseButton;
using platform::SendWait;

constexpr int kWmLButtonDown = 0x201;
constexpr int kWmRButtonDown = 0x204;
constexpr int kWmMButtonDown = 0x207;
constexpr std::uint32_t kForegroundWaitMs = 1000;
constexpr forms::Color kTextOnlyOnColor = 255;
constexpr forms::Color kTextOnlyOffColor = 0x80C0FF;

void FocusHoldfocus(App& app) {
    try {
        app.MainWindow().holdfocus.SetFocus();
    } catch (const forms::InvalidFocus&) {
    }
}

void Send(App& app, const char* keys, SendWait wait) {
    if (app.os.keySender) {
        app.os.keySender->Send(keys, wait);
    }
}

void SetMonitoring(App& app, int state) {
    if (app.os.keyboardHook) {
        app.os.keyboardHook->SetMonitoring(state);
    }
}

void SetWaitForClick(App& app, bool on) {
    if (app.os.mouseHook) {
        app.os.mouseHook->SetOn(on);
    }
}

// Gives the focus back to the window the paste is for, waiting (bounded) until it has it.
void FocusTarget(App& app) {
    platform::Desktop& desktop = app.os.desktop;
    const platform::WindowHandle target = app.clip.LastForeignWindow;
    desktop.SetForegroundWindow(target);
    const std::uint32_t start = desktop.TickCount();
    while (desktop.ForegroundWindow() != target &&
           desktop.TickCount() - start < kForegroundWaitMs) {
        app.os.forms.DoEvents();
    }
    app.os.forms.DoEvents();
}

bool IsProgramWindow(App& app, platform::WindowHandle window) {
    for (forms::Form* form : app.os.forms.LoadedForms()) {
        if (form->hWnd() == window) {
            return true;
        }
    }
    return false;
}

// The mode a clip pastes in: the override when one is chosen, else the clip's own mode; a clip
// without a mode of its own pastes plainly.
int PasteModeOf(App& app, std::uint8_t& ownMode) {
    if (ownMode == store::kPasteModeNotSet) {
        ownMode = 0;
    }
    const int override = app.settings.PasteModeOverride;
    return override != store::kPasteModeNotSet ? override : ownMode;
}

void Dispatch(App& app, int mode) {
    Edit& edit = app.MainWindow();
    app.paste.PasteAction = 0;
    if (mode == 1) {
        OpenEmailClip(app);
    } else if (mode == 2 && app.settings.BrowserOption == 0) {
        OpenWebPageClip(app);
    } else if (mode == 0 || mode == 4) {
        app.paste.PendingPasteJob = 1;
        if (mode == 4) {
            app.paste.PasteAction = 2;
        }
        edit.Hotkeytimer.SetEnabled(true);
    } else {
        // "Wait for Click": the paste goes where the user clicks next.
        if (mode == 2) {
            app.paste.PasteAction = 1;
        }
        SetWaitForClick(app, true);
    }
}

// What every clip click does first; false when the click has nothing to paste.
bool StartClick(App& app, const forms::Label& label) {
    FocusHoldfocus(app);
    app.display.DragArmed = 0;
    // A new click replaces a paste still waiting for its click.
    SetWaitForClick(app, false);
    return !files::TrimRight(label.Caption()).empty();
}

// Whether a clip's data file is a launch-pad shortcut (its first Integer is 999).
bool IsShortcut(App& app, const std::string& path) {
    files::DataFile file = files::OpenDataFile(app.os.files, path);
    const files::Bytes head = file.Read(0, 2);
    return head.size() == 2 && files::ReadInt16(head, 0) == 999;
}

void PasteStoredClip(App& app, ClipKind kind, int index, std::uint8_t& ownMode) {
    Edit& edit = app.MainWindow();
    edit.SetPointer(forms::MousePointer::Hourglass);
    if (!RestoreForPaste(app, kind, index)) {
        edit.SetPointer(forms::MousePointer::Default);
        return;
    }
    Dispatch(app, PasteModeOf(app, ownMode));
}

}  // namespace

bool RestoreForPaste(App& app, ClipKind kind, int n) {
    if (!Loadclipboard(app, kind, n)) {
        app.RefusalTones();
        return false;
    }
    if (app.editing.EditorOpen != 1 && app.settings.CompactLayout == 0 &&
        app.editing.EditIndex < 1000) {
        SetLastDisplay(app);
    }
    return true;
}

void ClipboardClip_Click(App& app, int index) {
    Edit& edit = app.MainWindow();
    if (!StartClick(app, *edit.clipboardPanel.ClipboardClip[static_cast<size_t>(index)]) ||
        index >= app.clip.ClipboardClipCount) {
        return;
    }
    edit.SetPointer(forms::MousePointer::Hourglass);
    if (!RestoreForPaste(app, ClipKind::Clip, index)) {
        edit.SetPointer(forms::MousePointer::Default);
        return;
    }
    const int override = app.settings.PasteModeOverride;
    Dispatch(app, override == store::kPasteModeNotSet ? 0 : override);
}

void item_Click(App& app, int index) {
    Edit& edit = app.MainWindow();
    if (!StartClick(app, *edit.groupPanels.item[static_cast<size_t>(index)]) ||
        IsShortcut(app, app.store.GroupDataPrefix + std::to_string(index))) {
        return;  // a shortcut launches with the launch pad
    }
    PasteStoredClip(app, ClipKind::Hot, index, app.store.ClipPasteMode[static_cast<size_t>(index)]);
}

void Trans_Click(App& app, int index) {
    Edit& edit = app.MainWindow();
    if (!StartClick(app, *edit.groupPanels.Trans[static_cast<size_t>(index)]) ||
        IsShortcut(app, app.DataFolder + "trans." + std::to_string(index))) {
        return;
    }
    PasteStoredClip(app, ClipKind::Trans, index,
                    app.store.TransPasteMode[static_cast<size_t>(index)]);
}

void Hotkeytimer_Timer(App& app) {
    Edit& edit = app.MainWindow();
    edit.Hotkeytimer.SetEnabled(false);
    if (app.paste.PendingPasteJob == 1) {
        SendPasteKeys(app);
    }
    app.paste.PendingPasteJob = 0;
    edit.Timer1.SetEnabled(true);
}

void SendPasteKeys(App& app) {
    Edit& edit = app.MainWindow();
    if (app.settings.KeepClipboardClips == 0) {
        app.clip.ClearOnNextCapture = 1;
    }
    edit.SetPointer(forms::MousePointer::Default);
    SetMonitoring(app, 0);
    FocusTarget(app);
    const int action = app.paste.PasteAction;
    if (action == 1 || action == 2) {
        // Select the target field's line and delete it.
        Send(app, "{HOME}", SendWait::WaitForProcessing);
        Send(app, "+{END}", SendWait::WaitForProcessing);
        Send(app, "{BACKSPACE}", SendWait::WaitForProcessing);
    }
    Send(app, "^{v}", SendWait::NoWait);
    app.os.forms.DoEvents();
    if (action == 1) {
        Send(app, "{ENTER}", SendWait::NoWait);
    } else if (action == 2) {
        Send(app, "{TAB}", SendWait::NoWait);
        app.os.forms.DoEvents();
    }
    SetMonitoring(app, 2);
}

void WaitForClick_MouseEvent(App& app, const platform::HookMouseEvent& event) {
    const bool buttonDown = event.message == kWmLButtonDown || event.message == kWmRButtonDown ||
                            event.message == kWmMButtonDown;
    if (!buttonDown || IsProgramWindow(app, event.window)) {
        return;
    }
    SetWaitForClick(app, false);
    platform::Desktop& desktop = app.os.desktop;
    // The clicked window is the target: it may not have become the foreground window yet when
    // the hook's report arrives.
    const platform::WindowHandle window =
        event.window != 0 ? event.window : desktop.ForegroundWindow();
    app.clip.LastForeignWindow = window;
    std::string title = desktop.WindowTitle(window);
    std::transform(title.begin(), title.end(), title.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    // A click on the desktop ends the wait without a paste.
    if (window == 0 || (title == "PROGRAM MANAGER" && app.paste.PasteAction == 1)) {
        return;
    }
    SendPasteKeys(app);
}

void WirePasteControls(App& app, Edit& edit) {
    for (int i = 0; i < 9; ++i) {
        edit.clipboardPanel.ClipboardClip[static_cast<size_t>(i)]->OnClick = [&app, i] {
            ClipboardClip_Click(app, i);
        };
    }
    for (int n = 0; n < store::kSlotCount; ++n) {
        edit.groupPanels.item[static_cast<size_t>(n)]->OnClick = [&app, n] { item_Click(app, n); };
    }
    for (int t = 0; t < store::kTransferSlotCount; ++t) {
        edit.groupPanels.Trans[static_cast<size_t>(t)]->OnClick = [&app, t] {
            Trans_Click(app, t);
        };
    }
    edit.Hotkeytimer.OnTimer = [&app] { Hotkeytimer_Timer(app); };

    ControlPanel& panel = edit.controlPanel;
    for (int i = 0; i < 5; ++i) {
        // On release, after the button took its own click: a second click on the chosen
        // override turns the override off.
        panel.ClipMode[static_cast<size_t>(i)]->OnMouseUp = [&app, i](MouseButton b, int, int,
                                                                      int) {
            if (b == MouseButton::Right) {
                ShowQuickHelp(app, 4);
                RefreshClipModeButtons(app);
                return;
            }
            AppSettings& s = app.settings;
            s.PasteModeOverride = static_cast<std::int16_t>(i == s.PasteModeOverride ? 3 : i);
            SaveSettings(app);
            RefreshClipModeButtons(app);
            FocusHoldfocus(app);
        };
    }
    panel.TextOnlyBtn.OnMouseUp = [&app](MouseButton b, int, int, int) {
        if (b == MouseButton::Right) {
            ShowQuickHelp(app, 40);
            return;
        }
        app.clip.TextOnly = app.clip.TextOnly == 1 ? 0 : 1;
        forms::CommandButton& button = app.MainWindow().controlPanel.TextOnlyBtn;
        button.SetValue(app.clip.TextOnly == 1);
        button.SetBackColor(app.clip.TextOnly == 1 ? kTextOnlyOnColor : kTextOnlyOffColor);
        FocusHoldfocus(app);
    };
    panel.Minimize.OnMouseUp = [&app](MouseButton, int, int, int) {
        app.MainWindow().controlPanel.Minimize.SetValue(false);
        if (app.editing.EditorOpen == 1) {
            app.RefusalTones();
            return;
        }
        app.MainWindow().SetWindowState(forms::WindowState::Minimized);
    };
    panel.NoMinimizeBtn.OnMouseUp = [&app](MouseButton, int, int, int) {
        FocusHoldfocus(app);
        app.settings.NoMinimize =
            static_cast<std::int16_t>(app.MainWindow().controlPanel.NoMinimizeBtn.Value());
        SaveSettings(app);
    };
    if (app.os.mouseHook) {
        app.os.mouseHook->OnMouse = [&app](const platform::HookMouseEvent& e) {
            app.os.forms.RunGuarded([&] { WaitForClick_MouseEvent(app, e); });
        };
    }
}

}  // namespace mirvo
