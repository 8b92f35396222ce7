#include "clipboard/BulkCache.h"

#include <algorithm>

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/FolderSync.h"
#include "app/Modes.h"
#include "app/Settings.h"
#include "clipboard/BulkFullForm.h"
#include "clipboard/ClipDataFile.h"
#include "clipboard/History.h"
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

// The items the cache holds: as many as "bulk.dat" has whole records (a title cut short is no
// record). The files decide, not the count in the settings: other instances that share the data
// folder add and clear items too.
int CountInFiles(App& app) {
    const size_t size =
        files::ReadIfPresent(app.os.files, BulkTitlesPath(app), kBulkCacheSize * kTitleWidth)
            .size();
    return static_cast<int>(size / kTitleWidth);
}

// Appends under the folder's lock, at the end the files have now; false when they are full.
bool AppendItem(App& app, const std::string& clipFile, const std::string& title) {
    FolderLock lock(app);
    const int n = CountInFiles(app);
    if (n >= kBulkCacheSize) {
        app.settings.BulkCount = kBulkCacheSize;
        return false;
    }
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
    return true;
}
}  // namespace

bool AppendToBulkCache(App& app, const std::string& clipFile, const std::string& title) {
    return !IsShortcutFile(app.os.files, clipFile) && AppendItem(app, clipFile, title);
}

void AnnounceFullBulkCache(App& app) {
    if (app.settings.BulkCount == kBulkCacheSize) {
        BulkFullForm form(app);
        form.Show(forms::ShowMode::Modal);
    }
}

bool AddToBulkCache(App& app, const std::string& clipFile, const std::string& title) {
    if (!AppendToBulkCache(app, clipFile, title)) {
        return false;
    }
    RefreshBulkDisplay(app);
    AnnounceFullBulkCache(app);
    return true;
}

void SeedBulkCacheFromHistory(App& app) {
    FolderLock lock(app);
    // The history as the file holds it: titles that describe the clips beside them.
    ShowHistoryChanges(app);
    for (int w = 0; w < app.clip.ClipboardClipCount && app.settings.BulkCount < kBulkCacheSize;
         ++w) {
        AppendItem(app, app.DataFolder + "clip." + std::to_string(w), PanelTitle(app, w));
    }
}

void ClearBulkCache(App& app) {
    FolderLock lock(app);
    const int count = CountInFiles(app);
    if (count >= 1 || app.settings.BulkCount >= 1) {
        for (int n = 0; n < count; ++n) {
            files::DeleteDataFile(app.os.files, BulkItemPath(app, n));
        }
        files::DeleteDataFile(app.os.files, BulkTitlesPath(app));
        app.settings.BulkCount = 0;
        SaveSettings(app);
    }
}

bool ShowBulkChanges(App& app) {
    const int count = CountInFiles(app);
    if (count == app.settings.BulkCount) {
        return false;
    }
    app.settings.BulkCount = static_cast<std::int16_t>(count);
    RefreshBulkDisplay(app);
    return true;
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
    const auto held = static_cast<std::int16_t>(CountInFiles(app));
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
