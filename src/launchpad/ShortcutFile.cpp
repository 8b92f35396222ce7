#include "launchpad/ShortcutFile.h"

#include "app/App.h"
#include "app/FolderSync.h"
#include "clipboard/ClipDataFile.h"
#include "files/DataFile.h"

namespace mirvo {

namespace {
constexpr size_t kFileAt = 2;
constexpr size_t kStartAt = kFileAt + kShortcutFieldWidth;
constexpr size_t kCommandAt = kStartAt + kShortcutFieldWidth;
constexpr size_t kTitleAt = kCommandAt + kShortcutFieldWidth;
}  // namespace

std::string FieldText(const files::Bytes& bytes, size_t offset, size_t width) {
    std::string text = files::ReadText(bytes, offset, width);
    text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
    return files::TrimRight(text);
}

files::Bytes EncodeShortcut(const files::AnsiCodePage& ansi, const Shortcut& shortcut) {
    files::Bytes bytes;
    files::WriteInt16(bytes, 0, kShortcutMarker);
    files::WriteText(bytes, kFileAt, ansi.Fixed(shortcut.file, kShortcutFieldWidth));
    files::WriteText(bytes, kStartAt, ansi.Fixed(shortcut.start, kShortcutFieldWidth));
    files::WriteText(bytes, kCommandAt, ansi.Fixed(shortcut.command, kShortcutFieldWidth));
    files::WriteText(bytes, kTitleAt, ansi.Fixed(shortcut.title, kShortcutTitleWidth));
    return bytes;
}

Shortcut DecodeShortcut(const files::Bytes& bytes) {
    return {FieldText(bytes, kFileAt, kShortcutFieldWidth),
            FieldText(bytes, kStartAt, kShortcutFieldWidth),
            FieldText(bytes, kCommandAt, kShortcutFieldWidth),
            FieldText(bytes, kTitleAt, kShortcutTitleWidth)};
}

Shortcut ReadShortcutFile(App& app, const std::string& path) {
    return DecodeShortcut(files::ReadIfPresent(app.os.files, path, kShortcutFileSize));
}

void WriteShortcutFile(App& app, const std::string& path, const Shortcut& shortcut) {
    FolderLock lock(app);
    files::ReplaceDataFile(app.os.files, path, EncodeShortcut(app.ansi, shortcut));
}

}  // namespace mirvo
