#include "dragdrop/Dragged.h"

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/DragState.h"
#include "app/EditContext.h"
#include "app/FolderSync.h"
#include "app/Modes.h"
#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "clipboard/BulkCache.h"
#include "clipboard/History.h"
#include "clipboard/Restore.h"
#include "files/AnsiText.h"
#include "files/DataFile.h"
#include "forms/Control.h"
#include "panels/MainForm.h"
#include "panels/PanelColor.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "store/GroupFiles.h"
#include "store/Groups.h"
#include "store/HotKeyWatch.h"
#include "store/RecordCodec.h"
#include "store/TransferSlots.h"

namespace mirvo {

namespace {

std::int32_t StoredColorOf(App& app, int group, int slot) {
    const files::Bytes colors =
        files::ReadIfPresent(app.os.files, GroupColorsPath(app, group), store::kSlotCount * 4);
    return store::DecodeLongs(colors, store::kSlotCount)[static_cast<size_t>(slot)];
}

void EmptyGroupClip(App& app, int group, int slot) {
    FolderLock lock(app);
    if (group == app.settings.CurrentGroup) {
        const int pos = kFirstGroupClipPos + slot;
        ShowTitle(app, pos, "");
        ShowTrueColor(app, pos, static_cast<forms::Color>(app.settings.GroupClipColor));
        app.store.ClipPasteMode[static_cast<size_t>(slot)] = store::kPasteModeNotSet;
        SaveGroup(app);
    } else {
        ClearGroupRecord(app, group, slot);
    }
    files::DeleteDataFile(app.os.files, GroupClipPath(app, group, slot));
    if (group == store::kHotKeyGroup) {
        UnwatchHotKeyLetter(app, slot);
    }
}

}  // namespace

Dragged DraggedFrom(const forms::Control& source) {
    const std::string& tag = source.Tag();
    Dragged dragged{SourceKind::None, source.Index()};
    if (tag == "temp") {
        dragged.kind = SourceKind::ClipboardClip;
    } else if (tag == "alt") {
        dragged.kind = SourceKind::GroupClip;
    } else if (tag == "trans") {
        dragged.kind = SourceKind::TransferSlot;
    } else if (tag == "group") {
        dragged.kind = SourceKind::GroupName;
    } else if (tag == "bulk") {
        dragged.kind = SourceKind::BulkButton;
    }
    return dragged;
}

DraggedClip ClipOf(App& app, const Dragged& dragged) {
    DraggedClip clip;
    const int n = dragged.index;
    switch (dragged.kind) {
        case SourceKind::ClipboardClip:
            clip.title = PanelTitle(app, kFirstClipboardClipPos + n);
            clip.dataFile = ClipDataPath(app, ClipKind::Clip, n);
            break;
        case SourceKind::TransferSlot: {
            const int pos = kFirstTransferSlotPos + n;
            clip.title = PanelTitle(app, pos);
            clip.pasteMode = app.store.TransPasteMode[static_cast<size_t>(n)];
            clip.color = StoredColor(TrueColor(app, pos), app.settings.TransferSlotColor);
            clip.dataFile = ClipDataPath(app, ClipKind::Trans, n);
            break;
        }
        case SourceKind::GroupClip: {
            const int group = app.drag.DragSourceGroup;
            if (group == app.settings.CurrentGroup) {
                const int pos = kFirstGroupClipPos + n;
                clip.title = PanelTitle(app, pos);
                clip.pasteMode = app.store.ClipPasteMode[static_cast<size_t>(n)];
                clip.color = StoredColor(TrueColor(app, pos), app.settings.GroupClipColor);
            } else {
                const GroupRecord record = ReadGroupRecord(app, group, n);
                clip.title = record.title;
                clip.pasteMode = record.pasteMode;
                clip.color = StoredColorOf(app, group, n);
            }
            clip.dataFile = GroupClipPath(app, group, n);
            break;
        }
        default:
            break;
    }
    return clip;
}

bool StillThere(App& app, Dragged& dragged) {
    const std::string& title = app.drag.DraggedTitle;
    const int n = dragged.index;
    switch (dragged.kind) {
        case SourceKind::ClipboardClip: {
            const std::uint32_t dropped =
                app.folder.held.historyDropped - app.folder.seen.historyDropped;
            FollowHistoryDrops(app, app.folder.held);
            ShowHistoryChanges(app);
            if (dropped > static_cast<std::uint32_t>(n)) {
                return false;  // it left the history
            }
            dragged.index = n - static_cast<int>(dropped);
            return dragged.index < app.clip.ClipboardClipCount &&
                   files::TrimRight(PanelTitle(app, kFirstClipboardClipPos + dragged.index)) ==
                       title;
        }
        case SourceKind::GroupClip:
            if (app.drag.DragSourceGroup == app.settings.CurrentGroup) {
                ShowGroupChanges(app);
                return files::TrimRight(PanelTitle(app, kFirstGroupClipPos + n)) == title;
            }
            return ReadGroupRecord(app, app.drag.DragSourceGroup, n).title == title;
        case SourceKind::TransferSlot:
            ShowTransferSlotChanges(app);
            return files::TrimRight(PanelTitle(app, kFirstTransferSlotPos + n)) == title;
        case SourceKind::GroupName:
            ShowGroupNameChanges(app);
            return files::TrimRight(PanelTitle(app, kFirstGroupNamePos + n)) == title;
        case SourceKind::BulkButton:
            ShowBulkChanges(app);
            return app.settings.BulkCount > 0;
        default:
            return false;
    }
}

ClipPlace PlaceOf(App& app, const Dragged& dragged) {
    switch (dragged.kind) {
        case SourceKind::ClipboardClip:
            return {ClipSource::ClipboardClip, dragged.index, 0};
        case SourceKind::GroupClip:
            return {ClipSource::GroupClip, dragged.index, app.drag.DragSourceGroup};
        case SourceKind::TransferSlot:
            return {ClipSource::TransferSlot, dragged.index, 0};
        default:
            return {};
    }
}

void EmptySource(App& app, const Dragged& dragged) {
    const int n = dragged.index;
    if (dragged.kind == SourceKind::GroupClip) {
        EmptyGroupClip(app, app.drag.DragSourceGroup, n);
    } else if (dragged.kind == SourceKind::TransferSlot) {
        FolderLock lock(app);
        // The record goes first and its data after, as a group clip's do: a save the disk
        // refuses leaves the slot as it was.
        const int pos = kFirstTransferSlotPos + n;
        ShowTitle(app, pos, "");
        ShowTrueColor(app, pos, static_cast<forms::Color>(app.settings.TransferSlotColor));
        StoreState& store = app.store;
        store.TransPasteMode[static_cast<size_t>(n)] = store::kPasteModeNotSet;
        store.TransSource[static_cast<size_t>(n)] = -1;
        store.TransSourceFolder[static_cast<size_t>(n)].clear();
        SaveTransferSlots(app);
        files::DeleteDataFile(app.os.files, ClipDataPath(app, ClipKind::Trans, n));
    }
}

Working::Working(App& app) : m_app(app) {
    m_app.MainWindow().SetPointer(forms::MousePointer::Hourglass);
}

Working::~Working() {
    m_app.MainWindow().SetPointer(forms::MousePointer::Default);
}

}  // namespace mirvo
