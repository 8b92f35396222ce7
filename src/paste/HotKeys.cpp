#include "paste/HotKeys.h"

#include <optional>

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/Modes.h"
#include "app/PasteState.h"
#include "clipboard/History.h"
#include "clipboard/Monitor.h"
#include "clipboard/Restore.h"
#include "display/DisplayModes.h"
#include "forms/FormsHost.h"
#include "help/QuickHelp.h"
#include "help/Topics.h"
#include "panels/MainForm.h"
#include "panels/PanelDisplay.h"
#include "paste/PasteEngine.h"
#include "platform/VirtualKeys.h"
#include "store/HotKeyWatch.h"

namespace mirvo {

namespace {

using namespace platform::vk;

// The modifiers of a key-up report.
constexpr int kShiftDown = 1;
constexpr int kCtrlDown = 2;
constexpr int kAltDown = 4;
constexpr std::uint32_t kHotKeyPasteDelayMs = 500;
constexpr forms::Color kHotKeysOffColor = 255;
constexpr forms::Color kHotKeysOnColor = 0xC0C0C0;

void ShowHotKeysOff(App& app, bool off) {
    forms::CommandButton& button = app.MainWindow().controlPanel.HotKeyOnOff;
    button.SetBackColor(off ? kHotKeysOffColor : kHotKeysOnColor);
    button.SetValue(off);
}

// Restores a clip and leaves the paste to the paste timer.
void PasteLater(App& app, ClipKind kind, int index, bool waitFirst) {
    if (!RestoreForPaste(app, kind, index)) {
        return;
    }
    MainForm& edit = app.MainWindow();
    app.paste.PendingPasteJob = PasteJob::Keys;
    edit.Timer1.SetEnabled(false);
    if (waitFirst) {
        WaitMs(app, kHotKeyPasteDelayMs);
        app.os.forms.DoEvents();
    }
    edit.Hotkeytimer.SetEnabled(true);
}

}  // namespace

void HotKeyUp(App& app, int keyCode, int modifiers, platform::WindowHandle keyWindow) {
    MainForm& edit = app.MainWindow();
    // The clipboard timer notes the window in front only once a second: the user may have
    // switched windows just before pressing the key.
    TrackForeignWindow(app, keyWindow != 0 ? keyWindow : app.os.desktop.ForegroundWindow());
    int state = modifiers & (kShiftDown | kCtrlDown | kAltDown);
    if ((keyCode == kKeyV && state == kCtrlDown) || (keyCode == kInsert && state == kShiftDown)) {
        if (edit.WindowState() == forms::WindowState::Minimized || !edit.Visible()) {
            ShowMainWindow(app);
        }
        return;
    }
    app.paste.PasteAction = FieldAction::None;
    if (keyCode == kKeyB && state == (kCtrlDown | kShiftDown)) {
        state = kCtrlDown;
    }
    if (state != kCtrlDown) {
        if (keyCode >= 'A' && keyCode <= 'Z') {
            PasteLater(app, ClipKind::HotKey, keyCode - 'A', true);
        }
        return;
    }
    int key = keyCode;
    if (key >= kNumpad0 && key <= kNumpad0 + 9) {
        key -= kNumpad0 - kDigit0;
    }
    if (key == kDigit0) {
        ClearClipboardClips(app);
    } else if (key >= kDigit0 + 1 && key <= kDigit0 + 9) {
        const int slot = key - kDigit0 - 1;
        // Slots beyond the history may still hold the files of a cleared history.
        if (slot < app.clip.ClipboardClipCount) {
            // The clip the digit names on the screen, wherever another instance moved it.
            if (const std::optional<int> now = HistorySlotNow(app, slot)) {
                PasteLater(app, ClipKind::Clip, *now, false);
            }
        }
    } else if (key == kMinusMain || key == kMinusKeypad) {
        UnregisterHotKeys(app);
        app.paste.HotKeysOff = true;
        ShowHotKeysOff(app, true);
    } else if (key == kPlusMain || key == kPlusKeypad) {
        RegisterHotKeys(app);
        app.paste.HotKeysOff = false;
        ShowHotKeysOff(app, false);
    } else if (key == kInsert || key == kKeyB) {
        app.paste.PendingPasteJob = PasteJob::Bulk;
        edit.Timer1.SetEnabled(false);
        edit.Hotkeytimer.SetEnabled(true);
    }
}

void HotKeyOnOff_MouseUp(App& app, forms::MouseButton button) {
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(app, Topic::HotKeysOffButton);
    } else if (button == forms::MouseButton::Left) {
        if (app.paste.HotKeysOff) {
            app.paste.HotKeysOff = false;
            ShowHotKeysOff(app, false);
            RegisterHotKeys(app);
        } else {
            app.paste.HotKeysOff = true;
            ShowHotKeysOff(app, true);
            UnregisterHotKeys(app);
        }
    }
    HoldFocus(app);
}

}  // namespace mirvo
