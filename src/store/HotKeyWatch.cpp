#include "store/HotKeyWatch.h"

#include "app/App.h"
#include "app/Modes.h"
#include "app/PasteState.h"
#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "files/DataFile.h"
#include "platform/KeyboardHook.h"
#include "platform/VirtualKeys.h"
#include "store/Groups.h"
#include "store/RecordCodec.h"

namespace mirvo {

namespace {

using platform::HookKey::Alt;
using platform::HookKey::Ctrl;
using platform::HookKey::Shift;
using namespace platform::vk;

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

}  // namespace

void RegisterHotKeys(App& app) {
    for (int letter = 0; letter < store::kKeySlotCount; ++letter) {
        Unwatch(app, Alt | ('A' + letter));
    }
    // The titles of the "Hot Key Clips" group: only titled letters are watched.
    const std::string path = GroupTitlesPath(app, store::kHotKeyGroup);
    const files::Bytes stored =
        files::ReadIfPresent(app.os.files, path, store::kKeySlotCount * store::kTitleWidth);
    // Another instance's change of these titles registers them again (libraries/FolderWatch.h).
    app.store.HotKeyTitles = {{path}, {stored}, {}};
    const std::vector<std::string> names = store::DecodeTitles(stored, store::kKeySlotCount);
    for (int letter = 0; letter < store::kKeySlotCount; ++letter) {
        if (!names[static_cast<size_t>(letter)].empty()) {
            Watch(app, Alt | ('A' + letter));
        }
    }
    WatchCtrlKeys(app, true);
}

void WatchHotKeyLetter(App& app, int slot) {
    if (!app.paste.HotKeysOff && slot >= 0 && slot < store::kKeySlotCount) {
        Watch(app, Alt | ('A' + slot));
    }
}

void UnwatchHotKeyLetter(App& app, int slot) {
    if (slot >= 0 && slot < store::kKeySlotCount) {
        Unwatch(app, Alt | ('A' + slot));
    }
}

void UnregisterHotKeys(App& app) {
    for (int letter = 0; letter < store::kKeySlotCount; ++letter) {
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
