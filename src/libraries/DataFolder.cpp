#include "libraries/DataFolder.h"

#include "app/App.h"
#include "app/Modes.h"
#include "app/PasteState.h"
#include "app/StoreLayout.h"
#include "clipboard/BulkCache.h"
#include "clipboard/History.h"
#include "display/Layout.h"
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

    MoveToFirstLibrary(app);
    LabelClipKeys(app);
    LoadGroupNames(app);
    SetGroupDataPrefix(app);

    CreateLibraryList(app);
    ShowLibraryName(app);

    // The clipboard history (kept, or started empty in the "Batch" clearance mode), and the
    // folder's bulk cache.
    LoadClipboardHistory(app);
    LoadBulkCount(app);

    LoadTransferSlots(app);
    LoadGroup(app);
    SetPasteActivationKey(app);
    if (!app.paste.HotKeysOff) {
        RegisterHotKeys(app);
    }
    // Options, colours and the display the settings ask for.
    ApplyStartupDisplay(app);
}

}  // namespace mirvo
