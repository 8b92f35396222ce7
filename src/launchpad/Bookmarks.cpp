#include "launchpad/Bookmarks.h"

#include <algorithm>

#include "app/App.h"
#include "app/FolderSync.h"
#include "files/DataFile.h"
#include "launchpad/ShortcutFile.h"

namespace mirvo {

namespace {
constexpr char kBlankCode = 7;
constexpr size_t kFiltersAt = kBookmarkCount * kBookmarkWidth;
constexpr size_t kLastFolderAt = kFiltersAt + (kFilterCount - kFixedFilterCount) * kFilterWidth;

std::string BookmarksPath(const App& app) {
    return app.DataFolder + kBookmarksFile;
}
}  // namespace

std::string AsBookmark(std::string folder) {
    std::replace(folder.begin(), folder.end(), ' ', kBlankCode);
    return folder;
}

std::string FromBookmark(std::string bookmark) {
    std::replace(bookmark.begin(), bookmark.end(), kBlankCode, ' ');
    return bookmark;
}

files::Bytes EncodeBookmarks(const files::AnsiCodePage& ansi, const Bookmarks& bookmarks) {
    files::Bytes bytes;
    for (size_t i = 0; i < kBookmarkCount; ++i) {
        files::WriteText(bytes, i * kBookmarkWidth,
                         ansi.Fixed(bookmarks.folders[i], kBookmarkWidth));
    }
    for (size_t i = kFixedFilterCount; i < kFilterCount; ++i) {
        files::WriteText(bytes, kFiltersAt + (i - kFixedFilterCount) * kFilterWidth,
                         ansi.Fixed(bookmarks.filters[i], kFilterWidth));
    }
    files::WriteText(bytes, kLastFolderAt, ansi.Fixed(bookmarks.lastFolder, kLastFolderWidth));
    return bytes;
}

Bookmarks DecodeBookmarks(const files::Bytes& bytes) {
    Bookmarks bookmarks;
    for (size_t i = 0; i < kBookmarkCount; ++i) {
        bookmarks.folders[i] = FieldText(bytes, i * kBookmarkWidth, kBookmarkWidth);
    }
    bookmarks.filters[0] = kAllFilesFilter;
    bookmarks.filters[1] = kProgramsFilter;
    for (size_t i = kFixedFilterCount; i < kFilterCount; ++i) {
        bookmarks.filters[i] =
            FieldText(bytes, kFiltersAt + (i - kFixedFilterCount) * kFilterWidth, kFilterWidth);
    }
    bookmarks.lastFolder = FieldText(bytes, kLastFolderAt, kLastFolderWidth);
    return bookmarks;
}

std::optional<Bookmarks> ReadBookmarks(App& app) {
    files::DataFile file = files::OpenDataFile(app.os.files, BookmarksPath(app));
    const files::Bytes bytes = file.Read(0, kBookmarksFileSize);
    if (bytes.empty()) {
        return std::nullopt;
    }
    return DecodeBookmarks(bytes);
}

void SaveBookmarks(App& app, const Bookmarks& bookmarks) {
    FolderLock lock(app);
    files::ReplaceDataFile(app.os.files, BookmarksPath(app), EncodeBookmarks(app.ansi, bookmarks));
}

}  // namespace mirvo
