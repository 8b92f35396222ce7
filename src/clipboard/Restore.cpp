#include "clipboard/Restore.h"

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/StoreState.h"
#include "clipboard/ClipDataFile.h"
#include "clipboard/ClipboardSession.h"
#include "files/DataFile.h"
#include "platform/Clipboard.h"

namespace mirvo {

namespace {

bool Restorable(const App& app, ClipLayout layout, const StoredFormat& stored) {
    if (IsHandleFormat(stored.format) || IsSkippedFormatName(stored.name)) {
        return false;
    }
    // An older file's registered ids carry no name and belonged to another run.
    if (layout == ClipLayout::Older && stored.format >= 0xC000) {
        return false;
    }
    if (app.clip.TextOnly && stored.format != platform::Format::Text &&
        stored.format != platform::Format::OemText) {
        return false;
    }
    return true;
}

}  // namespace

std::string ClipDataPath(const App& app, ClipKind kind, int n) {
    const std::string number = std::to_string(n);
    switch (kind) {
        case ClipKind::Clip:
            return app.DataFolder + "clip." + number;
        case ClipKind::Trans:
            return app.DataFolder + "trans." + number;
        case ClipKind::Bulk:
            return app.DataFolder + "bulk." + number;
        case ClipKind::Hot:
            return app.store.GroupDataPrefix + number;
        case ClipKind::HotKey:
            return app.DataFolder + "group22." + number;
    }
    return {};
}

bool Loadclipboard(App& app, ClipKind kind, int n, HandOver handOver) {
    files::DataFile file = files::OpenDataFile(app.os.files, ClipDataPath(app, kind, n));
    platform::File& raw = file.Raw();
    const ClipFileScan peek = ScanClipFile(raw, [](const StoredFormat&) { return false; });
    if (peek.layout == ClipLayout::Shortcut) {
        return false;  // a launch-pad shortcut is never clipboard content
    }
    ClipboardSession session(app);
    if (!session.OpenRetrying()) {
        return false;
    }
    platform::Clipboard& clipboard = app.os.clipboard;
    clipboard.Empty();
    bool whole = true;
    ScanClipFile(raw, [&](const StoredFormat& stored) {
        if (!Restorable(app, peek.layout, stored)) {
            return true;
        }
        std::uint32_t format = stored.format;
        if (!stored.name.empty()) {
            // Registered ids differ between runs: the name gives this run's id.
            format = clipboard.RegisterFormat(stored.name);
            if (format == 0) {
                return true;
            }
        }
        // Text without its terminating NUL (the text layout) gets one on the clipboard.
        const bool terminate = peek.layout == ClipLayout::Text;
        if (terminate) {
            app.clip.ClipHasText = true;
            app.clip.ClipText.resize(stored.size);
        }
        const auto fill = [&](std::uint8_t* block) {
            if (raw.ReadAt(stored.offset, block, stored.size) != stored.size) {
                return false;
            }
            if (terminate) {
                block[stored.size] = 0;
                app.clip.ClipText.assign(reinterpret_cast<const char*>(block), stored.size);
            }
            return true;
        };
        const std::size_t size = stored.size + (terminate ? 1 : 0);
        const platform::WriteResult written = handOver == HandOver::OnRequest
                                                  ? clipboard.WriteOnRequest(format, size, fill)
                                                  : clipboard.WriteData(format, size, fill);
        // A format the system refuses is left out; only a block that cannot be had stops.
        whole = written != platform::WriteResult::NoBlock;
        return whole;
    });
    if (!whole) {
        // What was restored stays; without the markers the content counts as new.
        return false;
    }
    session.Mark(2);
    return true;
}

}  // namespace mirvo
