#include "paste/PasteEngine.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <optional>
#include <utility>

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/DisplayState.h"
#include "app/DragState.h"
#include "app/EditContext.h"
#include "app/Modes.h"
#include "app/PasteState.h"
#include "app/StoreState.h"
#include "clipboard/History.h"
#include "clipboard/Markers.h"
#include "display/DisplayModes.h"
#include "files/AnsiText.h"
#include "files/DataFile.h"
#include "forms/FormsHost.h"
#include "forms/TextBox.h"
#include "launchpad/Launch.h"
#include "launchpad/ShortcutEditor.h"
#include "panels/MainForm.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "paste/BulkPaste.h"
#include "paste/WebClips.h"
#include "platform/Clipboard.h"
#include "platform/Desktop.h"
#include "platform/KeySender.h"
#include "platform/KeyboardHook.h"
#include "platform/MouseHook.h"

namespace mirvo {

namespace {

using platform::SendWait;

constexpr int kWmLButtonDown = 0x201;
constexpr int kWmRButtonDown = 0x204;
constexpr int kWmMButtonDown = 0x207;
constexpr std::uint32_t kForegroundWaitMs = 1000;
// The first Integer of a launch-pad shortcut's data file.
constexpr std::int16_t kShortcutMarker = 999;

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

// The mode a clip pastes in: the override when one is chosen, else the clip's own mode; a clip
// without a mode of its own pastes plainly.
int PasteModeOf(App& app, std::uint8_t& ownMode) {
    if (ownMode == PasteMode::NotSet) {
        ownMode = PasteMode::Clip;
    }
    const int override = app.settings.PasteModeOverride;
    return override != PasteMode::NotSet ? override : ownMode;
}

// Starts what a clip's paste mode does; true when paste keys are still to follow (after the
// paste timer, or after the user's next click).
bool Dispatch(App& app, int mode) {
    MainForm& edit = app.MainWindow();
    app.paste.PasteAction = FieldAction::None;
    if (mode == PasteMode::Email) {
        OpenEmailClip(app);
        return false;
    }
    if (mode == PasteMode::WebPage && app.settings.BrowserOption == Browser::NewWindow) {
        OpenWebPageClip(app);
        return false;
    }
    if (mode == PasteMode::Clip || mode == PasteMode::FormClip) {
        app.paste.PendingPasteJob = PasteJob::Keys;
        if (mode == PasteMode::FormClip) {
            app.paste.PasteAction = FieldAction::ClearThenTab;
        }
        edit.Hotkeytimer.SetEnabled(true);
        return true;
    }
    // "Wait for Click": the paste goes where the user clicks next.
    if (mode == PasteMode::WebPage) {
        app.paste.PasteAction = FieldAction::ClearThenEnter;
    }
    SetWaitForClick(app, true);
    return true;
}

// The desktop is the "Program Manager" window, the untitled "WorkerW" window that holds the
// icons on current systems, or the system's own desktop window ("#32769"); the taskbar is
// "Shell_TrayWnd", and "Shell_SecondaryTrayWnd" on every other monitor.
bool IsDesktopOrTaskbar(platform::Desktop& desktop, platform::WindowHandle window) {
    std::string title = desktop.WindowTitle(window);
    std::transform(title.begin(), title.end(), title.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const std::string className = desktop.WindowClassName(window);
    return title == "PROGRAM MANAGER" || className == "Progman" || className == "WorkerW" ||
           className == "#32769" || className == "Shell_TrayWnd" ||
           className == "Shell_SecondaryTrayWnd";
}

// What every clip click does first; false when the click has nothing to paste.
bool StartClick(App& app, int pos) {
    HoldFocus(app);
    app.drag.DragArmed = false;
    // A new click replaces a paste still waiting for its click.
    SetWaitForClick(app, false);
    return !files::TrimRight(PanelTitle(app, pos)).empty();
}

// Whether a clip's data file is a launch-pad shortcut (its first Integer is 999).
bool IsShortcut(App& app, const std::string& path) {
    files::DataFile file = files::OpenDataFile(app.os.files, path);
    const files::Bytes head = file.Read(0, 2);
    return head.size() == 2 && files::ReadInt16(head, 0) == kShortcutMarker;
}

// Restores a clicked clip and starts its paste mode (modeOf gives it once the clip is on the
// clipboard). The hourglass shows from the click until the paste keys go out; when none are to
// follow (a failed restore, an e-mail or web-page clip, an error) the pointer is put back.
void PasteClicked(App& app, ClipKind kind, int index, const std::function<int()>& modeOf) {
    if (app.editing.EditorOpen && !app.editing.EditorText) {
        // The editor shows a picture or a clip without text: nothing can go into it.
        app.RefusalTones();
        return;
    }
    MainForm& edit = app.MainWindow();
    edit.SetPointer(forms::MousePointer::Hourglass);
    bool keysFollow = false;
    try {
        keysFollow = RestoreForPaste(app, kind, index) && Dispatch(app, modeOf());
    } catch (...) {
        edit.SetPointer(forms::MousePointer::Default);
        throw;
    }
    if (!keysFollow) {
        edit.SetPointer(forms::MousePointer::Default);
    }
}

void PasteStoredClip(App& app, ClipKind kind, int index, std::uint8_t& ownMode) {
    PasteClicked(app, kind, index, [&] { return PasteModeOf(app, ownMode); });
}

// The clip editor is open: the clipboard's text replaces the selection of its text box, and the
// focus goes there (where a clip of several formats warns before they can be lost). An editor
// without a text to edit takes nothing.
void PasteIntoEditor(App& app) {
    forms::TextBox* text = app.editing.EditorText;
    if (!text) {
        app.RefusalTones();
        return;
    }
    if (!OpenClipboardRetrying(app)) {
        return;
    }
    std::string pasted;
    if (const auto data = app.os.clipboard.GetData(platform::Format::Text)) {
        pasted.assign(data->begin(), std::find(data->begin(), data->end(), 0));
    }
    app.os.clipboard.Close();
    text->SetSelText(pasted);
    text->TrySetFocus();
}

}  // namespace

bool RestoreForPaste(App& app, ClipKind kind, int n) {
    if (!Loadclipboard(app, kind, n)) {
        app.RefusalTones();
        return false;
    }
    if (!app.editing.EditorOpen && app.settings.CompactLayout == 0) {
        SetLastDisplay(app);
    }
    return true;
}

void ClipboardClip_Click(App& app, int index) {
    if (!StartClick(app, kFirstClipboardClipPos + index) || index >= app.clip.ClipboardClipCount) {
        return;
    }
    // The clip clicked, wherever another instance's captures have moved it since it showed.
    const std::optional<int> now = HistorySlotNow(app, index);
    if (!now) {
        app.RefusalTones();
        return;
    }
    PasteClicked(app, ClipKind::Clip, *now, [&] {
        const int override = app.settings.PasteModeOverride;
        return override == PasteMode::NotSet ? static_cast<int>(PasteMode::Clip) : override;
    });
}

void item_Click(App& app, int index) {
    if (!StartClick(app, kFirstGroupClipPos + index)) {
        // In the launch pad an empty slot takes a new shortcut.
        OpenShortcutForEmptySlot(app, index);
        return;
    }
    const std::string dataFile = app.store.GroupDataPrefix + std::to_string(index);
    if (IsShortcut(app, dataFile)) {
        Launch(app, dataFile);
        return;
    }
    PasteStoredClip(app, ClipKind::Hot, index, app.store.ClipPasteMode[static_cast<size_t>(index)]);
}

void Trans_Click(App& app, int index) {
    if (!StartClick(app, kFirstTransferSlotPos + index)) {
        return;
    }
    const std::string dataFile = app.DataFolder + "trans." + std::to_string(index);
    if (IsShortcut(app, dataFile)) {
        Launch(app, dataFile);
        return;
    }
    PasteStoredClip(app, ClipKind::Trans, index,
                    app.store.TransPasteMode[static_cast<size_t>(index)]);
}

void Hotkeytimer_Timer(App& app) {
    MainForm& edit = app.MainWindow();
    edit.Hotkeytimer.SetEnabled(false);
    // Taken before it runs: a paste started meanwhile (the bulk paste waits for its window)
    // keeps its own job.
    const int job = std::exchange(app.paste.PendingPasteJob, PasteJob::None);
    if (job == PasteJob::Keys) {
        SendPasteKeys(app);
    } else if (job == PasteJob::Bulk) {
        BulkSub(app);
    }
    edit.Timer1.SetEnabled(true);
}

bool FocusPasteTarget(App& app) {
    platform::Desktop& desktop = app.os.desktop;
    const platform::WindowHandle target = app.clip.LastForeignWindow;
    if (target == 0 || app.os.forms.IsFormWindow(target)) {
        app.os.forms.DoEvents();
        return false;
    }
    desktop.SetForegroundWindow(target);
    const std::uint32_t start = desktop.TickCount();
    while (desktop.ForegroundWindow() != target &&
           desktop.TickCount() - start < kForegroundWaitMs) {
        app.os.forms.DoEvents();
    }
    app.os.forms.DoEvents();
    return desktop.ForegroundWindow() == target;
}

void SendPasteKeys(App& app) {
    MainForm& edit = app.MainWindow();
    if (app.editing.EditorOpen) {
        PasteIntoEditor(app);
        edit.SetPointer(forms::MousePointer::Default);
        return;
    }
    if (app.settings.KeepClipboardClips == 0) {
        app.clip.ClearOnNextCapture = true;
    }
    edit.SetPointer(forms::MousePointer::Default);
    SetMonitoring(app, 0);
    if (!FocusPasteTarget(app)) {
        // The target is gone (closed, or there never was one): the keys would reach whatever is
        // in front, perhaps the main window, whose key handler would start another paste.
        SetMonitoring(app, 2);
        app.RefusalTones();
        return;
    }
    const int action = app.paste.PasteAction;
    if (action == FieldAction::ClearThenEnter || action == FieldAction::ClearThenTab) {
        // Select the target field's line and delete it.
        Send(app, "{HOME}", SendWait::WaitForProcessing);
        Send(app, "+{END}", SendWait::WaitForProcessing);
        Send(app, "{BACKSPACE}", SendWait::WaitForProcessing);
    }
    Send(app, "^{v}", SendWait::NoWait);
    app.os.forms.DoEvents();
    if (action == FieldAction::ClearThenEnter) {
        Send(app, "{ENTER}", SendWait::NoWait);
    } else if (action == FieldAction::ClearThenTab) {
        Send(app, "{TAB}", SendWait::NoWait);
        app.os.forms.DoEvents();
    }
    SetMonitoring(app, 2);
}

void WaitForClick_MouseEvent(App& app, const platform::HookMouseEvent& event) {
    const bool buttonDown = event.message == kWmLButtonDown || event.message == kWmRButtonDown ||
                            event.message == kWmMButtonDown;
    if (!buttonDown || app.os.forms.IsFormWindow(event.window)) {
        return;
    }
    SetWaitForClick(app, false);
    platform::Desktop& desktop = app.os.desktop;
    // The clicked window is the target: it may not have become the foreground window yet when
    // the hook's report arrives.
    const platform::WindowHandle window =
        event.window != 0 ? event.window : desktop.ForegroundWindow();
    app.clip.LastForeignWindow = window;
    // A click on the desktop or the taskbar ends the wait without a paste: the keys would go to
    // the shell (Enter opens the selected icons).
    if (window == 0 || IsDesktopOrTaskbar(desktop, window)) {
        app.MainWindow().SetPointer(forms::MousePointer::Default);
        return;
    }
    SendPasteKeys(app);
}

}  // namespace mirvo
