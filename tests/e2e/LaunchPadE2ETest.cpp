// The launch pad of the real program under Windows (Wine): the "Launch Pad" button into the
// launch-pad library, shortcuts that run a batch file from a folder with a blank, report a
// missing program, open a text document in notepad and a folder in the shell's window, and the
// shortcut editor on a shortcut and on an empty slot, with a drag from its file list and the
// refusal of a save without a file.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "e2e/ProgramRun.h"
#include "win32/WinTestSupport.h"

namespace mirvo::e2e {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A shortcut file: Integer 999, then file, start folder and command line (500 bytes each) and
// the title (20), blank padded.
Bytes ShortcutFile(const std::string& file, const std::string& start, const std::string& command,
                   const std::string& title) {
    return Text(std::string("\xE7\x03", 2) + Padded(file, 500) + Padded(start, 500) +
                Padded(command, 500) + Padded(title, 20));
}

struct ChildSearch {
    std::string text;
    const char* className;
    HWND found = nullptr;
};
BOOL CALLBACK MatchButton(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    if (IsWindowVisible(child) && lstrcmpiA(name, search->className) == 0 &&
        WindowText(child) == search->text) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}
HWND ChildOfClass(HWND window, const char* className, const std::string& text) {
    ChildSearch search{text, className};
    EnumChildWindows(window, MatchButton, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct TitleSearch {
    std::string part;
    HWND found = nullptr;
};
BOOL CALLBACK MatchTitle(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TitleSearch*>(param);
    if (IsWindowVisible(window) && WindowText(window).find(search->part) != std::string::npos) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
// A visible top-level window whose title holds the text.
HWND WindowTitled(const std::string& part) {
    TitleSearch search{part};
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND VisibleWindow(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    return window && IsWindowVisible(window) ? window : nullptr;
}

bool BringToFront(HWND window) {
    SetForegroundWindow(window);
    return WaitFor([&] { return GetForegroundWindow() == window; }, 5000);
}

// Presses, moves in steps and releases, as a hand drags.
void DragBetween(POINT from, POINT to) {
    wintest::MoveMouseTo(from);
    Sleep(50);
    wintest::SetMouseButton(false, true);
    Sleep(50);
    for (int step = 1; step <= 10; ++step) {
        wintest::MoveMouseTo(
            POINT{from.x + (to.x - from.x) * step / 10, from.y + (to.y - from.y) * step / 10});
        Sleep(30);
    }
    Sleep(100);
    wintest::SetMouseButton(false, false);
    Sleep(200);
}

class LaunchPadOnWindows : public ::testing::Test {
protected:
    LaunchPadOnWindows() {
        // The targets live in a folder with a blank in its name, as under "Program Files".
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        work = std::string(temp) + "mirvo pad " + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(work.c_str(), nullptr);
        // The batch file writes its first argument into a marker: the program and the argument
        // both arrive whole, blanks and all.
        WriteBytes(Batch(), Text("@echo %~1> \"" + Marker() + "\"\r\n"));
        WriteBytes(work + "read me.txt", Text("The launch pad opened me."));

        const std::string lib = setup.ProgramFolder() + "Lib29\\";
        CreateDirectoryA(lib.c_str(), nullptr);
        std::string titles =
            Padded("Batch") + Padded("Missing") + Padded("Readme") + Padded("") + Padded("Folder");
        titles.resize(4800, ' ');
        WriteBytes(lib + "group0.dat", Text(titles));
        WriteBytes(lib + "group0.0", ShortcutFile(Batch(), work.substr(0, work.size() - 1),
                                                  work + "arg file.txt", "Batch"));
        WriteBytes(lib + "group0.1", ShortcutFile(work + "gone\\tool.exe", "", "", "Missing"));
        WriteBytes(lib + "group0.2", ShortcutFile(work + "read me.txt", "", "", "Readme"));
        CreateDirectoryA((work + "shown folder").c_str(), nullptr);
        WriteBytes(lib + "group0.4", ShortcutFile(work + "shown folder", "", "", "Folder"));
        // The editor's browser opens on the work folder.
        std::string bookmarks(7300, ' ');
        bookmarks += Padded(work.substr(0, work.size() - 1), 500);
        WriteBytes(setup.ProgramFolder() + "Book.Mrk", Text(bookmarks));

        program = std::make_unique<ProgramProcess>(setup.Executable());
        window = program->WaitForMainWindow();
    }
    ~LaunchPadOnWindows() override {
        if (window) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            EXPECT_EQ(program->WaitForExit(), 0);
        }
        RemoveTree(work.substr(0, work.size() - 1));
    }
    std::string Batch() const { return work + "leave marker.bat"; }
    std::string Marker() const { return work + "marker.txt"; }
    std::string Slot(int n) const {
        return setup.ProgramFolder() + "Lib29\\group0." + std::to_string(n);
    }

    void EnterLaunchPad() {
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000));
        HWND button = ChildOfClass(window, "Button", "Launch Pad");
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(BringToFront(window));
        wintest::ClickAt(wintest::CenterOf(button));
        ASSERT_TRUE(WaitFor([&] { return LabelShowing(window, "Batch") != nullptr; }, 5000))
            << "the launch pad's shortcuts";
    }
    void Click(const std::string& label, bool right = false) {
        HWND target = LabelShowing(window, label);
        ASSERT_NE(target, nullptr) << label;
        if (IsIconic(window)) {
            ShowWindow(window, SW_RESTORE);
        }
        ASSERT_TRUE(BringToFront(window));
        wintest::ClickAt(wintest::CenterOf(target), right);
    }

    ProgramSetup setup;
    std::string work;
    std::unique_ptr<ProgramProcess> program;
    HWND window = nullptr;
};

TEST_F(LaunchPadOnWindows, ShortcutsRunABatchFileReportAMissingProgramAndOpenADocumentAndAFolder) {
    EnterLaunchPad();

    Click("Batch");
    ASSERT_TRUE(WaitFor([&] { return Exists(Marker()); }, 15000)) << "the batch file did not run";
    std::string marker;
    ASSERT_TRUE(WaitFor(
        [&] {
            const Bytes bytes = ReadBytes(Marker());
            marker.assign(bytes.begin(), bytes.end());
            return marker.find("\r\n") != std::string::npos;
        },
        5000));
    EXPECT_EQ(marker, work + "arg file.txt\r\n") << "the argument in one piece";
    EXPECT_TRUE(WaitFor([&] { return IsIconic(window) != FALSE; }, 5000))
        << "the main window gets out of the way";

    Click("Missing");
    HWND errors = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (errors = VisibleWindow("Errors")) != nullptr; }, 10000));
    EXPECT_NE(LabelShowing(errors, "The executable file or folder no longer exists !"), nullptr);
    EXPECT_TRUE(GetWindowLongA(errors, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(IsIconic(window)) << "the main window is up behind the message";
    Sleep(300);
    ScreenshotOfProgramWindow(errors, "launch-errors.bmp");
    HWND ok = ChildOfClass(errors, "Button", "OK");
    ASSERT_NE(ok, nullptr);
    wintest::ClickAt(wintest::CenterOf(ok));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(errors); }, 5000));

    // A fresh prefix lacks the association of text files that Windows has.
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, ".txt", &key), ERROR_SUCCESS);
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("txtfile"), 8);
    RegCloseKey(key);
    Click("Readme");
    HWND notepad = nullptr;
    EXPECT_TRUE(WaitFor([&] { return (notepad = WindowTitled("read me")) != nullptr; }, 15000))
        << "notepad did not open the document";
    if (notepad) {
        HWND text = nullptr;
        EXPECT_TRUE(WaitFor(
            [&] { return (text = ChildWithText(notepad, "The launch pad opened me.")) != nullptr; },
            5000));
        PostMessageA(notepad, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(notepad); }, 5000));
    }
    EXPECT_EQ(VisibleWindow("Errors"), nullptr);

    // A folder opens in the shell's own window.
    Click("Folder");
    HWND shown = nullptr;
    EXPECT_TRUE(WaitFor([&] { return (shown = WindowTitled("shown folder")) != nullptr; }, 15000))
        << "the folder did not open";
    EXPECT_EQ(VisibleWindow("Errors"), nullptr);
    if (shown) {
        ScreenshotOfProgramWindow(shown, "launch-folder.bmp");
        PostMessageA(shown, WM_CLOSE, 0, 0);
    }
}

TEST_F(LaunchPadOnWindows, TheEditorOpensOnAShortcutAndOnAnEmptySlotAndRefusesNoFile) {
    EnterLaunchPad();

    // A right click on a shortcut opens it in the editor.
    Click("Batch", true);
    HWND editor = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (editor = VisibleWindow("Shortcut Edit")) != nullptr; }, 5000));
    EXPECT_TRUE(WaitFor([&] { return ChildWithText(editor, Batch()) != nullptr; }, 5000));
    EXPECT_NE(ChildWithText(editor, work + "arg file.txt"), nullptr);
    EXPECT_NE(ChildWithText(editor, "Batch"), nullptr);
    EXPECT_TRUE(GetWindowLongA(editor, GWL_EXSTYLE) & WS_EX_TOPMOST);
    Sleep(300);
    ScreenshotOfProgramWindow(editor, "shortcut-edit.bmp");
    ASSERT_TRUE(BringToFront(editor));
    wintest::ClickAt(wintest::CenterOf(ChildOfClass(editor, "Button", "Cancel")));
    ASSERT_TRUE(WaitFor([&] { return !VisibleWindow("Shortcut Edit"); }, 5000));
    const Bytes saved = ReadBytes(Slot(0));
    EXPECT_EQ(saved.size(), 1522u) << "Cancel leaves the shortcut";

    // An empty slot: a new shortcut. Save without a file is refused in the field.
    HWND empty = nullptr;
    {
        RECT r{};
        GetWindowRect(LabelShowing(window, "Readme"), &r);
        const POINT below{(r.left + r.right) / 2, r.bottom + (r.bottom - r.top) / 2};
        empty = WindowFromPoint(below);
        ASSERT_TRUE(BringToFront(window));
        wintest::ClickAt(below);
    }
    ASSERT_TRUE(WaitFor([&] { return (editor = VisibleWindow("Shortcut Edit")) != nullptr; }, 5000))
        << "a click on the empty slot " << WindowText(empty);
    ASSERT_TRUE(BringToFront(editor));
    wintest::ClickAt(wintest::CenterOf(ChildOfClass(editor, "Button", "Save")));
    HWND file = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] {
            return (file = ChildWithText(editor, "You must select a file to launch")) != nullptr;
        },
        3000));
    Sleep(200);
    ScreenshotOfProgramWindow(editor, "shortcut-edit-refused.bmp");
    EXPECT_TRUE(WaitFor([&] { return ControlText(file).empty(); }, 5000))
        << "the message goes after two seconds";
    EXPECT_FALSE(Exists(Slot(3)));

    // The file list shows the folder of the bookmarks file; the chosen batch file dragged onto
    // "File to launch" fills the start folder too.
    HWND list = nullptr;
    for (HWND child = GetWindow(editor, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = {};
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, "ListBox") == 0 &&
            SendMessageA(child, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>("leave marker.bat")) != LB_ERR) {
            list = child;
        }
    }
    ASSERT_NE(list, nullptr) << "the file list";
    const LRESULT entry = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>("leave marker.bat"));
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(&item));
    wintest::ClickAt(wintest::ScreenPointOf(list, item.left + 20, (item.top + item.bottom) / 2));
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(list, LB_GETCURSEL, 0, 0) == entry; }, 3000));
    HWND fileLabel = LabelShowing(editor, "Drag this to use file");
    ASSERT_NE(fileLabel, nullptr);
    DragBetween(wintest::CenterOf(fileLabel), wintest::CenterOf(file));
    EXPECT_TRUE(WaitFor([&] { return ControlText(file) == Batch(); }, 3000)) << ControlText(file);
    EXPECT_NE(ChildWithText(editor, work.substr(0, work.size() - 1)), nullptr)
        << "a program's folder is its start folder";

    HWND title = nullptr;
    for (HWND child = GetWindow(editor, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = {};
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, "Edit") == 0 && GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE &&
            SendMessageA(child, EM_GETLIMITTEXT, 0, 0) == 20) {
            title = child;
        }
    }
    ASSERT_NE(title, nullptr);
    wintest::ClickAt(wintest::CenterOf(title));
    wintest::TypeText("Run it");
    wintest::PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return !VisibleWindow("Shortcut Edit"); }, 5000));
    EXPECT_TRUE(WaitFor([&] { return LabelShowing(window, "Run it") != nullptr; }, 5000));
    EXPECT_EQ(ReadBytes(Slot(3)),
              ShortcutFile(Batch(), work.substr(0, work.size() - 1), "", "Run it"));
}

// Presses and releases a key as a hand does: two events, a moment apart.
void Press(WORD key) {
    wintest::KeyDown(key);
    Sleep(80);
    wintest::KeyUp(key);
}

// The lines that the argument probe wrote, one run after another.
std::vector<std::vector<std::string>> ProbeRuns(const std::string& log) {
    const Bytes bytes = ReadBytes(log);
    std::vector<std::vector<std::string>> runs(1);
    std::string line;
    for (char c : std::string(bytes.begin(), bytes.end())) {
        if (c != '\n') {
            line += c;
        } else if (line == "--") {
            runs.emplace_back();
            line.clear();
        } else {
            runs.back().push_back(line);
            line.clear();
        }
    }
    runs.pop_back();
    return runs;
}

TEST(LaunchPadCommandLines, EachShortcutsProgramGetsTheArgumentsAsTheUserWroteThem) {
    ProgramSetup setup;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string work =
        std::string(temp) + "mirvo args " + std::to_string(GetCurrentProcessId()) + "\\";
    const std::string tools = work + "tools & probes\\";
    CreateDirectoryA(work.c_str(), nullptr);
    CreateDirectoryA(tools.c_str(), nullptr);
    const std::string probe = tools + "args probe.exe";
    ASSERT_TRUE(CopyFileA((TestProgramFolder() + "argsprobe.exe").c_str(), probe.c_str(), FALSE));

    // Shortcuts A to D of the launch pad's first group, all to the probe.
    const std::vector<std::string> commandLines = {"/p \"C:\\My Docs\\a.txt\"", "-n 5 file.txt",
                                                   "C:\\My Docs\\b.txt", "C:\\My Docs\\a.txt /x"};
    const std::string lib = setup.ProgramFolder() + "Lib29\\";
    CreateDirectoryA(lib.c_str(), nullptr);
    std::string titles;
    for (size_t n = 0; n < commandLines.size(); ++n) {
        const std::string title = "Probe " + std::string(1, static_cast<char>('A' + n));
        titles += Padded(title);
        WriteBytes(lib + "group0." + std::to_string(n),
                   ShortcutFile(probe, "", commandLines[n], title));
    }
    titles.resize(4800, ' ');
    WriteBytes(lib + "group0.dat", Text(titles));

    ProgramProcess program(setup.Executable());
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000));
    ASSERT_TRUE(BringToFront(window));
    wintest::ClickAt(wintest::CenterOf(ChildOfClass(window, "Button", "Launch Pad")));
    ASSERT_TRUE(WaitFor([&] { return LabelShowing(window, "Probe A") != nullptr; }, 5000));

    const std::vector<std::vector<std::string>> expected = {{"/p", "C:\\My Docs\\a.txt"},
                                                            {"-n", "5", "file.txt"},
                                                            {"C:\\My Docs\\b.txt"},
                                                            {"C:\\My Docs\\a.txt", "/x"}};
    for (size_t n = 0; n < expected.size(); ++n) {
        if (IsIconic(window)) {
            ShowWindow(window, SW_RESTORE);
        }
        ASSERT_TRUE(BringToFront(window));
        // A click on a group name hands the keys to the window (the launch pad ignores this one).
        wintest::ClickAt(wintest::CenterOf(LabelShowing(window, "Hot Key Clips")));
        Sleep(200);
        Press(static_cast<WORD>('A' + n));  // the letter launches the shortcut
        ASSERT_TRUE(WaitFor([&] { return ProbeRuns(tools + "args.txt").size() > n; }, 15000))
            << "shortcut " << n << " started nothing";
        EXPECT_EQ(ProbeRuns(tools + "args.txt")[n], expected[n]) << commandLines[n];
    }
    EXPECT_EQ(FindWindowA(nullptr, "Errors"), nullptr);

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
    RemoveTree(work.substr(0, work.size() - 1));
}

}  // namespace
}  // namespace mirvo::e2e
