#include "store/Libraries.h"

#include <exception>

#include "app/App.h"
#include "app/FolderSync.h"
#include "app/Settings.h"
#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "files/DataFile.h"
#include "panels/MainForm.h"
#include "panels/PanelColor.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "store/Groups.h"
#include "store/LibraryFiles.h"

namespace mirvo {

using namespace store;

namespace {

int DaysShown(int group) {
    switch (group) {
        case 1:
            return 29;  // February, with its leap day
        case 3:
        case 5:
        case 8:
        case 10:
            return 30;
        default:
            return 31;
    }
}
// The library in use opens again at the next start, at this data location.
void StoreCurrentLibrary(App& app) {
    if (app.settings.DataOption == DataLocation::Private) {
        app.settings.PrivateLibrary = static_cast<std::int16_t>(app.CurrentLibrary);
    } else {
        app.settings.CommonLibrary = static_cast<std::int16_t>(app.CurrentLibrary);
    }
    SaveSettings(app);
}
}  // namespace

std::vector<std::string> DefaultGroupNames(int library) {
    std::vector<std::string> names(kGroupCount);
    names[kHotKeyGroup] = "Hot Key Clips";
    if (library == kAddressBookLibrary) {
        for (int i = 0; i < 15; ++i) {
            names[static_cast<size_t>(i)] = std::string(1, static_cast<char>('A' + i));
        }
        names[15] = " P - Q";
        names[16] = "R";
        names[17] = "S";
        names[18] = "T";
        names[19] = " U - V - W";
        names[20] = " X - Y - Z";
    } else if (library == kDiaryLibrary) {
        static const char* const kMonths[12] = {"January",   "February", "March",    "April",
                                                "May",       "June",     "July",     "August",
                                                "September", "October",  "November", "December"};
        for (size_t m = 0; m < 12; ++m) {
            names[m] = kMonths[m];
        }
    }
    return names;
}

void LabelClipKeys(App& app) {
    ClearKeyLabels(app);
    if (app.settings.CurrentGroup == kHotKeyGroup) {
        // Its clips answer to Alt and a letter, in every library.
        LayoutHotKeyGroup(app);
        return;
    }
    if (app.CurrentLibrary == kDiaryLibrary) {
        const int days = DaysShown(app.settings.CurrentGroup);
        for (int i = 0; i < days; ++i) {
            ShowKeyLabel(app, i, std::to_string(i + 1), " Day of Month ");
        }
        return;
    }
    for (int i = 0; i < kKeySlotCount; ++i) {
        ShowKeyLabel(app, i, std::string(1, static_cast<char>('A' + i)) + ".",
                     " Type this letter to paste ");
    }
}

void ShowLibraryName(App& app) {
    const std::vector<std::string> names = ReadLibraryNames(app);
    const std::string listPath = app.DataFolder + kLibraryListFile;
    app.store.LibraryList = {
        {listPath},
        {files::ReadIfPresent(app.os.files, listPath, kLibraryCount * kLibraryNameWidth)},
        {}};
    const std::string& stored = names[static_cast<size_t>(app.CurrentLibrary - 1)];
    ShowLibraryLabel(app, LibraryDisplayName(app.CurrentLibrary, stored));
}

void ShowLaunchPadState(App& app) {
    ShowLaunchPadButton(app, app.CurrentLibrary == kLaunchPadLibrary);
}

void SwitchLibrary(App& app, int newLibrary) {
    if (newLibrary == app.CurrentLibrary || newLibrary < 1 || newLibrary > kLibraryCount) {
        return;
    }
    if (newLibrary == kLaunchPadLibrary) {
        WriteLastLibrary(app, app.CurrentLibrary, LibraryLabel(app));
    }
    ShowLibrary(app, newLibrary);

    // The list as it is now: a name another instance gave meanwhile stays.
    FolderLock lock(app);
    std::vector<std::string> names = ReadLibraryNames(app);
    std::string& name = names[static_cast<size_t>(newLibrary - 1)];
    name = LibraryDisplayName(newLibrary, name);
    ShowLibraryLabel(app, name);
    names.resize(kUserLibraryCount);
    SaveLibraryList(app, names);
    ShowLibraryName(app);
    StoreCurrentLibrary(app);
}

bool ShowLibraryChanges(App& app) {
    const files::RecordBaseline& seen = app.store.LibraryList;
    if (seen.paths.empty() || seen.stored.empty() ||
        files::ReadIfPresent(app.os.files, seen.paths.front(), kLibraryCount * kLibraryNameWidth) ==
            seen.stored.front()) {
        return false;
    }
    ShowLibraryName(app);
    return true;
}

void ShowLibrary(App& app, int library) {
    WriteLastGroup(app, app.LibraryFolder, app.settings.CurrentGroup);
    const int oldGroup = app.settings.CurrentGroup;
    if (oldGroup >= 0 && oldGroup < kGroupCount) {
        ShowTrueColor(app, kFirstGroupNamePos + oldGroup,
                      static_cast<forms::Color>(app.settings.GroupNameColor));
    }

    app.CurrentLibrary = library;
    app.LibraryFolder = LibraryFolderOf(app, library);
    // A group outside 0..31 is repaired before it names any file.
    if (const std::optional<int> group = ReadLastGroup(app, app.LibraryFolder)) {
        app.settings.CurrentGroup = static_cast<std::int16_t>(*group);
    }
    SetGroupDataPrefix(app);
    MarkCurrentGroupName(app);
    LabelClipKeys(app);
    // Both the names and the clips show the new library, even when the defaults of its new
    // files cannot be written: no later save may put the old library's panels into its folder.
    std::exception_ptr failed;
    try {
        LoadGroupNames(app);
    } catch (...) {
        failed = std::current_exception();
    }
    LoadGroup(app);
    ShowLaunchPadState(app);
    if (failed) {
        std::rethrow_exception(failed);
    }
}

void ReloadCurrentLibrary(App& app) {
    app.LibraryFolder = LibraryFolderOf(app, app.CurrentLibrary);
    SetGroupDataPrefix(app);
    ShowLibraryName(app);
    ShowLaunchPadState(app);
    LabelClipKeys(app);
    LoadGroupNames(app);
    LoadGroup(app);
    StoreCurrentLibrary(app);
}

}  // namespace mirvo
