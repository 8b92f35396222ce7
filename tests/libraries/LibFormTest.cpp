#include "app/EditContext.h"
#include "app/StoreState.h"
#include "libraries/LibForm.h"
#include "store/Groups.h"
#include "store/Libraries.h"
#include "store/StoreFixture.h"

namespace mirvo {
namespace {

using forms::MouseButton;
using forms::Key::Down;
using forms::Key::Left;
using forms::Key::Return;
using forms::Key::Right;
using forms::Key::Up;
using test::FileExists;

class LibraryManager : public test::StoreFixture {
protected:
    // Opens the manager from the library label; act runs while it is shown.
    void WithManager(const std::function<void(LibForm&)>& act) {
        bool opened = false;
        t.host.onModal = [&](forms::Form& form) {
            ASSERT_EQ(form.Name(), "LibForm");
            opened = true;
            act(static_cast<LibForm&>(form));
        };
        t.host.Click(edit().controlPanel.LibLabel, MouseButton::Left);
        t.host.onModal = nullptr;
        EXPECT_TRUE(opened);
    }
    static forms::Label& Entry(LibForm& form, int i) { return *form.Item[static_cast<size_t>(i)]; }
    void Press(int key) { t.host.PressKey(key, 0, key == Return ? 13 : 0); }
    void Drag(LibForm& form, int from, int to) {
        t.host.MouseDown(Entry(form, from), MouseButton::Left, 100, 100);
        t.host.MouseMove(Entry(form, from), 100, 121, MouseButton::Left);
        ASSERT_EQ(t.host.DragSource(), &form.DragBox);
        t.host.Drop(Entry(form, to));
    }
    // A library folder with a named group and one titled clip in group 0.
    void PutLibrary(int library, const std::string& clip) {
        Put(LibPath(library, "group0.dat"), Titles({clip}));
        std::string names = Padded("Group of " + clip);
        names.resize(1600, ' ');
        Put(LibPath(library, "Groups.dat"), Text(names));
        Put(LibPath(library, "group0.0"), Text("data of " + clip));
    }
    void NameLibrary(int library, const std::string& name) {
        files::Bytes list = Read(DataPath("Lib.dat"));
        const std::string record = Padded(name, 20);
        std::copy(record.begin(), record.end(), list.begin() + 20 * (library - 1));
        Put(DataPath("Lib.dat"), list);
    }
};

TEST_F(LibraryManager, KeysMoveTheHighlightAndWrapWithinTheUserLibraries) {
    Start();
    WithManager([&](LibForm& form) {
        EXPECT_EQ(form.Caption(), " Libraries");
        EXPECT_EQ(Entry(form, 0).Caption(), "Library 1");
        EXPECT_EQ(Entry(form, 28).Caption(), "Launch Pad");
        EXPECT_EQ(form.Left(), edit().Left());
        EXPECT_EQ(Entry(form, 0).BackColor(), forms::kHighlight) << "the current library";
        Press(Up);
        EXPECT_EQ(form.SelIndex(), 25) << "Up from the first wraps to the last user library";
        EXPECT_EQ(Entry(form, 25).BackColor(), forms::QBColor(12));
        EXPECT_EQ(Entry(form, 0).BackColor(), forms::QBColor(15));
        EXPECT_EQ(Entry(form, 0).ForeColor(), forms::QBColor(0));
        Press(Down);
        EXPECT_EQ(form.SelIndex(), 0);
        Press(Up);
        Press(Return);
        EXPECT_EQ(form.SelIndex(), 0) << "Enter moves on like Down";

        for (int i = 0; i < 12; ++i) {
            Press(Down);
        }
        EXPECT_EQ(form.SelIndex(), 12);
        Press(Left);
        EXPECT_EQ(form.SelIndex(), 12) << "no column to the left";
        Press(Right);
        EXPECT_EQ(form.SelIndex(), 25);
        Press(Right);
        EXPECT_EQ(form.SelIndex(), 25);
        Press(Left);
        EXPECT_EQ(form.SelIndex(), 12);

        // The mouse can reach the special libraries; the keys go on from there to the first.
        t.host.MouseMove(Entry(form, 27), 10, 10);
        EXPECT_EQ(form.SelIndex(), 27);
        EXPECT_EQ(Entry(form, 27).BackColor(), forms::kHighlight);
        EXPECT_EQ(Entry(form, 12).BackColor(), forms::QBColor(15));
        Press(Down);
        EXPECT_EQ(form.SelIndex(), 0);
        t.host.MouseMove(Entry(form, 28), 10, 10);
        Press(Return);
        EXPECT_EQ(form.SelIndex(), 0);
        t.host.MouseMove(Entry(form, 26), 10, 10);
        Press(Up);
        EXPECT_EQ(form.SelIndex(), 25);

        t.host.Click(*form.hotkey[7]);
        EXPECT_EQ(form.SelIndex(), 7);
        EXPECT_EQ(form.hotkey[7]->BackColor(), forms::QBColor(12));
    });
}

TEST_F(LibraryManager, ARenameIsCutToTwentyBytesAndSavedWhenEnterConfirmsIt) {
    Start();
    WithManager([&](LibForm& form) {
        t.host.Click(Entry(form, 4), MouseButton::Right);
        ASSERT_TRUE(form.Renaming());
        EXPECT_TRUE(form.GetName.Visible());
        EXPECT_EQ(form.GetName.Left(), Entry(form, 4).Left());
        EXPECT_EQ(t.host.FocusedControl(), &form.GetName);
        EXPECT_EQ(form.CancelBtn.Caption(), "Type name and press Enter");

        // Arrow keys edit the name, they do not move the highlight.
        Press(Down);
        EXPECT_EQ(form.SelIndex(), 0);

        form.GetName.SetText("A name that is much too long");
        Press(Return);
        EXPECT_FALSE(form.Renaming());
        EXPECT_FALSE(form.GetName.Visible());
        EXPECT_EQ(form.GetName.Text(), "");
        EXPECT_EQ(form.CancelBtn.Caption(), "Cancel");
        EXPECT_EQ(Entry(form, 4).Caption(), "A name that is much");
        EXPECT_EQ(form.SelIndex(), 0) << "Enter ended the rename only";
    });
    EXPECT_EQ(Read(DataPath("Lib.dat")).size(), 580u);
    EXPECT_EQ(LibraryRecord(5), "A name that is much ");
    EXPECT_EQ(LibraryRecord(29), "Launch Pad          ");
    EXPECT_EQ(LibLabel(), "Library 1");
}

TEST_F(LibraryManager, ClosingWhileANameIsTypedIsRefusedWithTwoTones) {
    Start();
    WithManager([&](LibForm& form) {
        t.host.Click(Entry(form, 0), MouseButton::Right);
        form.GetName.SetText("Unconfirmed");
        t.desktop.beeps.clear();
        t.host.Click(form.CancelBtn);
        EXPECT_TRUE(form.Loaded());
        EXPECT_TRUE(form.GetName.Visible());
        EXPECT_EQ(t.host.FocusedControl(), &form.GetName);
        EXPECT_EQ(t.desktop.beeps, (std::vector<std::pair<int, int>>{{100, 100}, {70, 100}}));
        EXPECT_FALSE(t.host.CloseByUser(form));
        t.host.PressKey(forms::Key::Escape);
        EXPECT_TRUE(form.Loaded());
        EXPECT_EQ(t.desktop.beeps.size(), 6u);

        Press(Return);
        EXPECT_EQ(LibLabel(), "Unconfirmed") << "the current library's new name shows at once";
        t.host.PressKey(forms::Key::Escape);
        EXPECT_FALSE(form.Loaded());
        EXPECT_EQ(t.host.SwallowKeyUp(), 0) << "it closed as Escape came up: no key is left over";
    });
}

TEST_F(LibraryManager, TheSpecialLibrariesCanBeChosenButNotRenamedOrDragged) {
    Start();
    WithManager([&](LibForm& form) {
        for (int i : {26, 27, 28}) {
            t.host.Click(Entry(form, i), MouseButton::Right);
            EXPECT_FALSE(form.Renaming()) << i;
            t.host.MouseDown(Entry(form, i), MouseButton::Left, 0, 0);
            t.host.MouseMove(Entry(form, i), 200, 200, MouseButton::Left);
            EXPECT_EQ(t.host.DragSource(), nullptr) << i;
        }
        // A blank user library cannot be dragged either, and a short move starts nothing.
        t.host.MouseDown(Entry(form, 3), MouseButton::Left, 0, 0);
        t.host.MouseMove(Entry(form, 3), 200, 200, MouseButton::Left);
        EXPECT_EQ(t.host.DragSource(), nullptr);
        t.host.MouseDown(Entry(form, 0), MouseButton::Left, 100, 100);
        t.host.MouseMove(Entry(form, 0), 120, 80, MouseButton::Left);
        EXPECT_EQ(t.host.DragSource(), nullptr);

        t.host.Click(Entry(form, 27));
        EXPECT_FALSE(form.Loaded());
    });
    EXPECT_EQ(app.CurrentLibrary, 28);
    EXPECT_EQ(LibLabel(), "Address Book");
    EXPECT_EQ(GroupName(15).Caption(), " P - Q");
}

TEST_F(LibraryManager, ChoosingTheCurrentLibraryOnlyClosesChoosingAnotherSwitches) {
    Start();
    WithManager([&](LibForm& form) {
        t.host.Click(Entry(form, 0));
        EXPECT_FALSE(form.Loaded());
    });
    EXPECT_EQ(app.CurrentLibrary, 1);
    EXPECT_EQ(Read(DataPath("Lib.dat")).size(), 580u) << "the list was saved";

    WithManager([&](LibForm& form) { t.host.Click(Entry(form, 6)); });
    EXPECT_EQ(app.CurrentLibrary, 7);
    EXPECT_EQ(LibLabel(), "Library 7");
    EXPECT_EQ(StoredSettings().CommonLibrary, 7);
}

TEST_F(LibraryManager, ALibraryMovesToAnEmptyNumberOnly) {
    PutLibrary(3, "Recipe");
    PutLibrary(4, "Busy");
    Put(LibPath(10, "Groups.dat"), Text(std::string(1600, 'n')));  // named groups, no clips
    Put(LibPath(10, "group1.dat"), Text(std::string(4800, ' ')));
    Start();
    NameLibrary(3, "Recipes");
    NameLibrary(4, "Busy one");
    WithManager([&](LibForm& form) {
        Drag(form, 2, 3);
        EXPECT_EQ(Entry(form, 2).Caption(), "Recipes") << "a library with clips is no target";
        EXPECT_FALSE(form.DragBox.Visible());
        Drag(form, 2, 2);
        Drag(form, 2, 27);
        EXPECT_EQ(Entry(form, 2).Caption(), "Recipes");

        Drag(form, 2, 9);
        EXPECT_EQ(Entry(form, 9).Caption(), "Recipes");
        EXPECT_EQ(Entry(form, 2).Caption(), "");
    });
    EXPECT_EQ(Read(LibPath(10, "group0.0")), Text("data of Recipe"));
    EXPECT_EQ(Read(LibPath(10, "group0.dat")), Titles({"Recipe"}));
    EXPECT_FALSE(FileExists(LibPath(10, "group1.dat"))) << "the empty target's files are gone";
    EXPECT_TRUE(FilesUnder(LibPath(3)).empty()) << "Lib3 stands again, empty";
    EXPECT_TRUE(FileExists(LibPath(4, "group0.0")));
    EXPECT_FALSE(std::filesystem::exists(DataPath("Lib10~")));
    EXPECT_EQ(LibraryRecord(10), "Recipes             ");
    EXPECT_EQ(LibraryRecord(3), std::string(20, ' '));
    EXPECT_EQ(app.CurrentLibrary, 1);
}

TEST_F(LibraryManager, AMoveThatTheFileSystemRefusesChangesNothing) {
    PutLibrary(3, "Recipe");
    Put(LibPath(10, "group0.dat"), Text(std::string(4800, ' ')));
    Start();
    NameLibrary(3, "Recipes");
    t.fs.lockedPaths.insert(files::WithoutSeparator(LibPath(3)));
    WithManager([&](LibForm& form) {
        Drag(form, 2, 9);
        EXPECT_EQ(Entry(form, 2).Caption(), "Recipes");
        EXPECT_EQ(Entry(form, 9).Caption(), "");
    });
    EXPECT_TRUE(FileExists(LibPath(3, "group0.0")));
    EXPECT_TRUE(FileExists(LibPath(10, "group0.dat")));
    EXPECT_EQ(t.desktop.beeps.size(), 2u);
}

TEST_F(LibraryManager, MovingTheCurrentLibraryAwayTakesThePanelsAndTheSettingsAlong) {
    PutLibrary(1, "Mine");
    Start();
    WithManager([&](LibForm& form) { Drag(form, 0, 5); });
    EXPECT_EQ(app.CurrentLibrary, 6);
    EXPECT_EQ(app.LibraryFolder, LibPath(6));
    EXPECT_EQ(app.store.GroupDataPrefix, LibPath(6, "group0."));
    EXPECT_EQ(StoredSettings().CommonLibrary, 6);
    EXPECT_EQ(LibLabel(), "Library 1");
    EXPECT_EQ(Item(0).Caption(), "Mine");

    // A later save writes into the moved library, never into the empty folder left behind.
    SaveGroup(app);
    SaveGroupNames(app);
    EXPECT_EQ(Read(LibPath(6, "group0.dat")), Titles({"Mine"}));
    EXPECT_FALSE(FileExists(LibPath(1, "group0.dat")));
    EXPECT_FALSE(FileExists(LibPath(1, "Groups.dat")));
}

TEST_F(LibraryManager, MovingALibraryOntoTheCurrentEmptyOneShowsIt) {
    PutLibrary(2, "Moved in");
    Put(LibPath(2, "Last.grp"), {0, 0});
    Start();
    NameLibrary(2, "Incoming");
    SwitchLibrary(app, 5);
    WithManager([&](LibForm& form) { Drag(form, 1, 4); });
    EXPECT_EQ(app.CurrentLibrary, 5);
    EXPECT_EQ(Item(0).Caption(), "Moved in");
    EXPECT_EQ(GroupName(0).Caption(), "Group of Moved in");
    EXPECT_EQ(LibLabel(), "Incoming");
    EXPECT_TRUE(FilesUnder(LibPath(2)).empty());
    EXPECT_EQ(StoredSettings().CommonLibrary, 5);
}

TEST_F(LibraryManager, TheLibraryLabelOpensNothingWhileAClipEditorIsOpen) {
    Start();
    int modals = 0;
    t.host.onModal = [&](forms::Form&) { ++modals; };
    app.editing.EditorOpen = 1;
    t.host.Click(edit().controlPanel.LibLabel, MouseButton::Left);
    t.host.Click(edit().controlPanel.LibLabelFrame, MouseButton::Left);
    t.host.Click(edit().controlPanel.LibLabel, MouseButton::Right);
    EXPECT_EQ(modals, 0);

    app.editing.EditorOpen = 0;
    std::string shown;
    t.host.onModal = [&](forms::Form& form) { shown = form.Name(); };
    t.host.Click(edit().controlPanel.LibLabel, MouseButton::Right);
    EXPECT_EQ(shown, "HelpForm");
    EXPECT_EQ(app.HelpTopic, 24);
    t.host.Click(edit().controlPanel.LibLabelFrame, MouseButton::Left);
    EXPECT_EQ(shown, "LibForm");
}

}  // namespace
}  // namespace mirvo
