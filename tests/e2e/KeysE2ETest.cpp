// The keyboard of the real program under Windows (Wine), with notepad as the window the user
// works in: a dialog closed by Enter pastes nothing, options chosen from the keyboard are stored
// and applied, and Enter in the search box of the left-column display searches. Keys go down and
// come up as two events, a moment apart, as a hand presses them.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "e2e/Notepad.h"
#include "e2e/ProgramRun.h"
#include "win32/WinTestSupport.h"

namespace mirvo::e2e {
namespace {

constexpr size_t kPasteKeysAt = 43;
constexpr size_t kClearanceAt = 49;
constexpr size_t kOptionsPageAt = 87;
constexpr size_t kEdgeTopAt = 101;

void Press(WORD key) {
    wintest::KeyDown(key);
    Sleep(80);
    wintest::KeyUp(key);
    Sleep(40);
}

// The control of another process's window that has the keyboard focus.
HWND FocusIn(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

// Tab until the control has the focus, as a user does to reach it.
bool TabTo(HWND control) {
    const HWND top = GetAncestor(control, GA_ROOT);
    for (int i = 0; i < 200; ++i) {
        if (FocusIn(top) == control) {
            return true;
        }
        Press(VK_TAB);
    }
    return false;
}

HWND VisibleTitled(const std::string& title) {
    HWND window = FindWindowA(nullptr, title.c_str());
    return window && IsWindowVisible(window) ? window : nullptr;
}

// The Integer at this byte offset of the stored settings record, or -1.
int StoredSetting(const ProgramSetup& setup, size_t offset) {
    const std::vector<std::uint8_t> b = ReadBytes(setup.SettingsFile());
    return b.size() > offset + 1 ? static_cast<std::int16_t>(b[offset] | (b[offset + 1] << 8)) : -1;
}

class Keys : public ::testing::Test {
protected:
    // The program's first start, notepad beside it, and "clip one" copied there: clipboard
    // clip 1, which Enter on the highlight would paste.
    void Start() {
        program = std::make_unique<ProgramProcess>(setup.Executable());
        main = program->WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(WaitFor([&] { return !IsIconic(main); }, 5000));
        notepad = std::make_unique<Notepad>(main);
        ASSERT_TRUE(notepad->Ready());
        // A copy that a busy machine lost is made again, as a user would.
        bool copied = false;
        for (int attempt = 0; attempt < 2 && !copied; ++attempt) {
            notepad->Copy("clip one");
            copied =
                WaitFor([&] { return LabelShowing(main, Padded("clip one")) != nullptr; }, 5000);
        }
        ASSERT_TRUE(copied) << "the copy in notepad became no clip";
        notepad->SetText("");
        ASSERT_TRUE(notepad->Focus());
        LetThePollSeeIt();
        ASSERT_TRUE(Foreground(main));
    }
    void TearDown() override {
        if (main) {
            PostMessageA(main, WM_CLOSE, 0, 0);
            EXPECT_EQ(program->WaitForExit(), 0);
        }
    }
    HWND Showing(HWND window, const std::string& text) {
        HWND control = nullptr;
        WaitFor([&] { return (control = LabelShowing(window, text)) != nullptr; }, 5000);
        return control;
    }
    void Click(HWND window, const std::string& text) {
        HWND control = Showing(window, text);
        ASSERT_NE(control, nullptr) << text;
        wintest::ClickAt(wintest::CenterOf(control));
    }
    // Nothing reaches notepad for a while.
    bool NothingPasted() {
        return !WaitFor([&] { return !notepad->Text().empty(); }, 1500);
    }

    ProgramSetup setup;
    std::unique_ptr<ProgramProcess> program;
    HWND main = nullptr;
    std::unique_ptr<Notepad> notepad;
};

TEST_F(Keys, EnterOnTheOkButtonOfOptionsOrAboutClosesItAndPastesNothing) {
    ASSERT_NO_FATAL_FAILURE(Start());
    for (const char* opener : {"Options", "About"}) {
        // Notepad is the window the user works in, and the main window is in front.
        ASSERT_TRUE(notepad->Focus());
        LetThePollSeeIt();
        ASSERT_TRUE(Foreground(main));
        Click(main, opener);
        HWND dialog = nullptr;
        ASSERT_TRUE(WaitFor(
            [&] {
                dialog = GetForegroundWindow();
                return dialog != main && GetAncestor(dialog, GA_ROOT) == dialog &&
                       LabelShowing(dialog, "OK") != nullptr;
            },
            5000))
            << opener;
        ASSERT_TRUE(TabTo(LabelShowing(dialog, "OK"))) << opener;
        Press(VK_RETURN);
        ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(dialog); }, 5000)) << opener;
        EXPECT_TRUE(NothingPasted()) << "the release of the Enter that closed " << opener
                                     << " pasted \"" << notepad->Text() << "\"";
        EXPECT_FALSE(IsIconic(main));
    }

    // The next Enter on the main window is its own: it pastes the highlighted clip.
    ASSERT_TRUE(notepad->Focus());
    LetThePollSeeIt();
    ASSERT_TRUE(Foreground(main));
    Press(VK_RETURN);
    EXPECT_TRUE(notepad->Shows("clip one")) << notepad->Text();
}

TEST_F(Keys, OptionsChosenFromTheKeyboardAreStoredAndTakeEffect) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(main, "Options");
    HWND options = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (options = VisibleTitled(" Mirvo User Options")) != nullptr; }, 5000));
    ASSERT_EQ(StoredSetting(setup, kEdgeTopAt), 1);

    ASSERT_TRUE(TabTo(Showing(options, "Top")));
    Press(VK_SPACE);
    EXPECT_TRUE(WaitFor([&] { return StoredSetting(setup, kEdgeTopAt) == 0; }, 3000))
        << "the top edge check box, cleared by Space";
    ASSERT_TRUE(TabTo(Showing(options, "Ctrl+V")));
    Press(VK_SPACE);
    EXPECT_TRUE(WaitFor([&] { return StoredSetting(setup, kPasteKeysAt) == 1; }, 3000))
        << "the paste key chosen with Space";

    ASSERT_TRUE(TabTo(Showing(options, "Keyboard")));
    Press(VK_RETURN);
    HWND batch = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (batch = LabelShowing(options, "Batch")) != nullptr; }, 3000))
        << "Enter on a page button shows its page";
    ASSERT_TRUE(TabTo(batch));
    Press(VK_SPACE);
    EXPECT_TRUE(WaitFor([&] { return StoredSetting(setup, kClearanceAt) == 0; }, 3000))
        << "\"Batch\" chosen with Space";
    EXPECT_EQ(StoredSetting(setup, kOptionsPageAt), 2) << "the keyboard page is the last one";
    EXPECT_TRUE(WaitFor([&] { return BackgroundOf(batch) == RGB(255, 0, 0); }, 3000))
        << "and shown red at once";
    ScreenshotOfProgramWindow(options, "options-from-keys.bmp");

    Press(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return VisibleTitled(" Mirvo User Options") == nullptr; }, 5000));
    EXPECT_TRUE(NothingPasted());
}

TEST_F(Keys, EnterInTheSearchBoxOfTheLeftColumnDisplaySearchesAndPastesNothing) {
    const std::string lib = setup.ProgramFolder() + "Lib3\\";
    CreateDirectoryA(lib.c_str(), nullptr);
    std::string titles = Padded("") + Padded("INVOICE for March");
    titles.resize(4800, ' ');
    WriteBytes(lib + "group2.dat", Text(titles));
    ASSERT_NO_FATAL_FAILURE(Start());

    Click(main, "L");  // the clipboard clips' column button: the left-column display
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = ChildWithText(main, "Search")) != nullptr; }, 5000))
        << "the left-column display keeps the search box";
    wintest::ClickAt(wintest::CenterOf(box));
    Sleep(200);
    wintest::TypeText("invoice");
    Press(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return LabelShowing(main, "INVOICE for March") != nullptr; }, 5000))
        << "the match, in library 3";
    EXPECT_NE(LabelShowing(main, "Library 3"), nullptr);
    EXPECT_TRUE(NothingPasted()) << "Enter pasted \"" << notepad->Text() << "\"";
    EXPECT_FALSE(IsIconic(main));
    ScreenshotOfProgramWindow(main, "search-from-column.bmp");
}

}  // namespace
}  // namespace mirvo::e2e
