// The transfer-slot files "trans.dat", "trans.mod" and "trans.clr".

#include "app/App.h"
#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "fuzz/FuzzProgram.h"
#include "fuzz/FuzzTargets.h"
#include "mainwindow/Edit.h"
#include "store/RecordCodec.h"
#include "store/TransferSlots.h"

namespace mirvo::fuzz {

using namespace store;

namespace {

std::string TitlesFile(const App& app) {
    return app.DataFolder + kTransTitlesFile;
}
std::string ModesFile(const App& app) {
    return app.DataFolder + kTransModesFile;
}
std::string ColorsFile(const App& app) {
    return app.DataFolder + kTransColorsFile;
}

void ReadSlots(FuzzProgram& program, const files::Bytes& input, const std::string& path,
               const files::Bytes& defaults) {
    App& app = program.app();
    LoadTransferSlots(app);
    // A slot that referred to a group clip comes back as an empty slot of its own.
    const std::vector<std::int16_t> sources =
        DecodeTransferTitles(program.Read(TitlesFile(app))).sources;
    for (size_t k = 0; k < kTransferSlotCount; ++k) {
        const std::string& title = app.MainWindow().groupPanels.Trans[k]->Caption();
        RequireTitle(title, kTitleWidth, "transfer slot title");
        Require(app.store.TransSource[k] == -1, "a slot still refers to a group");
        Require(sources[k] == -1 || title.empty(),
                "a slot that referred to a group kept its title");
        Require(app.store.TransPasteMode[k] <= kHighestPasteMode, "paste mode out of range");
    }
    program.RequireKeptOrDefault(path, input, defaults);
}

void ReadTitles(FuzzProgram& program, const files::Bytes& input) {
    files::Bytes defaults(kTransferSlotCount * kTitleWidth, ' ');
    defaults.resize(kTransTitlesSize, 0xFF);  // eight sources of -1
    ReadSlots(program, input, TitlesFile(program.app()), defaults);
}
void ReadModes(FuzzProgram& program, const files::Bytes& input) {
    ReadSlots(program, input, ModesFile(program.app()),
              files::Bytes(kTransferSlotCount, kPasteModeNotSet));
}
void ReadColors(FuzzProgram& program, const files::Bytes& input) {
    ReadSlots(program, input, ColorsFile(program.app()), files::Bytes(kTransferSlotCount * 4, 0));
}

std::vector<files::Bytes> SlotReferringToGroup() {
    const std::vector<std::string> titles(kTransferSlotCount, "From a group");
    const std::vector<std::int16_t> sources = {-1, 3, -1, 22, -1, -1, 0, -1};
    return {EncodeTransferTitles(files::AnsiCodePage(), titles, sources)};
}

}  // namespace

void AddTransferTargets(std::vector<FuzzTarget>& targets) {
    targets.push_back({"trans_titles", TitlesFile, ReadTitles, SlotReferringToGroup});
    targets.push_back({"trans_modes", ModesFile, ReadModes});
    targets.push_back({"trans_colors", ColorsFile, ReadColors});
}

}  // namespace mirvo::fuzz
