// Launching shortcuts and the "Launch Pad" button: the command line a program gets, the words
// for each failure, programs, documents and folders clicked on the main window, and the way
// into the launch-pad library and back.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/AppSettings.h"
#include "app/EditContext.h"
#include "app/Modes.h"
#include "app/StoreState.h"
#include "clipboard/ClipDataFile.h"
#include "forms/Color.h"
#include "launchpad/Errors.h"
#include "launchpad/Launch.h"
#include "launchpad/LaunchPadFixture.h"
#include "launchpad/ShortcutFile.h"
#include "options/OptionsForm.h"
#include "store/Libraries.h"

namespace mirvo {
namespace {

using forms::MouseButton;

TEST(CommandLine, QuotesTheProgramAndAPathWithABlankAndLeavesTheRestAsWritten) {
    struct Case {
        const char* file;
        const char* commandLine;
        const char* command;
    };
    const Case cases[] = {
        // The program is always quoted: a blank or an "&" in its folder stays in its name.
        {"C:\\Tools\\run.exe", "", "\"C:\\Tools\\run.exe\""},
        {"C:\\Program Files\\Tool\\tool.exe", "", "\"C:\\Program Files\\Tool\\tool.exe\""},
        {"C:\\Tools & Co\\run.exe", "-v", "\"C:\\Tools & Co\\run.exe\" -v"},
        {"\"C:\\Program Files\\x.exe\"", "", "\"C:\\Program Files\\x.exe\""},
        // A command line that starts with a path: a document path with a blank is quoted, up
        // to the first blank after its first dot; what follows keeps its words.
        {"C:\\Program Files\\Tool\\tool.exe", "C:\\My Docs\\a.txt /p",
         "\"C:\\Program Files\\Tool\\tool.exe\" \"C:\\My Docs\\a.txt\" /p"},
        {"C:\\Tools\\run.exe", "C:\\My Docs\\letter.doc",
         "\"C:\\Tools\\run.exe\" \"C:\\My Docs\\letter.doc\""},
        {"C:\\Tools\\run.exe", "d:\\x y\\b.txt /x", "\"C:\\Tools\\run.exe\" \"d:\\x y\\b.txt\" /x"},
        {"C:\\Tools\\run.exe", "\\\\server\\My Share\\b.txt",
         "\"C:\\Tools\\run.exe\" \"\\\\server\\My Share\\b.txt\""},
        {"C:\\Tools\\run.exe", "C:\\Docs\\notes.txt", "\"C:\\Tools\\run.exe\" C:\\Docs\\notes.txt"},
        // Anything else, and whatever the user quoted, as written.
        {"C:\\Tools\\run.exe", "/p \"C:\\My Docs\\a.txt\"",
         "\"C:\\Tools\\run.exe\" /p \"C:\\My Docs\\a.txt\""},
        {"C:\\Tools\\run.exe", "-n 5 file.txt", "\"C:\\Tools\\run.exe\" -n 5 file.txt"},
        {"C:\\Tools\\run.exe", "\"C:\\My Docs\\a.txt\" /p",
         "\"C:\\Tools\\run.exe\" \"C:\\My Docs\\a.txt\" /p"},
        {"C:\\Tools\\run.exe", "notes.txt", "\"C:\\Tools\\run.exe\" notes.txt"},
        {"C:\\Tools\\run.exe", "a.txt b.txt", "\"C:\\Tools\\run.exe\" a.txt b.txt"},
        {"C:\\Tools\\run.exe", "http://example.com/a page.html",
         "\"C:\\Tools\\run.exe\" http://example.com/a page.html"},
        {"C:\\Tools\\run.exe", "C: drive.txt", "\"C:\\Tools\\run.exe\" C: drive.txt"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProgramCommand(c.file, c.commandLine), c.command) << c.commandLine;
    }
    for (const char* program : {"a.EXE", "b.com", "C:\\x y\\c.Bat"}) {
        EXPECT_TRUE(IsProgramFile(program)) << program;
    }
    for (const char* other : {"d.cmd", "exe", "x.exe.txt", "C:\\My Docs", ""}) {
        EXPECT_FALSE(IsProgramFile(other)) << other;
    }
}

TEST(LaunchErrors, EachCodeHasItsWords) {
    EXPECT_EQ(LaunchErrorMessage(2), "The executable file or folder no longer exists !");
    EXPECT_EQ(LaunchErrorMessage(3), "The executable file or folder no longer exists !");
    EXPECT_EQ(LaunchErrorMessage(5), "Cannot run Application - Missing Dll or out of memory");
    EXPECT_EQ(LaunchErrorMessage(31), "There is no association for this file type !");
    EXPECT_EQ(LaunchErrorMessage(99), "The start in folder does not exist !");
    for (int other : {0, 8, 11, 26, 32}) {
        EXPECT_EQ(LaunchErrorMessage(other), "Cannot run Application - Unknown Error !") << other;
    }
}

class Launching : public test::LaunchPadFixture {
protected:
    // Shortcuts in the first group of the launch pad, titled in order.
    void PutShortcuts(const std::vector<Shortcut>& shortcuts) {
        std::string titles;
        for (size_t n = 0; n < shortcuts.size(); ++n) {
            titles += Padded(shortcuts[n].title);
            Put(LibPath(29, "group0." + std::to_string(n)), EncodeShortcut(app.ansi, shortcuts[n]));
        }
        titles.resize(4800, ' ');
        Put(LibPath(29, "group0.dat"), Text(titles));
    }
    // The library manager chose the launch pad before the program last ended.
    void StoreLaunchPadAsTheNextStart() {
        AppSettings s = DecodeSettings({});
        UpgradeSettings(s, {19200, 14400});
        s.DataOption = DataLocation::Common;
        s.CommonLibrary = 29;
        t.StoreSettings(s);
        std::filesystem::create_directories(LibPath(1));
    }
    // Clicks a clip; the words of the error window it showed, or "" when none.
    std::string Click(int n) {
        std::string shown;
        t.host.onModal = [&](forms::Form& form) {
            if (form.Name() == "Errors") {
                shown = static_cast<Errors&>(form).Txt.Caption();
            }
        };
        t.host.Click(Item(n));
        t.host.onModal = nullptr;
        return shown;
    }
};

TEST_F(Launching, ProgramsStartInTheirFolderDocumentsAndFoldersOpenWithTheShell) {
    PutShortcuts({{"C:\\Program Files\\Tool\\tool.exe", "C:\\Program Files\\Tool",
                   "C:\\My Docs\\a.txt /p", "Tool"},
                  {"C:\\My Docs\\b.doc", "", "", "Letter"},
                  {"C:\\My Docs", "", "", "Docs"},
                  {"C:\\Tools\\run.bat", "", "", "Run"}});
    StartShown();
    t.shell.started.clear();  // the first start's tutorial page
    PressLaunchPad();
    ASSERT_EQ(Item(0).Caption(), "Tool");

    EXPECT_EQ(Click(0), "");
    ASSERT_EQ(t.shell.started.size(), 1u);
    EXPECT_EQ(t.shell.started[0].commandLine,
              "\"C:\\Program Files\\Tool\\tool.exe\" \"C:\\My Docs\\a.txt\" /p");
    EXPECT_EQ(t.shell.started[0].showStyle, 1);
    EXPECT_EQ(t.shell.started[0].currentFolder, "C:\\Program Files\\Tool");
    EXPECT_EQ(t.shell.current, "C:\\Mirvo") << "the program's own folder is current again";
    EXPECT_EQ(edit().WindowState(), forms::WindowState::Minimized)
        << "the main window gets out of the way of the started program";
    EXPECT_FALSE(edit().Hotkeytimer.Enabled()) << "a shortcut is never pasted";

    // A document and a folder go to the shell's "open" verb, in the document's folder.
    t.host.RestoreByUser(edit());
    EXPECT_EQ(Click(1), "");
    t.host.RestoreByUser(edit());
    EXPECT_EQ(Click(2), "");
    ASSERT_EQ(t.shell.opened.size(), 2u);
    EXPECT_EQ(t.shell.opened[0].file, "C:\\My Docs\\b.doc");
    EXPECT_EQ(t.shell.opened[0].folder, "C:\\My Docs");
    EXPECT_EQ(t.shell.opened[1].file, "C:\\My Docs");
    EXPECT_EQ(t.shell.opened[1].folder, "C:");
    EXPECT_EQ(t.shell.started.size(), 1u) << "no program is started for them";

    // A program without start folder starts where the program is.
    t.host.RestoreByUser(edit());
    EXPECT_EQ(Click(3), "");
    EXPECT_EQ(t.shell.started.back().commandLine, "\"C:\\Tools\\run.bat\"");
    EXPECT_EQ(t.shell.started.back().currentFolder, "C:\\Mirvo");
}

TEST_F(Launching, AFailureIsToldInTheErrorWindowWithTheMainWindowUp) {
    PutShortcuts({{"C:\\Gone\\x.exe", "", "", "Gone"},
                  {"C:\\Tools\\x.exe", "Q:\\nowhere", "", "Bad start"},
                  {"D:\\setup.exe", "", "", "No disk"},
                  {"C:\\My Docs\\data.xyz", "", "", "Odd type"},
                  {"C:\\Tools\\x.exe", "", "", "No memory"}});
    t.shell.missingFolders.insert("Q:\\nowhere");
    t.shell.unsearchable.insert("D:\\setup.exe");
    StartShown();
    PressLaunchPad();

    t.shell.startCode = 2;
    const int beeps = static_cast<int>(t.desktop.beeps.size());
    const int served = t.host.doEventsCalls;
    EXPECT_EQ(Click(0), "The executable file or folder no longer exists !");
    EXPECT_EQ(edit().WindowState(), forms::WindowState::Normal) << "back up for the message";
    EXPECT_GE(t.host.doEventsCalls - served, 200) << "the 200 ms wait serves the window";
    const std::vector<std::pair<int, int>> tones(t.desktop.beeps.begin() + beeps,
                                                 t.desktop.beeps.end());
    EXPECT_EQ(tones,
              (std::vector<std::pair<int, int>>{{100, 100}, {70, 100}, {100, 100}, {70, 100}}))
        << "before the window, and as it loads";
    const platform::WindowHandle main = edit().hWnd();
    ASSERT_GE(t.desktop.topmostCalls.size(), 2u);
    EXPECT_NE(std::find(t.desktop.topmostCalls.begin(), t.desktop.topmostCalls.end(),
                        std::make_pair(main, true)),
              t.desktop.topmostCalls.end());
    EXPECT_NE(std::find(t.desktop.topmostCalls.begin(), t.desktop.topmostCalls.end(),
                        std::make_pair(main, false)),
              t.desktop.topmostCalls.end())
        << "the full window does not stay on top";

    t.shell.startCode = 33;
    const size_t started = t.shell.started.size();
    EXPECT_EQ(Click(1), "The start in folder does not exist !");
    EXPECT_EQ(Click(2), "The executable file or folder no longer exists !")
        << "a search of the file that fails";
    EXPECT_EQ(t.shell.started.size(), started) << "neither was started";
    t.shell.openCode = 31;
    EXPECT_EQ(Click(3), "There is no association for this file type !");
    t.shell.startCode = 0;
    EXPECT_EQ(Click(4), "Cannot run Application - Unknown Error !");
}

TEST_F(Launching, TheLaunchPadButtonGoesToTheLaunchPadAndBackToTheLibraryAndGroupLeft) {
    Put(LibPath(29, "Last.grp"), files::Bytes{2, 0});
    StartShown();
    SwitchLibrary(app, 3);
    t.host.Click(GroupName(5));
    ASSERT_EQ(app.settings.CurrentGroup, 5);
    const AppSettings before = StoredSettings();
    forms::CommandButton& button = edit().controlPanel.LaunchBtn;

    PressLaunchPad();
    EXPECT_EQ(app.CurrentLibrary, 29);
    EXPECT_EQ(LibLabel(), "Launch Pad");
    EXPECT_TRUE(button.Value());
    EXPECT_EQ(button.BackColor(), forms::QBColor(12));
    files::Bytes last = {3, 0};
    const files::Bytes name = Text(Padded("Library 3", 20));
    last.insert(last.end(), name.begin(), name.end());
    EXPECT_EQ(Read(DataPath("Last.Lib")), last);
    EXPECT_EQ(Read(LibPath(3, "Last.grp")), (files::Bytes{5, 0}));
    EXPECT_EQ(app.settings.CurrentGroup, 2) << "the launch pad's own last group";
    EXPECT_EQ(app.store.GroupDataPrefix, LibPath(29, "group2."));
    EXPECT_EQ(GroupName(2).BackColor(), forms::kHighlight);
    EXPECT_EQ(GroupName(5).BackColor(), static_cast<forms::Color>(app.settings.GroupNameColor));
    EXPECT_EQ(StoredSettings().CommonLibrary, before.CommonLibrary)
        << "the next start is in the library the launch pad was opened from";

    PressLaunchPad();
    EXPECT_EQ(app.CurrentLibrary, 3);
    EXPECT_EQ(app.settings.CurrentGroup, 5);
    EXPECT_EQ(LibLabel(), "Library 3");
    EXPECT_FALSE(button.Value());
    EXPECT_EQ(button.BackColor(), forms::Color{0xC0C0FF});
    EXPECT_EQ(Read(LibPath(29, "Last.grp")), (files::Bytes{2, 0}));
    EXPECT_EQ(app.store.GroupDataPrefix, LibPath(3, "group5."));

    // Another instance over the same data folder rewrote "Last.Lib" meanwhile, or damaged it:
    // this one returns where it came from.
    for (const files::Bytes& other : {Read(DataPath("Last.Lib")), files::Bytes{3, 0, 'L'}}) {
        SwitchLibrary(app, 2);
        PressLaunchPad();
        ASSERT_EQ(app.CurrentLibrary, 29);
        Put(DataPath("Last.Lib"), other);
        PressLaunchPad();
        EXPECT_EQ(app.CurrentLibrary, 2);
        EXPECT_EQ(LibLabel(), "Library 2");
    }

    // A right click explains the button; nothing changes.
    PressLaunchPad(MouseButton::Right);
    EXPECT_EQ(app.HelpTopic, 36);
    EXPECT_EQ(app.CurrentLibrary, 2);
}

TEST_F(Launching, StartedInTheLaunchPadWithADamagedLastLibTheButtonGoesToTheFirstLibrary) {
    StoreLaunchPadAsTheNextStart();
    Put(DataPath("Last.Lib"), files::Bytes{3, 0, 'L'});
    StartShown();
    ASSERT_EQ(app.CurrentLibrary, 29);
    PressLaunchPad();
    EXPECT_EQ(app.CurrentLibrary, 1);
    EXPECT_EQ(LibLabel(), "Library 1");
    EXPECT_TRUE(t.desktop.beeps.empty());
    EXPECT_TRUE(t.host.messages.empty());
    EXPECT_EQ(StoredSettings().CommonLibrary, 1) << "the next start is where the button went";
}

TEST_F(Launching, TheLaunchPadButtonShowsTheCurrentLibraryAfterAStartAndADataLocationChange) {
    StoreLaunchPadAsTheNextStart();
    StartShown();
    ASSERT_EQ(app.CurrentLibrary, 29);
    forms::CommandButton& button = edit().controlPanel.LaunchBtn;
    EXPECT_TRUE(button.Value()) << "down in the launch pad from the start";
    EXPECT_EQ(button.BackColor(), forms::QBColor(12));

    auto expectDown = [&](bool down) {
        EXPECT_EQ(button.Value(), down);
        EXPECT_EQ(button.BackColor(), down ? forms::QBColor(12) : forms::Color{0xC0C0FF});
    };

    // A change of data location shows the other location's library, also when it is made in
    // the launch pad reached by the button.
    auto chooseLocation = [&](int location) {
        t.host.onModal = [&](forms::Form& form) {
            if (form.Name() == "Options") {
                auto& options = static_cast<Options&>(form);
                t.host.Click(*options.DataOption.buttons[static_cast<size_t>(location)]);
                form.Unload();
            }
        };
        t.host.Click(edit().controlPanel.OptionButton);
        t.host.onModal = nullptr;
    };
    chooseLocation(DataLocation::Private);
    ASSERT_EQ(app.CurrentLibrary, 1);
    expectDown(false);
    PressLaunchPad();
    ASSERT_EQ(app.CurrentLibrary, 29);
    expectDown(true);
    chooseLocation(DataLocation::Common);
    ASSERT_EQ(app.CurrentLibrary, 29) << "the common data's own library";
    expectDown(true);
    chooseLocation(DataLocation::Private);
    ASSERT_EQ(app.CurrentLibrary, 1);
    expectDown(false);
}

TEST_F(Launching, TheLaunchPadButtonOnlyBeepsWhileTheClipViewerIsOpen) {
    Put(LibPath(1, "group0.dat"), Titles({"Note"}));
    Put(LibPath(1, "group0.0"), TextClipBytes("text"));
    StartShown();
    t.host.Click(Item(0), MouseButton::Right);
    ASSERT_TRUE(app.editing.EditorOpen);
    const int beeps = static_cast<int>(t.desktop.beeps.size());
    PressLaunchPad();
    EXPECT_EQ(static_cast<int>(t.desktop.beeps.size()), beeps + 2);
    EXPECT_EQ(app.CurrentLibrary, 1);
    EXPECT_FALSE(edit().controlPanel.LaunchBtn.Value());
    EXPECT_FALSE(std::filesystem::exists(DataPath("Last.Lib")));
}

}  // namespace
}  // namespace mirvo
