// Drops on the erase labels, on the bulk-cache label and on the bulk-paste target.

#include "app/App.h"
#include "app/DragState.h"
#include "app/EditContext.h"
#include "app/FolderSync.h"
#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "clipboard/BulkCache.h"
#include "display/DisplayModes.h"
#include "display/Highlight.h"
#include "dragdrop/Dragged.h"
#include "dragdrop/Drops.h"
#include "files/AnsiText.h"
#include "panels/PanelColor.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "paste/BulkPaste.h"
#include "platform/FileSystem.h"
#include "store/GroupFiles.h"
#include "store/Groups.h"

namespace mirvo {

namespace {

// Deletes a group's clips and records; its name goes, and its colour.
void EraseGroup(App& app, int group) {
    DeleteGroupFiles(app, group);
    const bool current = group == app.settings.CurrentGroup;
    if (current) {
        for (int n = 0; n < store::kSlotCount; ++n) {
            const int pos = kFirstGroupClipPos + n;
            ShowTitle(app, pos, "");
            ShowTrueColor(app, pos, static_cast<forms::Color>(app.settings.GroupClipColor));
            app.store.ClipPasteMode[static_cast<size_t>(n)] = store::kPasteModeNotSet;
        }
    }
    const int namePos = kFirstGroupNamePos + group;
    ShowTitle(app, namePos, "");
    WriteGroupNameColor(app, group, 0);
    if (!current) {
        ShowTrueColor(app, namePos, static_cast<forms::Color>(app.settings.GroupNameColor));
    }
    SaveGroupNames(app);
}

// A group clip's title as its group's records hold it, and its data file.
DraggedClip GroupClipForCache(App& app, int group, int slot) {
    DraggedClip clip;
    clip.title = ReadGroupRecord(app, group, slot).title;
    clip.dataFile = GroupClipPath(app, group, slot);
    return clip;
}

void AddGroupToCache(App& app, int group) {
    bool refused = false;
    for (int n = 0; n < store::kSlotCount && app.settings.BulkCount < kBulkCacheSize; ++n) {
        const DraggedClip clip = GroupClipForCache(app, group, n);
        if (!files::TrimRight(clip.title).empty() && app.os.files.Exists(clip.dataFile)) {
            refused = !AppendToBulkCache(app, clip.dataFile, clip.title) || refused;
        }
    }
    if (refused) {
        app.RefusalTones();  // its shortcuts stayed out
    }
}

// A single clip joins the cache; a shortcut is refused.
void AddClipToCache(App& app, const DraggedClip& clip) {
    if (!AppendToBulkCache(app, clip.dataFile, clip.title)) {
        app.RefusalTones();
    }
}

// The dragged clip, or every clip of the dragged group, joins the cache (the folder's lock is
// held, no window shows).
void AddToCache(App& app, const Dragged& dragged) {
    switch (dragged.kind) {
        case SourceKind::GroupName:
            AddGroupToCache(app, dragged.index);
            break;
        case SourceKind::GroupClip:
            AddClipToCache(app, GroupClipForCache(app, app.drag.DragSourceGroup, dragged.index));
            break;
        default:
            AddClipToCache(app, ClipOf(app, dragged));
            break;
    }
}

// Whether a dialog open now edits the dragged clip, or a clip of the dragged group: erasing it
// would leave the dialog to save onto an emptied slot.
bool EditedNow(App& app, const Dragged& dragged) {
    if (dragged.kind == SourceKind::GroupName) {
        return app.editing.IsGroupEdited(dragged.index);
    }
    return (dragged.kind == SourceKind::GroupClip || dragged.kind == SourceKind::TransferSlot) &&
           app.editing.IsEdited(PlaceOf(app, dragged));
}

}  // namespace

void TrashLabel_DragDrop(App& app, forms::Control& source) {
    const Dragged dragged = DraggedFrom(source);
    if (EditedNow(app, dragged)) {
        app.RefusalTones();
        HoldFocus(app);
        return;
    }
    ResetHighlight(app);
    Working busy(app);
    FolderLock lock(app);
    Dragged now = dragged;
    if (!StillThere(app, now)) {
        // Another instance changed or took it since the drag began: what is erased now would
        // not be what was dragged.
        app.RefusalTones();
        HoldFocus(app);
        return;
    }
    switch (dragged.kind) {
        case SourceKind::BulkButton:
            ClearBulkCache(app);
            RefreshModeButtons(app);
            break;
        case SourceKind::TransferSlot:
        case SourceKind::GroupClip:
            EmptySource(app, dragged);
            break;
        case SourceKind::GroupName:
            if (dragged.index != store::kHotKeyGroup) {
                EraseGroup(app, dragged.index);
                RefreshModeButtons(app);
            }
            break;
        default:
            break;  // clipboard clips are not erased by a drop
    }
    HoldFocus(app);
}

void BulkDrop_DragDrop(App& app, forms::Control& source) {
    const Dragged dragged = DraggedFrom(source);
    if (dragged.kind == SourceKind::None || dragged.kind == SourceKind::BulkButton) {
        return;
    }
    // Full, or a transfer slot that refers to a whole group and holds no clip.
    if (app.settings.BulkCount >= kBulkCacheSize ||
        (dragged.kind == SourceKind::TransferSlot &&
         app.store.TransSource[static_cast<size_t>(dragged.index)] != -1)) {
        app.RefusalTones();
        return;
    }
    Working busy(app);
    bool filled = false;
    {
        FolderLock lock(app);
        ShowBulkChanges(app);
        Dragged now = dragged;
        if (!StillThere(app, now)) {
            app.RefusalTones();
            return;
        }
        const bool full = app.settings.BulkCount >= kBulkCacheSize;
        AddToCache(app, now);
        filled = !full && app.settings.BulkCount >= kBulkCacheSize;
    }
    RefreshModeButtons(app);
    if (filled) {
        AnnounceFullBulkCache(app);
    }
}

void BulkPaste_DragDrop(App& app, forms::Control& source) {
    if (DraggedFrom(source).kind == SourceKind::BulkButton) {
        BulkSub(app);
    }
}

}  // namespace mirvo
