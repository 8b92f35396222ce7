#include "store/StoreColors.h"

#include "app/App.h"
#include "files/DataFile.h"
#include "panels/PanelColor.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "store/Groups.h"
#include "store/RecordCodec.h"

namespace mirvo {

using namespace store;

namespace {
std::vector<std::int32_t> ReadColors(App& app, const std::string& path, int count) {
    files::DataFile file = files::OpenDataFile(app.os.files, path);
    return DecodeLongs(file.Read(0, static_cast<size_t>(count) * 4), count);
}

forms::Color OrDefault(std::int32_t stored, std::int32_t defaultColor) {
    return static_cast<forms::Color>(stored == 0 ? defaultColor : stored);
}
}  // namespace

std::vector<std::int32_t> ReadGroupNameColors(App& app) {
    return ReadColors(app, app.LibraryFolder + kGroupColorsFile, kGroupCount);
}

void ApplyStoreColors(App& app) {
    const AppSettings& s = app.settings;

    const std::vector<std::int32_t> slotColors =
        ReadColors(app, app.DataFolder + kTransColorsFile, kTransferSlotCount);
    for (size_t k = 0; k < kTransferSlotCount; ++k) {
        ShowTrueColor(app, kFirstTransferSlotPos + static_cast<int>(k),
                      OrDefault(slotColors[k], s.TransferSlotColor));
    }

    const std::vector<std::int32_t> clipColors =
        ReadColors(app, GroupColorsPath(app, s.CurrentGroup), kSlotCount);
    for (size_t n = 0; n < kSlotCount; ++n) {
        const int pos = kFirstGroupClipPos + static_cast<int>(n);
        // As when the group is loaded: an empty slot shows the default colour.
        const std::int32_t stored = PanelTitle(app, pos).empty() ? 0 : clipColors[n];
        ShowTrueColor(app, pos, OrDefault(stored, s.GroupClipColor));
    }
    ColorKeyLabels(app, static_cast<forms::Color>(s.GroupClipColor));

    const std::vector<std::int32_t> nameColors = ReadGroupNameColors(app);
    for (size_t g = 0; g < kGroupCount; ++g) {
        ShowTrueColor(app, kFirstGroupNamePos + static_cast<int>(g),
                      OrDefault(nameColors[g], s.GroupNameColor));
    }
    MarkCurrentGroupName(app);
}

}  // namespace mirvo
