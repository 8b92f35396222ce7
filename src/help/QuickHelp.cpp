#include "help/QuickHelp.h"

#include "app/App.h"
#include "help/HelpForm.h"
#include "platform/FileSystem.h"

namespace mirvo {

namespace {
// The help file is a few kilobytes; anything far larger is not one.
constexpr std::uint64_t kMaxHelpFileSize = 4u * 1024u * 1024u;

std::string Marker(int topic) { return "##" + std::to_string(topic); }
}  // namespace

std::optional<std::string> ExtractTopic(std::string_view file, int topic) {
    if (topic < 0) {
        return std::nullopt;
    }
    const std::string marker = Marker(topic);
    const size_t at = file.find(marker);
    const size_t next = file.find(Marker(topic + 1));
    if (at == std::string_view::npos || next == std::string_view::npos) {
        return std::nullopt;
    }
    const size_t start = at + marker.size();
    if (next < start + 3) {
        return std::nullopt;
    }
    return std::string(file.substr(start, next - 3 - start));
}

std::string QuickHelpText(App& app, int topic) {
    try {
        auto file = app.os.files.Open(app.ProgramFolder + kQuickHelpFileName,
                                      platform::OpenMode::ReadOnly);
        const std::uint64_t size = file->Size();
        if (size > kMaxHelpFileSize) {
            return kHelpFileCorrupt;
        }
        std::string text(static_cast<size_t>(size), '\0');
        text.resize(file->ReadAt(0, text.data(), text.size()));
        return ExtractTopic(text, topic).value_or(kHelpFileCorrupt);
    } catch (const platform::FileError&) {
        return kHelpFileCorrupt;
    }
}

void ShowQuickHelp(App& app, int topic) {
    app.HelpTopic = topic;
    HelpForm form(app);
    form.Show(forms::ShowMode::Modal);
}

}  // namespace mirvo
