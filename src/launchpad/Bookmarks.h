#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "files/AnsiText.h"
#include "files/ByteOrder.h"

namespace mirvo {

class App;

// "Book.Mrk" in the data folder, shared by all libraries: the shortcut editor's eleven folder
// bookmarks (500 bytes each), its nine own file-type filters (200 each) and the folder it last
// showed (500); 7800 bytes of blank-padded text. A bookmark keeps its blanks as code 7.
inline constexpr const char* kBookmarksFile = "Book.Mrk";
inline constexpr size_t kBookmarkCount = 11;
inline constexpr size_t kBookmarkWidth = 500;
// Filters 0 ("*.*") and 1 (programs) are fixed; 2..10 are stored.
inline constexpr size_t kFilterCount = 11;
inline constexpr size_t kFixedFilterCount = 2;
inline constexpr size_t kFilterWidth = 200;
inline constexpr size_t kLastFolderWidth = 500;
inline constexpr size_t kBookmarksFileSize = kBookmarkCount * kBookmarkWidth +
                                             (kFilterCount - kFixedFilterCount) * kFilterWidth +
                                             kLastFolderWidth;

struct Bookmarks {
    std::array<std::string, kBookmarkCount> folders;
    // All eleven; only 2..10 are stored.
    std::array<std::string, kFilterCount> filters;
    std::string lastFolder;
};

// The captions of the two fixed filters.
inline constexpr const char* kAllFilesFilter = "*.*";
inline constexpr const char* kProgramsFilter = "*.EXE;*.COM;*.BAT";

// A folder path as a bookmark keeps it (each blank as code 7), and back.
std::string AsBookmark(std::string folder);
std::string FromBookmark(std::string bookmark);

files::Bytes EncodeBookmarks(const files::AnsiCodePage& ansi, const Bookmarks& bookmarks);
// Every field as far as the bytes go, up to its first NUL and without trailing blanks; the
// fixed filters take their captions.
Bookmarks DecodeBookmarks(const files::Bytes& bytes);

// What "Book.Mrk" holds; nothing when it is empty (created empty when missing).
std::optional<Bookmarks> ReadBookmarks(App& app);
// Replaces "Book.Mrk" whole.
void SaveBookmarks(App& app, const Bookmarks& bookmarks);

}  // namespace mirvo
