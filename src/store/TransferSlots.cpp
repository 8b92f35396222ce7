#include "store/TransferSlots.h"

#include <algorithm>

#include "app/App.h"
#include "app/FolderSync.h"
#include "app/StoreState.h"
#include "files/DataFile.h"
#include "panels/PanelColor.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "store/NewRecordFiles.h"
#include "store/RecordCodec.h"

namespace mirvo {

using namespace store;

namespace {
constexpr size_t kColorsSize = kTransferSlotCount * 4;
constexpr size_t kTitlesSize = kTransferSlotCount * kTitleWidth;

using files::RecordFiles;
using files::RecordLayout;

std::string PathOf(const App& app, const char* name) {
    return app.DataFolder + name;
}

std::vector<std::string> SlotPaths(const App& app) {
    return {PathOf(app, kTransTitlesFile), PathOf(app, kTransModesFile),
            PathOf(app, kTransColorsFile)};
}

// A slot's record: its title and source in "trans.dat", its paste mode and its colour.
const RecordLayout& SlotLayout() {
    static const RecordLayout layout = [] {
        files::Bytes titles(kTransTitlesSize, 0xFF);
        std::fill_n(titles.begin(), kTitlesSize, ' ');
        return RecordLayout{kTransferSlotCount,
                            {{0, 0, kTitleWidth}, {0, kTitlesSize, 2}, {1, 0, 1}, {2, 0, 4}},
                            {titles, files::Bytes(kTransferSlotCount, kPasteModeNotSet),
                             files::Bytes(kColorsSize, 0)}};
    }();
    return layout;
}

RecordFiles SlotPanelFiles(App& app) {
    std::vector<std::string> titles;
    std::vector<std::int32_t> colors;
    for (int k = 0; k < kTransferSlotCount; ++k) {
        const int pos = kFirstTransferSlotPos + k;
        titles.push_back(PanelTitle(app, pos));
        colors.push_back(StoredColor(TrueColor(app, pos), app.settings.TransferSlotColor));
    }
    return {EncodeTransferTitles(app.ansi, titles, app.store.TransSource),
            EncodePasteModes(app.store.TransPasteMode), EncodeLongs(colors)};
}

void ShowSlots(App& app, const RecordFiles& stored, const std::vector<int>& slots,
               bool atStart = false) {
    StoreState& store = app.store;
    const TransferTitles titles = DecodeTransferTitles(stored[0]);
    const std::vector<std::uint8_t> modes = DecodePasteModes(stored[1], kTransferSlotCount);
    const std::vector<std::int32_t> colors = DecodeLongs(stored[2], kTransferSlotCount);
    const auto defaultColor = static_cast<forms::Color>(app.settings.TransferSlotColor);
    for (const int slot : slots) {
        const auto k = static_cast<size_t>(slot);
        std::string title = titles.titles[k];
        store.TransPasteMode[k] = modes[k];
        store.TransSourceFolder[k].clear();
        store.TransSource[k] = -1;
        store.TransReferenceOfOther[k] = !atStart && titles.sources[k] != -1;
        if (titles.sources[k] != -1) {
            // A reference to a group clip cannot be followed without its folder: the slot is
            // empty, and stays an empty slot of its own.
            title.clear();
            store.TransPasteMode[k] = kPasteModeNotSet;
        }
        const int pos = kFirstTransferSlotPos + slot;
        ShowTitle(app, pos, title);
        ShowTrueColor(app, pos,
                      colors[k] == 0 ? defaultColor : static_cast<forms::Color>(colors[k]));
    }
}

// A slot that refers to a group refers to it in the instance that made it, which alone knows
// the group's library: no other instance writes over it unless it fills the slot itself.
bool IsGroupReference(const RecordFiles& stored, int slot) {
    return DecodeTransferTitles(stored[0]).sources[static_cast<size_t>(slot)] != -1;
}

bool IsOthersReference(App& app, const RecordFiles& stored, int slot) {
    return app.store.TransReferenceOfOther[static_cast<size_t>(slot)] &&
           IsGroupReference(stored, slot);
}

}  // namespace

void LoadTransferSlots(App& app) {
    const std::vector<std::string> paths = SlotPaths(app);
    const RecordFiles created = {
        EncodeTransferTitles(app.ansi, std::vector<std::string>(kTransferSlotCount),
                             std::vector<std::int16_t>(kTransferSlotCount, -1)),
        files::Bytes(kTransferSlotCount, kPasteModeNotSet), files::Bytes(kColorsSize, 0)};
    const StoredRecords stored = ReadRecordsOrNew(app, paths, SlotLayout(), created);
    ShowSlots(app, stored.files, {0, 1, 2, 3, 4, 5, 6, 7}, true);
    app.store.TransferSlots = {paths, stored.files, SlotPanelFiles(app)};
    // New files get their defaults once the slots show them, as a new group's do.
    CreateMissingRecords(app, paths, SlotLayout(), stored);
}

void SaveTransferSlots(App& app) {
    const RecordFiles ours = SlotPanelFiles(app);
    FolderLock lock(app);
    files::RecordBaseline& seen = app.store.TransferSlots;
    const std::vector<std::string> paths = SlotPaths(app);
    RecordFiles written = ours;
    if (seen.paths == paths) {
        const RecordFiles now = files::ReadRecordFiles(app.os.files, paths, SlotLayout());
        written = files::MergeRecords(SlotLayout(), seen, now, ours,
                                      [&](int k) { return IsOthersReference(app, now, k); });
    }
    for (int k = 0; k < kTransferSlotCount; ++k) {
        // A slot this instance filled holds no other's reference any more.
        bool& others = app.store.TransReferenceOfOther[static_cast<size_t>(k)];
        others = others && files::RecordBytes(SlotLayout(), written, k) !=
                               files::RecordBytes(SlotLayout(), ours, k);
    }
    files::ReplaceDataFiles(
        app.os.files, {{paths[0], written[0]}, {paths[1], written[1]}, {paths[2], written[2]}});
    const std::vector<int> theirs = files::ChangedRecords(SlotLayout(), written, ours);
    ShowSlots(app, written, theirs);
    seen = {paths, written, theirs.empty() ? ours : SlotPanelFiles(app)};
}

bool ShowTransferSlotChanges(App& app) {
    files::RecordBaseline& seen = app.store.TransferSlots;
    if (seen.paths != SlotPaths(app)) {
        return false;
    }
    const RecordFiles now = files::ReadRecordFiles(app.os.files, seen.paths, SlotLayout());
    const std::vector<int> changed = files::ChangedRecords(SlotLayout(), now, seen.stored);
    if (changed.empty()) {
        return false;
    }
    ShowSlots(app, now, changed);
    seen.stored = now;
    seen.shown = SlotPanelFiles(app);
    return true;
}

}  // namespace mirvo
