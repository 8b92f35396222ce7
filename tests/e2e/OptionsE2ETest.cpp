// The options window of the real program under Windows (Wine): every page, the small window
// size with the options coming back, and the private data location.

#include <gtest/gtest.h>

#include <string>

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

void Click(HWND window, const std::string& caption) {
    HWND control = LabelShowing(window, caption);
    ASSERT_NE(control, nullptr) << caption;
    wintest::ClickAt(wintest::CenterOf(control));
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

}  // namespace
}  // namespace mirvo::e2e
