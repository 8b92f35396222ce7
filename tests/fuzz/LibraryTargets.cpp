// The library list "Lib.dat", "Last.Lib" and a library's "Last.grp".

#include "app/App.h"
#include "app/StoreLayout.h"
#include "fuzz/FuzzProgram.h"
#include "fuzz/FuzzTargets.h"
#include "mainwindow/Edit.h"
#include "store/Libraries.h"
#include "store/LibraryFiles.h"
#include "store/RecordCodec.h"

namespace mirvo::fuzz {

using namespace store;

namespace {

std::string ListFile(const App& app) {
    return app.DataFolder + kLibraryListFile;
}
std::string LastLibraryFile(const App& app) {
    return app.DataFolder + kLastLibraryFile;
}
std::string LastGroupFile(const App& app) {
    return app.LibraryFolder + kLastGroupFile;
}

void RequireLibraryName(const std::string& name) {
    Require(!name.empty(), "a library without a name to show");
    RequireTitle(name, kLibraryNameWidth, "library name");
}

void ReadList(FuzzProgram& program, const files::Bytes& input) {
    App& app = program.app();
    CreateLibraryList(app);
    ShowLibraryName(app);
    RequireLibraryName(app.MainWindow().controlPanel.LibLabel.Caption());
    const std::vector<std::string> names = ReadLibraryNames(app);
    Require(names.size() == static_cast<size_t>(kLibraryCount), "not one name per library");
    for (int n = 1; n <= kLibraryCount; ++n) {
        RequireLibraryName(LibraryDisplayName(n, names[static_cast<size_t>(n - 1)]));
    }
    program.RequireKeptOrDefault(ListFile(app), input, DefaultLibraryList());
}

void ReadLastLibraryFile(FuzzProgram& program, const files::Bytes& input) {
    const LastLibrary last = ReadLastLibrary(program.app());
    // The Launch Pad is never the library to return to.
    Require(last.library >= 1 && last.library < kLaunchPadLibrary, "no library to return to");
    RequireLibraryName(last.name);
    Require(program.Read(LastLibraryFile(program.app())) == input, "reading Last.Lib changed it");
}

void ReadLastGroupFile(FuzzProgram& program, const files::Bytes& input) {
    App& app = program.app();
    const std::optional<int> group = ReadLastGroup(app, app.LibraryFolder);
    Require(group.has_value() && *group >= 0 && *group < kGroupCount, "no group to show");
    Require(program.Read(LastGroupFile(app)) == input, "reading Last.grp changed it");
}

std::vector<files::Bytes> OtherLists() {
    // The list as the library manager writes it: 29 records.
    const std::vector<std::string> names = {"Work", "Home", "", "Letters"};
    return {EncodeLibraryList(files::AnsiCodePage(), names)};
}

}  // namespace

void AddLibraryTargets(std::vector<FuzzTarget>& targets) {
    targets.push_back({"library_list", ListFile, ReadList, OtherLists});
    targets.push_back({"last_library", LastLibraryFile, ReadLastLibraryFile});
    targets.push_back({"last_group", LastGroupFile, ReadLastGroupFile});
}

}  // namespace mirvo::fuzz
