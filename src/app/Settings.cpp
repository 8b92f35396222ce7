#include "app/Settings.h"

#include "app/App.h"
#include "files/DataFile.h"
#include "forms/FormsHost.h"

namespace mirvo {

namespace {
ScreenTwips ScreenOf(App& app) {
    const forms::ScreenMetrics m = app.os.forms.Screen();
    return {m.widthTwips, m.heightTwips};
}
}  // namespace

void LoadSettings(App& app) {
    const std::string path = app.PrivateDataFolder + kSettingsFileName;
    {
        files::DataFile file = files::OpenDataFile(app.os.files, path);
        app.settings = DecodeSettings(file.Read(0, kSettingsRecordSize));
    }
    const ScreenTwips screen = ScreenOf(app);
    if (app.settings.Version != kSettingsVersion) {
        UpgradeSettings(app.settings, screen);
        SaveSettings(app);
    }
    RepairSettings(app.settings, screen);
}

void SaveSettings(App& app) {
    files::ReplaceDataFile(app.os.files, app.PrivateDataFolder + kSettingsFileName,
                           EncodeSettings(app.settings));
}

}  // namespace mirvo
