// Clip data files in their three layouts (and the shortcut marker), scanned and restored to the
// clipboard, and the history's title file "clip.dat".

#include <algorithm>

#include "app/App.h"
#include "app/ClipboardState.h"
#include "clipboard/ClipDataFile.h"
#include "clipboard/History.h"
#include "clipboard/Restore.h"
#include "fuzz/FuzzProgram.h"
#include "fuzz/FuzzTargets.h"
#include "mainwindow/Edit.h"

namespace mirvo::fuzz {

namespace {

std::string ClipFile(const App& app) {
    return ClipDataPath(app, ClipKind::Clip, 0);
}
std::string HistoryFile(const App& app) {
    return app.DataFolder + kHistoryFileName;
}

std::uint64_t FirstRecordAt(ClipLayout layout) {
    switch (layout) {
        case ClipLayout::Current:
            return 8;
        case ClipLayout::Text:
            return 12;
        default:
            return 4;
    }
}

bool IsMarker(const App& app, std::uint32_t format) {
    return std::find(app.MarkerFormats.begin(), app.MarkerFormats.end(), format) !=
           app.MarkerFormats.end();
}

void ReadClip(FuzzProgram& program, const files::Bytes& input) {
    App& app = program.app();
    std::vector<StoredFormat> stored;
    ClipFileScan scan;
    {
        auto file = app.os.files.Open(ClipFile(app), platform::OpenMode::ReadOnly);
        scan = ScanClipFile(*file, [&](const StoredFormat& format) {
            stored.push_back(format);
            return true;
        });
    }
    std::uint64_t end = FirstRecordAt(scan.layout);
    for (const StoredFormat& format : stored) {
        // An empty record may sit at the end of a file that ends early.
        Require(format.offset >= end &&
                    (format.size == 0 || format.offset + format.size <= input.size()),
                "a stored format lies outside the file or over another");
        end = format.offset + format.size;
    }

    Require(IsShortcutFile(app.os.files, ClipFile(app)) == (scan.layout == ClipLayout::Shortcut),
            "the shortcut test that keeps shortcuts out of the bulk cache disagrees with the scan");

    program.ResetClipboard();
    const bool restored = Loadclipboard(app, ClipKind::Clip, 0);
    Require(restored == (scan.layout != ClipLayout::Shortcut),
            "a clip was not restored, or a shortcut was");
    // Every block on the clipboard holds the bytes of one stored format; text gets its NUL.
    for (const auto& placed : program.doubles().clipboard.formats) {
        if (IsMarker(app, placed.first)) {
            continue;
        }
        const bool found = std::any_of(stored.begin(), stored.end(), [&](const StoredFormat& f) {
            files::Bytes want(input.begin() + static_cast<std::ptrdiff_t>(f.offset),
                              input.begin() + static_cast<std::ptrdiff_t>(f.offset + f.size));
            if (scan.layout == ClipLayout::Text) {
                want.push_back(0);
            }
            return want == placed.second;
        });
        Require(found, "a restored format does not hold its stored bytes");
    }
    Require(program.Read(ClipFile(app)) == input, "restoring changed the clip file");
}

std::vector<files::Bytes> OtherLayouts() {
    files::Bytes older;
    files::WriteInt32(older, 0, 2);
    files::WriteInt32(older, 4, 1);  // CF_TEXT, 3 bytes
    files::WriteInt32(older, 8, 3);
    files::WriteText(older, 12, std::string("hi\0", 3));
    files::WriteInt32(older, 15, 0xC001);  // a registered id of another run
    files::WriteInt32(older, 19, 2);
    files::WriteText(older, 23, "xy");
    files::Bytes shortcut;
    files::WriteInt16(shortcut, 0, kShortcutMarker);
    files::WriteText(shortcut, 2, "C:\\Program Files\\editor.exe");
    return {TextClipBytes("edited text"), older, shortcut};
}

void ReadHistory(FuzzProgram& program, const files::Bytes& input) {
    App& app = program.app();
    app.settings.KeepClipboardClips = 1;
    LoadClipboardHistory(app);
    Require(app.clip.ClipboardClipCount >= 0 && app.clip.ClipboardClipCount <= 9,
            "history count out of range");
    for (const forms::Label* clip : app.MainWindow().clipboardPanel.ClipboardClip) {
        RequireTitle(clip->Caption(), 50, "clipboard clip title");
    }
    files::Bytes defaults(kHistoryFileSize, ' ');
    defaults[0] = defaults[1] = 0;  // a count of 0
    program.RequireKeptOrDefault(HistoryFile(app), input, defaults);
}

}  // namespace

void AddClipTargets(std::vector<FuzzTarget>& targets) {
    targets.push_back({"clip_data", ClipFile, ReadClip, OtherLayouts});
    targets.push_back({"clip_history", HistoryFile, ReadHistory});
}

}  // namespace mirvo::fuzz
