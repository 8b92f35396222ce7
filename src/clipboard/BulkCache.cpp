#include "clipboard/BulkCache.h"

#include <algorithm>

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/Modes.h"
#include "app/Settings.h"
#include "clipboard/BulkFullForm.h"
#include "clipboard/ClipDataFile.h"
#include "files/AnsiText.h"
#include "files/DataFile.h"
#include "panels/PanelDisplay.h"
#include "platform/FileSystem.h"

namespace mirvo {

namespace {
constexpr size_t kTitleWidth = 50;

std::string BulkItemPath(const App& app, int n) {
    return app.DataFolder + "bulk." + std::to_string(n);
}
std::string BulkTitlesPath(const App& app) {
    return app.DataFolder + "bulk.dat";
}

void AppendItem(App& app, const std::string& clipFile, const std::string& title) {
    const int n = app.settings.BulkCount;
    files::CopyDataFile(app.os.files, clipFile, BulkItemPath(app, n));
    files::DataFile titles = files::OpenDataFile(app.os.files, BulkTitlesPath(app));
    const std::uint64_t end = static_cast<std::uint64_t>(n) * kTitleWidth;
    try {
        titles.Write(end, app.ansi.Fixed(title, kTitleWidth));
    } catch (const platform::FileError&) {
        // A title cut short (a full disk) is no record: the file keeps its whole ones.
        titles.Raw().Truncate(end);
        throw;
    }
    titles.Close();
    app.settings.BulkCount = static_cast<std::int16_t>(n + 1);
    SaveSettings(app);
}
}  // namespace

bool AddToBulkCache(App& app, const std::string& clipFile, const std::string& title) {
    if (app.settings.BulkCount >= kBulkCacheSize || IsShortcutFile(app.os.files, clipFile)) {
        return false;
    }
    AppendItem(app, clipFile, title);
    RefreshBulkDisplay(app);
    if (app.settings.BulkCount == kBulkCacheSize) {
        BulkFullForm form(app);
        form.Show(forms::ShowMode::Modal);
    }
    return true;
}

void SeedBulkCacheFromHistory(App& app) {
    for (int w = 0; w < app.clip.ClipboardClipCount && app.settings.BulkCount < kBulkCacheSize;
         ++w) {
        AppendItem(app, app.DataFolder + "clip." + std::to_string(w), PanelTitle(app, w));
    }
}

void ClearBulkCache(App& app) {
    if (app.settings.BulkCount >= 1) {
        for (int n = 0; n < app.settings.BulkCount; ++n) {
            files::DeleteDataFile(app.os.files, BulkItemPath(app, n));
        }
        files::DeleteDataFile(app.os.files, BulkTitlesPath(app));
        app.settings.BulkCount = 0;
        SaveSettings(app);
    }
}

std::vector<std::string> ReadBulkTitles(App& app) {
    const int count = std::clamp<int>(app.settings.BulkCount, 0, kBulkCacheSize);
    const files::Bytes stored = files::ReadIfPresent(app.os.files, BulkTitlesPath(app),
                                                     static_cast<size_t>(count) * kTitleWidth);
    std::vector<std::string> titles;
    for (int n = 0; n < count; ++n) {
        std::string title =
            files::ReadText(stored, static_cast<size_t>(n) * kTitleWidth, kTitleWidth);
        // A record cut short reads NUL beyond the end of the file: blank, not text.
        title.erase(std::find(title.begin(), title.end(), '\0'), title.end());
        titles.push_back(files::TrimRight(title));
    }
    return titles;
}

void LoadBulkCount(App& app) {
    const files::Bytes titles =
        files::ReadIfPresent(app.os.files, BulkTitlesPath(app), kBulkCacheSize * kTitleWidth);
    const auto held = static_cast<std::int16_t>(titles.size() / kTitleWidth);
    if (app.settings.BulkCount != held) {
        app.settings.BulkCount = held;
        SaveSettings(app);
    }
}

void RefreshBulkDisplay(App& app) {
    const int count = app.settings.BulkCount;
    ShowBulkButton(app, count > 0 || app.settings.CaptureMode == Capture::Bulk
                            ? std::to_string(count)
                            : "Bulk");
}

}  // namespace mirvo
