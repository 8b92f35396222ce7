#include "files/DataFile.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// A backup tool or an editor holds the files open with read and write sharing but without
// delete sharing: no rename may replace them, yet every write must still arrive, in place.
TEST(DataFilesHeldWithSharing, ReplaceCopyAndMoveStillWriteTheTargetWhole) {
    TempFolder temp;
    FaultyFileSystem fs;
    const std::string clips = temp.Path() + "clip.dat";
    WriteFileBytes(clips, files::Bytes(452, 'x'));
    fs.sharedHeldPaths.insert(clips);
    files::ReplaceDataFile(fs, clips, files::Bytes{1, 2, 3});
    EXPECT_EQ(ReadFileBytes(clips), (files::Bytes{1, 2, 3})) << "shorter bytes, shorter file";

    const std::string source = temp.Path() + "clip.1";
    const std::string target = temp.Path() + "clip.0";
    WriteFileBytes(source, files::Bytes(3000, 's'));
    WriteFileBytes(target, files::Bytes(10, 't'));
    fs.sharedHeldPaths.insert(target);
    files::CopyDataFile(fs, source, target);
    EXPECT_EQ(ReadFileBytes(target), files::Bytes(3000, 's'));
    WriteFileBytes(source, files::Bytes(5, 'm'));
    files::MoveDataFile(fs, source, target);
    EXPECT_EQ(ReadFileBytes(target), files::Bytes(5, 'm'));
    EXPECT_FALSE(test::FileExists(source)) << "a free source goes after the copy";

    // A held source stays where it is, with the bytes its target now has too.
    fs.sharedHeldPaths = {source};
    WriteFileBytes(source, files::Bytes{4});
    files::MoveDataFile(fs, source, target);
    EXPECT_EQ(ReadFileBytes(target), files::Bytes{4});
    EXPECT_EQ(ReadFileBytes(source), files::Bytes{4});

    const std::vector<std::string> left = fs.ListFiles(temp.Path());
    EXPECT_EQ(std::count_if(left.begin(), left.end(),
                            [](const std::string& n) { return n.find(".new~") != n.npos; }),
              0)
        << "no temporary file stays";
}

TEST(ReplaceDataFiles, RecordsThatBelongTogetherChangeTogetherOrNotAtAll) {
    TempFolder temp;
    FaultyFileSystem fs;
    const std::string titles = temp.Path() + "group4.dat";
    const std::string colours = temp.Path() + "Colr4.dat";
    const std::string modes = temp.Path() + "group4.mod";
    for (const std::string& path : {titles, colours, modes}) {
        WriteFileBytes(path, {0});
    }
    fs.sharedHeldPaths.insert(colours);
    files::ReplaceDataFiles(fs, {{titles, {1}}, {colours, {2}}, {modes, {3}}});
    EXPECT_EQ(ReadFileBytes(titles), files::Bytes{1});
    EXPECT_EQ(ReadFileBytes(colours), files::Bytes{2});
    EXPECT_EQ(ReadFileBytes(modes), files::Bytes{3});

    // The last file refuses every open: the first two must not change either.
    fs.lockedPaths.insert(modes);
    EXPECT_THROW(files::ReplaceDataFiles(fs, {{titles, {7}}, {colours, {8}}, {modes, {9}}}),
                 files::FatalFileError);
    EXPECT_EQ(ReadFileBytes(titles), files::Bytes{1});
    EXPECT_EQ(ReadFileBytes(colours), files::Bytes{2});
    fs.lockedPaths.clear();
    EXPECT_EQ(fs.ListFiles(temp.Path()).size(), 3u) << "no temporary file stays";
}

TEST(DeleteDataFile, DeletesAndIgnoresAMissingFile) {
    TempFolder temp;
    FaultyFileSystem fs;
    const std::string path = temp.Path() + "clip.3";
    WriteFileBytes(path, {1});
    files::DeleteDataFile(fs, path);
    EXPECT_FALSE(test::FileExists(path));
    EXPECT_NO_THROW(files::DeleteDataFile(fs, path));

    // Another program holds it open with sharing: it is emptied where it stands.
    WriteFileBytes(path, {1, 2, 3});
    fs.sharedHeldPaths.insert(path);
    EXPECT_NO_THROW(files::DeleteDataFile(fs, path));
    EXPECT_EQ(ReadFileBytes(path), files::Bytes{});
    // Held without sharing: the fatal case.
    fs.lockedPaths.insert(path);
    EXPECT_THROW(files::DeleteDataFile(fs, path), files::FatalFileError);
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
