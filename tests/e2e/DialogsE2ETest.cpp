// The clip dialogs of the real program under Windows (Wine): a right click on a group clip opens
// the viewer with its text, an edited multi-format clip warns once and is stored as text alone,
// a picture-only clip previews, and a right click on a group name renames the group.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "e2e/ProgramRun.h"
#include "win32/WinTestSupport.h"

namespace mirvo::e2e {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutLong(Bytes& b, std::int32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
    }
}

// A clip file in the current layout: (format, registered name, data) records.
Bytes CurrentLayout(const std::vector<std::tuple<std::int32_t, std::string, Bytes>>& records) {
    Bytes b;
    PutLong(b, -1);
    PutLong(b, static_cast<std::int32_t>(records.size()));
    for (const auto& [format, name, data] : records) {
        PutLong(b, format);
        PutLong(b, static_cast<std::int32_t>(name.size()));
        b.insert(b.end(), name.begin(), name.end());
        PutLong(b, static_cast<std::int32_t>(data.size()));
        b.insert(b.end(), data.begin(), data.end());
    }
    return b;
}

Bytes TextOnly(const std::string& text) {
    Bytes b;
    PutLong(b, -1);
    PutLong(b, -1);
    PutLong(b, static_cast<std::int32_t>(text.size()));
    b.insert(b.end(), text.begin(), text.end());
    return b;
}

// A 16x8 24-bit bitmap in four coloured bands.
Bytes Picture() {
    const int width = 16;
    const int height = 8;
    Bytes dib(40, 0);
    dib[0] = 40;
    dib[4] = width;
    dib[8] = height;
    dib[12] = 1;
    dib[14] = 24;
    const COLORREF bands[4] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255), RGB(255, 200, 0)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = bands[x / 4];
            dib.push_back(GetBValue(c));
            dib.push_back(GetGValue(c));
            dib.push_back(GetRValue(c));
        }
    }
    return dib;
}

// A visible top-level window of the process that shows a label with that text.
struct TopSearch {
    DWORD process;
    std::string text;
    HWND found = nullptr;
};
BOOL CALLBACK MatchShowing(HWND window, LPARAM param) {
    auto* s = reinterpret_cast<TopSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == s->process && IsWindowVisible(window) && LabelShowing(window, s->text)) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}
HWND WindowShowing(DWORD process, const std::string& text) {
    TopSearch search{process, text};
    EnumWindows(MatchShowing, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Brings a window of the program to the front and waits until it is there.
bool BringToFront(HWND window) {
    SetForegroundWindow(window);
    return WaitFor([&] { return GetForegroundWindow() == window; }, 5000);
}

HWND VisibleWindow(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    return window && IsWindowVisible(window) ? window : nullptr;
}

class DialogsOnWindows : public ::testing::Test {
protected:
    DialogsOnWindows() {
        const std::string lib = setup.ProgramFolder() + "Lib1\\";
        CreateDirectoryA(lib.c_str(), nullptr);
        std::string titles = Padded("Meeting notes") + Padded("Logo") + Padded("Plain note");
        titles.resize(4800, ' ');
        WriteBytes(lib + "group0.dat", Text(titles));
        const std::string text = "Agenda\r\nitem one";
        Bytes withNul(text.begin(), text.end());
        withNul.push_back(0);
        WriteBytes(lib + "group0.0", CurrentLayout({{1, "", withNul},
                                                    {0xC100, "HTML Format", Text("<b>Agenda</b>")},
                                                    {8, "", Picture()}}));
        WriteBytes(lib + "group0.1", CurrentLayout({{8, "", Picture()}}));
        WriteBytes(lib + "group0.2", TextOnly("plain text"));
        std::string names = Padded("Letters") + Padded("Recipes");
        names.resize(1600, ' ');
        WriteBytes(lib + "Groups.dat", Text(names));
        program = std::make_unique<ProgramProcess>(setup.Executable());
        window = program->WaitForMainWindow();
    }
    ~DialogsOnWindows() override {
        if (window) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            EXPECT_EQ(program->WaitForExit(), 0);
        }
    }
    void RightClick(const std::string& label) {
        HWND target = LabelShowing(window, label);
        ASSERT_NE(target, nullptr) << label;
        SetForegroundWindow(window);
        wintest::ClickAt(wintest::CenterOf(target), true);
    }
    void LeftClick(const std::string& label) {
        HWND target = LabelShowing(window, label);
        ASSERT_NE(target, nullptr) << label;
        wintest::ClickAt(wintest::CenterOf(target));
    }
    // Moves a dialog to the screen's lower right corner, off the main window's clips.
    static void MoveAside(HWND dialog) {
        RECT screen{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
        SetWindowPos(dialog, nullptr, screen.right - 240, screen.bottom - 160, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    std::string StoredTitle(int n) const {
        const Bytes stored = ReadBytes(Lib("group0.dat"));
        const size_t at = static_cast<size_t>(n) * 50;
        return stored.size() >= at + 50 ? std::string(stored.begin() + at, stored.begin() + at + 50)
                                        : "<none>";
    }
    std::string Lib(const std::string& name) const {
        return setup.ProgramFolder() + "Lib1\\" + name;
    }

    ProgramSetup setup;
    std::unique_ptr<ProgramProcess> program;
    HWND window = nullptr;
};

TEST_F(DialogsOnWindows, TheViewerEditsAMultiFormatClipAfterOneWarning) {
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000));
    RightClick("Meeting notes");
    HWND viewer = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (viewer = VisibleWindow(" Clip Edit")) != nullptr; }, 5000));
    HWND text = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (text = ChildWithText(viewer, "Agenda\r\nitem one")); }, 5000))
        << "the text box shows the clip's text";
    EXPECT_TRUE(GetWindowLongA(viewer, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_NE(ChildWithText(viewer, "Meeting notes"), nullptr) << "the title box";
    ScreenshotOfProgramWindow(viewer, "viewer-text.bmp");

    // The first click into the text warns; the warning sounds, is closed, and comes only once.
    wintest::ClickAt(wintest::CenterOf(text));
    HWND warning = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (warning = WindowShowing(program->Id(), "Warning")); }, 5000));
    Sleep(300);  // painted after it is shown
    ScreenshotOfProgramWindow(warning, "viewer-warning.bmp");
    HWND ok = LabelShowing(warning, "OK");
    ASSERT_NE(ok, nullptr);
    wintest::ClickAt(wintest::CenterOf(ok));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(warning); }, 5000));
    wintest::ClickAt(wintest::CenterOf(text));
    Sleep(500);
    EXPECT_EQ(WindowShowing(program->Id(), "Warning"), nullptr) << "no second warning";

    // A changed text and Escape: saved as the text alone, and the main window stays up.
    ASSERT_TRUE(BringToFront(viewer));
    wintest::ClickAt(wintest::CenterOf(text));
    wintest::PressKey(VK_END, {VK_CONTROL});
    wintest::TypeText(" and two");
    wintest::PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !VisibleWindow(" Clip Edit"); }, 5000));
    EXPECT_TRUE(WaitFor(
        [&] { return ReadBytes(Lib("group0.0")) == TextOnly("Agenda\r\nitem one and two"); },
        5000));
    Sleep(300);
    EXPECT_FALSE(IsIconic(window)) << "the Escape that saved does not minimize the main window";
}

TEST_F(DialogsOnWindows, APictureClipPreviewsAndAGroupIsRenamed) {
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000));
    const Bytes picture = ReadBytes(Lib("group0.1"));
    RightClick("Logo");
    HWND viewer = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (viewer = VisibleWindow(" Clip Preview ")) != nullptr; }, 5000));
    HWND stretch = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (stretch = LabelShowing(viewer, "True Size")) != nullptr; }, 5000));
    ScreenshotOfProgramWindow(viewer, "viewer-picture.bmp");
    ASSERT_TRUE(BringToFront(viewer));
    wintest::PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !VisibleWindow(" Clip Preview "); }, 5000));
    EXPECT_EQ(ReadBytes(Lib("group0.1")), picture) << "a preview leaves the clip's file";

    RightClick("Recipes");
    HWND namer = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (namer = VisibleWindow(" Group Name")) != nullptr; }, 5000));
    ScreenshotOfProgramWindow(namer, "group-namer.bmp");
    ASSERT_TRUE(BringToFront(namer));
    ASSERT_TRUE(WaitFor([&] { return ChildWithText(namer, "Recipes") != nullptr; }, 5000));
    wintest::TypeText("Cooking");
    wintest::PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return !VisibleWindow(" Group Name"); }, 5000));
    EXPECT_NE(LabelShowing(window, "Cooking"), nullptr);
    EXPECT_TRUE(WaitFor(
        [&] {
            const Bytes names = ReadBytes(Lib("Groups.dat"));
            return names.size() == 1600u &&
                   std::string(names.begin() + 50, names.begin() + 100) == Padded("Cooking");
        },
        5000))
        << "the group names are saved";
}

TEST_F(DialogsOnWindows, TheViewerOpensWithTheTitleSelectedSoTypingReplacesItAndEnterSaves) {
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000));
    RightClick("Plain note");
    HWND viewer = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (viewer = VisibleWindow(" Clip Edit")) != nullptr; }, 5000));
    ASSERT_TRUE(WaitFor([&] { return ChildWithText(viewer, "plain text") != nullptr; }, 5000));
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == viewer; }, 5000));
    ASSERT_TRUE(WaitFor([&] { return HasKeyboardFocus(viewer); }, 5000));

    wintest::TypeText("Renamed");
    wintest::PressKey(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return !VisibleWindow(" Clip Edit"); }, 5000))
        << "Enter in the title saved";
    EXPECT_TRUE(WaitFor([&] { return StoredTitle(2) == Padded("Renamed"); }, 5000))
        << "the typing replaced the whole title";
    EXPECT_EQ(ReadBytes(Lib("group0.2")), TextOnly("plain text"));
}

TEST_F(DialogsOnWindows, AClickOnAClipPastesOnlyIntoAViewerWithTextAndThenWarnsThere) {
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000));
    const Bytes picture = ReadBytes(Lib("group0.1"));
    RightClick("Logo");
    HWND viewer = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (viewer = VisibleWindow(" Clip Preview ")) != nullptr; }, 5000));
    ASSERT_TRUE(WaitFor([&] { return LabelShowing(viewer, "True Size") != nullptr; }, 5000));
    MoveAside(viewer);
    LeftClick("Plain note");
    Sleep(800);  // the paste follows the click after its timer
    ASSERT_TRUE(Settled(window));
    ASSERT_TRUE(BringToFront(viewer));
    ASSERT_TRUE(WaitFor([&] { return HasKeyboardFocus(viewer); }, 5000));
    wintest::PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !VisibleWindow(" Clip Preview "); }, 5000));
    Sleep(300);
    EXPECT_EQ(ReadBytes(Lib("group0.1")), picture) << "the picture clip keeps its file";

    // A clip of several formats: the click pastes into its text, and the focus there warns.
    RightClick("Meeting notes");
    ASSERT_TRUE(WaitFor([&] { return (viewer = VisibleWindow(" Clip Edit")) != nullptr; }, 5000));
    ASSERT_TRUE(WaitFor([&] { return ChildWithText(viewer, "Agenda\r\nitem one"); }, 5000));
    MoveAside(viewer);
    LeftClick("Plain note");
    HWND warning = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (warning = WindowShowing(program->Id(), "Warning")); }, 5000))
        << "the warning comes before a save can lose the other formats";
    HWND ok = LabelShowing(warning, "OK");
    ASSERT_NE(ok, nullptr);
    wintest::ClickAt(wintest::CenterOf(ok));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(warning); }, 5000));
    EXPECT_NE(ChildWithText(viewer, "plain textAgenda\r\nitem one"), nullptr)
        << "the clip's text went in at the start of the text";
    PostMessageA(viewer, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !VisibleWindow(" Clip Edit"); }, 5000));
}

}  // namespace
}  // namespace mirvo::e2e
