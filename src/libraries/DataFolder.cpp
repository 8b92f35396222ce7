#include "libraries/DataFolder.h"

#include <exception>

#include "app/App.h"
#include "app/FolderSync.h"
#include "app/Modes.h"
#include "app/PasteState.h"
#include "app/StoreLayout.h"
#include "clipboard/BulkCache.h"
#include "clipboard/History.h"
#include "display/Layout.h"
#include "platform/FileSystem.h"
#include "store/FirstLibrary.h"
#include "store/Groups.h"
#include "store/HotKeyWatch.h"
#include "store/Libraries.h"
#include "store/LibraryFiles.h"
#include "store/TransferSlots.h"

namespace mirvo {

void LoadDataFolder(App& app) {
    if (app.settings.DataOption == DataLocation::Common) {
        app.DataFolder = app.ProgramFolder;
        app.CurrentLibrary = app.settings.CommonLibrary;
    } else {
        app.DataFolder = app.PrivateDataFolder;
        app.CurrentLibrary = app.settings.PrivateLibrary;
    }
    if (app.CurrentLibrary < 1 || app.CurrentLibrary > store::kLibraryCount) {
        app.CurrentLibrary = 1;
    }
    app.LibraryFolder = LibraryFolderOf(app, app.CurrentLibrary);
    // What the folder holds from now on is loaded: only later changes of other instances show.
    NoteFolderSeen(app);

    // Every part shows the new folder even when the disk refuses what an earlier part writes:
    // no later save may put what the window showed of the old folder into the new one. The
    // first such failure ends the load once all is shown.
    std::exception_ptr failed;
    auto part = [&](void (*load)(App&)) {
        try {
            load(app);
        } catch (const platform::FileError&) {
            if (!failed) {
                failed = std::current_exception();
            }
        }
    };
    part(MoveToFirstLibrary);
    LabelClipKeys(app);
    part(LoadGroupNames);
    SetGroupDataPrefix(app);

    part(CreateLibraryList);
    part(ShowLibraryName);
    ShowLaunchPadState(app);

    // The clipboard history (kept, or started empty in the "Batch" clearance mode), and the
    // folder's bulk cache.
    part(LoadClipboardHistory);
    part(LoadBulkCount);

    part(LoadTransferSlots);
    part(LoadGroup);
    SetPasteActivationKey(app);
    if (!app.paste.HotKeysOff) {
        RegisterHotKeys(app);
    }
    // Options, colours and the display the settings ask for.
    part(ApplyStartupDisplay);
    if (failed) {
        std::rethrow_exception(failed);
    }
}

}  // namespace mirvo
