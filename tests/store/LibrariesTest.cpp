#include "store/Libraries.h"

#include "app/StoreState.h"
#include "store/FirstLibrary.h"
#include "store/Groups.h"
#include "store/LibraryFiles.h"
#include "store/StoreFixture.h"

namespace mirvo {
namespace {

using test::FileExists;

class Libraries : public test::StoreFixture {
protected:
    // Settings of an earlier run, so that the start is not a first one.
    void StoreSettings(const std::function<void(AppSettings&)>& change) {
        AppSettings s = DecodeSettings({});
        UpgradeSettings(s, {15360, 11520});
        s.FirstRunDone = 1;
        change(s);
        Put(t.PrivateFolder() + "mirvo.ini", EncodeSettings(s));
    }
    void ShowGroup(int group) {
        app.settings.CurrentGroup = static_cast<std::int16_t>(group);
        SetGroupDataPrefix(app);
        LoadGroup(app);
        LabelClipKeys(app);
    }
};

TEST_F(Libraries, AFreshDataFolderGetsTheFilesOfLibraryOne) {
    Start();
    const std::set<std::string> expected = {"Lib.dat", "Lib1/Groups.dat", "Lib1/groups.clr",
                                            "Lib1/group0.dat", "Lib1/group0.mod", "Lib1/Colr0.dat",
                                            "trans.dat", "trans.mod", "trans.clr", "clip.dat",
                                            // the lock of the data folder, which instances share
                                            "mirvo.lck"};
    EXPECT_EQ(FilesUnder(DataPath()), expected);

    const files::Bytes list = Read(DataPath("Lib.dat"));
    ASSERT_EQ(list.size(), 560u);
    EXPECT_EQ(LibraryRecord(1), "Library 1           ");
    EXPECT_EQ(LibraryRecord(2), std::string(20, ' '));
    EXPECT_EQ(LibraryRecord(27), "Diary               ");
    EXPECT_EQ(LibraryRecord(28), "Address Book        ");

    std::string names(1600, ' ');
    names.replace(22 * 50, 13, "Hot Key Clips");
    EXPECT_EQ(Read(LibPath(1, "Groups.dat")), Text(names));
    EXPECT_EQ(Read(LibPath(1, "groups.clr")), files::Bytes(128, 0));
    EXPECT_EQ(GroupName(22).Caption(), "Hot Key Clips");
    EXPECT_EQ(LibLabel(), "Library 1");
    EXPECT_EQ(app.LibraryFolder, LibPath(1));
}

TEST_F(Libraries, AnOldSingleCollectionBecomesLibraryOneAndTheSharedFilesStay) {
    StoreSettings([](AppSettings& s) { s.CommonLibrary = 4; });
    const std::vector<std::string> library = {"group0.dat", "group3.dat", "group3.mod", "group3.17",
                                              "Colr3.dat",  "Groups.dat", "groups.clr", "Last.grp"};
    const std::vector<std::string> shared = {
        "clip.dat",   "clip.2",    "trans.dat", "trans.3",  "group22.dat", "group22.4",
        "colr22.dat", "bulk.dat",  "Bulk.1",    "Lib.dat",  "Last.Lib",    "Book.Mrk",
        "mirvo.exe",  "lnch2.exe", "mirvo.qhp", "lnch.dat", "Spacer.txt",  "install.log"};
    for (const std::string& name : library) {
        Put(DataPath(name), Text("library file " + name));
    }
    for (const std::string& name : shared) {
        Put(DataPath(name), Text("shared file " + name));
    }
    std::string names = Padded("Old group");
    names.resize(1600, ' ');
    Put(DataPath("Groups.dat"), Text(names));
    Put(DataPath("group0.dat"), Titles({"Old clip"}));
    Start();

    for (const std::string& name : library) {
        EXPECT_FALSE(FileExists(DataPath(name))) << name;
        EXPECT_TRUE(FileExists(LibPath(1, name))) << name;
    }
    EXPECT_EQ(Read(LibPath(1, "group3.17")), Text("library file group3.17"));
    for (const std::string& name : shared) {
        EXPECT_TRUE(FileExists(DataPath(name))) << name;
        EXPECT_FALSE(FileExists(LibPath(1, name))) << name;
    }
    EXPECT_EQ(Read(DataPath("lnch2.exe")), Text("shared file lnch2.exe"));
    EXPECT_EQ(GroupName(0).Caption(), "Old group");
    EXPECT_EQ(Item(0).Caption(), "Old clip");
    EXPECT_EQ(app.CurrentLibrary, 1);
    EXPECT_EQ(StoredSettings().CommonLibrary, 1) << "the next start opens the moved collection";
}

TEST_F(Libraries, AFileThatCannotMoveStaysAndLibraryOneIsLeftAloneOnceItExists) {
    Put(DataPath("group5.dat"), Titles({"Held"}));
    Put(DataPath("group6.dat"), Titles({"Free"}));
    t.fs.lockedPaths.insert(DataPath("group5.dat"));
    Start();
    EXPECT_TRUE(FileExists(DataPath("group5.dat")));
    EXPECT_EQ(Read(LibPath(1, "group6.dat")), Titles({"Free"}));

    // With "Lib1" in place nothing moves any more.
    t.fs.lockedPaths.clear();
    Put(DataPath("group7.dat"), Titles({"Later"}));
    MoveToFirstLibrary(app);
    EXPECT_TRUE(FileExists(DataPath("group5.dat")));
    EXPECT_TRUE(FileExists(DataPath("group7.dat")));
}

TEST_F(Libraries, SwitchingToANewLibraryAndBackRestoresTheGroupShownThere) {
    Start();
    ShowGroup(2);
    SwitchLibrary(app, 3);
    EXPECT_EQ(app.CurrentLibrary, 3);
    EXPECT_EQ(app.settings.CurrentGroup, 0) << "a library never opened shows group 0";
    EXPECT_EQ(app.LibraryFolder, LibPath(3));
    EXPECT_TRUE(FileExists(LibPath(3, "Groups.dat")));
    EXPECT_TRUE(FileExists(LibPath(3, "group0.dat")));
    EXPECT_EQ(Read(LibPath(1, "Last.grp")), (files::Bytes{2, 0}));
    EXPECT_EQ(LibLabel(), "Library 3");
    EXPECT_EQ(LibraryRecord(3), "Library 3           ") << "a blank name is given and saved";
    EXPECT_EQ(LibraryRecord(29), "Launch Pad          ");
    EXPECT_EQ(StoredSettings().CommonLibrary, 3);
    EXPECT_EQ(GroupName(0).BackColor(), forms::kHighlight);
    EXPECT_EQ(GroupName(2).BackColor(), static_cast<forms::Color>(app.settings.GroupNameColor));

    ShowGroup(5);
    SwitchLibrary(app, 1);
    EXPECT_EQ(app.settings.CurrentGroup, 2);
    EXPECT_EQ(app.store.GroupDataPrefix, LibPath(1, "group2."));
    EXPECT_EQ(LibLabel(), "Library 1");
    SwitchLibrary(app, 3);
    EXPECT_EQ(app.settings.CurrentGroup, 5);
}

TEST_F(Libraries, TheHotKeyGroupIsTheSameInEveryLibrary) {
    Put(DataPath("group22.dat"), Titles({"Shared hot key clip"}));
    Start();
    ShowGroup(22);
    SwitchLibrary(app, 2);
    ShowGroup(22);
    EXPECT_EQ(Item(0).Caption(), "Shared hot key clip");
    EXPECT_FALSE(FileExists(LibPath(2, "group22.dat")));
}

TEST_F(Libraries, ALastGroupOutsideTheGroupsOrCutShortOpensGroupZero) {
    Start();
    for (const files::Bytes& stored :
         {files::Bytes{77, 0}, files::Bytes{0xFF, 0xFF}, files::Bytes{9}, files::Bytes{}}) {
        Put(LibPath(4, "Last.grp"), stored);
        ShowGroup(6);
        SwitchLibrary(app, 4);
        EXPECT_EQ(app.settings.CurrentGroup, 0);
        EXPECT_EQ(app.store.GroupDataPrefix, LibPath(4, "group0."));
        SwitchLibrary(app, 1);
    }
}

TEST_F(Libraries, TheDiaryNamesTheMonthsAndLabelsTheDaysOfTheMonthShown) {
    Start();
    SwitchLibrary(app, 27);
    EXPECT_EQ(LibLabel(), "Diary");
    EXPECT_EQ(GroupName(0).Caption(), "January");
    EXPECT_EQ(GroupName(11).Caption(), "December");
    EXPECT_EQ(GroupName(12).Caption(), "");
    EXPECT_EQ(GroupName(22).Caption(), "Hot Key Clips");
    EXPECT_EQ(Key(0).Caption(), "1");
    EXPECT_EQ(Key(0).ToolTip(), " Day of Month ");
    EXPECT_EQ(Key(30).Caption(), "31");

    ShowGroup(1);
    EXPECT_EQ(Key(28).Caption(), "29") << "February always shows its leap day";
    EXPECT_EQ(Key(29).Caption(), "");
    EXPECT_EQ(Key(29).ToolTip(), "");
    ShowGroup(8);
    EXPECT_EQ(Key(29).Caption(), "30");
    EXPECT_EQ(Key(30).Caption(), "");
    ShowGroup(22);
    EXPECT_EQ(Key(0).Caption(), "Alt+A") << "hot key clips answer to Alt in the Diary too";

    SwitchLibrary(app, 1);
    EXPECT_EQ(Key(0).Caption(), "A.");
    ShowGroup(3);
    EXPECT_EQ(Key(25).Caption(), "Z.");
    EXPECT_EQ(Key(25).ToolTip(), " Type this letter to paste ");
    EXPECT_EQ(Key(26).Caption(), "");
}

TEST_F(Libraries, TheAddressBookNamesItsGroupsByLetters) {
    Start();
    SwitchLibrary(app, 28);
    EXPECT_EQ(GroupName(0).Caption(), "A");
    EXPECT_EQ(GroupName(14).Caption(), "O");
    EXPECT_EQ(GroupName(15).Caption(), " P - Q");
    EXPECT_EQ(GroupName(18).Caption(), "T");
    EXPECT_EQ(GroupName(19).Caption(), " U - V - W");
    EXPECT_EQ(GroupName(20).Caption(), " X - Y - Z");
    EXPECT_EQ(GroupName(21).Caption(), "");
}

TEST_F(Libraries, TheLaunchPadRemembersTheLibraryToReturnTo) {
    Start();
    forms::CommandButton& launch = edit().controlPanel.LaunchBtn;
    SwitchLibrary(app, 29);
    EXPECT_EQ(LibLabel(), "Launch Pad");
    EXPECT_TRUE(launch.Value());
    EXPECT_EQ(launch.BackColor(), forms::QBColor(12));
    files::Bytes expected = {1, 0};
    const files::Bytes name = Text(Padded("Library 1", 20));
    expected.insert(expected.end(), name.begin(), name.end());
    EXPECT_EQ(Read(DataPath("Last.Lib")), expected);
    const LastLibrary last = ReadLastLibrary(app);
    EXPECT_EQ(last.library, 1);
    EXPECT_EQ(last.name, "Library 1");

    SwitchLibrary(app, 1);
    EXPECT_FALSE(launch.Value());
    EXPECT_EQ(launch.BackColor(), 0xC0C0FFu);
}

TEST_F(Libraries, AMissingShortOrImpossibleLastLibraryReturnsToLibraryOne) {
    Start();
    const files::Bytes name = Text(Padded("Recipes", 20));
    for (const std::uint8_t library : {5, 0, 29, 0xFF}) {
        files::Bytes stored = {library, library == 0xFF ? library : std::uint8_t{0}};
        stored.insert(stored.end(), name.begin(), name.end());
        Put(DataPath("Last.Lib"), stored);
        const LastLibrary last = ReadLastLibrary(app);
        EXPECT_EQ(last.library, library == 5 ? 5 : 1) << int{library};
        EXPECT_EQ(last.name, library == 5 ? "Recipes" : "Library 1") << int{library};
    }
    for (const files::Bytes& stored : {files::Bytes{}, files::Bytes{5, 0, 'R'}}) {
        Put(DataPath("Last.Lib"), stored);
        EXPECT_EQ(ReadLastLibrary(app).library, 1);
    }
}

TEST_F(Libraries, StartingInTheLaunchPadWithTheFirstLibraryListShowsItsName) {
    StoreSettings([](AppSettings& s) { s.CommonLibrary = 29; });
    Put(LibPath(1, "Groups.dat"), Text(std::string(1600, ' ')));
    Start();
    EXPECT_EQ(app.CurrentLibrary, 29);
    EXPECT_EQ(Read(DataPath("Lib.dat")).size(), 560u);
    EXPECT_EQ(LibLabel(), "Launch Pad");
}

}  // namespace
}  // namespace mirvo
