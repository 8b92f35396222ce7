#include "paste/WebClips.h"

#include <algorithm>
#include <cctype>

#include "app/App.h"
#include "app/Launcher.h"
#include "clipboard/Markers.h"
#include "panels/MainForm.h"
#include "platform/Clipboard.h"

namespace mirvo {

namespace {

std::string FirstLineTrimmed(const std::string& text) {
    std::string line = text.substr(0, text.find_first_of(std::string("\r\n\0", 3)));
    const auto notBlank = [](unsigned char c) { return !std::isspace(c); };
    line.erase(line.begin(), std::find_if(line.begin(), line.end(), notBlank));
    line.erase(std::find_if(line.rbegin(), line.rend(), notBlank).base(), line.end());
    return line;
}

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

// Reads the clipboard's text, then leaves the clipboard empty and marked as seen.
std::string TakeClipboardText(App& app) {
    std::string text;
    if (!OpenClipboardRetrying(app)) {
        return text;
    }
    if (const auto data = app.os.clipboard.GetData(platform::Format::Text)) {
        text.assign(data->begin(), std::find(data->begin(), data->end(), 0));
    }
    app.os.clipboard.Empty();
    MarkClipboard(app, 2);
    return text;
}

}  // namespace

std::optional<std::string> WebAddressFromText(const std::string& text) {
    const std::string line = FirstLineTrimmed(text);
    for (const char* scheme : {"http://", "https://", "ftp://"}) {
        if (StartsWithIgnoringCase(line, scheme) && line.size() > std::string(scheme).size()) {
            return line;
        }
    }
    if (StartsWithIgnoringCase(line, "www.") && line.size() > 4) {
        return "http://" + line;
    }
    return std::nullopt;
}

std::string MailTargetFromText(const std::string& text) {
    const std::string line = FirstLineTrimmed(text);
    return StartsWithIgnoringCase(line, "mailto:") ? line : "mailto:" + line;
}

void OpenWebPageClip(App& app) {
    // The capture timer stays off while the clipboard holds the emptied content.
    forms::TimerPause captureOff(app.MainWindow().Timer1);
    const std::optional<std::string> address = WebAddressFromText(TakeClipboardText(app));
    if (!address) {
        app.RefusalTones();
        return;
    }
    OpenTarget(app, *address);
}

void OpenEmailClip(App& app) {
    // The capture timer stays off while the clipboard holds the emptied content.
    forms::TimerPause captureOff(app.MainWindow().Timer1);
    const std::string text = TakeClipboardText(app);
    if (FirstLineTrimmed(text).empty()) {
        app.RefusalTones();
        return;
    }
    OpenTarget(app, MailTargetFromText(text));
}

}  // namespace mirvo
