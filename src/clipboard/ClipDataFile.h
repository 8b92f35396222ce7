#pragma once

// Clip data files: one clip's clipboard formats as raw bytes, in three layouts.
//   current: Long -1, Long n, then n records of Long format, Long name length m, m bytes of the
//            registered name (m = 0 for predefined formats), Long size s, s bytes of data
//   text:    Long -1, Long -1, Long length L, L bytes of text (no terminating NUL)
//   older:   Long n (not -1), then n records of Long format, Long size s, s bytes of data
// A launch-pad shortcut uses the same file names; its first Integer is 999.

#include <cstdint>
#include <functional>
#include <string>

#include "files/ByteOrder.h"
#include "platform/FileSystem.h"

namespace mirvo {

enum class ClipLayout { Current, Text, Older, Shortcut };

// One stored format: where its bytes are in the file.
struct StoredFormat {
    std::uint32_t format = 0;
    std::string name;  // "" for predefined formats and in older files
    std::uint64_t offset = 0;
    std::uint32_t size = 0;
};

struct ClipFileScan {
    ClipLayout layout = ClipLayout::Older;
    // A count or size ran past the end of the file: only the whole records were visited.
    bool truncated = false;
};

inline constexpr std::int16_t kShortcutMarker = 999;

// Visits the stored formats of a clip data file in order, reading only their headers; the
// visitor returns false to stop. An empty file is an older-layout file of no formats; a text
// layout file gives one CF_TEXT record (its text, without a NUL). The file is untrusted: no
// read or allocation goes beyond it. A shortcut file visits nothing.
ClipFileScan ScanClipFile(platform::File& file,
                          const std::function<bool(const StoredFormat&)>& visit);

// Whether the file at path is a launch-pad shortcut (no clipboard can take it). A missing file is
// none, and is not created.
bool IsShortcutFile(platform::FileSystem& fs, const std::string& path);

// Writes a clip data file in the current layout, one format at a time.
class ClipFileWriter {
public:
    // Empties the file and writes the header.
    explicit ClipFileWriter(platform::File& file);
    void Add(std::uint32_t format, const std::string& name, const std::uint8_t* data,
             std::size_t size);
    // Writes the record count into the header.
    void Finish();
    int Count() const { return m_count; }

private:
    platform::File& m_file;
    std::uint64_t m_end = 8;
    std::int32_t m_count = 0;
};

// The bytes of a text-layout file.
files::Bytes TextClipBytes(const std::string& text);

// Formats that are never stored or restored: those whose upper-cased name is "NATIVE" or
// "EMBED SOURCE", or contains "LINK", "OBJECT" or "OLE ".
bool IsSkippedFormatName(const std::string& name);
// Predefined formats whose data is a handle that means nothing outside its owner (bitmaps,
// metafile pictures, palettes, enhanced metafiles, owner display, private and GDI object
// ranges): never read from the clipboard nor put back on it.
bool IsHandleFormat(std::uint32_t format);

}  // namespace mirvo
