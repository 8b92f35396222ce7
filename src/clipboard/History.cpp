#include "clipboard/History.h"

#include <algorithm>

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/EditContext.h"
#include "app/FolderSync.h"
#include "clipboard/CaptureButtons.h"
#include "files/DataFile.h"
#include "panels/PanelDisplay.h"

namespace mirvo {

namespace {
constexpr size_t kTitleWidth = 50;

std::string HistoryPath(const App& app) {
    return app.DataFolder + kHistoryFileName;
}

files::Bytes ReadHistoryBytes(App& app) {
    files::DataFile file = files::OpenDataFile(app.os.files, HistoryPath(app));
    return file.Read(0, kHistoryFileSize);
}
}  // namespace

HistoryFile DecodeHistory(const files::Bytes& bytes) {
    HistoryFile h;
    h.count = std::clamp<int>(files::ReadInt16(bytes, 0), 0, 9);
    for (size_t i = 0; i < 9; ++i) {
        std::string title = files::ReadText(bytes, 2 + i * kTitleWidth, kTitleWidth);
        // A file shorter than its titles reads NUL beyond its end: blank, not text.
        title.erase(std::find(title.begin(), title.end(), '\0'), title.end());
        h.titles[i] = files::TrimRight(title);
    }
    return h;
}

files::Bytes EncodeHistory(const App& app, int count, const std::string (&titles)[9]) {
    files::Bytes b(kHistoryFileSize);
    files::WriteInt16(b, 0, static_cast<std::int16_t>(count));
    for (size_t i = 0; i < 9; ++i) {
        files::WriteText(b, 2 + i * kTitleWidth, app.ansi.Fixed(titles[i], kTitleWidth));
    }
    return b;
}

void LoadClipboardHistory(App& app) {
    ClearClipboardTitles(app);
    files::Bytes stored = ReadHistoryBytes(app);
    if (!stored.empty() && app.settings.KeepClipboardClips == 1) {
        const HistoryFile h = DecodeHistory(stored);
        app.clip.ClipboardClipCount = h.count;
        for (int i = 0; i < 9; ++i) {
            ShowTitle(app, i, h.titles[static_cast<size_t>(i)]);
        }
        app.clip.HistorySeen = std::move(stored);
    } else {
        FolderLock lock(app);
        app.clip.ClipboardClipCount = 0;
        SaveClipboardHistory(app);
        // Every clip the history held has left it.
        CountHistoryDrops(app, 9);
    }
    RefreshCaptureButtons(app);
}

namespace {
void WriteHistory(App& app, int count, const std::string (&titles)[9]) {
    FolderLock lock(app);
    files::Bytes bytes = EncodeHistory(app, count, titles);
    files::ReplaceDataFile(app.os.files, HistoryPath(app), bytes);
    app.clip.HistorySeen = std::move(bytes);
}
}  // namespace

void SaveClipboardHistory(App& app) {
    std::string titles[9];
    for (int i = 0; i < 9; ++i) {
        titles[static_cast<size_t>(i)] = PanelTitle(app, i);
    }
    WriteHistory(app, app.clip.ClipboardClipCount, titles);
}

void SaveEmptyHistory(App& app) {
    const std::string blank[9];
    WriteHistory(app, 0, blank);
}

HistoryFile ReadHistoryFile(App& app) {
    return DecodeHistory(ReadHistoryBytes(app));
}

bool ShowHistoryChanges(App& app) {
    files::Bytes stored = ReadHistoryBytes(app);
    if (stored == app.clip.HistorySeen) {
        return false;
    }
    const HistoryFile h = DecodeHistory(stored);
    app.clip.ClipboardClipCount = h.count;
    for (int i = 0; i < 9; ++i) {
        // A title this panel shows already keeps the blanks it was shown with.
        if (files::TrimRight(PanelTitle(app, i)) != h.titles[static_cast<size_t>(i)]) {
            ShowTitle(app, i, h.titles[static_cast<size_t>(i)]);
        }
    }
    app.clip.HistorySeen = std::move(stored);
    RefreshCaptureButtons(app);
    return true;
}

void FollowHistoryDrops(App& app, const FolderCounters& now) {
    FolderCounters& seen = app.folder.seen;
    // Unsigned difference: right across the counter's wrap.
    const std::uint32_t dropped = now.historyDropped - seen.historyDropped;
    if (dropped != 0 && dropped < 0x80000000u) {
        app.editing.HistoryShiftedBy(static_cast<int>(std::min<std::uint32_t>(dropped, 9)));
    }
    seen.historyDropped = now.historyDropped;
}

void CountHistoryDrops(App& app, int clips) {
    FollowHistoryDrops(app, app.folder.held);
    app.editing.HistoryShiftedBy(clips);
    app.folder.held.historyDropped += static_cast<std::uint32_t>(clips);
    app.folder.seen.historyDropped = app.folder.held.historyDropped;
}

std::optional<int> HistorySlotNow(App& app, int shownSlot) {
    const std::uint32_t dropped =
        ReadFolderCounters(app).historyDropped - app.folder.seen.historyDropped;
    if (dropped >= 0x80000000u) {
        return shownSlot;  // counters from before this instance looked: nothing to follow
    }
    const long long now = static_cast<long long>(shownSlot) - static_cast<long long>(dropped);
    if (now < 0) {
        return std::nullopt;
    }
    return static_cast<int>(now);
}

}  // namespace mirvo
