#include "store/RecordCodec.h"

#include <gtest/gtest.h>

#include "store/FirstLibrary.h"

namespace mirvo::store {
namespace {

TEST(RecordCodec, TitlesAreCutWithoutSplittingADoubleByteCharacter) {
    std::array<bool, 256> lead{};
    lead[0x82] = true;
    // 49 single bytes, then a two-byte character that does not fit: it is left out whole.
    const std::string title = std::string(49, 'a') + "\x82\xA0";
    const files::Bytes bytes =
        EncodeTitles(files::AnsiCodePage(lead), std::vector<std::string>{title, "b"});
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              std::string(49, 'a') + " " + "b" + std::string(49, ' '));
}

TEST(RecordCodec, TheLibraryListAsTheManagerWritesIt) {
    std::vector<std::string> names(26);
    names[0] = "  Work";
    names[4] = "A name far longer than twenty";
    const files::Bytes list = EncodeLibraryList(files::AnsiCodePage(), names);
    const std::string written(list.begin(), list.end());
    ASSERT_EQ(written.size(), 580u);
    EXPECT_EQ(written.substr(0, 20), "Work                ") << "leading spaces removed";
    EXPECT_EQ(written.substr(80, 20), "A name far longer th");
    EXPECT_EQ(written.substr(520, 60),
              "Diary               Address Book        Launch Pad          ");
}

TEST(LibraryFiles, OnlyTheFilesOfALibraryAreRecognised) {
    for (const char* name : {"group0.dat", "Group31.MOD", "group3.17", "group3.95", "Colr0.dat",
                             "COLR21.DAT", "Groups.dat", "GROUPS.CLR", "last.grp"}) {
        EXPECT_TRUE(IsLibraryFile(name)) << name;
    }
    for (const char* name :
         {"group22.dat",    "group22.mod", "group22.5",  "colr22.dat", "group32.dat",
          "group3.96",      "group03.dat", "group3.007", "group.dat",  "group3.dat.new~",
          "groups.dat.bak", "mirvo.exe",   "lnch2.exe",  "mirvo.qhp",  "mirvo.ini",
          "Lib.dat",        "Last.Lib",    "Book.Mrk",   "clip.dat",   "clip.3",
          "trans.dat",      "trans.2",     "bulk.dat",   "bulk.4",     "Spacer.txt",
          "lnch.dat",       "install.log", "colr.dat",   "colr3.mod",  "Firstoptions.htm"}) {
        EXPECT_FALSE(IsLibraryFile(name)) << name;
    }
}

}  // namespace
}  // namespace mirvo::store
