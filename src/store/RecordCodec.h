#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/StoreLayout.h"
#include "files/AnsiText.h"
#include "files/ByteOrder.h"

// The byte layouts of the store's record files. Decoders take any bytes: what a short file
// lacks reads as the layout's blank value, what lies beyond the layout is ignored.

namespace mirvo::store {

// count fixed-width titles, trailing spaces removed. A record cut short by the end of the file
// keeps what is there.
std::vector<std::string> DecodeTitles(const files::Bytes& bytes, int count,
                                      size_t width = kTitleWidth);
// The titles, each cut to width bytes (whole characters) and padded with spaces.
files::Bytes EncodeTitles(const files::AnsiCodePage& ansi, std::span<const std::string> titles,
                          size_t width = kTitleWidth);

// count little-endian Longs; 0 beyond the end.
std::vector<std::int32_t> DecodeLongs(const files::Bytes& bytes, int count);
files::Bytes EncodeLongs(std::span<const std::int32_t> values);

// count paste-mode bytes; a missing byte or a value that is no paste mode reads as "not set".
std::vector<std::uint8_t> DecodePasteModes(const files::Bytes& bytes, int count);
files::Bytes EncodePasteModes(std::span<const std::uint8_t> modes);

// "trans.dat": eight titles, then eight Integer sources. A source the file lacks is -1 (the
// slot's own clip), the value a new file holds.
struct TransferTitles {
    std::vector<std::string> titles;
    std::vector<std::int16_t> sources;
};
inline constexpr size_t kTransTitlesSize = 416;
TransferTitles DecodeTransferTitles(const files::Bytes& bytes);
files::Bytes EncodeTransferTitles(const files::AnsiCodePage& ansi,
                                  std::span<const std::string> titles,
                                  std::span<const std::int16_t> sources);

// "Lib.dat": library n at byte 20(n-1); names of all 29 libraries, blank where the file ends.
std::vector<std::string> DecodeLibraryNames(const files::Bytes& bytes);
// The list as the library manager writes it: the 26 user names without leading spaces, then
// "Diary", "Address Book" and "Launch Pad"; 29 records.
files::Bytes EncodeLibraryList(const files::AnsiCodePage& ansi,
                               std::span<const std::string> userNames);
// The list of a new data folder: "Library 1", 25 blank records, "Diary", "Address Book".
files::Bytes DefaultLibraryList();

// The fixed names of the special libraries 27..29.
const char* SpecialLibraryName(int library);

}  // namespace mirvo::store
