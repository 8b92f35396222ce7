#include "store/Groups.h"

#include "app/StoreState.h"
#include "platform/FileSystem.h"
#include "store/StoreFixture.h"

namespace mirvo {
namespace {

using forms::Color;

class Groups : public test::StoreFixture {
protected:
    void ShowGroup(int group) {
        app.settings.CurrentGroup = static_cast<std::int16_t>(group);
        SetGroupDataPrefix(app);
        LoadGroup(app);
    }
    Color Default() const { return static_cast<Color>(app.settings.GroupClipColor); }
    std::int32_t StoredColor(int n) {
        return files::ReadInt32(Read(LibPath(1, "Colr0.dat")), 4 * static_cast<size_t>(n));
    }
};

TEST_F(Groups, AGroupNeverUsedGetsBlankRecordFiles) {
    Start();
    ShowGroup(7);
    EXPECT_EQ(Read(LibPath(1, "group7.dat")), Text(std::string(4800, ' ')));
    EXPECT_EQ(Read(LibPath(1, "group7.mod")), files::Bytes(96, 3));
    EXPECT_EQ(Read(LibPath(1, "Colr7.dat")), files::Bytes(384, 0));
    EXPECT_EQ(app.store.GroupDataPrefix, LibPath(1, "group7."));
    EXPECT_EQ(Item(95).BackColor(), Default());
    EXPECT_EQ(app.store.ClipPasteMode[95], 3);
}

TEST_F(Groups, ShortOrOversizedFilesAreReadAsFarAsTheyGoAndNothingElseIsLost) {
    const files::Bytes shortTitles = Text(Padded("Letter head") + Padded("") + "Signa");
    Put(LibPath(1, "group0.dat"), shortTitles);
    files::Bytes colors = Longs({0x0000FF, 0x00FF00, 0}, 1250);  // 5000 bytes
    Put(LibPath(1, "Colr0.dat"), colors);
    Put(LibPath(1, "group0.mod"), {1, 9, 4});
    Start();

    EXPECT_EQ(Item(0).Caption(), "Letter head");
    EXPECT_EQ(Item(2).Caption(), "Signa");
    EXPECT_EQ(Item(3).Caption(), "");
    EXPECT_EQ(Item(0).BackColor(), 0x0000FFu);
    EXPECT_EQ(Item(1).BackColor(), Default()) << "an empty slot shows the default";
    EXPECT_EQ(Item(2).BackColor(), Default()) << "a stored 0 shows the default";
    EXPECT_EQ(Item(0).ForeColor(), forms::QBColor(0));
    EXPECT_EQ(app.store.ClipPasteMode[0], 1);
    EXPECT_EQ(app.store.ClipPasteMode[1], 3) << "no such paste mode";
    EXPECT_EQ(app.store.ClipPasteMode[2], 4);
    EXPECT_EQ(app.store.ClipPasteMode[3], 3) << "beyond the end";
    EXPECT_EQ(Key(0).Caption(), "A.");
    EXPECT_EQ(Key(0).ToolTip(), "Type this letter to paste ");
    EXPECT_EQ(Read(LibPath(1, "group0.dat")), shortTitles) << "loading rewrites nothing";

    SaveGroup(app);
    const files::Bytes saved = Read(LibPath(1, "group0.dat"));
    ASSERT_EQ(saved.size(), 4800u);
    EXPECT_EQ(std::string(saved.begin() + 100, saved.begin() + 150), Padded("Signa"));
    EXPECT_EQ(Read(LibPath(1, "Colr0.dat")).size(), 384u) << "no stale bytes after a save";
}

TEST_F(Groups, SavingStoresZeroForTheDefaultColourAndTheTrueColourUnderTheHighlight) {
    Start();
    Item(0).SetBackColor(Default());
    Item(1).SetBackColor(0xFF0000);
    // Slot 2 carries the keyboard highlight; its true colour waits in HighlightColor.
    for (int n = 0; n < 3; ++n) {
        Item(n).SetCaption("Clip " + std::to_string(n));
    }
    Item(2).SetBackColor(forms::kHighlight);
    app.store.HighlightPos = 9 + 2;
    app.store.HighlightColor = 0x00FF00;
    app.store.ClipPasteMode[1] = 2;
    SaveGroup(app);
    EXPECT_EQ(StoredColor(0), 0);
    EXPECT_EQ(StoredColor(1), 0xFF0000);
    EXPECT_EQ(StoredColor(2), 0x00FF00);
    EXPECT_EQ(Read(LibPath(1, "group0.mod"))[1], 2);

    app.store.HighlightColor = Default();
    SaveGroup(app);
    EXPECT_EQ(StoredColor(2), 0);

    // Loading again keeps the highlight where it is and hands it the slot's stored colour.
    Put(LibPath(1, "Colr0.dat"), Longs({0, 0, 0x0000FF}, 96));
    ShowGroup(0);
    EXPECT_EQ(Item(2).BackColor(), forms::kHighlight);
    EXPECT_EQ(app.store.HighlightColor, 0x0000FFu);
}

TEST_F(Groups, AFailedSaveLeavesTheOldRecords) {
    Put(LibPath(1, "group0.dat"), Titles({"Before"}));
    Start();
    Item(0).SetCaption("After");
    t.fs.diskFullFor = "group0.dat";
    EXPECT_THROW(SaveGroup(app), platform::FileError);
    EXPECT_EQ(Read(LibPath(1, "group0.dat")), Titles({"Before"}));
    EXPECT_FALSE(test::FileExists(LibPath(1, "group0.dat.new~")));
}

TEST_F(Groups, TheHotKeyGroupLivesInTheDataFolderAndShowsOnlyItsLetteredSlots) {
    Put(DataPath("group22.dat"), Titles({"Alt A clip"}));
    Start();
    ShowGroup(22);
    EXPECT_EQ(app.store.GroupDataPrefix, DataPath("group22."));
    EXPECT_EQ(Item(0).Caption(), "Alt A clip");
    EXPECT_TRUE(test::FileExists(DataPath("Colr22.dat")));
    EXPECT_FALSE(test::FileExists(LibPath(1, "group22.dat")));
    EXPECT_EQ(Key(25).Caption(), "Alt+Z");
    EXPECT_EQ(Key(0).ToolTip(), "These Hotkeys paste this clip ");
    EXPECT_TRUE(Item(25).Visible());
    EXPECT_FALSE(Item(26).Visible());
    EXPECT_FALSE(Key(26).Visible());

    ShowGroup(3);
    EXPECT_TRUE(Item(95).Visible()) << "other groups show all their slots";
    EXPECT_TRUE(Key(31).Visible());
    EXPECT_EQ(Key(0).Caption(), "A.");
}

TEST_F(Groups, GroupNamesAndTheirColoursWithTheCurrentGroupMarked) {
    std::string names = Padded("Work") + Padded("Home");
    names.resize(1600, ' ');
    Put(LibPath(1, "Groups.dat"), Text(names));
    Put(LibPath(1, "groups.clr"), Longs({0x123456}, 32));
    Start();
    EXPECT_EQ(GroupName(1).Caption(), "Home");
    EXPECT_EQ(GroupName(0).BackColor(), forms::kHighlight) << "group 0 is current";
    EXPECT_EQ(GroupName(0).ForeColor(), forms::kHighlightText);
    EXPECT_EQ(GroupName(1).BackColor(), static_cast<Color>(app.settings.GroupNameColor));

    app.settings.CurrentGroup = 1;
    LoadGroupNames(app);
    EXPECT_EQ(GroupName(0).BackColor(), 0x123456u);
    EXPECT_EQ(GroupName(0).ForeColor(), forms::QBColor(0));
    EXPECT_EQ(GroupName(1).BackColor(), forms::kHighlight);

    GroupName(5).SetCaption("Renamed");
    SaveGroupNames(app);
    const files::Bytes saved = Read(LibPath(1, "Groups.dat"));
    ASSERT_EQ(saved.size(), 1600u);
    EXPECT_EQ(std::string(saved.begin() + 250, saved.begin() + 300), Padded("Renamed"));
}

}  // namespace
}  // namespace mirvo
