// The clip search and the screen-edge switcher of the real program under Windows (Wine), with
// the real keyboard and mouse.

#include <gtest/gtest.h>

#include <string>

#include "e2e/ProgramRun.h"
#include "win32/WinTestSupport.h"

namespace mirvo::e2e {
namespace {

void PutLibrary(const ProgramSetup& setup, int library, const std::string& groupName, int group,
                const std::vector<std::string>& titles) {
    const std::string lib = setup.ProgramFolder() + "Lib" + std::to_string(library) + "\\";
    CreateDirectoryA(lib.c_str(), nullptr);
    std::string names(1600, ' ');
    names.replace(static_cast<size_t>(group) * 50, groupName.size(), groupName);
    WriteBytes(lib + "Groups.dat", Text(names));
    std::string all;
    for (const std::string& title : titles) {
        all += Padded(title);
    }
    all.resize(4800, ' ');
    WriteBytes(lib + "group" + std::to_string(group) + ".dat", Text(all));
}

TEST(SearchOnWindows, ALowerCaseWordFindsTitlesInOtherLibrariesOneAfterAnother) {
    ProgramSetup setup;
    PutLibrary(setup, 3, "Bills", 2, {"", "INVOICE for March"});
    PutLibrary(setup, 5, "Work", 0, {"Old Invoice"});
    ProgramProcess program(setup.Executable());
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000));
    SetForegroundWindow(window);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == window; }, 5000));

    HWND box = ChildWithText(window, "Search");
    ASSERT_NE(box, nullptr);
    wintest::ClickAt(wintest::CenterOf(box));
    wintest::TypeText("invoice");
    wintest::PressKey(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return LabelShowing(window, "INVOICE for March") != nullptr; }, 5000))
        << "the first match, in library 3";
    EXPECT_NE(LabelShowing(window, "Library 3"), nullptr);
    EXPECT_NE(LabelShowing(window, "Bills"), nullptr) << "with that library's group names";

    wintest::PressKey(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return LabelShowing(window, "Old Invoice") != nullptr; }, 5000))
        << "Enter finds the next, in library 5";
    EXPECT_NE(LabelShowing(window, "Library 5"), nullptr);
    ScreenshotOfProgramWindow(window, "search-match.bmp");

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

// A visible top-level window of the process that shows a control with that caption.
struct Offer {
    DWORD process;
    HWND found = nullptr;
};
BOOL CALLBACK MatchOffer(HWND window, LPARAM param) {
    auto* offer = reinterpret_cast<Offer*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == offer->process && IsWindowVisible(window) && LabelShowing(window, "Mirvo")) {
        offer->found = window;
        return FALSE;
    }
    return TRUE;
}
HWND EdgeOffer(DWORD process) {
    Offer offer{process};
    EnumWindows(MatchOffer, reinterpret_cast<LPARAM>(&offer));
    return offer.found;
}

TEST(EdgeSwitcherOnWindows, TheTopEdgeOffersTheMinimizedWindowAndBringsItUp) {
    ProgramSetup setup;
    ProgramProcess program(setup.Executable());
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(window) != 0; }, 5000));
    const int middle = GetSystemMetrics(SM_CXSCREEN) / 2;

    wintest::MoveMouseTo(POINT{middle, 0});
    HWND offer = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (offer = EdgeOffer(program.Id())) != nullptr; }, 5000))
        << "\"Mirvo\" at the top edge";
    RECT r{};
    GetWindowRect(offer, &r);
    EXPECT_EQ(r.top, 0);
    EXPECT_NEAR((r.left + r.right) / 2, middle, 2);
    ScreenshotOfProgramWindow(offer, "edge-offer.bmp");

    wintest::MoveMouseTo(POINT{middle, 300});
    EXPECT_TRUE(WaitFor([&] { return EdgeOffer(program.Id()) == nullptr; }, 5000))
        << "moving away closes it";

    wintest::MoveMouseTo(POINT{middle, 0});
    ASSERT_TRUE(WaitFor([&] { return (offer = EdgeOffer(program.Id())) != nullptr; }, 5000))
        << "and the edge reacts again";
    HWND button = LabelShowing(offer, "Mirvo");
    ASSERT_NE(button, nullptr);
    wintest::ClickAt(wintest::CenterOf(button));
    EXPECT_TRUE(WaitFor([&] { return !IsIconic(window) && IsWindowVisible(window); }, 5000))
        << "\"Mirvo\" restores the main window";

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
}  // namespace mirvo::e2e
