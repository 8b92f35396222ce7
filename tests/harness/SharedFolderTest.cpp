// Two instances of the program over one data folder, as two computers share a program folder on
// a network drive: each with its own clipboard and its own user folders. Their actions interleave
// step by step; nothing one files is lost to the other's saves, each shows the other's changes
// after one tick of its clipboard timer, and the history's titles describe its files.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/ClipboardState.h"
#include "app/FolderSync.h"
#include "app/Modes.h"
#include "app/Settings.h"
#include "clipboard/History.h"
#include "dialogs/SettingsForm.h"
#include "dialogs/ViewForm.h"
#include "doubles/TempFolder.h"
#include "files/AnsiText.h"
#include "files/Paths.h"
#include "files/StdFileSystem.h"
#include "harness/ProgramOver.h"
#include "libraries/LibForm.h"
#include "mainwindow/Edit.h"
#include "panels/MainForm.h"
#include "store/Groups.h"
#include "store/RecordCodec.h"
#include "store/TransferSlots.h"

namespace mirvo {
namespace {

using forms::MouseButton;
using test::ReadFileBytes;

constexpr char kSep = files::kPathSeparator;

// One computer: the program over the shared folder, with its own user folders.
struct Computer {
    Computer(const std::string& shared, const std::string& user)
        : program(std::make_unique<test::ProgramOver>(shared, user)) {}
    bool Start() {
        if (!program->Start()) {
            return false;
        }
        edit().SetWindowState(forms::WindowState::Normal);
        return true;
    }
    App& app() { return program->app(); }
    Edit& edit() { return static_cast<Edit&>(app().MainWindow()); }
    forms::HeadlessHost& host() { return program->host; }

    // The user copies text in another program; the next tick of the clipboard timer takes it,
    // and shows what the other computer changed meanwhile.
    void Copy(const std::string& text) {
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        program->clipboard.PutFromOtherProgram({{1, bytes}});
        Tick();
    }
    void Tick() { host().AdvanceTime(1000); }

    // Drags the newest clipboard clip onto group slot n and titles it in the clip settings.
    // False when the settings did not open (the drop was not taken).
    bool FileNewestClip(int slot, const std::string& title) {
        bool asked = false;
        host().onModal = [&](forms::Form& form) {
            auto& settings = static_cast<Settings&>(form);
            asked = true;
            settings.title.SetText(title);
            host().Click(settings.Command1);
        };
        const int newest = app().clip.ClipboardClipCount - 1;
        Drag(*edit().clipboardPanel.ClipboardClip[static_cast<size_t>(newest)],
             *edit().groupPanels.item[static_cast<size_t>(slot)]);
        host().onModal = nullptr;
        return asked;
    }
    void Drag(forms::Control& source, forms::Control& target) {
        source.RaiseMouseDown(MouseButton::Left, 0, 100, 100);
        source.RaiseMouseMove(MouseButton::Left, 0, 100, 130);
        ASSERT_EQ(host().DragSource(), &source) << source.Name();
        host().Drop(target);
    }

    std::string Shown(const forms::Label& label) const { return files::TrimRight(label.Caption()); }
    std::string Item(int n) { return Shown(*edit().groupPanels.item[static_cast<size_t>(n)]); }
    std::string Trans(int k) { return Shown(*edit().groupPanels.Trans[static_cast<size_t>(k)]); }
    std::string GroupName(int g) {
        return Shown(*edit().groupPanels.Group[static_cast<size_t>(g)]);
    }
    std::string History(int i) {
        return Shown(*edit().clipboardPanel.ClipboardClip[static_cast<size_t>(i)]);
    }

    std::unique_ptr<test::ProgramOver> program;
};

class SharedFolder : public ::testing::Test {
protected:
    void SetUp() override {
        for (Computer* c : {&a, &b}) {
            // Every change of the shared files is made under the folder's lock.
            c->program->fs.watchedFolder = Data("");
        }
        ASSERT_TRUE(a.Start());
        ASSERT_TRUE(b.Start());
        ASSERT_EQ(a.app().DataFolder, b.app().DataFolder) << "both keep their data in the program";
    }
    void TearDown() override {
        for (Computer* c : {&a, &b}) {
            EXPECT_EQ(c->program->fs.changesWithoutLock, std::vector<std::string>{});
            EXPECT_EQ(c->app().folder.lockDepth, 0);
        }
    }
    // No instance holds the folder's lock now.
    bool LockIsFree() {
        files::StdFileSystem fs;
        return fs.OpenLocked(Data(kFolderLockFile)) != nullptr;
    }

    std::string Data(const std::string& file) const {
        return m_root.Path() + "program" + kSep + file;
    }
    std::string Lib1(const std::string& file) const {
        return Data("Lib1" + std::string(1, kSep) + file);
    }
    std::vector<std::string> Titles(const std::string& path, int count) const {
        return store::DecodeTitles(ReadFileBytes(path), count);
    }
    // Whether a clip data file holds the text.
    bool Holds(const std::string& path, const std::string& text) const {
        const files::Bytes bytes = ReadFileBytes(path);
        const std::string content(bytes.begin(), bytes.end());
        return content.find(text + '\0') != std::string::npos;
    }
    // "clip.dat" against the files beside it: the title of every clip of the history is the
    // start of the text in its data file.
    void ExpectHistoryDescribesItsFiles() {
        const HistoryFile history = DecodeHistory(ReadFileBytes(Data("clip.dat")));
        for (int i = 0; i < history.count; ++i) {
            const std::string& title = history.titles[static_cast<size_t>(i)];
            EXPECT_TRUE(Holds(Data("clip." + std::to_string(i)), title))
                << "clip." << i << " is not the clip titled \"" << title << "\"";
        }
    }

    test::TempFolder m_root;
    test::TempFolder m_userA;
    test::TempFolder m_userB;
    Computer a{m_root.Path(), m_userA.Path()};
    Computer b{m_root.Path(), m_userB.Path()};
};

TEST_F(SharedFolder, ClipsFiledAlternatelyIntoOneGroupAreAllKeptAndShownOnBoth) {
    a.Copy("alpha text");
    ASSERT_TRUE(a.FileNewestClip(0, "Alpha"));
    b.Copy("bravo text");
    EXPECT_EQ(b.Item(0), "Alpha") << "a tick shows the other computer's clip";
    ASSERT_TRUE(b.FileNewestClip(1, "Bravo"));
    a.Copy("charlie text");
    ASSERT_TRUE(a.FileNewestClip(2, "Charlie"));
    b.Tick();

    const std::vector<std::string> titles = Titles(Lib1("group0.dat"), 3);
    EXPECT_EQ(titles, (std::vector<std::string>{"Alpha", "Bravo", "Charlie"}));
    EXPECT_TRUE(Holds(Lib1("group0.0"), "alpha text"));
    EXPECT_TRUE(Holds(Lib1("group0.1"), "bravo text"));
    EXPECT_TRUE(Holds(Lib1("group0.2"), "charlie text"));
    for (Computer* c : {&a, &b}) {
        EXPECT_EQ(c->Item(0), "Alpha");
        EXPECT_EQ(c->Item(1), "Bravo");
        EXPECT_EQ(c->Item(2), "Charlie");
    }
}

TEST_F(SharedFolder, ADropOnASlotTheOtherJustFilledLeavesItsClip) {
    a.Copy("alpha text");
    b.Copy("bravo text");
    ASSERT_TRUE(b.FileNewestClip(3, "Bravo"));
    // A has not looked since: its slot 3 still shows empty.
    ASSERT_EQ(a.Item(3), "");
    EXPECT_FALSE(a.FileNewestClip(3, "Alpha")) << "the slot is filled: no settings open";
    EXPECT_EQ(Titles(Lib1("group0.dat"), 4)[3], "Bravo");
    EXPECT_TRUE(Holds(Lib1("group0.3"), "bravo text")) << "its data is not overwritten";
    EXPECT_EQ(a.Item(3), "Bravo") << "the drop shows what the files hold";
}

TEST_F(SharedFolder, CapturesOnBothComputersLeaveTheHistoryTitlesDescribingTheirFiles) {
    for (int i = 0; i < 7; ++i) {
        a.Copy("from a " + std::to_string(i));
        ExpectHistoryDescribesItsFiles();
        b.Copy("from b " + std::to_string(i));
        ExpectHistoryDescribesItsFiles();
    }
    const HistoryFile history = DecodeHistory(ReadFileBytes(Data("clip.dat")));
    EXPECT_EQ(history.count, 9);
    EXPECT_EQ(history.titles[8], "from b 6");
    EXPECT_EQ(history.titles[7], "from a 6");
    a.Tick();
    for (Computer* c : {&a, &b}) {
        EXPECT_EQ(c->app().clip.ClipboardClipCount, 9);
        for (int i = 0; i < 9; ++i) {
            EXPECT_EQ(c->History(i), history.titles[static_cast<size_t>(i)]) << i;
        }
    }
}

TEST_F(SharedFolder, NamesTransferSlotsAndLibrariesMergeToo) {
    // Group names.
    a.edit().groupPanels.Group[5]->SetCaption("Recipes");
    SaveGroupNames(a.app());
    b.edit().groupPanels.Group[6]->SetCaption("Letters");
    SaveGroupNames(b.app());
    EXPECT_EQ(Titles(Lib1("Groups.dat"), 7)[5], "Recipes");
    EXPECT_EQ(Titles(Lib1("Groups.dat"), 7)[6], "Letters");
    EXPECT_EQ(b.GroupName(5), "Recipes") << "the save shows what it merged";
    a.Tick();
    EXPECT_EQ(a.GroupName(6), "Letters");

    // Transfer slots.
    a.Copy("slot text a");
    a.Drag(*a.edit().clipboardPanel.ClipboardClip[0], *a.edit().groupPanels.Trans[0]);
    b.Copy("slot text b");
    b.Drag(*b.edit().clipboardPanel.ClipboardClip[1], *b.edit().groupPanels.Trans[1]);
    const store::TransferTitles slots =
        store::DecodeTransferTitles(ReadFileBytes(Data("trans.dat")));
    EXPECT_EQ(slots.titles[0], "slot text a");
    EXPECT_EQ(slots.titles[1], "slot text b");
    EXPECT_TRUE(Holds(Data("trans.0"), "slot text a"));
    EXPECT_TRUE(Holds(Data("trans.1"), "slot text b"));
    a.Tick();
    EXPECT_EQ(a.Trans(1), "slot text b");

    // Library names, each typed in the library manager.
    auto rename = [](Computer& c, int index, const std::string& name) {
        c.host().onModal = [&](forms::Form& form) {
            auto& libraries = static_cast<LibForm&>(form);
            c.host().Click(*libraries.Item[static_cast<size_t>(index)], MouseButton::Right);
            libraries.GetName.SetText(name);
            c.host().PressKey(forms::Key::Return, 0, 13);
            c.host().Click(libraries.CancelBtn);
        };
        LibLabel_MouseUp(c.app(), MouseButton::Left, LibraryLabelPart::Label);
        c.host().onModal = nullptr;
    };
    rename(a, 1, "Work");
    rename(b, 2, "Home");
    const std::vector<std::string> libraries =
        store::DecodeLibraryNames(ReadFileBytes(Data("Lib.dat")));
    EXPECT_EQ(libraries[1], "Work");
    EXPECT_EQ(libraries[2], "Home");
}

TEST_F(SharedFolder, BulkCapturesOfBothComputersJoinOneCache) {
    for (Computer* c : {&a, &b}) {
        c->app().settings.CaptureMode = Capture::Bulk;
    }
    a.Copy("bulk a 1");
    b.Copy("bulk b 1");
    a.Copy("bulk a 2");
    const std::vector<std::string> titles = Titles(Data("bulk.dat"), 3);
    EXPECT_EQ(titles, (std::vector<std::string>{"bulk a 1", "bulk b 1", "bulk a 2"}));
    for (int n = 0; n < 3; ++n) {
        EXPECT_TRUE(Holds(Data("bulk." + std::to_string(n)), titles[static_cast<size_t>(n)]));
    }
    b.Tick();
    EXPECT_EQ(a.app().settings.BulkCount, 3);
    EXPECT_EQ(b.app().settings.BulkCount, 3);
}

TEST_F(SharedFolder, ASlotBeingTitledOnOneComputerIsFilledForTheOther) {
    a.Copy("alpha text");
    b.Copy("bravo text");
    bool freeWhileTitling = false;
    bool bTookIt = true;
    a.host().onModal = [&](forms::Form& settings) {
        freeWhileTitling = LockIsFree();
        bTookIt = b.FileNewestClip(4, "Bravo");
        a.host().CloseByUser(settings);  // closed without storing
    };
    a.Drag(*a.edit().clipboardPanel.ClipboardClip[0], *a.edit().groupPanels.item[4]);
    a.host().onModal = nullptr;
    EXPECT_TRUE(freeWhileTitling) << "no lock is held across a dialog";
    EXPECT_FALSE(bTookIt) << "the slot was taken while its clip was titled";
    EXPECT_EQ(Titles(Lib1("group0.dat"), 5)[4], "") << "closed without storing: empty again";
    EXPECT_EQ(a.Item(4), "");
    b.Tick();
    EXPECT_EQ(b.Item(4), "");
}

TEST_F(SharedFolder, AClipTheOtherErasedDuringTheDragIsNotFiledAgain) {
    a.Copy("alpha text");
    ASSERT_TRUE(a.FileNewestClip(0, "Alpha"));
    b.Tick();
    forms::Label& dragged = *a.edit().groupPanels.item[0];
    dragged.RaiseMouseDown(MouseButton::Left, 0, 100, 100);
    dragged.RaiseMouseMove(MouseButton::Left, 0, 100, 130);
    ASSERT_EQ(a.host().DragSource(), &dragged);
    b.Drag(*b.edit().groupPanels.item[0], *b.edit().controlPanel.TrashLabel[3]);
    ASSERT_EQ(Titles(Lib1("group0.dat"), 1)[0], "") << "B erased it";

    const size_t beeps = a.program->desktop.beeps.size();
    a.host().Drop(*a.edit().groupPanels.item[5]);
    EXPECT_EQ(a.program->desktop.beeps.size(), beeps + 2) << "refused with the two tones";
    EXPECT_EQ(Titles(Lib1("group0.dat"), 6)[5], "");
    EXPECT_FALSE(std::filesystem::exists(Lib1("group0.5"))) << "no empty clip filed";
    EXPECT_EQ(a.Item(0), "") << "the drop shows what the files hold";
}

TEST_F(SharedFolder, AnEditorOfAClipboardClipFollowsItsClipThroughTheOthersCaptures) {
    for (int i = 0; i < 9; ++i) {
        a.Copy("clip " + std::to_string(i));
    }
    a.host().Click(*a.edit().clipboardPanel.ClipboardClip[2], MouseButton::Right);
    view* viewer = nullptr;
    for (forms::Form* form : a.host().LoadedForms()) {
        if (form->Name() == "view") {
            viewer = static_cast<view*>(form);
        }
    }
    ASSERT_NE(viewer, nullptr);
    b.Copy("from b 1");
    b.Copy("from b 2");
    // A has not looked since: its save finds the clip two slots down.
    viewer->title.SetText("Third");
    a.host().Click(viewer->OKBtn);
    const HistoryFile history = DecodeHistory(ReadFileBytes(Data("clip.dat")));
    EXPECT_EQ(history.titles[0], "Third");
    EXPECT_TRUE(Holds(Data("clip.0"), "clip 2"));
    EXPECT_EQ(history.titles[1], "clip 3");
    EXPECT_EQ(a.History(0), "Third");
}

}  // namespace
}  // namespace mirvo
