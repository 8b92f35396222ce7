// The options window of the real program under Windows (Wine): every page, the small window
// size with the options coming back, the private data location, and the bulk key chosen on the
// keyboard page.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "e2e/Notepad.h"
#include "e2e/ProgramRun.h"
#include "win32/WinTestSupport.h"

namespace mirvo::e2e {
namespace {

HWND OptionsWindow() {
    HWND window = FindWindowA(nullptr, " Mirvo User Options");
    return window && IsWindowVisible(window) ? window : nullptr;
}

int WidthInTwips(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return MulDiv(r.right - r.left, 1440, dpi);
}

struct SuffixSearch {
    std::string suffix;
    HWND found = nullptr;
};
BOOL CALLBACK MatchSuffix(HWND child, LPARAM param) {
    auto* s = reinterpret_cast<SuffixSearch*>(param);
    const std::string text = WindowText(child);
    if (IsWindowVisible(child) && text.size() > s->suffix.size() &&
        text.compare(text.size() - s->suffix.size(), s->suffix.size(), s->suffix) == 0) {
        s->found = child;
        return FALSE;
    }
    return TRUE;
}
HWND ChildEndingWith(HWND window, const std::string& suffix) {
    SuffixSearch search{suffix};
    EnumChildWindows(window, MatchSuffix, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Clicks the control showing caption, once the window shows it (a window that has just
// opened may still be laying out its page).
void Click(HWND window, const std::string& caption) {
    HWND control = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (control = LabelShowing(window, caption)) != nullptr; }, 5000))
        << caption;
    wintest::ClickAt(wintest::CenterOf(control));
}

// The Integer at this byte offset of the stored settings record, or -1.
int StoredSetting(const ProgramSetup& setup, size_t offset) {
    const std::vector<std::uint8_t> b = ReadBytes(setup.SettingsFile());
    return b.size() > offset + 1 ? static_cast<std::int16_t>(b[offset] | (b[offset + 1] << 8)) : -1;
}

// The window that asks for the bulk paste's separator, once it has the focus.
HWND BulkWindow() {
    HWND window = FindWindowA(nullptr, "Bulk Paste - Clip Spacing");
    return window && IsWindowVisible(window) && GetForegroundWindow() == window ? window : nullptr;
}

TEST(OptionsOnWindows, EveryPageTheSmallWindowAndThePrivateData) {
    ProgramSetup setup;
    const std::string privateLib = setup.PrivateFolder() + "Lib1\\";
    const std::string& folder = setup.PrivateFolder();
    const std::string vendor = folder.substr(0, folder.find_last_of('\\', folder.size() - 2));
    CreateDirectoryA(vendor.c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CreateDirectoryA(privateLib.c_str(), nullptr));
    std::string names = Padded("Private group");
    names.resize(1600, ' ');
    WriteBytes(privateLib + "Groups.dat", Text(names));
    ProgramProcess program(setup.Executable());
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return WidthInTwips(window) > 10000; }, 5000));
    EXPECT_NEAR(WidthInTwips(window), 12288, 30) << "the large window at first";
    SetForegroundWindow(window);

    Click(window, "Options");
    HWND options = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (options = OptionsWindow()) != nullptr; }, 5000));
    EXPECT_TRUE(GetWindowLongA(options, GWL_EXSTYLE) & WS_EX_TOPMOST);
    const char* pages[6] = {"Activation", "Behaviors", "Keyboard",
                            "Display",    "Colors",    "Web Pages"};
    for (int i = 0; i < 6; ++i) {
        Click(options, pages[i]);
        Sleep(300);
        ScreenshotOfProgramWindow(options, "options-page-" + std::to_string(i) + ".bmp");
    }

    // "Small": the window closes, the main window shrinks, the options come back.
    Click(options, "Display");
    Click(options, "Small");
    ASSERT_TRUE(WaitFor([&] { return WidthInTwips(window) < 10000; }, 5000));
    EXPECT_NEAR(WidthInTwips(window), 9624, 30);
    ASSERT_TRUE(WaitFor([&] { return (options = OptionsWindow()) != nullptr; }, 5000))
        << "the options come back";

    // The private data location shows the private libraries.
    HWND privateChoice = ChildEndingWith(options, "'s Private Data");
    ASSERT_NE(privateChoice, nullptr) << "the user's name and \"'s Private Data\"";
    wintest::ClickAt(wintest::CenterOf(privateChoice));
    EXPECT_TRUE(WaitFor([&] { return LabelShowing(window, "Private group") != nullptr; }, 5000))
        << "the main window shows the private data";
    Click(options, "OK");
    EXPECT_TRUE(WaitFor([&] { return OptionsWindow() == nullptr; }, 5000));

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

TEST(OptionsOnWindows, TheCtrlBChoiceMakesCtrlBAndCtrlShiftBTheBulkKeysInsteadOfCtrlInsert) {
    constexpr size_t kBulkCountAt = 7;
    constexpr size_t kBulkSpacingAt = 95;
    constexpr size_t kBulkKeysAt = 97;
    ProgramSetup setup;
    ProgramProcess program(setup.Executable());
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000)) << "a first start shows it";
    ASSERT_TRUE(WaitFor([&] { return !setup.Launched().empty(); }, 10000))
        << "a first start hands its tutorial page to the launcher";
    Notepad notepad(window);
    ASSERT_TRUE(notepad.Ready());

    ASSERT_TRUE(Foreground(window));
    Click(window, "Options");
    HWND options = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (options = OptionsWindow()) != nullptr; }, 5000));
    ASSERT_TRUE(Foreground(options));
    Click(options, "Keyboard");
    Click(options, "Ctrl+B");
    ASSERT_TRUE(WaitFor([&] { return StoredSetting(setup, kBulkKeysAt) == 1; }, 3000))
        << "the choice is saved at once";
    Click(options, "OK");
    ASSERT_TRUE(WaitFor([&] { return OptionsWindow() == nullptr; }, 5000));

    Click(window, "Bulk");  // the capture mode "Bulk"
    ASSERT_TRUE(WaitFor([&] { return LabelShowing(window, "0") != nullptr; }, 5000))
        << "the bulk button counts the cache";
    // Under Wine notepad comes forward reliably only while the main window is minimized.
    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(window) != FALSE; }, 3000));
    const char* copies[] = {"alpha", "beta", "gamma"};
    for (int n = 0; n < 3; ++n) {
        notepad.Copy(copies[n]);
        ASSERT_TRUE(WaitFor([&] { return StoredSetting(setup, kBulkCountAt) == n + 1; }, 5000))
            << copies[n];
    }

    auto pressInNotepad = [&](WORD key, std::initializer_list<WORD> modifiers) {
        notepad.SetText("");
        EXPECT_TRUE(notepad.Focus());
        LetThePollSeeIt();
        wintest::PressKey(key, modifiers);
        HWND bulk = nullptr;
        WaitFor([&] { return (bulk = BulkWindow()) != nullptr; }, 5000);
        return bulk;
    };
    EXPECT_EQ(pressInNotepad(VK_INSERT, {VK_CONTROL}), nullptr)
        << "Ctrl+Insert is no longer the bulk key";
    EXPECT_EQ(StoredSetting(setup, kBulkCountAt), 3);

    HWND bulk = pressInNotepad('B', {VK_CONTROL});
    ASSERT_NE(bulk, nullptr) << "Ctrl+B shows the separator window";
    wintest::PressKey('2');  // "New line between clips", saved at once
    ASSERT_TRUE(WaitFor([&] { return StoredSetting(setup, kBulkSpacingAt) == 1; }, 3000));
    Click(bulk, "Paste");
    EXPECT_TRUE(notepad.Shows("alpha\r\nbeta\r\ngamma")) << notepad.Text();

    bulk = pressInNotepad('B', {VK_CONTROL, VK_SHIFT});
    ASSERT_NE(bulk, nullptr) << "Ctrl+Shift+B as well";
    wintest::PressKey('1');  // nothing between the clips
    ASSERT_TRUE(WaitFor([&] { return StoredSetting(setup, kBulkSpacingAt) == 0; }, 3000));
    Click(bulk, "Paste");
    EXPECT_TRUE(notepad.Shows("alphabetagamma")) << notepad.Text();

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
}  // namespace mirvo::e2e
