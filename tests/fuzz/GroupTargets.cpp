// The record files of a group and the group names of a library.

#include "app/App.h"
#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "fuzz/FuzzProgram.h"
#include "fuzz/FuzzTargets.h"
#include "mainwindow/Edit.h"
#include "store/Groups.h"
#include "store/Libraries.h"
#include "store/RecordCodec.h"
#include "store/StoreColors.h"

namespace mirvo::fuzz {

using namespace store;

namespace {

std::string TitlesFile(const App& app) {
    return GroupTitlesPath(app, app.settings.CurrentGroup);
}
std::string ModesFile(const App& app) {
    return GroupModesPath(app, app.settings.CurrentGroup);
}
std::string ColorsFile(const App& app) {
    return GroupColorsPath(app, app.settings.CurrentGroup);
}
std::string NamesFile(const App& app) {
    return app.LibraryFolder + kGroupNamesFile;
}
std::string NameColorsFile(const App& app) {
    return app.LibraryFolder + kGroupColorsFile;
}

// The group is loaded as at start: records, then the panels' colours.
void ReadGroup(FuzzProgram& program, const files::Bytes& input, const std::string& path,
               const files::Bytes& defaults) {
    App& app = program.app();
    LoadGroup(app);
    ApplyStoreColors(app);
    const GroupPanels& panels = app.MainWindow().groupPanels;
    for (size_t n = 0; n < kSlotCount; ++n) {
        RequireTitle(panels.item[n]->Caption(), kTitleWidth, "group clip title");
        Require(app.store.ClipPasteMode[n] <= kHighestPasteMode, "paste mode out of range");
    }
    program.RequireKeptOrDefault(path, input, defaults);
}

void ReadTitles(FuzzProgram& program, const files::Bytes& input) {
    ReadGroup(program, input, TitlesFile(program.app()),
              files::Bytes(kSlotCount * kTitleWidth, ' '));
}
void ReadModes(FuzzProgram& program, const files::Bytes& input) {
    ReadGroup(program, input, ModesFile(program.app()), files::Bytes(kSlotCount, kPasteModeNotSet));
}
void ReadColors(FuzzProgram& program, const files::Bytes& input) {
    ReadGroup(program, input, ColorsFile(program.app()), files::Bytes(kSlotCount * 4, 0));
}

void ReadNames(FuzzProgram& program, const files::Bytes& input, const std::string& path,
               const files::Bytes& defaults) {
    App& app = program.app();
    LoadGroupNames(app);
    for (const forms::Label* name : app.MainWindow().groupPanels.Group) {
        RequireTitle(name->Caption(), kTitleWidth, "group name");
    }
    program.RequireKeptOrDefault(path, input, defaults);
}

void ReadGroupNames(FuzzProgram& program, const files::Bytes& input) {
    App& app = program.app();
    ReadNames(program, input, NamesFile(app),
              EncodeTitles(app.ansi, DefaultGroupNames(app.CurrentLibrary)));
}
void ReadGroupNameColors(FuzzProgram& program, const files::Bytes& input) {
    ReadNames(program, input, NameColorsFile(program.app()), files::Bytes(kGroupCount * 4, 0));
}

}  // namespace

void AddGroupTargets(std::vector<FuzzTarget>& targets) {
    targets.push_back({"group_titles", TitlesFile, ReadTitles});
    targets.push_back({"group_modes", ModesFile, ReadModes});
    targets.push_back({"group_colors", ColorsFile, ReadColors});
    targets.push_back({"group_names", NamesFile, ReadGroupNames});
    targets.push_back({"group_name_colors", NameColorsFile, ReadGroupNameColors});
}

}  // namespace mirvo::fuzz
