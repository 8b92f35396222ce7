#include "paste/HotKeys.h"

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/Modes.h"
#include "app/PasteState.h"
#include "clipboard/Monitor.h"
#include "clipboard/Restore.h"
#include "display/DisplayModes.h"
#include "files/DataFile.h"
#include "forms/FormsHost.h"
#include "help/QuickHelp.h"
#include "help/Topics.h"
#include "panels/MainForm.h"
#include "panels/PanelDisplay.h"
#include "paste/PasteEngine.h"
#include "platform/KeyboardHook.h"
#include "store/RecordCodec.h"

namespace mirvo {

namespace {

using platform::HookKey::Alt;
using platform::HookKey::Ctrl;
using platform::HookKey::Shift;

constexpr int kMinusKeypad = 0x6D;
constexpr int kMinusMain = 0xBD;
constexpr int kPlusKeypad = 0x6B;
constexpr int kPlusMain = 0xBB;
constexpr int kInsert = 0x2D;
constexpr int kKeyB = 0x42;
constexpr int kKeyV = 0x56;
constexpr int kNumpad0 = 0x60;
constexpr int kDigit0 = 0x30;
// The modifiers of a key-up report.
constexpr int kShiftDown = 1;
constexpr int kCtrlDown = 2;
constexpr int kAltDown = 4;
constexpr std::uint32_t kHotKeyPasteDelayMs = 500;
constexpr forms::Color kHotKeysOffColor = 255;
constexpr forms::Color kHotKeysOnColor = 0xC0C0C0;

platform::KeyboardHook* Hook(App& app) {
    return app.os.keyboardHook;
}

void Watch(App& app, std::int32_t code) {
    if (auto* hook = Hook(app)) {
        hook->AddWatchedKey(code);
    }
}

void Unwatch(App& app, std::int32_t code) {
    if (auto* hook = Hook(app)) {
        hook->RemoveWatchedKey(code);
    }
}

void WatchBulkKeys(App& app, bool watch) {
    auto apply = [&](std::int32_t code) { watch ? Watch(app, code) : Unwatch(app, code); };
    if (app.settings.BulkKeys == BulkPasteKey::CtrlB) {
        apply(Ctrl | kKeyB);
        apply(Ctrl | Shift | kKeyB);
    } else {
        apply(Ctrl | kInsert);
    }
}

void WatchCtrlKeys(App& app, bool watch) {
    auto apply = [&](std::int32_t code) { watch ? Watch(app, code) : Unwatch(app, code); };
    for (int digit = 0; digit <= 9; ++digit) {
        apply(Ctrl | (kDigit0 + digit));
        apply(Ctrl | (kNumpad0 + digit));
    }
    apply(Ctrl | kMinusKeypad);
    apply(Ctrl | kMinusMain);
    WatchBulkKeys(app, watch);
}

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

void RegisterHotKeys(App& app) {
    for (int letter = 0; letter < 26; ++letter) {
        Unwatch(app, Alt | ('A' + letter));
    }
    // The titles of the "Hot Key Clips" group: only titled letters are watched.
    const files::Bytes stored =
        files::ReadIfPresent(app.os.files, app.DataFolder + "group22.dat", 26 * 50);
    const std::vector<std::string> names = store::DecodeTitles(stored, 26);
    for (int letter = 0; letter < 26; ++letter) {
        if (!names[static_cast<size_t>(letter)].empty()) {
            Watch(app, Alt | ('A' + letter));
        }
    }
    WatchCtrlKeys(app, true);
}

void UnregisterHotKeys(App& app) {
    for (int letter = 0; letter < 26; ++letter) {
        Unwatch(app, Alt | ('A' + letter));
    }
    WatchCtrlKeys(app, false);
}

void SetPasteActivationKey(App& app) {
    Unwatch(app, Shift | kInsert);
    Unwatch(app, Ctrl | kKeyV);
    const int keys = app.settings.PasteKeys;
    if (keys == ActivationKeys::ShiftInsert || keys == ActivationKeys::Both) {
        Watch(app, Shift | kInsert);
    }
    if (keys == ActivationKeys::CtrlV || keys == ActivationKeys::Both) {
        Watch(app, Ctrl | kKeyV);
    }
}

void ApplyBulkKeys(App& app) {
    Unwatch(app, Ctrl | kInsert);
    Unwatch(app, Ctrl | kKeyB);
    Unwatch(app, Ctrl | Shift | kKeyB);
    if (!app.paste.HotKeysOff) {
        WatchBulkKeys(app, true);
    }
}

void HotKeyUp(App& app, int keyCode, int modifiers) {
    MainForm& edit = app.MainWindow();
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
            PasteLater(app, ClipKind::Clip, slot, false);
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

void StartHotKeys(App& app) {
    platform::KeyboardHook* hook = Hook(app);
    if (!hook) {
        return;
    }
    // Ctrl+plus is always watched: it switches the hot keys on again.
    hook->AddWatchedKey(Ctrl | kPlusMain);
    hook->AddWatchedKey(Ctrl | kPlusKeypad);
    hook->SetMonitoring(2);
}

}  // namespace mirvo
