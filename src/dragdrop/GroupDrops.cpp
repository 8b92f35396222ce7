// Passing over and dropping on a group name: whole groups are moved, copied, carried from
// another library, or made from the bulk cache.

#include <algorithm>
#include <vector>

#include "app/App.h"
#include "app/DisplayState.h"
#include "app/DragState.h"
#include "app/EditContext.h"
#include "app/FolderSync.h"
#include "app/Modes.h"
#include "app/Settings.h"
#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "clipboard/BulkCache.h"
#include "display/DisplayModes.h"
#include "display/PanelMouse.h"
#include "dragdrop/Dragged.h"
#include "dragdrop/Drops.h"
#include "files/DataFile.h"
#include "forms/Types.h"
#include "panels/PanelColor.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "platform/FileSystem.h"
#include "store/GroupFiles.h"
#include "store/Groups.h"
#include "store/StoreColors.h"
#include "store/TransferSlots.h"

namespace mirvo {

namespace {

constexpr const char* kBulkGroupName = "Bulk Captures";

int NamePos(int group) {
    return kFirstGroupNamePos + group;
}

// Group g onto the empty group t of this library; a move empties g.
void DropGroup(App& app, int from, int to) {
    CopyGroupFiles(app, app.LibraryFolder, from, to);
    ShowTitle(app, NamePos(to), PanelTitle(app, NamePos(from)));
    SaveGroupNames(app);
    WriteGroupNameColor(app, to, ReadGroupNameColors(app)[static_cast<size_t>(from)]);
    if (!app.drag.DragWithRight) {
        WriteGroupNameColor(app, from, 0);
        if (from != app.settings.CurrentGroup) {
            ShowTrueColor(app, NamePos(from),
                          static_cast<forms::Color>(app.settings.GroupNameColor));
        }
        DeleteGroupFiles(app, from);
        ShowTitle(app, NamePos(from), "");
        SaveGroupNames(app);
        app.editing.GroupMoved(from, to);
    }
    SelectGroup(app, to);
}

// The group a transfer slot refers to, from whatever library, becomes group t here.
void DropCarriedGroup(App& app, int slot, int to) {
    StoreState& store = app.store;
    const auto k = static_cast<size_t>(slot);
    const std::string folder = store.TransSourceFolder[k];
    const int from = store.TransSource[k];
    if (folder == app.LibraryFolder && from == to) {
        return;
    }
    CopyGroupFiles(app, folder, from, to);
    const int slotPos = kFirstTransferSlotPos + slot;
    ShowTitle(app, NamePos(to), PanelTitle(app, slotPos));
    SaveGroupNames(app);
    WriteGroupNameColor(app, to, 0);
    ShowTitle(app, slotPos, "");
    store.TransSource[k] = -1;
    store.TransSourceFolder[k].clear();
    store.TransPasteMode[k] = store::kPasteModeNotSet;
    SaveTransferSlots(app);
    SelectGroup(app, to);
}

// The bulk cache becomes group t, its items moved into the first slots.
void DropBulkCache(App& app, int to) {
    SelectGroup(app, to);
    const std::vector<std::string> titles = ReadBulkTitles(app);
    const int count = std::min(static_cast<int>(titles.size()), store::kSlotCount);
    const auto item = [&](int n) { return app.DataFolder + "bulk." + std::to_string(n); };
    for (int n = 0; n < count; ++n) {
        const int pos = kFirstGroupClipPos + n;
        files::MoveDataFile(app.os.files, item(n), GroupClipPath(app, to, n));
        // A blank title would leave the item in a slot that shows empty: it stays a clip.
        const std::string& title = titles[static_cast<size_t>(n)];
        ShowTitle(app, pos, title.empty() ? "Untitled" : title);
        ShowTrueColor(app, pos, static_cast<forms::Color>(app.settings.GroupClipColor));
        app.store.ClipPasteMode[static_cast<size_t>(n)] = store::kPasteModeNotSet;
    }
    try {
        SaveGroup(app);
    } catch (const platform::FileError&) {
        // The group could not take the items (a full disk): they go back to the cache, and
        // the group shows what its files hold.
        for (int n = 0; n < count; ++n) {
            files::MoveDataFile(app.os.files, GroupClipPath(app, to, n), item(n));
        }
        LoadGroup(app);
        throw;
    }
    files::DeleteDataFile(app.os.files, app.DataFolder + "bulk.dat");
    app.settings.BulkCount = 0;
    SaveSettings(app);
    RefreshModeButtons(app);
    ShowTitle(app, NamePos(to), kBulkGroupName);
    SaveGroupNames(app);
}

}  // namespace

void Group_DragOver(App& app, int group, forms::Control& source) {
    const SourceKind kind = DraggedFrom(source).kind;
    if (kind == SourceKind::GroupName || kind == SourceKind::BulkButton ||
        kind == SourceKind::None) {
        return;
    }
    app.display.ClickButton = static_cast<int>(forms::MouseButton::Left);
    Group_Click(app, group);
}

void Group_DragDrop(App& app, int group, forms::Control& source) {
    const Dragged dragged = DraggedFrom(source);
    if (group == store::kHotKeyGroup) {
        return;
    }
    // The files decide: a group another instance named or filled a moment ago is not empty.
    FolderLock lock(app);
    ShowGroupNameChanges(app);
    // An unnamed group may still hold clips: only a group without name and titles is empty.
    if (!GroupIsEmpty(app, group)) {
        return;
    }
    const bool groupMoves = dragged.kind == SourceKind::GroupName && dragged.index != group &&
                            dragged.index != store::kHotKeyGroup;
    // A slot holding a clip of its own is no group: the drop is ignored, the clip kept.
    const bool groupCarried = dragged.kind == SourceKind::TransferSlot &&
                              app.store.TransSource[static_cast<size_t>(dragged.index)] != -1;
    const bool cacheEmptied = dragged.kind == SourceKind::BulkButton && app.settings.BulkCount > 0;
    if (!groupMoves && !groupCarried && !cacheEmptied) {
        return;  // clips: passing over the name opened the group, they drop on a slot
    }
    // An empty slot of the group open in a clip dialog is that dialog's to fill; a transfer slot
    // open in one would be emptied under it.
    if (app.editing.IsGroupEdited(group) ||
        (groupCarried && app.editing.IsEdited({ClipSource::TransferSlot, dragged.index, 0}))) {
        app.RefusalTones();
        return;
    }
    Dragged now = dragged;
    if (!StillThere(app, now)) {
        app.RefusalTones();
        return;
    }
    Working busy(app);
    if (groupMoves) {
        DropGroup(app, dragged.index, group);
    } else if (groupCarried) {
        DropCarriedGroup(app, dragged.index, group);
    } else {
        DropBulkCache(app, group);
    }
}

}  // namespace mirvo
