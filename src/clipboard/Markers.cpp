#include "clipboard/Markers.h"

#include "app/App.h"
#include "app/ClipboardState.h"
#include "forms/FormsHost.h"
#include "panels/MainForm.h"
#include "platform/Clipboard.h"
#include "platform/Desktop.h"

namespace mirvo {

namespace {
constexpr const char* kMarkerNames[3] = {"Oldfolio", "QuilletData", "PictavoData"};
constexpr const char* kPrivacyNames[3] = {"ExcludeClipboardContentFromMonitorProcessing",
                                          "Clipboard Viewer Ignore",
                                          "CanIncludeInClipboardHistory"};
constexpr int kOpenAttempts = 20;
constexpr std::uint32_t kOpenRetryMs = 25;
constexpr int kRegisterAttempts = 5;

// Serves window messages for about ms milliseconds.
void ServeMessagesFor(App& app, std::uint32_t ms) {
    const std::uint32_t start = app.os.desktop.TickCount();
    do {
        app.os.forms.DoEvents();
    } while (app.os.desktop.TickCount() - start < ms);
}

// The id of a format name, trying a few times while serving messages; 0 when it never came.
std::uint32_t Register(App& app, const char* name) {
    std::uint32_t id = 0;
    for (int attempt = 0; attempt < kRegisterAttempts && id == 0; ++attempt) {
        id = app.os.clipboard.RegisterFormat(name);
        if (id == 0) {
            app.os.forms.DoEvents();
        }
    }
    return id;
}
}  // namespace

void RegisterMarkerFormats(App& app) {
    MainForm& edit = app.MainWindow();
    edit.Timer1.SetEnabled(false);
    for (size_t i = 0; i < 3; ++i) {
        app.MarkerFormats[i] = Register(app, kMarkerNames[i]);
        app.clip.PrivacyFormats[i] = Register(app, kPrivacyNames[i]);
    }
    edit.Timer1.SetEnabled(true);
}

bool OpenClipboardRetrying(App& app) {
    const platform::WindowHandle owner = app.MainWindow().hWnd();
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (app.os.clipboard.Open(owner)) {
            return true;
        }
        ServeMessagesFor(app, kOpenRetryMs);
    }
    return false;
}

void MarkClipboard(App& app, int lastIndex) {
    static const std::vector<std::uint8_t> kOk = {'o', 'k'};
    for (int i = 0; i <= lastIndex && i < 3; ++i) {
        const std::uint32_t format = app.MarkerFormats[static_cast<size_t>(i)];
        if (format != 0) {
            app.os.clipboard.SetData(format, kOk);
        }
    }
    // Taken while the clipboard is still open, so no other program's change can slip between.
    app.clip.SeenSequence = app.os.clipboard.SequenceNumber();
    app.os.clipboard.Close();
}

}  // namespace mirvo
