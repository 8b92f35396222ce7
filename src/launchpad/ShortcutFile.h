#pragma once

#include <cstddef>
#include <string>

#include "files/AnsiText.h"
#include "files/ByteOrder.h"

namespace mirvo {

class App;

// A launch-pad shortcut's data file, in the place of a clip's data file: the Integer 999, then
// the file to launch, the folder to start in and the command line (500 bytes each) and the
// title (20), each padded with blanks; 1522 bytes.
struct Shortcut {
    std::string file;
    std::string start;
    std::string command;
    std::string title;
};

inline constexpr size_t kShortcutFieldWidth = 500;
inline constexpr size_t kShortcutTitleWidth = 20;
inline constexpr size_t kShortcutFileSize = 2 + 3 * kShortcutFieldWidth + kShortcutTitleWidth;

// The bytes of a shortcut file; longer fields are cut to their width.
files::Bytes EncodeShortcut(const files::AnsiCodePage& ansi, const Shortcut& shortcut);
// The fields after the marker, read as far as the bytes go: each ends at its first NUL and
// loses its trailing blanks. The marker itself is not looked at.
Shortcut DecodeShortcut(const files::Bytes& bytes);

// The fields of a shortcut file; a missing or short file gives empty ones.
Shortcut ReadShortcutFile(App& app, const std::string& path);
// Replaces the file whole with the shortcut.
void WriteShortcutFile(App& app, const std::string& path, const Shortcut& shortcut);

// A field of fixed width as the program shows it: up to its first NUL, without trailing blanks.
std::string FieldText(const files::Bytes& bytes, size_t offset, size_t width);

}  // namespace mirvo
