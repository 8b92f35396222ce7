// The shortcut editor through the headless host: the drops of its browser, bookmarks and
// filters, its refusals and its saving, and the three ways into it.

#include <filesystem>
#include <string>
#include <vector>

#include "app/ClipboardState.h"
#include "app/EditContext.h"
#include "app/Modes.h"
#include "app/StoreState.h"
#include "clipboard/ClipDataFile.h"
#include "dialogs/ViewForm.h"
#include "forms/Color.h"
#include "launchpad/Bookmarks.h"
#include "launchpad/LaunchPad.h"
#include "launchpad/LaunchPadFixture.h"
#include "launchpad/ShortcutFile.h"
#include "panels/Swatches.h"

namespace mirvo {
namespace {

using forms::MouseButton;

constexpr const char* kTool = "C:\\Program Files\\Tool";

class ShortcutEditor : public test::LaunchPadFixture {
protected:
    // The editor on empty slot n of the launch pad.
    bool OnEmptySlot(int n, const std::function<void(LaunchPad&)>& body) {
        return InEditor([&] { t.host.Click(Item(n)); }, body);
    }
    void Select(LaunchPad& pad, const std::string& name) {
        for (int i = 0; i < pad.Files.ListCount(); ++i) {
            if (pad.Files.List(i) == name) {
                pad.Files.SetListIndex(i);
                return;
            }
        }
        ADD_FAILURE() << name << " is not listed";
    }
    // Drags a drag label, a text box's text or a bar and drops it on the target.
    void DragLabel(LaunchPad& pad, int index, forms::Control& target) {
        t.host.MouseMove(*pad.Draglabel[static_cast<size_t>(index)], 100, 100, MouseButton::Left);
        ASSERT_EQ(t.host.DragSource(), &pad.Dragbox);
        t.host.Drop(target);
    }
    void DragFrom(forms::Control& source, forms::Control& target) {
        t.host.MouseDown(source, MouseButton::Left, 300, 60);
        t.host.MouseMove(source, 330, 60, MouseButton::Left);
        ASSERT_NE(t.host.DragSource(), nullptr) << source.Name() << " did not start a drag";
        t.host.Drop(target);
    }
    std::string SlotFile(int n) { return LibPath(29, "group0." + std::to_string(n)); }
};

TEST_F(ShortcutEditor, EveryDropOfTheTableFillsOrEmptiesWhatItShould) {
    StartShown();
    PressLaunchPad();
    ASSERT_TRUE(OnEmptySlot(0, [&](LaunchPad& pad) {
        EXPECT_EQ(pad.Caption(), "Shortcut Edit");
        EXPECT_EQ(pad.Dirs.Path(), "C:\\") << "without bookmarks the browser starts at C:";
        pad.Dirs.SetPath(kTool);
        EXPECT_EQ(pad.Files.Path(), kTool) << "the file list follows the folder list";
        EXPECT_EQ(pad.Files.ListIndex(), 0) << "its first file is selected";

        // The selected program fills "File to launch" and its folder "Folder to start in".
        Select(pad, "tool.exe");
        DragLabel(pad, 1, pad.File);
        EXPECT_EQ(pad.File.Text(), "C:\\Program Files\\Tool\\tool.exe");
        EXPECT_EQ(pad.Start.Text(), kTool);
        // A document fills the file only.
        pad.Start.SetText("");
        Select(pad, "readme.txt");
        DragLabel(pad, 1, pad.File);
        EXPECT_EQ(pad.File.Text(), "C:\\Program Files\\Tool\\readme.txt");
        EXPECT_EQ(pad.Start.Text(), "");
        DragLabel(pad, 1, pad.Command);
        EXPECT_EQ(pad.Command.Text(), "C:\\Program Files\\Tool\\readme.txt");
        DragLabel(pad, 1, pad.Start);
        EXPECT_EQ(pad.Start.Text(), "") << "no file on the start folder";

        // The folder label: the folder shown; a drive's root goes to the command line as "C:".
        DragLabel(pad, 0, pad.Start);
        EXPECT_EQ(pad.Start.Text(), kTool);
        DragLabel(pad, 0, pad.File);
        EXPECT_EQ(pad.File.Text(), kTool);
        pad.Dirs.SetPath("C:\\");
        DragLabel(pad, 0, pad.Command);
        EXPECT_EQ(pad.Command.Text(), "C:");

        // The text of one box dragged onto another copies it; onto "Trash" empties it.
        pad.File.SetText("C:\\x.exe");
        pad.Start.SetText("C:\\work");
        pad.Command.SetText("-v");
        DragFrom(pad.File, pad.Start);
        EXPECT_EQ(pad.Start.Text(), "C:\\x.exe");
        DragFrom(pad.Command, pad.File);
        EXPECT_EQ(pad.File.Text(), "-v");
        DragFrom(pad.Start, pad.Command);
        EXPECT_EQ(pad.Command.Text(), "C:\\x.exe");
        DragFrom(pad.File, pad.File);
        EXPECT_EQ(pad.File.Text(), "-v") << "a box dropped on itself";
        EXPECT_EQ(pad.Dragging(), LaunchPad::DragKind::FileTrash);
        for (forms::TextBox* box : {&pad.File, &pad.Start, &pad.Command}) {
            DragFrom(*box, pad.Trash);
            EXPECT_EQ(box->Text(), "") << box->Name();
        }
        t.host.MouseDown(pad.File, MouseButton::Left, 300, 60);
        t.host.MouseMove(pad.File, 330, 60, MouseButton::Left);
        EXPECT_EQ(t.host.DragSource(), nullptr) << "an empty box is not dragged";
        pad.Start.SetText("C:\\work");
        t.host.MouseDown(pad.Start, MouseButton::Left, 300, 60);
        t.host.MouseMove(pad.Start, 315, 75, MouseButton::Left);
        EXPECT_EQ(t.host.DragSource(), nullptr) << "within 20 twips it is no drag yet";

        // Bookmarks keep a folder with code 7 for its blanks, give it back with its blanks,
        // move to another bookmark and go to the trash.
        pad.Dirs.SetPath("C:\\My Docs");
        DragLabel(pad, 0, *pad.Folders[3]);
        EXPECT_EQ(pad.Folders[3]->Caption(), "C:\\My\aDocs");
        DragFrom(*pad.Folders[3], pad.Start);
        EXPECT_EQ(pad.Start.Text(), "C:\\My Docs");
        DragFrom(*pad.Folders[3], *pad.Folders[3]);
        EXPECT_EQ(pad.Folders[3]->Caption(), "C:\\My\aDocs") << "a bookmark onto itself";
        DragFrom(*pad.Folders[3], *pad.Folders[5]);
        EXPECT_EQ(pad.Folders[3]->Caption(), "");
        EXPECT_EQ(pad.Folders[5]->Caption(), "C:\\My\aDocs");
        DragFrom(*pad.Folders[5], pad.Trash);
        EXPECT_EQ(pad.Folders[5]->Caption(), "");

        // Filters: a file without a three-letter extension changes nothing; a.txt makes "*.txt",
        // b.doc adds "*.doc", and the file list takes the filter.
        pad.Dirs.SetPath(kTool);
        Select(pad, "notes");
        DragLabel(pad, 1, *pad.Filters[4]);
        EXPECT_EQ(pad.Filters[4]->Caption(), "");
        pad.Dirs.SetPath("C:\\My Docs");
        Select(pad, "a.txt");
        DragLabel(pad, 1, *pad.Filters[4]);
        EXPECT_EQ(pad.Filters[4]->Caption(), "*.txt");
        EXPECT_EQ(pad.Files.Pattern(), "*.txt");
        EXPECT_EQ(pad.Files.Items(), std::vector<std::string>{"a.txt"});
        pad.Files.SetPattern("*.*");
        Select(pad, "b.doc");
        DragLabel(pad, 1, *pad.Filters[4]);
        EXPECT_EQ(pad.Filters[4]->Caption(), "*.txt;*.doc");
        EXPECT_EQ(pad.Files.ListCount(), 2);
        DragLabel(pad, 1, *pad.Filters[0]);
        EXPECT_EQ(pad.Filters[0]->Caption(), "*.*") << "the fixed filters never change";
        DragFrom(*pad.Filters[4], *pad.Filters[1]);
        EXPECT_EQ(pad.Filters[1]->Caption(), "*.EXE;*.COM;*.BAT");
        EXPECT_EQ(pad.Filters[4]->Caption(), "*.txt;*.doc");
        DragFrom(*pad.Filters[4], *pad.Filters[6]);
        EXPECT_EQ(pad.Filters[4]->Caption(), "");
        EXPECT_EQ(pad.Filters[6]->Caption(), "*.txt;*.doc");
        DragFrom(*pad.Filters[6], pad.Trash);
        EXPECT_EQ(pad.Filters[6]->Caption(), "");
        for (int fixed : {0, 1}) {
            t.host.MouseDown(*pad.Filters[fixed], MouseButton::Left, 300, 60);
            t.host.MouseMove(*pad.Filters[fixed], 400, 60, MouseButton::Left);
            EXPECT_EQ(t.host.DragSource(), nullptr) << "fixed filter " << fixed << " stays";
        }

        // Without a selected file the file label carries nothing; only the editor's own drag
        // box is taken.
        pad.Dirs.SetPath("C:\\Empty");
        t.host.MouseMove(*pad.Draglabel[1], 100, 100, MouseButton::Left);
        EXPECT_EQ(t.host.DragSource(), nullptr);
        pad.File.SetText("kept");
        pad.title.Drag();
        t.host.Drop(pad.File);
        EXPECT_EQ(pad.File.Text(), "kept");
        pad.Unload();
    }));
}

TEST_F(ShortcutEditor, BookmarksAndFiltersLightUpLeadTheBrowserAndAreKeptInBookMrk) {
    StartShown();
    PressLaunchPad();
    const forms::Color white = 0xFFFFFF;
    ASSERT_TRUE(OnEmptySlot(1, [&](LaunchPad& pad) {
        t.host.MouseMove(*pad.Folders[2], 50, 50);
        EXPECT_EQ(pad.Folders[2]->BackColor(), forms::kHighlight);
        EXPECT_EQ(pad.Folders[2]->ForeColor(), forms::kHighlightText);
        EXPECT_EQ(pad.HotBookmark(), 2);
        t.host.MouseMove(*pad.Filters[7], 50, 50);
        EXPECT_EQ(pad.Folders[2]->BackColor(), white) << "one bar lit at a time";
        EXPECT_EQ(pad.Filters[7]->BackColor(), forms::kHighlight);
        EXPECT_EQ(pad.HotFilter(), 7);
        pad.RaiseMouseMove(MouseButton::None, 0, 10, 10);
        EXPECT_EQ(pad.Filters[7]->BackColor(), white) << "the form puts the bars out";
        EXPECT_EQ(pad.Filters[7]->ForeColor(), forms::Color{0});
        EXPECT_EQ(pad.HotFilter(), -1);

        // A click on a bookmark shows its folder; one whose folder is gone is emptied.
        pad.Dirs.SetPath("C:\\My Docs");
        DragLabel(pad, 0, *pad.Folders[0]);
        pad.Dirs.SetPath("C:\\Old Stuff");
        DragLabel(pad, 0, *pad.Folders[1]);
        pad.Dirs.SetPath(kTool);
        DragLabel(pad, 0, *pad.Folders[2]);
        disk.RemoveFolder("C:\\Old Stuff");
        t.host.Click(*pad.Folders[0]);
        EXPECT_EQ(pad.Dirs.Path(), "C:\\My Docs");
        EXPECT_EQ(pad.Files.Path(), "C:\\My Docs");
        EXPECT_EQ(pad.Drives.Drive(), "c:") << "the drive as the drive list spells it";
        t.host.Click(*pad.Folders[1]);
        EXPECT_EQ(pad.Folders[1]->Caption(), "") << "the folder is gone";
        EXPECT_EQ(pad.Dirs.Path(), "C:\\My Docs");
        t.host.Click(*pad.Folders[4]);
        EXPECT_EQ(pad.Dirs.Path(), "C:\\My Docs") << "an empty bookmark leads nowhere";

        Select(pad, "b.doc");
        DragLabel(pad, 1, *pad.Filters[9]);
        pad.Files.SetPattern("*.*");
        t.host.Click(*pad.Filters[9]);
        EXPECT_EQ(pad.Files.Pattern(), "*.doc");
        t.host.Click(*pad.Filters[0]);
        EXPECT_EQ(pad.Files.Pattern(), "*.*");
        t.host.Click(pad.cancelbtn);
    }));

    // Cancel wrote the bookmarks, the filters and the folder last shown; the next editor shows
    // them and opens on that folder.
    Bookmarks expected;
    expected.folders[0] = "C:\\My\aDocs";
    expected.folders[2] = "C:\\Program\aFiles\\Tool";
    expected.filters[9] = "*.doc";
    expected.lastFolder = "C:\\My Docs";
    EXPECT_EQ(Read(DataPath("Book.Mrk")), EncodeBookmarks(app.ansi, expected));
    EXPECT_FALSE(std::filesystem::exists(SlotFile(1))) << "Cancel writes no shortcut";
    ASSERT_TRUE(OnEmptySlot(1, [&](LaunchPad& pad) {
        EXPECT_EQ(pad.Folders[2]->Caption(), "C:\\Program\aFiles\\Tool");
        EXPECT_EQ(pad.Filters[9]->Caption(), "*.doc");
        EXPECT_EQ(pad.Filters[1]->Caption(), "*.EXE;*.COM;*.BAT");
        EXPECT_EQ(pad.Dirs.Path(), "C:\\My Docs");
        pad.Unload();
    }));

    // A stored folder that is gone is skipped; the browser starts at C:.
    expected.lastFolder = "C:\\Old Stuff";
    Put(DataPath("Book.Mrk"), EncodeBookmarks(app.ansi, expected));
    ASSERT_TRUE(OnEmptySlot(1, [&](LaunchPad& pad) {
        EXPECT_EQ(pad.Dirs.Path(), "C:\\");
        t.host.Click(*pad.Draglabel[0], MouseButton::Right);
        EXPECT_EQ(app.HelpTopic, 43);
        t.host.Click(*pad.Draglabel[1], MouseButton::Right);
        EXPECT_EQ(app.HelpTopic, 44);
        pad.Unload();
    }));
}

TEST_F(ShortcutEditor, SaveRefusesWithoutFileOrTitleOrWithAFieldTooLongWhileTheWindowAnswers) {
    StartShown();
    PressLaunchPad();
    ASSERT_TRUE(OnEmptySlot(2, [&](LaunchPad& pad) {
        // The message stands for two seconds while window messages are served: a second click
        // on Save then, or a close, is not taken.
        std::vector<std::string> shown;
        int served = 0;
        t.host.onDoEvents = [&] {
            if (++served == 1) {
                shown.push_back(pad.File.Text() + "|" + pad.title.Text() + "|" +
                                pad.Command.Text());
                EXPECT_EQ(pad.File.BackColor() == forms::kHighlight ||
                              pad.title.BackColor() == forms::kHighlight ||
                              pad.Command.BackColor() == forms::kHighlight,
                          true);
                t.host.Click(pad.SaveBtn);
                EXPECT_FALSE(t.host.CloseByUser(pad));
            }
        };
        const int beeps = Beeps();
        pad.File.SetText("   ");
        t.host.Click(pad.SaveBtn);
        EXPECT_EQ(Beeps(), beeps + 2);
        EXPECT_EQ(t.desktop.beeps[beeps], (std::pair<int, int>{500, 100}));
        EXPECT_EQ(t.desktop.beeps[beeps + 1], (std::pair<int, int>{400, 200}));
        EXPECT_GE(served, 1000) << "the wait serves the window";
        EXPECT_EQ(pad.File.Text(), "");
        EXPECT_EQ(pad.File.BackColor(), forms::Color{0xFFFFFF});
        EXPECT_EQ(t.host.FocusedControl(), &pad.File);

        served = 0;
        pad.File.SetText("C:\\Program Files\\Tool\\tool.exe");
        t.host.Click(pad.SaveBtn);
        EXPECT_EQ(t.desktop.beeps.back(), (std::pair<int, int>{70, 100}));
        EXPECT_EQ(pad.title.Text(), "");
        EXPECT_EQ(t.host.FocusedControl(), &pad.title);

        // A command line longer than the file keeps is refused, not cut: it comes back whole.
        served = 0;
        pad.title.SetText("Tool");
        const std::string longCommand(501, 'c');
        pad.Command.SetText(longCommand);
        t.host.Click(pad.SaveBtn);
        EXPECT_EQ(pad.Command.Text(), longCommand);
        EXPECT_EQ(t.host.FocusedControl(), &pad.Command);
        t.host.onDoEvents = nullptr;
        EXPECT_EQ(
            shown,
            (std::vector<std::string>{
                std::string(LaunchPad::kNoFile) + "||",
                "C:\\Program Files\\Tool\\tool.exe|" + std::string(LaunchPad::kNoTitle) + "|",
                "C:\\Program Files\\Tool\\tool.exe|Tool|" + std::string(LaunchPad::kTooLong)}));
        EXPECT_TRUE(pad.Loaded());
        pad.Unload();
    }));
    EXPECT_FALSE(std::filesystem::exists(SlotFile(2))) << "nothing was saved";
    EXPECT_EQ(files::TrimRight(Item(2).Caption()), "");
}

TEST_F(ShortcutEditor, TheColourIsTheChosenSwatchsARightClickOnlyExplains) {
    StartShown();
    PressLaunchPad();
    std::vector<int> helpTopics;
    ASSERT_TRUE(OnEmptySlot(2, [&](LaunchPad& pad) {
        t.host.onModal = [&](forms::Form&) { helpTopics.push_back(app.HelpTopic); };
        pad.File.SetText("C:\\Tools\\run.exe");
        pad.title.SetText("Run");
        pad.Colr[5]->SetValue(true);
        t.host.Click(*pad.Colr[5]);
        t.host.Click(*pad.Colr[2], MouseButton::Right);
        EXPECT_TRUE(pad.Colr[5]->Value()) << "the chosen swatch stays chosen";
        EXPECT_FALSE(pad.Colr[2]->Value());
        t.host.Click(pad.SaveBtn);
    }));
    EXPECT_EQ(helpTopics, std::vector<int>{14});
    EXPECT_EQ(Item(2).BackColor(), SwatchColor(5)) << "the colour the swatches show";

    // From the keyboard: Space on a swatch chooses it.
    ASSERT_TRUE(InEditor([&] { t.host.Click(Item(2), MouseButton::Right); },
                         [&](LaunchPad& pad) {
                             EXPECT_TRUE(pad.Colr[5]->Value());
                             pad.Colr[3]->SetFocus();
                             t.host.PressKey(forms::Key::Space, 0, ' ');
                             EXPECT_TRUE(pad.Colr[3]->Value());
                             t.host.Click(pad.SaveBtn);
                         }));
    EXPECT_EQ(Item(2).BackColor(), SwatchColor(3));
}

TEST_F(ShortcutEditor, SaveWritesTheShortcutAndGivesTheClipItsTitleAndColour) {
    StartShown();
    PressLaunchPad();
    ASSERT_TRUE(OnEmptySlot(3, [&](LaunchPad& pad) {
        EXPECT_TRUE(pad.Colr[12]->Value()) << "an empty slot has the group colour";
        pad.Dirs.SetPath(kTool);
        Select(pad, "tool.exe");
        DragLabel(pad, 1, pad.File);
        pad.Command.SetText("C:\\My Docs\\a.txt /p");
        pad.title.SetText("Twenty characters!!!");
        t.host.Click(*pad.Colr[5]);
        pad.title.SetFocus();
        t.host.PressKey(forms::Key::Return, 0, 13);
        EXPECT_FALSE(pad.Loaded()) << "Enter in the title saves";
    }));
    EXPECT_EQ(Read(SlotFile(3)),
              EncodeShortcut(app.ansi, {"C:\\Program Files\\Tool\\tool.exe", kTool,
                                        "C:\\My Docs\\a.txt /p", "Twenty characters!!!"}));
    EXPECT_EQ(Item(3).Caption(), "Twenty characters!!!");
    EXPECT_EQ(Item(3).BackColor(), forms::Rgb(0xFF, 0xFF, 0x00));
    const files::Bytes titles = Read(LibPath(29, "group0.dat"));
    ASSERT_EQ(titles.size(), 4800u);
    EXPECT_EQ(std::string(titles.begin() + 150, titles.begin() + 200),
              Padded("Twenty characters!!!"));
    EXPECT_EQ(files::ReadInt32(Read(LibPath(29, "Colr0.dat")), 12),
              static_cast<std::int32_t>(forms::Rgb(0xFF, 0xFF, 0x00)));
    EXPECT_EQ(Read(DataPath("Book.Mrk")).size(), 7800u) << "Save keeps the bookmarks too";

    // Opened again (a right click on the shortcut), it shows what was saved; "Group Clr"
    // gives the clip the panel's colour again.
    ASSERT_TRUE(InEditor([&] { t.host.Click(Item(3), MouseButton::Right); },
                         [&](LaunchPad& pad) {
                             EXPECT_EQ(pad.File.Text(), "C:\\Program Files\\Tool\\tool.exe");
                             EXPECT_EQ(pad.Start.Text(), kTool);
                             EXPECT_EQ(pad.Command.Text(), "C:\\My Docs\\a.txt /p");
                             EXPECT_EQ(pad.title.Text(), "Twenty characters!!!");
                             EXPECT_TRUE(pad.Colr[5]->Value());
                             pad.Colr[12]->SetValue(true);
                             pad.title.SetText("Tool");
                             t.host.Click(pad.SaveBtn);
                         }));
    EXPECT_EQ(Item(3).Caption(), "Tool");
    EXPECT_EQ(Item(3).BackColor(), static_cast<forms::Color>(app.settings.GroupClipColor));
    EXPECT_EQ(files::ReadInt32(Read(LibPath(29, "Colr0.dat")), 12), 0);
    EXPECT_EQ(DecodeShortcut(Read(SlotFile(3))).title, "Tool");
    EXPECT_FALSE(app.editing.EditorOpen);
}

TEST_F(ShortcutEditor, AnEmptySlotOfTheLaunchPadAndADroppedClipboardClipOpenANewShortcut) {
    // Elsewhere an empty slot does nothing.
    StartShown();
    EXPECT_FALSE(InEditor([&] { t.host.Click(Item(4)); }, [](LaunchPad&) {}));

    // In the launch pad: the empty data file of the slot goes, the fields start empty.
    PressLaunchPad();
    Put(SlotFile(4), {});
    ASSERT_TRUE(OnEmptySlot(4, [&](LaunchPad& pad) {
        EXPECT_EQ(pad.File.Text(), "");
        EXPECT_EQ(pad.title.Text(), "");
        EXPECT_FALSE(std::filesystem::exists(SlotFile(4))) << "the empty data file is deleted";
        pad.Unload();
    }));
    // A slot that shows no title but holds some other clip opens empty too, and that clip's
    // bytes are never read as a shortcut.
    Put(SlotFile(5), TextClipBytes("plain text, no shortcut"));
    ASSERT_TRUE(OnEmptySlot(5, [&](LaunchPad& pad) {
        EXPECT_EQ(pad.File.Text(), "");
        pad.Unload();
    }));
    EXPECT_EQ(Read(SlotFile(5)), TextClipBytes("plain text, no shortcut"));

    // A clipboard clip dropped on a slot: its text, without its quotes, is the file to launch.
    Put(DataPath("clip.0"), TextClipBytes("\"C:\\My Docs\\b.doc\""));
    edit().clipboardPanel.ClipboardClip[0]->SetCaption("a path");
    app.clip.ClipboardClipCount = 1;
    auto dropClip = [&] {
        edit().clipboardPanel.ClipboardClip[0]->Drag();
        t.host.Drop(Item(6));
    };
    ASSERT_TRUE(InEditor(dropClip, [&](LaunchPad& pad) {
        EXPECT_EQ(pad.File.Text(), "C:\\My Docs\\b.doc");
        EXPECT_TRUE(app.editing.IsEdited({ClipSource::GroupClip, 6, app.settings.CurrentGroup}))
            << "the slot, no longer + 1000";
        pad.title.SetText("Letter");
        t.host.Click(pad.SaveBtn);
    }));
    EXPECT_EQ(DecodeShortcut(Read(SlotFile(6))).file, "C:\\My Docs\\b.doc");
    EXPECT_EQ(Item(6).Caption(), "Letter");
    EXPECT_EQ(files::ReadInt16(Read(SlotFile(6)), 0), kShortcutMarker);
}

TEST_F(ShortcutEditor, AViewerOpenMeanwhileSavesIntoItsOwnClip) {
    Put(DataPath("trans.1"), TextClipBytes("slot text"));
    Put(DataPath("trans.dat"), Text(Padded("") + Padded("Slot") + std::string(300, ' ')));
    StartShown();
    PressLaunchPad();
    t.host.Click(Slot(1), MouseButton::Right);
    view* viewer = dynamic_cast<view*>(app.editing.Editor.get());
    ASSERT_NE(viewer, nullptr);
    ASSERT_TRUE(viewer->Loaded());

    ASSERT_TRUE(OnEmptySlot(2, [&](LaunchPad& pad) {
        pad.File.SetText("C:\\My Docs\\a.txt");
        pad.title.SetText("Notes");
        t.host.Click(pad.SaveBtn);
    }));
    ASSERT_EQ(Item(2).Caption(), "Notes");
    viewer->title.SetText("Slot renamed");
    t.host.Click(viewer->OKBtn);
    EXPECT_EQ(Slot(1).Caption(), "Slot renamed");
    EXPECT_EQ(Item(2).Caption(), "Notes") << "the new shortcut keeps its title";
    EXPECT_EQ(DecodeShortcut(Read(SlotFile(2))).title, "Notes");
    EXPECT_EQ(Read(DataPath("trans.1")), TextClipBytes("slot text"));
}

TEST_F(ShortcutEditor, EnterOnSaveIsRefusedOnceAndItsReleaseInTheTitleIsNoSecondSave) {
    StartShown();
    PressLaunchPad();
    ASSERT_TRUE(OnEmptySlot(2, [&](LaunchPad& pad) {
        pad.File.SetText("C:\\My Docs\\a.txt");
        pad.SaveBtn.SetFocus();
        const int beeps = Beeps();
        t.host.PressKey(forms::Key::Return, 0, 13);
        EXPECT_EQ(Beeps(), beeps + 2) << "one refusal, not a second on the key's release";
        EXPECT_EQ(t.host.FocusedControl(), &pad.title);
        ASSERT_TRUE(pad.Loaded());
        pad.title.SetText("Notes");
        t.host.PressKey(forms::Key::Return, 0, 13);
        EXPECT_FALSE(pad.Loaded()) << "an Enter pressed in the title saves";
    }));
    EXPECT_EQ(Item(2).Caption(), "Notes");
}

}  // namespace
}  // namespace mirvo
