#include "files/DataFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "doubles/FaultyFileSystem.h"
#include "doubles/TempFolder.h"
#include "files/AnsiText.h"

namespace mirvo {
namespace {

using test::FaultyFileSystem;
using test::ReadFileBytes;
using test::TempFolder;
using test::WriteFileBytes;

TEST(OpenDataFile, CreatesAMissingFileEmptyAndReadsPastItsEndAsNothing) {
    TempFolder temp;
    FaultyFileSystem fs;
    const std::string path = temp.Path() + "new.dat";
    {
        files::DataFile f = files::OpenDataFile(fs, path);
        EXPECT_EQ(f.Size(), 0u);
        EXPECT_TRUE(f.Read(0, 10).empty());
        f.Write(4, files::Bytes{1, 2});
    }
    EXPECT_EQ(ReadFileBytes(path), (files::Bytes{0, 0, 0, 0, 1, 2}));
}

TEST(OpenDataFile, ClearsReadOnlyBeforeOpening) {
    TempFolder temp;
    FaultyFileSystem fs;
    const std::string path = temp.Path() + "ro.dat";
    WriteFileBytes(path, {7});
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    files::DataFile f = files::OpenDataFile(fs, path);
    f.Write(0, files::Bytes{9});
    EXPECT_EQ(f.Read(0, 1), files::Bytes{9});
}

TEST(OpenDataFile, AFileHeldByAnotherProgramIsFatalOtherFailuresAreNot) {
    TempFolder temp;
    FaultyFileSystem fs;
    const std::string held = temp.Path() + "held.dat";
    fs.lockedPaths.insert(held);
    EXPECT_THROW(files::OpenDataFile(fs, held), files::FatalFileError);

    // A folder that does not exist is the caller's error, not the fatal one.
    const std::string lost = temp.Path() + "no-such-folder/x.dat";
    try {
        files::OpenDataFile(fs, lost);
        FAIL() << "expected an error";
    } catch (const files::FatalFileError&) {
        FAIL() << "a missing folder is not fatal";
    } catch (const platform::FileError& e) {
        EXPECT_EQ(e.Kind(), platform::FileErrorKind::NotFound);
    }
}

TEST(ReplaceDataFile, ReplacesTheWholeFileAndLeavesNoTemporaryFile) {
    TempFolder temp;
    FaultyFileSystem fs;
    const std::string path = temp.Path() + "clip.dat";
    WriteFileBytes(path, files::Bytes(452, 'x'));
    files::ReplaceDataFile(fs, path, files::Bytes{1, 2, 3});
    EXPECT_EQ(ReadFileBytes(path), (files::Bytes{1, 2, 3}));
    EXPECT_EQ(fs.ListFiles(temp.Path()), std::vector<std::string>{"clip.dat"});
}

TEST(ReplaceDataFile, AFullDiskKeepsTheOldContent) {
    TempFolder temp;
    FaultyFileSystem fs;
    const std::string path = temp.Path() + "group3.dat";
    const files::Bytes old(4800, ' ');
    WriteFileBytes(path, old);
    fs.diskFullFor = ".new~";
    EXPECT_THROW(files::ReplaceDataFile(fs, path, files::Bytes(4800, 'N')), platform::FileError);
    EXPECT_EQ(ReadFileBytes(path), old);
    EXPECT_EQ(fs.ListFiles(temp.Path()), std::vector<std::string>{"group3.dat"});
}

TEST(ReplaceDataFile, ATargetHeldByAnotherProgramIsFatal) {
    TempFolder temp;
    FaultyFileSystem fs;
    const std::string path = temp.Path() + "trans.dat";
    WriteFileBytes(path, {1});
    fs.lockedPaths.insert(path);
    EXPECT_THROW(files::ReplaceDataFile(fs, path, files::Bytes{2}), files::FatalFileError);
    EXPECT_EQ(ReadFileBytes(path), files::Bytes{1});
}

TEST(DeleteDataFile, DeletesAndIgnoresAMissingFile) {
    TempFolder temp;
    FaultyFileSystem fs;
    const std::string path = temp.Path() + "clip.3";
    WriteFileBytes(path, {1});
    files::DeleteDataFile(fs, path);
    EXPECT_FALSE(test::FileExists(path));
    EXPECT_NO_THROW(files::DeleteDataFile(fs, path));
}

TEST(AnsiCodePage, FixedWidthTextIsCutAndPaddedWithoutSplittingADoubleByteCharacter) {
    const files::AnsiCodePage singleByte;
    EXPECT_EQ(singleByte.Fixed("Library 1", 20), "Library 1           ");
    EXPECT_EQ(singleByte.Fixed(std::string(60, 'a'), 50), std::string(50, 'a'));

    std::array<bool, 256> lead{};
    for (int b = 0x81; b <= 0x9F; ++b) {
        lead[static_cast<size_t>(b)] = true;
    }
    const files::AnsiCodePage japanese(lead);
    // "ab" then three double-byte characters: a cut at 5 bytes would split the second one.
    const std::string text = std::string("ab") + "\x82\xA0\x82\xA2\x82\xA4";
    EXPECT_EQ(japanese.Cut(text, 5), std::string("ab") + "\x82\xA0");
    EXPECT_EQ(japanese.Fixed(text, 5), std::string("ab") + "\x82\xA0" + " ");
    EXPECT_EQ(japanese.Cut(text, 6), std::string("ab") + "\x82\xA0\x82\xA2");
}

TEST(AnsiText, TrimsOnlySpaces) {
    EXPECT_EQ(files::TrimRight("Hot Key Clips   "), "Hot Key Clips");
    EXPECT_EQ(files::TrimRight("tab\t "), "tab\t");
    EXPECT_EQ(files::TrimLeft("  P - Q"), "P - Q");
}

}  // namespace
}  // namespace mirvo
