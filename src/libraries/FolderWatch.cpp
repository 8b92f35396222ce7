#include "libraries/FolderWatch.h"

#include <exception>

#include "app/App.h"
#include "app/FolderSync.h"
#include "app/PasteState.h"
#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "clipboard/BulkCache.h"
#include "clipboard/History.h"
#include "files/DataFile.h"
#include "forms/FormsHost.h"
#include "store/Groups.h"
#include "store/HotKeyWatch.h"
#include "store/Libraries.h"
#include "store/TransferSlots.h"

namespace mirvo {

namespace {

bool HotKeyTitlesChanged(App& app) {
    const files::RecordBaseline& seen = app.store.HotKeyTitles;
    return !seen.paths.empty() && !seen.stored.empty() &&
           files::ReadIfPresent(app.os.files, seen.paths.front(),
                                store::kKeySlotCount * store::kTitleWidth) != seen.stored.front();
}

// Another instance moved the shown library to another number: an empty folder stands at this
// one now, without the names file that every opened library has.
bool LibraryMovedAway(App& app) {
    return !app.os.files.Exists(app.LibraryFolder + store::kGroupNamesFile);
}

// Runs one look; false when it failed (a file held a moment by another program).
template <class Look>
bool Try(Look look) {
    try {
        look();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

void ShowOthersChanges(App& app) {
    if (app.DataFolder.empty() || !app.HasMainWindow() || app.os.forms.DragSource()) {
        return;
    }
    const FolderCounters now = ReadFolderCounters(app);
    FolderSync& folder = app.folder;
    if (now.changes == folder.seen.changes) {
        return;
    }
    const std::uint32_t before = folder.seen.changes;
    folder.seen.changes = now.changes;
    FollowHistoryDrops(app, now);
    // The new library opens as any new one does: its default group names written and shown.
    bool done = Try([&] {
        if (LibraryMovedAway(app)) {
            LoadGroupNames(app);
        }
    });
    done = Try([&] { ShowGroupNameChanges(app); }) && done;
    done = Try([&] { ShowGroupChanges(app); }) && done;
    done = Try([&] { ShowTransferSlotChanges(app); }) && done;
    done = Try([&] { ShowHistoryChanges(app); }) && done;
    done = Try([&] { ShowBulkChanges(app); }) && done;
    done = Try([&] { ShowLibraryChanges(app); }) && done;
    done = Try([&] {
               if (!app.paste.HotKeysOff && HotKeyTitlesChanged(app)) {
                   RegisterHotKeys(app);
               }
           }) &&
           done;
    if (!done) {
        folder.seen.changes = before;  // the next tick looks again
    }
}

}  // namespace mirvo
