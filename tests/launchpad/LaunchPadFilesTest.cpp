// The launch pad's two files byte for byte: a shortcut's data file and "Book.Mrk".

#include <gtest/gtest.h>

#include <string>

#include "clipboard/ClipDataFile.h"
#include "files/ByteOrder.h"
#include "launchpad/Bookmarks.h"
#include "launchpad/ShortcutFile.h"

namespace mirvo {
namespace {

std::string Padded(const std::string& s, size_t width) {
    return s + std::string(width - s.size(), ' ');
}

files::Bytes Bytes(const std::string& s) {
    return files::Bytes(s.begin(), s.end());
}

TEST(ShortcutFile, IsTheMarkerAndFourBlankPaddedFields) {
    const files::AnsiCodePage ansi;
    const Shortcut shortcut{"C:\\Program Files\\Tool\\tool.exe", "C:\\Program Files\\Tool",
                            "C:\\My Docs\\a.txt /p", "Twenty characters!!!"};
    const std::string expected = std::string("\xE7\x03", 2) + Padded(shortcut.file, 500) +
                                 Padded(shortcut.start, 500) + Padded(shortcut.command, 500) +
                                 shortcut.title;
    const files::Bytes bytes = EncodeShortcut(ansi, shortcut);
    ASSERT_EQ(bytes.size(), kShortcutFileSize);
    EXPECT_EQ(kShortcutFileSize, 1522u);
    EXPECT_EQ(bytes, Bytes(expected));
    EXPECT_EQ(files::ReadInt16(bytes, 0), kShortcutMarker);

    const Shortcut read = DecodeShortcut(bytes);
    EXPECT_EQ(read.file, shortcut.file);
    EXPECT_EQ(read.start, shortcut.start);
    EXPECT_EQ(read.command, shortcut.command);
    EXPECT_EQ(read.title, "Twenty characters!!!") << "a title of 20 characters survives whole";

    // Longer fields are cut to what the file keeps; a shortcut without start or command line
    // keeps blanks there.
    const Shortcut longer{std::string(600, 'f'), "", "", "A title of more than twenty"};
    const Shortcut cut = DecodeShortcut(EncodeShortcut(ansi, longer));
    EXPECT_EQ(cut.file, std::string(500, 'f'));
    EXPECT_EQ(cut.start, "");
    EXPECT_EQ(cut.title, "A title of more than");
}

TEST(ShortcutFile, AShortOrDamagedFileReadsAsFarAsItGoes) {
    // Cut inside the start folder: the file is whole, the folder ends where the file does.
    std::string truncated = std::string("\xE7\x03", 2) + Padded("C:\\run.bat", 500) + "C:\\Wo";
    const Shortcut read = DecodeShortcut(Bytes(truncated));
    EXPECT_EQ(read.file, "C:\\run.bat");
    EXPECT_EQ(read.start, "C:\\Wo");
    EXPECT_EQ(read.command, "");
    EXPECT_EQ(read.title, "");
    // A NUL ends a field; the blanks before it go too.
    std::string withNul = std::string("\xE7\x03", 2) + "C:\\x.exe  " + std::string(1, '\0') +
                          "rest of a damaged field";
    EXPECT_EQ(DecodeShortcut(Bytes(withNul)).file, "C:\\x.exe");
    EXPECT_EQ(DecodeShortcut({}).file, "");
}

TEST(BookmarkFile, KeepsElevenFoldersNineFiltersAndTheLastFolder) {
    const files::AnsiCodePage ansi;
    Bookmarks marks;
    marks.folders[0] = AsBookmark("C:\\Program Files\\My Tools");
    marks.folders[10] = "D:\\";
    marks.filters[0] = "not stored";
    marks.filters[2] = "*.txt;*.doc";
    marks.filters[10] = "*.log";
    marks.lastFolder = "C:\\My Docs";
    EXPECT_EQ(marks.folders[0], "C:\\Program\aFiles\\My\aTools") << "blanks become code 7";
    EXPECT_EQ(FromBookmark(marks.folders[0]), "C:\\Program Files\\My Tools");

    std::string expected = Padded(marks.folders[0], 500);
    for (int i = 1; i < 10; ++i) {
        expected += std::string(500, ' ');
    }
    expected += Padded("D:\\", 500) + Padded("*.txt;*.doc", 200);
    for (int i = 3; i < 10; ++i) {
        expected += std::string(200, ' ');
    }
    expected += Padded("*.log", 200) + Padded("C:\\My Docs", 500);
    const files::Bytes bytes = EncodeBookmarks(ansi, marks);
    ASSERT_EQ(bytes.size(), 7800u);
    EXPECT_EQ(bytes, Bytes(expected));

    const Bookmarks read = DecodeBookmarks(bytes);
    EXPECT_EQ(read.folders, marks.folders);
    EXPECT_EQ(read.filters[0], "*.*") << "the fixed filters are not read from the file";
    EXPECT_EQ(read.filters[1], "*.EXE;*.COM;*.BAT");
    EXPECT_EQ(read.filters[2], "*.txt;*.doc");
    EXPECT_EQ(read.filters[10], "*.log");
    EXPECT_EQ(read.lastFolder, "C:\\My Docs");

    // A file cut in the filters: the bookmarks are whole, the rest is empty.
    const Bookmarks cut = DecodeBookmarks(files::Bytes(bytes.begin(), bytes.begin() + 5600));
    EXPECT_EQ(cut.folders[10], "D:\\");
    EXPECT_EQ(cut.filters[2], "*.txt;*.doc");
    EXPECT_EQ(cut.filters[10], "");
    EXPECT_EQ(cut.lastFolder, "");
}

}  // namespace
}  // namespace mirvo
