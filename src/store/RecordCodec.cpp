#include "store/RecordCodec.h"

#include <algorithm>

namespace mirvo::store {

namespace {
constexpr int kSpecialLibraryCount = kLibraryCount - kUserLibraryCount;
constexpr const char* kSpecialNames[kSpecialLibraryCount] = {"Diary", "Address Book", "Launch Pad"};

std::string DecodeTitle(const files::Bytes& bytes, size_t at, size_t width) {
    std::string title = files::ReadText(bytes, at, width);
    // Bytes beyond the end of the file read as NUL: the title ends there.
    title.erase(std::find(title.begin(), title.end(), '\0'), title.end());
    return files::TrimRight(title);
}
}  // namespace

std::vector<std::string> DecodeTitles(const files::Bytes& bytes, int count, size_t width) {
    std::vector<std::string> titles(static_cast<size_t>(count));
    for (size_t i = 0; i < titles.size(); ++i) {
        titles[i] = DecodeTitle(bytes, i * width, width);
    }
    return titles;
}

files::Bytes EncodeTitles(const files::AnsiCodePage& ansi, std::span<const std::string> titles,
                          size_t width) {
    files::Bytes bytes;
    bytes.reserve(titles.size() * width);
    for (size_t i = 0; i < titles.size(); ++i) {
        files::WriteText(bytes, i * width, ansi.Fixed(titles[i], width));
    }
    return bytes;
}

std::vector<std::int32_t> DecodeLongs(const files::Bytes& bytes, int count) {
    std::vector<std::int32_t> values(static_cast<size_t>(count));
    for (size_t i = 0; i < values.size(); ++i) {
        values[i] = files::ReadInt32(bytes, 4 * i);
    }
    return values;
}

files::Bytes EncodeLongs(std::span<const std::int32_t> values) {
    files::Bytes bytes;
    for (size_t i = 0; i < values.size(); ++i) {
        files::WriteInt32(bytes, 4 * i, values[i]);
    }
    return bytes;
}

std::vector<std::uint8_t> DecodePasteModes(const files::Bytes& bytes, int count) {
    std::vector<std::uint8_t> modes(static_cast<size_t>(count), kPasteModeNotSet);
    for (size_t i = 0; i < modes.size() && i < bytes.size(); ++i) {
        if (bytes[i] <= kHighestPasteMode) {
            modes[i] = bytes[i];
        }
    }
    return modes;
}

files::Bytes EncodePasteModes(std::span<const std::uint8_t> modes) {
    return files::Bytes(modes.begin(), modes.end());
}

TransferTitles DecodeTransferTitles(const files::Bytes& bytes) {
    TransferTitles t;
    t.titles = DecodeTitles(bytes, kTransferSlotCount);
    const size_t sourcesAt = kTransferSlotCount * kTitleWidth;
    for (size_t k = 0; k < kTransferSlotCount; ++k) {
        const size_t at = sourcesAt + 2 * k;
        t.sources.push_back(at + 2 <= bytes.size() ? files::ReadInt16(bytes, at)
                                                   : std::int16_t{-1});
    }
    return t;
}

files::Bytes EncodeTransferTitles(const files::AnsiCodePage& ansi,
                                  std::span<const std::string> titles,
                                  std::span<const std::int16_t> sources) {
    files::Bytes bytes = EncodeTitles(ansi, titles);
    const size_t sourcesAt = titles.size() * kTitleWidth;
    for (size_t k = 0; k < sources.size(); ++k) {
        files::WriteInt16(bytes, sourcesAt + 2 * k, sources[k]);
    }
    return bytes;
}

std::vector<std::string> DecodeLibraryNames(const files::Bytes& bytes) {
    return DecodeTitles(bytes, kLibraryCount, kLibraryNameWidth);
}

files::Bytes EncodeLibraryList(const files::AnsiCodePage& ansi,
                               std::span<const std::string> userNames) {
    std::vector<std::string> records;
    for (int n = 0; n < kUserLibraryCount; ++n) {
        const size_t i = static_cast<size_t>(n);
        records.push_back(i < userNames.size() ? files::TrimLeft(userNames[i]) : std::string());
    }
    for (const char* special : kSpecialNames) {
        records.emplace_back(special);
    }
    return EncodeTitles(ansi, records, kLibraryNameWidth);
}

files::Bytes DefaultLibraryList() {
    std::vector<std::string> records(kAddressBookLibrary);
    records.front() = "Library 1";
    records[kDiaryLibrary - 1] = kSpecialNames[0];
    records[kAddressBookLibrary - 1] = kSpecialNames[1];
    return EncodeTitles(files::AnsiCodePage(), records, kLibraryNameWidth);
}

const char* SpecialLibraryName(int library) {
    if (library <= kUserLibraryCount || library > kLibraryCount) {
        return "";
    }
    return kSpecialNames[library - kUserLibraryCount - 1];
}

}  // namespace mirvo::store
