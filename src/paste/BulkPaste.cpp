#include "paste/BulkPaste.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/EditContext.h"
#include "app/Modes.h"
#include "app/StoreState.h"
#include "clipboard/BulkCache.h"
#include "clipboard/ClipDataFile.h"
#include "clipboard/History.h"
#include "clipboard/Markers.h"
#include "clipboard/Restore.h"
#include "display/DisplayModes.h"
#include "forms/FormsHost.h"
#include "panels/MainForm.h"
#include "panels/PanelDisplay.h"
#include "paste/BulkForm.h"
#include "paste/HandOverWatch.h"
#include "paste/PasteEngine.h"
#include "platform/Clipboard.h"
#include "platform/KeySender.h"
#include "platform/KeyboardHook.h"
#include "store/LibraryFiles.h"

namespace mirvo {

namespace {

using platform::SendWait;

constexpr int kHookOff = 0;
constexpr int kHookMonitoring = 2;

// The hot keys rest while the paste sends its keys, and come back however the paste ends.
class HotKeysResting {
public:
    explicit HotKeysResting(App& app) : m_hook(app.os.keyboardHook) {
        if (m_hook) {
            m_hook->SetMonitoring(kHookOff);
        }
    }
    ~HotKeysResting() {
        if (m_hook) {
            m_hook->SetMonitoring(kHookMonitoring);
        }
    }
    HotKeysResting(const HotKeysResting&) = delete;
    HotKeysResting& operator=(const HotKeysResting&) = delete;

private:
    platform::KeyboardHook* m_hook;
};

void Send(App& app, const char* keys) {
    if (app.os.keySender) {
        app.os.keySender->Send(keys, SendWait::NoWait);
    }
}

// Shift+Insert, returning once the target has taken it: the clipboard must not change before
// the target has read it, or it would paste a later clip or one clip twice. The clip went on the
// clipboard on request, so the target's request for it tells when it read it. A paste that
// nobody asked for is sent once more: under Wine a window just brought forward may get the keys
// without their Shift. A target whose reading is not seen (it took nothing, or another program
// had the content first) is not waited for again: its later pastes wait for their keys'
// processing, as far as the key sender can tell.
void SendPasteWaiting(App& app, HandOverWatch& watch) {
    platform::KeySender* keys = app.os.keySender;
    if (!keys) {
        return;
    }
    if (!watch.TargetTakes()) {
        keys->Send("+{INSERT}", SendWait::WaitForProcessing);
        return;
    }
    using Take = HandOverWatch::Take;
    for (int attempt = 0; attempt < 2; ++attempt) {
        watch.Expect();
        keys->Send("+{INSERT}", SendWait::NoWait);
        const Take take = watch.WaitUntilTaken();
        if (take == Take::Taken) {
            return;
        }
        if (take == Take::AnotherAsked) {
            break;  // the target may well have pasted: never twice
        }
    }
    watch.GiveUp();
}

bool PasteStored(App& app, HandOverWatch& watch, ClipKind kind, int n) {
    if (!Loadclipboard(app, kind, n, HandOver::OnRequest)) {
        return false;
    }
    SendPasteWaiting(app, watch);
    return true;
}

// The user text as text, marked like a restored clip so that the monitor does not capture it.
bool PasteText(App& app, HandOverWatch& watch, const std::string& text) {
    if (!OpenClipboardRetrying(app)) {
        return false;
    }
    platform::Clipboard& clipboard = app.os.clipboard;
    const auto fill = [&](std::uint8_t* block) {
        std::copy(text.begin(), text.end(), block);
        block[text.size()] = 0;
        return true;
    };
    if (!clipboard.Empty() || clipboard.WriteOnRequest(platform::Format::Text, text.size() + 1,
                                                       fill) != platform::WriteResult::Written) {
        clipboard.Close();
        return false;
    }
    MarkClipboard(app, 2);
    SendPasteWaiting(app, watch);
    return true;
}

// Clip 0 of group 1 in library 1, whichever library is open.
bool PasteFirstLibraryClip(App& app, HandOverWatch& watch) {
    struct PrefixKept {
        std::string& prefix;
        std::string kept;
        ~PrefixKept() { prefix = std::move(kept); }
    } restore{app.store.GroupDataPrefix,
              std::exchange(app.store.GroupDataPrefix, LibraryFolderOf(app, 1) + "group0.")};
    return PasteStored(app, watch, ClipKind::Hot, 0);
}

// What goes between two items; false when a separator that goes through the clipboard did not
// reach it.
bool PasteSeparator(App& app, HandOverWatch& watch, int separator, const std::string& spacerText) {
    switch (separator) {
        case BulkSeparator::NewLine:
            Send(app, "{ENTER}");
            return true;
        case BulkSeparator::BlankLine:
            Send(app, "{ENTER}");
            Send(app, "{ENTER}");
            return true;
        case BulkSeparator::UserText:
            return PasteText(app, watch, spacerText);
        case BulkSeparator::FirstLibraryClip:
            return PasteFirstLibraryClip(app, watch);
        case BulkSeparator::Tab:
            Send(app, "{TAB}");
            return true;
        case BulkSeparator::Down:
            Send(app, "{DOWN}");
            return true;
        default:
            return true;
    }
}

// The main window gets out of the way, as after a clip click, and the focus returns to the
// window the user works in; false when that window did not come to the front.
bool TurnToTarget(App& app) {
    MainForm& edit = app.MainWindow();
    const bool editorOpen = app.editing.EditorOpen;
    if (edit.WindowState() == forms::WindowState::Normal) {
        HideDropTargets(app);
        if (!editorOpen) {
            HoldFocus(app);
            if (app.settings.CompactLayout == 0) {
                SetLastDisplay(app);
            }
        }
    }
    if (editorOpen) {
        app.os.forms.DoEvents();
        return true;
    }
    return FocusPasteTarget(app);
}

}  // namespace

void BulkSub(App& app) {
    HotKeysResting hotKeys(app);
    forms::TimerPause capture(app.MainWindow().Timer1);

    BulkForm form(app);
    form.Show(forms::ShowMode::Modal);
    if (form.Cancelled()) {
        return;
    }
    if (!TurnToTarget(app)) {
        app.RefusalTones();  // the keys would go to whatever is in front
        return;
    }

    // What the shared files hold now, which other instances may have changed.
    ShowBulkChanges(app);
    ShowHistoryChanges(app);
    const int bulkCount = std::clamp<int>(app.settings.BulkCount, 0, kBulkCacheSize);
    const ClipKind kind = bulkCount > 0 ? ClipKind::Bulk : ClipKind::Clip;
    const int count = bulkCount > 0 ? bulkCount : app.clip.ClipboardClipCount;
    const int separator = app.settings.BulkSpacing;
    HandOverWatch watch(app);
    bool pastedOne = false;
    bool skipped = false;
    for (int i = 0; i < count; ++i) {
        if (IsShortcutFile(app.os.files, ClipDataPath(app, kind, i))) {
            skipped = true;  // no clipboard takes it; the items after it are pasted
            continue;
        }
        const bool pasted =
            (!pastedOne || PasteSeparator(app, watch, separator, form.SpacerText())) &&
            PasteStored(app, watch, kind, i);
        if (!pasted) {
            // The clipboard still holds what was pasted last: pasting on would repeat it.
            app.RefusalTones();
            return;
        }
        pastedOne = true;
    }
    if (skipped) {
        app.RefusalTones();
    }
    if (app.settings.KeepClipboardClips == 0) {
        app.clip.ClearOnNextCapture = true;
    }
}

}  // namespace mirvo
