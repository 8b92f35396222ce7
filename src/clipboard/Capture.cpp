#include "clipboard/Capture.h"

#include <cstring>

#include "app/App.h"
#include "app/ClipboardState.h"
#include "clipboard/ClipDataFile.h"
#include "files/DataFile.h"
#include "files/LockFile.h"
#include "platform/Clipboard.h"

namespace mirvo {

std::string CaptureFilePath(const App& app) {
    return app.DataFolder + "clip." + files::InstanceTag() + ".tmp";
}

namespace {

void WriteCapture(App& app, platform::File& file) {
    platform::Clipboard& clipboard = app.os.clipboard;
    ClipFileWriter writer(file);
    app.clip.ClipHasText = false;
    app.clip.ClipText.clear();
    for (std::uint32_t format = clipboard.EnumFormats(0); format != 0;
         format = clipboard.EnumFormats(format)) {
        if (IsHandleFormat(format)) {
            continue;
        }
        const std::string name = clipboard.FormatName(format);
        if (IsSkippedFormatName(name)) {
            continue;
        }
        clipboard.ReadData(format, [&](const std::uint8_t* data, std::size_t size) {
            if (size == 0) {
                return;
            }
            writer.Add(format, name, data, size);
            if (format == platform::Format::Text) {
                app.clip.ClipHasText = true;
                const auto* text = reinterpret_cast<const char*>(data);
                const void* nul = std::memchr(text, 0, size);
                app.clip.ClipText.assign(text, nul ? static_cast<const char*>(nul) - text : size);
            }
        });
    }
    writer.Finish();
}

}  // namespace

void CaptureClipboard(App& app) {
    const std::string path = CaptureFilePath(app);
    files::DeleteDataFile(app.os.files, path);
    files::DataFile file = files::OpenDataFile(app.os.files, path);
    try {
        WriteCapture(app, file.Raw());
    } catch (...) {
        // A capture cut short (a full disk) leaves no half-written capture file behind.
        file.Close();
        app.os.files.Remove(path);
        throw;
    }
}

bool ContentAsksNotToBeRecorded(App& app) {
    platform::Clipboard& clipboard = app.os.clipboard;
    const auto& privacy = app.clip.PrivacyFormats;
    if ((privacy[0] != 0 && clipboard.IsFormatAvailable(privacy[0])) ||
        (privacy[1] != 0 && clipboard.IsFormatAvailable(privacy[1]))) {
        return true;
    }
    if (privacy[2] == 0 || !clipboard.IsFormatAvailable(privacy[2])) {
        return false;
    }
    bool excluded = false;
    clipboard.ReadData(privacy[2], [&](const std::uint8_t* data, std::size_t size) {
        excluded = size >= 4 && (data[0] | data[1] | data[2] | data[3]) == 0;
    });
    return excluded;
}

}  // namespace mirvo
