#include "clipboard/History.h"

#include <algorithm>

#include "app/App.h"
#include "app/ClipboardState.h"
#include "clipboard/CaptureButtons.h"
#include "files/DataFile.h"
#include "panels/PanelDisplay.h"

namespace mirvo {

namespace {
constexpr size_t kTitleWidth = 50;

std::string HistoryPath(const App& app) {
    return app.DataFolder + kHistoryFileName;
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
    files::Bytes stored;
    {
        files::DataFile file = files::OpenDataFile(app.os.files, HistoryPath(app));
        stored = file.Read(0, kHistoryFileSize);
    }
    if (!stored.empty() && app.settings.KeepClipboardClips == 1) {
        const HistoryFile h = DecodeHistory(stored);
        app.clip.ClipboardClipCount = h.count;
        for (int i = 0; i < 9; ++i) {
            ShowTitle(app, i, h.titles[static_cast<size_t>(i)]);
        }
    } else {
        app.clip.ClipboardClipCount = 0;
        SaveClipboardHistory(app);
    }
    RefreshCaptureButtons(app);
}

void SaveClipboardHistory(App& app) {
    std::string titles[9];
    for (int i = 0; i < 9; ++i) {
        titles[static_cast<size_t>(i)] = PanelTitle(app, i);
    }
    files::ReplaceDataFile(app.os.files, HistoryPath(app),
                           EncodeHistory(app, app.clip.ClipboardClipCount, titles));
}

}  // namespace mirvo
