#include "clipboard/ClipDataFile.h"

#include <algorithm>
#include <cctype>

#include "files/DataFile.h"

namespace mirvo {

namespace {

// Reads a Long at offset; false when the file ends first.
bool ReadLong(platform::File& file, std::uint64_t offset, std::uint64_t fileSize,
              std::int32_t& value) {
    if (offset + 4 > fileSize) {
        return false;
    }
    std::uint8_t raw[4];
    if (file.ReadAt(offset, raw, 4) != 4) {
        return false;
    }
    value = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(raw[0]) | (static_cast<std::uint32_t>(raw[1]) << 8) |
        (static_cast<std::uint32_t>(raw[2]) << 16) | (static_cast<std::uint32_t>(raw[3]) << 24));
    return true;
}

// The number of bytes left from offset, as a size a record may claim.
std::uint64_t Remaining(std::uint64_t offset, std::uint64_t fileSize) {
    return offset < fileSize ? fileSize - offset : 0;
}

ClipFileScan ScanCurrent(platform::File& file, std::uint64_t fileSize, std::int32_t count,
                         const std::function<bool(const StoredFormat&)>& visit) {
    ClipFileScan scan{ClipLayout::Current, count < 0};
    std::uint64_t at = 8;
    for (std::int32_t i = 0; i < count; ++i) {
        std::int32_t format = 0;
        std::int32_t nameLength = 0;
        if (!ReadLong(file, at, fileSize, format) ||
            !ReadLong(file, at + 4, fileSize, nameLength) || nameLength < 0 ||
            static_cast<std::uint64_t>(nameLength) > Remaining(at + 8, fileSize)) {
            scan.truncated = true;
            break;
        }
        StoredFormat stored;
        stored.format = static_cast<std::uint32_t>(format);
        stored.name.resize(static_cast<std::size_t>(nameLength));
        if (nameLength > 0 &&
            file.ReadAt(at + 8, stored.name.data(), stored.name.size()) != stored.name.size()) {
            scan.truncated = true;
            break;
        }
        const std::uint64_t sizeAt = at + 8 + static_cast<std::uint64_t>(nameLength);
        std::int32_t size = 0;
        if (!ReadLong(file, sizeAt, fileSize, size) || size < 0 ||
            static_cast<std::uint64_t>(size) > Remaining(sizeAt + 4, fileSize)) {
            scan.truncated = true;
            break;
        }
        stored.offset = sizeAt + 4;
        stored.size = static_cast<std::uint32_t>(size);
        at = stored.offset + stored.size;
        if (!visit(stored)) {
            break;
        }
    }
    return scan;
}

ClipFileScan ScanOlder(platform::File& file, std::uint64_t fileSize, std::int32_t count,
                       const std::function<bool(const StoredFormat&)>& visit) {
    ClipFileScan scan{ClipLayout::Older, count < 0};
    std::uint64_t at = 4;
    for (std::int32_t i = 0; i < count; ++i) {
        std::int32_t format = 0;
        std::int32_t size = 0;
        if (!ReadLong(file, at, fileSize, format) || !ReadLong(file, at + 4, fileSize, size) ||
            size < 0 || static_cast<std::uint64_t>(size) > Remaining(at + 8, fileSize)) {
            scan.truncated = true;
            break;
        }
        const StoredFormat stored{static_cast<std::uint32_t>(format), std::string(), at + 8,
                                  static_cast<std::uint32_t>(size)};
        at = stored.offset + stored.size;
        if (!visit(stored)) {
            break;
        }
    }
    return scan;
}

}  // namespace

ClipFileScan ScanClipFile(platform::File& file,
                          const std::function<bool(const StoredFormat&)>& visit) {
    const std::uint64_t fileSize = file.Size();
    std::uint8_t head[8] = {};
    const std::size_t got =
        file.ReadAt(0, head, static_cast<std::size_t>(std::min<std::uint64_t>(8, fileSize)));
    const files::Bytes header(head, head + got);
    if (got >= 2 && files::ReadInt16(header, 0) == kShortcutMarker) {
        return {ClipLayout::Shortcut, false};
    }
    // Bytes missing from a short file read as zeros, as a record read past the end does.
    const std::int32_t first = files::ReadInt32(header, 0);
    if (first != -1) {
        ClipFileScan scan = ScanOlder(file, fileSize, first, visit);
        scan.truncated = scan.truncated || (fileSize > 0 && fileSize < 4);
        return scan;
    }
    const std::int32_t second = files::ReadInt32(header, 4);
    if (fileSize < 8) {
        return {ClipLayout::Current, true};
    }
    if (second != -1) {
        return ScanCurrent(file, fileSize, second, visit);
    }
    ClipFileScan scan{ClipLayout::Text, false};
    std::int32_t length = 0;
    if (!ReadLong(file, 8, fileSize, length) || length < 0) {
        scan.truncated = true;
        length = 0;
    }
    std::uint64_t available = Remaining(12, fileSize);
    if (static_cast<std::uint64_t>(length) > available) {
        scan.truncated = true;
    } else {
        available = static_cast<std::uint64_t>(length);
    }
    visit(StoredFormat{1, std::string(), 12, static_cast<std::uint32_t>(available)});
    return scan;
}

ClipFileWriter::ClipFileWriter(platform::File& file) : m_file(file) {
    m_file.Truncate(0);
    files::Bytes header(8);
    files::WriteInt32(header, 0, -1);
    files::WriteInt32(header, 4, 0);
    m_file.WriteAt(0, header.data(), header.size());
}

void ClipFileWriter::Add(std::uint32_t format, const std::string& name, const std::uint8_t* data,
                         std::size_t size) {
    files::Bytes head(12 + name.size());
    files::WriteInt32(head, 0, static_cast<std::int32_t>(format));
    files::WriteInt32(head, 4, static_cast<std::int32_t>(name.size()));
    files::WriteText(head, 8, name);
    files::WriteInt32(head, 8 + name.size(), static_cast<std::int32_t>(size));
    m_file.WriteAt(m_end, head.data(), head.size());
    m_end += head.size();
    if (size > 0) {
        m_file.WriteAt(m_end, data, size);
    }
    m_end += size;
    ++m_count;
}

void ClipFileWriter::Finish() {
    files::Bytes count(4);
    files::WriteInt32(count, 0, m_count);
    m_file.WriteAt(4, count.data(), count.size());
}

bool IsShortcutFile(platform::FileSystem& fs, const std::string& path) {
    const files::Bytes head = files::ReadIfPresent(fs, path, 2);
    return head.size() == 2 && files::ReadInt16(head, 0) == kShortcutMarker;
}

files::Bytes TextClipBytes(const std::string& text) {
    files::Bytes b(12 + text.size());
    files::WriteInt32(b, 0, -1);
    files::WriteInt32(b, 4, -1);
    files::WriteInt32(b, 8, static_cast<std::int32_t>(text.size()));
    files::WriteText(b, 12, text);
    return b;
}

bool IsSkippedFormatName(const std::string& name) {
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper == "NATIVE" || upper == "EMBED SOURCE" ||
           upper.find("LINK") != std::string::npos || upper.find("OBJECT") != std::string::npos ||
           upper.find("OLE ") != std::string::npos;
}

bool IsHandleFormat(std::uint32_t format) {
    switch (format) {
        case 2:     // bitmap
        case 3:     // metafile picture
        case 9:     // palette
        case 14:    // enhanced metafile
        case 0x80:  // owner display
        case 0x82:  // display bitmap
        case 0x83:  // display metafile picture
        case 0x8E:  // display enhanced metafile
            return true;
        default:
            return format >= 0x200 && format <= 0x3FF;  // private and GDI object ranges
    }
}

}  // namespace mirvo
