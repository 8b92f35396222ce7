// The main window's displays under Windows (Wine), with clips and groups filled: the full
// window in both sizes, the vertical and horizontal clipboard-only displays and a column
// display, each shown at the next start from its stored settings and saved as a screenshot.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/ProgramRun.h"
#include "win32/WinTestSupport.h"

namespace mirvo::e2e {
namespace {

void Put16(std::vector<std::uint8_t>& b, size_t at, int v) {
    b.at(at) = static_cast<std::uint8_t>(v & 0xFF);
    b.at(at + 1) = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}
void Put32(std::vector<std::uint8_t>& b, size_t at, std::int32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.at(at + static_cast<size_t>(i)) =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
    }
}

// Hand-made data: five clipboard clips, a titled group, group names and a transfer slot.
void FillData(const ProgramSetup& setup) {
    const std::string folder = setup.ProgramFolder();
    std::string history = std::string{5, 0};
    for (const char* title : {"Meeting notes", "https://example.org", "Invoice 2026-114",
                              "Non Text Clip.", "Dear Sir or Madam,"}) {
        history += Padded(title);
    }
    history.resize(452, ' ');
    WriteBytes(folder + "clip.dat", Text(history));
    const std::string lib = folder + "Lib1\\";
    CreateDirectoryA(lib.c_str(), nullptr);
    std::string titles;
    for (const char* title :
         {"Address", "Phone", "Bank details", "Signature", "Thank you", "Regards", "Agenda"}) {
        titles += Padded(title);
    }
    titles.resize(4800, ' ');
    WriteBytes(lib + "group0.dat", Text(titles));
    WriteBytes(lib + "Colr0.dat", Colors({0, RGB(255, 255, 160), 0, RGB(160, 255, 160)}, 96));
    std::string names;
    for (const char* name : {"Letters", "Work", "Home", "Web"}) {
        names += Padded(name);
    }
    names.resize(1600, ' ');
    names.replace(22 * 50, 50, Padded("Hot Key Clips"));
    WriteBytes(lib + "Groups.dat", Text(names));
    std::string slots = Padded("Parked clip");
    slots.resize(416, ' ');
    for (size_t k = 0; k < 8; ++k) {
        slots[400 + 2 * k] = slots[401 + 2 * k] = '\xFF';
    }
    WriteBytes(folder + "trans.dat", Text(slots));
}

// Whether the user can see the label: shown, its middle inside the window's client area and
// inside its frame.
bool Seen(HWND main, HWND label) {
    if (!label || !IsWindowVisible(label)) {
        return false;
    }
    RECT r{};
    GetWindowRect(label, &r);
    POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    for (HWND parent = GetParent(label); parent; parent = GetParent(parent)) {
        RECT area{};
        GetWindowRect(parent, &area);
        if (parent == main) {
            GetClientRect(main, &area);
            MapWindowPoints(main, nullptr, reinterpret_cast<POINT*>(&area), 2);
        }
        if (!PtInRect(&area, middle)) {
            return false;
        }
    }
    return true;
}

struct Display {
    const char* name;
    int large;
    int clipboardOnlyMode;
    int displayMode;
    bool topmost;
    int clientWidth;  // twips
};

// Settings of a first start, changed to show the display; the window then opens restored.
std::vector<std::uint8_t> SettingsFor(ProgramSetup& setup, const Display& d) {
    {
        ProgramProcess first(setup.Executable());
        HWND window = first.WaitForMainWindow();
        EXPECT_NE(window, nullptr);
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(first.WaitForExit(), 0);
    }
    std::vector<std::uint8_t> s = ReadBytes(setup.SettingsFile());
    Put16(s, 73, d.large);
    Put16(s, 81, d.clipboardOnlyMode != 0 ? 1 : 0);
    Put16(s, 119, d.displayMode);
    Put16(s, 121, d.clipboardOnlyMode);
    Put16(s, 93, 0);  // shown restored, as at a first start
    Put32(s, 9, 300);
    Put32(s, 13, 300);
    return s;
}

TEST(MainWindowDisplays, EachDisplayShowsItsPanelsAndOnlyCompactOnesAreTopmost) {
    const Display displays[] = {
        {"full-large", 1, 0, 5, false, 12288},       {"full-small", 0, 0, 5, false, 9624},
        {"clipboard-vertical", 1, 1, 5, true, 2844}, {"clipboard-horizontal", 1, 2, 5, true, 9360},
        {"column-2", 1, 3, 2, true, 2500},
    };
    for (const Display& d : displays) {
        SCOPED_TRACE(d.name);
        ProgramSetup setup;
        const std::vector<std::uint8_t> settings = SettingsFor(setup, d);
        FillData(setup);
        WriteBytes(setup.SettingsFile(), settings);

        ProgramProcess program(setup.Executable());
        HWND window = program.WaitForMainWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000));
        ScreenshotOfProgramWindow(window, std::string("display-") + d.name + ".bmp");

        const bool topmost = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        EXPECT_EQ(topmost, d.topmost);
        RECT outer{};
        GetWindowRect(window, &outer);
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        EXPECT_NEAR(outer.right - outer.left, MulDiv(d.clientWidth, dpi, 1440), 1);

        const bool column = d.clipboardOnlyMode == 3;
        EXPECT_EQ(Seen(window, LabelShowing(window, "Invoice 2026-114")), !column)
            << "the clipboard clips show in every display but a column of group clips";
        if (d.clipboardOnlyMode == 2) {
            // Clip 3 starts the second column, at the first row: 2896, 240 in the frame that
            // stands at 36, -200.
            ExpectAt(window, LabelShowing(window, "Non Text Clip."), 36 + 396 + 2500, -200 + 240);
        }
        HWND group = LabelShowing(window, "Bank details");
        const bool full = d.clipboardOnlyMode == 0;
        EXPECT_EQ(Seen(window, group), full) << "column 1 shows in the full window only";
        if (full) {
            ExpectAt(window, group, 2808 + 396, 216 + 2 * 252);
            EXPECT_EQ(BackgroundOf(LabelShowing(window, "Phone")), RGB(255, 255, 160));
        }
        EXPECT_EQ(Seen(window, LabelShowing(window, "Parked clip")), d.large == 1 && full)
            << "transfer slots only in the large full window";
        EXPECT_EQ(Seen(window, LabelShowing(window, "Work")), full) << "the group names";

        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.WaitForExit(), 0);
    }
}

}  // namespace
}  // namespace mirvo::e2e

namespace mirvo::e2e {
namespace {

struct Highlighted {
    COLORREF color;
    std::vector<std::string> labels;
};
BOOL CALLBACK AddHighlighted(HWND child, LPARAM found) {
    auto& f = *reinterpret_cast<Highlighted*>(found);
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    if (IsWindowVisible(child) && lstrcmpiA(className, "Static") == 0 &&
        BackgroundOf(child) == f.color) {
        f.labels.push_back(ControlText(child));
    }
    return TRUE;
}
// The labels that show the highlight colour, but the current group's name, which it marks.
std::vector<std::string> HighlightedLabels(HWND main, const std::string& currentGroup) {
    Highlighted found{GetSysColor(COLOR_HIGHLIGHT), {}};
    EnumChildWindows(main, AddHighlighted, reinterpret_cast<LPARAM>(&found));
    std::vector<std::string> bars;
    for (const std::string& label : found.labels) {
        if (label.substr(0, label.find_last_not_of(' ') + 1) != currentGroup) {
            bars.push_back(label.substr(0, label.find_last_not_of(' ') + 1));
        }
    }
    return bars;
}

TEST(MainWindowHighlight, OneBarFollowsTheMouseWhenTheWindowShowsUnderThePointer) {
    ProgramSetup setup;
    FillData(setup);  // a first start: the highlight follows the mouse
    POINT phone{};
    {
        ProgramProcess first(setup.Executable());
        HWND window = first.WaitForMainWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000));
        phone = wintest::CenterOf(LabelShowing(window, "Phone"));
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(first.WaitForExit(), 0);
    }
    DeleteFileA(setup.SettingsFile().c_str());

    // The window of the next first start opens with the pointer over a group clip.
    wintest::MoveMouseTo(phone);
    ProgramProcess program(setup.Executable());
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000));
    ASSERT_TRUE(ScreenshotOfProgramWindow(window, "highlight-under-pointer.bmp"));
    WaitFor([] { return false; }, 500);
    const std::vector<std::string> one{"Phone"};
    EXPECT_EQ(HighlightedLabels(window, "Letters"), one);
    for (const char* clip : {"Bank details", "Meeting notes", "Signature"}) {
        wintest::MoveMouseTo(wintest::CenterOf(LabelShowing(window, clip)));
        EXPECT_TRUE(WaitFor(
            [&] { return HighlightedLabels(window, "Letters") == std::vector<std::string>{clip}; },
            3000))
            << clip;
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
}  // namespace mirvo::e2e
