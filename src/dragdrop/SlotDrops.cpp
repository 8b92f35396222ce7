// Drops on a group clip slot and on a transfer slot.

#include "app/App.h"
#include "app/DragState.h"
#include "app/EditContext.h"
#include "app/FolderSync.h"
#include "app/Modes.h"
#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "clipboard/Restore.h"
#include "dialogs/ClipEditor.h"
#include "display/Highlight.h"
#include "dragdrop/Dragged.h"
#include "dragdrop/Drops.h"
#include "files/AnsiText.h"
#include "files/DataFile.h"
#include "launchpad/ShortcutEditor.h"
#include "panels/PanelColor.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "store/GroupFiles.h"
#include "store/Groups.h"
#include "store/HotKeyWatch.h"
#include "store/TransferSlots.h"

namespace mirvo {

namespace {

// A clip dropped from the clipboard history is titled in the clip settings. Until then its slot
// carries the clip's own title, in the files too: another instance sharing the folder takes the
// slot for filled and drops nothing there while the settings are open.
void HoldSlotForSettings(App& app, int slot, const std::string& title) {
    const int pos = kFirstGroupClipPos + slot;
    ShowTitle(app, pos, title);
    ShowTrueColor(app, pos, static_cast<forms::Color>(app.settings.GroupClipColor));
    app.store.ClipPasteMode[static_cast<size_t>(slot)] = store::kPasteModeNotSet;
    SaveGroup(app);
}

// The settings closed without storing: the slot is empty again, as it was before the drop,
// unless another instance changed it meanwhile.
void ReleaseSlotHeld(App& app, int group, int slot, const std::string& title) {
    FolderLock lock(app);
    if (group != app.settings.CurrentGroup) {
        return;
    }
    ShowGroupChanges(app);
    const int pos = kFirstGroupClipPos + slot;
    if (files::TrimRight(PanelTitle(app, pos)) != title ||
        app.store.ClipPasteMode[static_cast<size_t>(slot)] != store::kPasteModeNotSet) {
        return;
    }
    ShowTitle(app, pos, "");
    SaveGroup(app);
}

bool Occupied(App& app, int pos) {
    return !files::TrimRight(PanelTitle(app, pos)).empty();
}

// A transfer slot that refers to a whole group holds no clip: only a group name takes it.
bool IsGroupReference(App& app, const Dragged& dragged) {
    return dragged.kind == SourceKind::TransferSlot &&
           app.store.TransSource[static_cast<size_t>(dragged.index)] != -1;
}

forms::Color ShownColor(std::int32_t stored, std::int32_t defaultColor) {
    return static_cast<forms::Color>(stored != 0 ? stored : defaultColor);
}

// The group a clip is dropped into carries a name from now on.
void NameUnnamedGroup(App& app) {
    const int namePos = kFirstGroupNamePos + app.settings.CurrentGroup;
    if (files::TrimRight(PanelTitle(app, namePos)).empty()) {
        ShowTitle(app, namePos, "Right click to enter title");
        SaveGroupNames(app);
    }
}

// An empty slot open in a clip dialog is that dialog's to fill: what is dropped there would be
// overwritten by its save. Refused with the two tones.
bool RefusedForItsEditor(App& app, const ClipPlace& target) {
    if (!app.editing.IsEdited(target)) {
        return false;
    }
    app.RefusalTones();
    return true;
}

}  // namespace

void item_DragDrop(App& app, int slot, forms::Control& source) {
    const Dragged dragged = DraggedFrom(source);
    const int group = app.settings.CurrentGroup;
    const int pos = kFirstGroupClipPos + slot;
    if (Occupied(app, pos) || IsGroupReference(app, dragged) ||
        (dragged.kind != SourceKind::ClipboardClip && dragged.kind != SourceKind::GroupClip &&
         dragged.kind != SourceKind::TransferSlot) ||
        (dragged.kind == SourceKind::GroupClip && dragged.index == slot &&
         app.drag.DragSourceGroup == group)) {
        return;
    }
    if (RefusedForItsEditor(app, {ClipSource::GroupClip, slot, group})) {
        return;
    }
    ResetHighlight(app);
    if (dragged.kind == SourceKind::ClipboardClip &&
        app.CurrentLibrary == store::kLaunchPadLibrary) {
        OpenShortcutFromClipboardClip(app, dragged.index, slot);
        return;
    }
    Working busy(app);
    std::string titled;  // the clip to title in the clip settings, when one came from the history
    {
        FolderLock lock(app);
        // The files decide: a slot another instance filled a moment ago is filled.
        ShowGroupChanges(app);
        ShowGroupNameChanges(app);
        if (Occupied(app, pos)) {
            return;
        }
        Dragged now = dragged;
        if (!StillThere(app, now)) {
            app.RefusalTones();  // another instance moved, changed or emptied it
            return;
        }
        NameUnnamedGroup(app);
        const DraggedClip clip = ClipOf(app, now);
        // The copy comes first: when it fails, neither end has changed.
        files::CopyDataFile(app.os.files, clip.dataFile, GroupClipPath(app, group, slot));
        if (now.kind == SourceKind::ClipboardClip) {
            titled = files::TrimRight(clip.title);
            HoldSlotForSettings(app, slot, titled);
        } else {
            ShowTitle(app, pos, clip.title);
            ShowTrueColor(app, pos, ShownColor(clip.color, app.settings.GroupClipColor));
            app.store.ClipPasteMode[static_cast<size_t>(slot)] = clip.pasteMode;
            SaveGroup(app);
            if (group == store::kHotKeyGroup) {
                WatchHotKeyLetter(app, slot);
            }
            if (!app.drag.DragWithRight) {
                EmptySource(app, now);
                // A dialog editing the clip saves it where it went.
                app.editing.ClipMoved(PlaceOf(app, now), {ClipSource::GroupClip, slot, group});
            }
            return;
        }
    }
    // The settings are a dialog: the lock is let go before they open.
    if (!OpenClipSettings(app, slot, titled)) {
        ReleaseSlotHeld(app, group, slot, titled);
    }
}

void Trans_DragDrop(App& app, int slot, forms::Control& source) {
    const Dragged dragged = DraggedFrom(source);
    const int pos = kFirstTransferSlotPos + slot;
    if (Occupied(app, pos) || IsGroupReference(app, dragged) || dragged.kind == SourceKind::None ||
        dragged.kind == SourceKind::BulkButton ||
        RefusedForItsEditor(app, {ClipSource::TransferSlot, slot, 0})) {
        return;
    }
    ResetHighlight(app);
    Working busy(app);
    FolderLock lock(app);
    // The files decide: a slot another instance filled a moment ago is filled.
    ShowTransferSlotChanges(app);
    if (Occupied(app, pos)) {
        return;
    }
    Dragged now = dragged;
    if (!StillThere(app, now)) {
        app.RefusalTones();
        return;
    }
    StoreState& store = app.store;
    const auto k = static_cast<size_t>(slot);
    if (now.kind == SourceKind::GroupName) {
        // A reference to the whole group, to carry it to another library.
        store.TransSourceFolder[k] = app.LibraryFolder;
        store.TransSource[k] = static_cast<std::int16_t>(now.index);
        ShowTitle(app, pos, PanelTitle(app, kFirstGroupNamePos + now.index));
        SaveTransferSlots(app);
        return;
    }
    const DraggedClip clip = ClipOf(app, now);
    files::CopyDataFile(app.os.files, clip.dataFile, ClipDataPath(app, ClipKind::Trans, slot));
    store.TransSourceFolder[k].clear();
    store.TransSource[k] = -1;
    ShowTitle(app, pos, clip.title);
    ShowTrueColor(app, pos, ShownColor(clip.color, app.settings.TransferSlotColor));
    store.TransPasteMode[k] = clip.pasteMode;
    // The slot is saved before its source goes: a save the disk refuses loses no clip.
    SaveTransferSlots(app);
    if (now.kind != SourceKind::ClipboardClip && !app.drag.DragWithRight) {
        EmptySource(app, now);
        app.editing.ClipMoved(PlaceOf(app, now), {ClipSource::TransferSlot, slot, 0});
    }
}

}  // namespace mirvo
