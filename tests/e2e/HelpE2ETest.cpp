// The control panel's help buttons in the real program under Windows (Wine): the main help
// window on top and modal, opened by "Help" and by F1, with its tutorial link; the about window
// with the version of the program's own version resource; the "Tutorial" button; and a right
// click giving a button's quick help. Screenshots of the help and about windows.

#include <gtest/gtest.h>

#include <string>

#include "ProductVersion.h"
#include "e2e/ProgramRun.h"
#include "win32/WinTestSupport.h"

namespace mirvo::e2e {
namespace {

HWND ShownWindow(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    return window && IsWindowVisible(window) ? window : nullptr;
}

HWND WaitForWindow(const char* title) {
    HWND window = nullptr;
    WaitFor([&] { return (window = ShownWindow(title)) != nullptr; }, 5000);
    return window;
}

bool Gone(const char* title) {
    return WaitFor([&] { return ShownWindow(title) == nullptr; }, 5000);
}

void ClickCaption(HWND window, const std::string& caption, bool right = false) {
    HWND control = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (control = LabelShowing(window, caption)) != nullptr; }, 5000))
        << caption;
    wintest::ClickAt(wintest::CenterOf(control), right);
}

bool InFront(HWND window) {
    SetForegroundWindow(window);
    return WaitFor([&] { return GetForegroundWindow() == window; }, 5000);
}

// A modal window of the program: on top, centred, with the main window disabled below it.
void ExpectOnTopAndModal(HWND window, HWND main) {
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(IsWindowEnabled(main)) << "the main window waits for it";
    RECT r{};
    GetWindowRect(window, &r);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 2);
}

TEST(HelpWindowsOnWindows, HelpF1TutorialAboutAndQuickHelpOfTheControlPanel) {
    ProgramSetup setup;
    ProgramProcess program(setup.Executable());
    HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    // The first start hands its page over; what follows comes after it.
    ASSERT_TRUE(WaitFor([&] { return !setup.Launched().empty(); }, 10000));
    const std::string firstStart = setup.Launched();
    const std::string tutorial = setup.ProgramFolder() + "tutorial\\Tutorial.htm\n";
    ASSERT_TRUE(InFront(main));

    // "About": the name and the version of the executable's own resource.
    ClickCaption(main, "About");
    HWND about = WaitForWindow(" About Mirvo");
    ASSERT_NE(about, nullptr);
    ExpectOnTopAndModal(about, main);
    EXPECT_NE(LabelShowing(about, "Mirvo"), nullptr);
    EXPECT_NE(LabelShowing(about, std::string("Version ") + MIRVO_VERSION_TEXT), nullptr);
    EXPECT_NE(LabelShowing(about, MIRVO_COMPANY_NAME), nullptr);
    ScreenshotOfProgramWindow(about, "about.bmp");
    ASSERT_TRUE(InFront(about));
    wintest::PressKey(VK_ESCAPE);
    EXPECT_TRUE(Gone(" About Mirvo"));
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(main) != FALSE; }, 5000));

    // "Help": the main help window; its tutorial link hands the tutorial to the launcher.
    ClickCaption(main, "Help");
    HWND help = WaitForWindow(" Mirvo Help");
    ASSERT_NE(help, nullptr);
    ExpectOnTopAndModal(help, main);
    EXPECT_NE(LabelShowing(help, "New User Essential Information"), nullptr);
    ScreenshotOfProgramWindow(help, "main-help.bmp");
    ClickCaption(help, "Show the step-by-step tutorial");
    EXPECT_TRUE(Gone(" Mirvo Help")) << "the link makes way for the page";
    EXPECT_TRUE(WaitFor([&] { return setup.Launched() == firstStart + tutorial; }, 10000))
        << setup.Launched();

    // F1 opens it too, and the Escape that closes it does not reach the main window.
    ASSERT_TRUE(InFront(main));
    wintest::PressKey(VK_F1);
    help = WaitForWindow(" Mirvo Help");
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(InFront(help));
    wintest::PressKey(VK_ESCAPE);
    EXPECT_TRUE(Gone(" Mirvo Help"));
    Sleep(300);
    EXPECT_FALSE(IsIconic(main)) << "Escape closed the help and minimized the main window too";

    // "Tutorial" opens the tutorial; a right click on it explains it instead.
    ASSERT_TRUE(InFront(main));
    ClickCaption(main, "Tutorial");
    EXPECT_TRUE(
        WaitFor([&] { return setup.Launched() == firstStart + tutorial + tutorial; }, 10000))
        << setup.Launched();
    ClickCaption(main, "Tutorial", true);
    HWND quick = WaitForWindow(" Mirvo Quick Help");
    ASSERT_NE(quick, nullptr);
    HWND box = FindWindowExA(quick, nullptr, "Edit", nullptr);
    EXPECT_NE(ControlText(box).find("The Tutorial button opens the tutorial"), std::string::npos)
        << ControlText(box);
    ClickCaption(quick, "OK");
    EXPECT_TRUE(Gone(" Mirvo Quick Help"));
    EXPECT_EQ(setup.Launched(), firstStart + tutorial + tutorial)
        << "the right click opens nothing";

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
}  // namespace mirvo::e2e
