// The settings record "mirvo.ini": decoded, upgraded when new or foreign, repaired.

#include <algorithm>
#include <cmath>
#include <cstring>

#include "app/App.h"
#include "app/AppSettings.h"
#include "app/Settings.h"
#include "app/StoreLayout.h"
#include "fuzz/FuzzProgram.h"
#include "fuzz/FuzzTargets.h"

namespace mirvo::fuzz {

namespace {

std::string SettingsFile(const App& app) {
    return app.PrivateDataFolder + kSettingsFileName;
}

bool Within(int value, int low, int high) {
    return value >= low && value <= high;
}

// Members that index arrays, count files or place windows hold values the program can use.
void RequireUsable(const AppSettings& s) {
    Require(Within(s.CurrentGroup, 0, store::kGroupCount - 1), "current group out of range");
    Require(Within(s.CommonLibrary, 1, store::kLibraryCount) &&
                Within(s.PrivateLibrary, 1, store::kLibraryCount),
            "library out of range");
    Require(Within(s.BulkCount, 0, store::kSlotCount), "bulk count out of range");
    Require(Within(s.CaptureMode, 0, 2) && Within(s.ClipboardOnlyMode, 0, 3) &&
                Within(s.LastOptionsPage, 0, 5) && Within(s.BulkSpacing, 0, 6) &&
                Within(s.DataOption, 0, 1),
            "an option index out of range");
    Require(Within(s.DisplayMode, 0, 3) || s.DisplayMode == 5, "display mode out of range");
    Require(s.WindowTop >= 0 && s.WindowLeft >= 0, "window placed off screen");
    Require(!std::isnan(s.CompactTop) && !std::isnan(s.CompactLeft), "compact position NaN");
    Require(s.PasteModeOverride == 3, "paste-mode override set at start");
}

void ReadSettings(FuzzProgram& program, const files::Bytes& input) {
    files::Bytes record(
        input.begin(),
        input.begin() + std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(input.size()),
                                                 static_cast<std::ptrdiff_t>(kSettingsRecordSize)));
    record.resize(kSettingsRecordSize, 0);
    Require(EncodeSettings(DecodeSettings(input)) == record,
            "the record does not encode back to its bytes");

    App& app = program.app();
    LoadSettings(app);
    RequireUsable(app.settings);
    const files::Bytes stored = program.Read(SettingsFile(app));
    if (DecodeSettings(input).Version == kSettingsVersion) {
        Require(stored == input, "reading a current settings file changed it");
    } else {
        Require(stored.size() == kSettingsRecordSize &&
                    DecodeSettings(stored).Version == kSettingsVersion,
                "a new or foreign settings file was not upgraded");
    }
}

std::vector<files::Bytes> OtherSettings() {
    // A record of an older version, which keeps its bulk count.
    files::Bytes older(120, 0);
    std::memcpy(older.data(), "CCV2.00", 7);
    older[7] = 4;
    // A current record whose values are all out of range.
    AppSettings damaged = DecodeSettings({});
    UpgradeSettings(damaged, {15360, 11520});
    damaged.CurrentGroup = 40;
    damaged.CommonLibrary = 30;
    damaged.DisplayMode = 4;
    damaged.BulkCount = -1;
    damaged.WindowTop = -5;
    damaged.CompactTop = std::nanf("");
    return {older, EncodeSettings(damaged)};
}

}  // namespace

void AddSettingsTargets(std::vector<FuzzTarget>& targets) {
    targets.push_back({"settings", SettingsFile, ReadSettings, OtherSettings});
}

}  // namespace mirvo::fuzz
