#include "store/EditedClip.h"

#include <string>

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/EditContext.h"
#include "app/FolderSync.h"
#include "app/Modes.h"
#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "clipboard/ClipDataFile.h"
#include "clipboard/History.h"
#include "clipboard/Markers.h"
#include "clipboard/Restore.h"
#include "files/DataFile.h"
#include "panels/PanelColor.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "platform/Clipboard.h"
#include "store/Groups.h"
#include "store/HotKeyWatch.h"
#include "store/TransferSlots.h"

namespace mirvo {

using namespace store;

namespace {

// Closes the clipboard whatever happens while it is open.
class OpenClipboard {
public:
    explicit OpenClipboard(App& app) : m_clipboard(app.os.clipboard) {}
    ~OpenClipboard() { m_clipboard.Close(); }
    OpenClipboard(const OpenClipboard&) = delete;
    OpenClipboard& operator=(const OpenClipboard&) = delete;

private:
    platform::Clipboard& m_clipboard;
};

// The edited text goes to the clipboard; the monitor then captures it as the newest clipboard
// clip under the edited title.
void PutEditedTextOnClipboard(App& app) {
    if (!OpenClipboardRetrying(app)) {
        app.RefusalTones();
        return;
    }
    bool placed = false;
    {
        OpenClipboard open(app);
        std::vector<std::uint8_t> text(app.clip.ClipText.begin(), app.clip.ClipText.end());
        text.push_back(0);
        placed = app.os.clipboard.Empty() && app.os.clipboard.SetData(platform::Format::Text, text);
    }
    if (!placed) {
        app.RefusalTones();
        return;
    }
    app.clip.TitlePending = true;
    app.clip.PendingTitle = app.ansi.Fixed(app.clip.PendingTitle, kTitleWidth);
    app.clip.PendingText = app.clip.ClipText;
}

void SaveClipboardClip(App& app, const EditContext& edit) {
    {
        // The history is the file's: another instance's captures may have moved the clip on
        // (the context follows it) or out.
        FolderLock lock(app);
        FollowHistoryDrops(app, app.folder.held);
        ShowHistoryChanges(app);
        const int index = edit.EditIndex;
        if (!edit.EditTextChanged && index != kLeftHistory) {
            if (IsClipboardClipPos(kFirstClipboardClipPos + index) &&
                index < app.clip.ClipboardClipCount) {
                ShowTitle(app, kFirstClipboardClipPos + index,
                          files::TrimRight(app.clip.PendingTitle));
                // The new title outlives the run like every other title.
                SaveClipboardHistory(app);
            }
            return;
        }
    }
    // A clip that left the history is saved as a new one, as a changed text is.
    PutEditedTextOnClipboard(app);
}

// The label takes the edited title and colour (the panel's default when none was chosen). While
// the highlight is on it, the colour becomes the one the highlight gives back, and only then: any
// other highlighted label keeps its own.
void ApplyEdit(App& app, const EditContext& edit, int pos, std::int32_t defaultColor) {
    const std::int32_t chosen = edit.EditColor;
    ShowTitle(app, pos, files::TrimRight(app.clip.PendingTitle));
    ShowTrueColor(app, pos, static_cast<forms::Color>(chosen != 0 ? chosen : defaultColor));
}

void WriteEditedText(App& app, const EditContext& edit, const std::string& dataFile) {
    if (edit.EditTextChanged) {
        files::ReplaceDataFile(app.os.files, dataFile, TextClipBytes(app.clip.ClipText));
    }
}

void SaveGroupClip(App& app, const EditContext& edit) {
    if (edit.EditIndex < 0 || edit.EditIndex >= kSlotCount || edit.EditGroup < 0 ||
        edit.EditGroup >= kGroupCount) {
        return;
    }
    FolderLock lock(app);
    if (edit.EditGroup != app.settings.CurrentGroup) {
        SelectGroup(app, edit.EditGroup);
    }
    ApplyEdit(app, edit, kFirstGroupClipPos + edit.EditIndex, app.settings.GroupClipColor);
    app.store.ClipPasteMode[static_cast<size_t>(edit.EditIndex)] = edit.EditPasteMode;
    SaveGroup(app);
    WriteEditedText(app, edit, app.store.GroupDataPrefix + std::to_string(edit.EditIndex));
    if (app.settings.CurrentGroup == kHotKeyGroup) {
        WatchHotKeyLetter(app, edit.EditIndex);
    }
}

void SaveTransferSlot(App& app, const EditContext& edit) {
    if (edit.EditIndex < 0 || edit.EditIndex >= kTransferSlotCount) {
        return;
    }
    FolderLock lock(app);
    ApplyEdit(app, edit, kFirstTransferSlotPos + edit.EditIndex, app.settings.TransferSlotColor);
    app.store.TransPasteMode[static_cast<size_t>(edit.EditIndex)] = edit.EditPasteMode;
    SaveTransferSlots(app);
    WriteEditedText(app, edit, ClipDataPath(app, ClipKind::Trans, edit.EditIndex));
}

}  // namespace

bool EditedClipEmptied(App& app, const EditContext& edit) {
    if (edit.EditSource == ClipSource::GroupClip && edit.EditGroup >= 0 &&
        edit.EditGroup < kGroupCount) {
        return !app.os.files.Exists(GroupDataPrefixOf(app, edit.EditGroup) +
                                    std::to_string(edit.EditIndex));
    }
    if (edit.EditSource == ClipSource::TransferSlot) {
        return !app.os.files.Exists(ClipDataPath(app, ClipKind::Trans, edit.EditIndex));
    }
    return false;
}

void SaveEditedClip(App& app, const EditContext& edit) {
    switch (edit.EditSource) {
        case ClipSource::ClipboardClip:
            SaveClipboardClip(app, edit);
            break;
        case ClipSource::GroupClip:
            SaveGroupClip(app, edit);
            break;
        case ClipSource::TransferSlot:
            SaveTransferSlot(app, edit);
            break;
        default:
            break;
    }
}

}  // namespace mirvo
