// Drops on a group clip slot and on a transfer slot.

#include "app/App.h"
#include "app/DragState.h"
#include "app/EditContext.h"
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
    NameUnnamedGroup(app);
    const DraggedClip clip = ClipOf(app, dragged);
    // The copy comes first: when it fails, neither end has changed.
    files::CopyDataFile(app.os.files, clip.dataFile, GroupClipPath(app, group, slot));
    if (dragged.kind == SourceKind::ClipboardClip) {
        OpenClipSettings(app, slot, files::TrimRight(clip.title));
    } else {
        ShowTitle(app, pos, clip.title);
        ShowTrueColor(app, pos, ShownColor(clip.color, app.settings.GroupClipColor));
        app.store.ClipPasteMode[static_cast<size_t>(slot)] = clip.pasteMode;
        SaveGroup(app);
        if (group == store::kHotKeyGroup) {
            WatchHotKeyLetter(app, slot);
        }
        if (!app.drag.DragWithRight) {
            EmptySource(app, dragged);
            // A dialog editing the clip saves it where it went.
            app.editing.ClipMoved(PlaceOf(app, dragged), {ClipSource::GroupClip, slot, group});
        }
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
    StoreState& store = app.store;
    const auto k = static_cast<size_t>(slot);
    if (dragged.kind == SourceKind::GroupName) {
        // A reference to the whole group, to carry it to another library.
        store.TransSourceFolder[k] = app.LibraryFolder;
        store.TransSource[k] = static_cast<std::int16_t>(dragged.index);
        ShowTitle(app, pos, PanelTitle(app, kFirstGroupNamePos + dragged.index));
        SaveTransferSlots(app);
        return;
    }
    const DraggedClip clip = ClipOf(app, dragged);
    files::CopyDataFile(app.os.files, clip.dataFile, ClipDataPath(app, ClipKind::Trans, slot));
    store.TransSourceFolder[k].clear();
    store.TransSource[k] = -1;
    ShowTitle(app, pos, clip.title);
    ShowTrueColor(app, pos, ShownColor(clip.color, app.settings.TransferSlotColor));
    store.TransPasteMode[k] = clip.pasteMode;
    // The slot is saved before its source goes: a save the disk refuses loses no clip.
    SaveTransferSlots(app);
    if (dragged.kind != SourceKind::ClipboardClip && !app.drag.DragWithRight) {
        EmptySource(app, dragged);
        app.editing.ClipMoved(PlaceOf(app, dragged), {ClipSource::TransferSlot, slot, 0});
    }
}

}  // namespace mirvo
