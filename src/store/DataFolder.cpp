#include "store/DataFolder.h"

#include "app/App.h"
#include "clipboard/History.h"
#include "files/Paths.h"

namespace mirvo {

void LoadDataFolder(App& app) {
    if (app.settings.DataOption == 1) {
        app.DataFolder = app.ProgramFolder;
        app.CurrentLibrary = app.settings.CommonLibrary;
    } else {
        app.DataFolder = app.PrivateDataFolder;
        app.CurrentLibrary = app.settings.PrivateLibrary;
    }
    app.LibraryFolder =
        app.DataFolder + "Lib" + std::to_string(app.CurrentLibrary) + files::kPathSeparator;

    // The clipboard history (kept, or started empty in the "Batch" clearance mode).
    LoadClipboardHistory(app);
}

}  // namespace mirvo
