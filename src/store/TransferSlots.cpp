#include "store/TransferSlots.h"

#include "app/App.h"
#include "app/StoreState.h"
#include "files/DataFile.h"
#include "panels/PanelColor.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "store/RecordCodec.h"

namespace mirvo {

using namespace store;

namespace {
constexpr size_t kColorsSize = kTransferSlotCount * 4;

std::string PathOf(const App& app, const char* name) {
    return app.DataFolder + name;
}

files::Bytes ReadRecords(App& app, const std::string& path, size_t size) {
    files::DataFile file = files::OpenDataFile(app.os.files, path);
    return file.Read(0, size);
}
}  // namespace

void LoadTransferSlots(App& app) {
    StoreState& store = app.store;

    const std::string titlesPath = PathOf(app, kTransTitlesFile);
    const files::Bytes storedTitles = ReadRecords(app, titlesPath, kTransTitlesSize);
    TransferTitles slots;
    if (storedTitles.empty()) {
        slots.titles.assign(kTransferSlotCount, std::string());
        slots.sources.assign(kTransferSlotCount, -1);
    } else {
        slots = DecodeTransferTitles(storedTitles);
    }
    const std::string modesPath = PathOf(app, kTransModesFile);
    const files::Bytes storedModes = ReadRecords(app, modesPath, kTransferSlotCount);
    const std::vector<std::uint8_t> modes = DecodePasteModes(storedModes, kTransferSlotCount);
    const std::string colorsPath = PathOf(app, kTransColorsFile);
    const files::Bytes storedColors = ReadRecords(app, colorsPath, kColorsSize);
    const std::vector<std::int32_t> colors = DecodeLongs(storedColors, kTransferSlotCount);

    const auto defaultColor = static_cast<forms::Color>(app.settings.TransferSlotColor);
    for (size_t k = 0; k < kTransferSlotCount; ++k) {
        std::string title = slots.titles[k];
        store.TransPasteMode[k] = modes[k];
        store.TransSourceFolder[k].clear();
        store.TransSource[k] = -1;
        if (slots.sources[k] != -1) {
            // A reference to a group clip cannot be followed without its folder: the slot is
            // empty, and stays an empty slot of its own.
            title.clear();
            store.TransPasteMode[k] = kPasteModeNotSet;
        }
        const int pos = kFirstTransferSlotPos + static_cast<int>(k);
        ShowTitle(app, pos, title);
        ShowTrueColor(app, pos,
                      colors[k] == 0 ? defaultColor : static_cast<forms::Color>(colors[k]));
    }

    // New files get their defaults once the slots show them, as a new group's do.
    if (storedTitles.empty()) {
        files::ReplaceDataFile(app.os.files, titlesPath,
                               EncodeTransferTitles(app.ansi, slots.titles, slots.sources));
    }
    if (storedModes.empty()) {
        files::ReplaceDataFile(app.os.files, modesPath,
                               files::Bytes(kTransferSlotCount, kPasteModeNotSet));
    }
    if (storedColors.empty()) {
        files::ReplaceDataFile(app.os.files, colorsPath, files::Bytes(kColorsSize, 0));
    }
}

void SaveTransferSlots(App& app) {
    std::vector<std::string> titles;
    std::vector<std::int32_t> colors;
    for (int k = 0; k < kTransferSlotCount; ++k) {
        const int pos = kFirstTransferSlotPos + k;
        titles.push_back(PanelTitle(app, pos));
        colors.push_back(StoredColor(TrueColor(app, pos), app.settings.TransferSlotColor));
    }
    files::ReplaceDataFiles(
        app.os.files, {{PathOf(app, kTransTitlesFile),
                        EncodeTransferTitles(app.ansi, titles, app.store.TransSource)},
                       {PathOf(app, kTransModesFile), EncodePasteModes(app.store.TransPasteMode)},
                       {PathOf(app, kTransColorsFile), EncodeLongs(colors)}});
}

}  // namespace mirvo
