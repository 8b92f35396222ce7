// Drag and drop in the real program under Windows (Wine), with the real mouse: a copied clip is
// filed into an empty group slot and titled, copied to a transfer slot with the right button,
// moved back with the left, erased; and a group is moved onto an empty group name.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "e2e/MouseDrags.h"
#include "e2e/ProgramRun.h"
#include "win32/WinTestSupport.h"

namespace mirvo::e2e {
namespace {

TEST(DragDropOnWindows, AClipIsFiledCopiedMovedAndErasedAndAGroupMoved) {
    ProgramSetup setup;
    const std::string lib = setup.ProgramFolder() + "Lib1\\";
    CreateDirectoryA(lib.c_str(), nullptr);
    std::string names = Padded("") + Padded("Letters");
    names.resize(1600, ' ');
    WriteBytes(lib + "Groups.dat", Text(names));
    std::string titles = Padded("Dear Sir");
    titles.resize(4800, ' ');
    WriteBytes(lib + "group1.dat", Text(titles));
    WriteBytes(lib + "group1.0", Text("letter data"));
    ProgramProcess program(setup.Executable());
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000));
    SetForegroundWindow(window);

    PutTextOnClipboard("filed text");
    HWND clip = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (clip = LabelShowing(window, Padded("filed text"))); }, 5000));

    // Into an empty slot of group 0, titled in the clip settings.
    DragTo(wintest::CenterOf(clip), [&] { return ItemAt(window, 0); });
    HWND settings = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (settings = VisibleWindow(" Clip Settings")); }, 5000));
    SetForegroundWindow(settings);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == settings; }, 5000));
    wintest::PressKey('A', {VK_CONTROL});
    wintest::TypeText("Filed");
    wintest::PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return !VisibleWindow(" Clip Settings"); }, 5000));
    ASSERT_TRUE(WaitFor([&] { return LabelShowing(window, "Filed") != nullptr; }, 5000));
    const std::vector<std::uint8_t> data = ReadBytes(lib + "group0.0");
    EXPECT_FALSE(data.empty()) << "the clip's data was filed";

    // Right drag to a transfer slot copies; left drag back to another slot moves.
    DragTo(
        ItemAt(window, 0), [&] { return SlotAt(window, 0); }, true);
    EXPECT_TRUE(WaitFor([&] { return Exists(setup.ProgramFolder() + "trans.0"); }, 5000));
    EXPECT_EQ(ReadBytes(setup.ProgramFolder() + "trans.0"), data);
    EXPECT_EQ(ReadBytes(lib + "group0.0"), data) << "a right drag leaves the source";
    DragTo(SlotAt(window, 0), [&] { return ItemAt(window, 1); });
    EXPECT_TRUE(WaitFor([&] { return !Exists(setup.ProgramFolder() + "trans.0"); }, 5000))
        << "a left drag moves";
    EXPECT_EQ(ReadBytes(lib + "group0.1"), data);

    // To the erase label, which shows while the drag goes on.
    DragTo(ItemAt(window, 1), [&] {
        HWND erase = nullptr;
        WaitFor([&] { return (erase = LabelShowing(window, "TO ERASE")) != nullptr; }, 3000);
        ScreenshotOfProgramWindow(window, "drag-targets.bmp");
        return erase ? wintest::CenterOf(erase) : POINT{0, 0};
    });
    EXPECT_TRUE(WaitFor([&] { return !Exists(lib + "group0.1"); }, 5000)) << "erased";
    EXPECT_TRUE(Exists(lib + "group0.0"));

    // The group "Letters" onto the empty group 6.
    HWND letters = LabelShowing(window, "Letters");
    ASSERT_NE(letters, nullptr);
    DragTo(wintest::CenterOf(letters), [&] { return GroupAt(window, 6); });
    EXPECT_TRUE(WaitFor(
        [&] {
            const std::vector<std::uint8_t> stored = ReadBytes(lib + "Groups.dat");
            return stored.size() == 1600u &&
                   std::string(stored.begin() + 300, stored.begin() + 350) == Padded("Letters") &&
                   std::string(stored.begin() + 50, stored.begin() + 100) == Padded("");
        },
        5000))
        << "the group moved in the names file";
    EXPECT_EQ(ReadBytes(lib + "group6.0"), Text("letter data"));
    EXPECT_FALSE(Exists(lib + "group1.0"));
    EXPECT_NE(LabelShowing(window, "Dear Sir"), nullptr) << "the moved group is shown";
    ScreenshotOfProgramWindow(window, "drag-group-moved.bmp");

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

// A clip data file of text alone.
std::vector<std::uint8_t> TextOnly(const std::string& text) {
    std::vector<std::uint8_t> b;
    for (const std::int32_t v : {-1, -1, static_cast<std::int32_t>(text.size())}) {
        for (int i = 0; i < 4; ++i) {
            b.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
        }
    }
    b.insert(b.end(), text.begin(), text.end());
    return b;
}

// A program over one group whose slot 0 holds a clip "Alpha" (text only).
class OneClipOnWindows : public ::testing::Test {
protected:
    OneClipOnWindows() {
        CreateDirectoryA(lib.c_str(), nullptr);
        std::string titles = Padded("Alpha");
        titles.resize(4800, ' ');
        WriteBytes(lib + "group0.dat", Text(titles));
        WriteBytes(lib + "group0.0", TextOnly("alpha data"));
        program = std::make_unique<ProgramProcess>(setup.Executable());
        window = program->WaitForMainWindow();
    }
    ~OneClipOnWindows() override {
        if (window) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            EXPECT_EQ(program->WaitForExit(), 0);
        }
    }
    // Title n of group 0 as stored.
    std::string StoredTitle(int n) const {
        const std::vector<std::uint8_t> stored = ReadBytes(lib + "group0.dat");
        const size_t at = static_cast<size_t>(n) * 50;
        return stored.size() >= at + 50 ? std::string(stored.begin() + at, stored.begin() + at + 50)
                                        : "<none>";
    }

    ProgramSetup setup;
    const std::string lib = setup.ProgramFolder() + "Lib1\\";
    std::unique_ptr<ProgramProcess> program;
    HWND window = nullptr;
};

TEST_F(OneClipOnWindows, ADropWhileTheViewerIsOpenLeavesTheViewerSavingIntoItsOwnClip) {
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000));
    SetForegroundWindow(window);
    PutTextOnClipboard("dropped text");
    HWND clip = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (clip = LabelShowing(window, Padded("dropped text"))); }, 5000));

    wintest::ClickAt(ItemAt(window, 0), true);
    HWND viewer = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (viewer = VisibleWindow(" Clip Edit")) != nullptr; }, 5000));
    ASSERT_TRUE(WaitFor([&] { return ChildWithText(viewer, "alpha data") != nullptr; }, 5000));
    // Out of the way of the group clips, as a user would move it.
    RECT screen{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    SetWindowPos(viewer, nullptr, screen.right - 240, screen.bottom - 160, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    DragTo(wintest::CenterOf(clip), [&] { return ItemAt(window, 3); });
    HWND settings = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (settings = VisibleWindow(" Clip Settings")); }, 5000));
    SetForegroundWindow(settings);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == settings; }, 5000));
    wintest::PressKey('A', {VK_CONTROL});
    wintest::TypeText("Dropped");
    wintest::PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return !VisibleWindow(" Clip Settings"); }, 5000));
    ASSERT_TRUE(WaitFor([&] { return StoredTitle(3) == Padded("Dropped"); }, 5000));
    const std::vector<std::uint8_t> dropped = ReadBytes(lib + "group0.3");
    // The program has done with the drop (its window took the activation back) before the user
    // turns to the viewer.
    ASSERT_TRUE(Settled(window));

    // Back in the viewer, Escape saves.
    SetForegroundWindow(viewer);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == viewer; }, 5000));
    ASSERT_TRUE(WaitFor([&] { return HasKeyboardFocus(viewer); }, 5000));
    ASSERT_TRUE(Settled(viewer));
    wintest::PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !VisibleWindow(" Clip Edit"); }, 5000));
    Sleep(300);
    EXPECT_EQ(StoredTitle(3), Padded("Dropped")) << "the dropped clip keeps its title";
    EXPECT_EQ(ReadBytes(lib + "group0.3"), dropped);
    EXPECT_EQ(StoredTitle(0), Padded("Alpha"));
    EXPECT_NE(LabelShowing(window, "Dropped"), nullptr);
}

TEST_F(OneClipOnWindows, AQuickRightDragWhoseFirstMoveLandsTwoLabelsAwayCopies) {
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000));
    SetForegroundWindow(window);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == window; }, 5000));

    wintest::MoveMouseTo(ItemAt(window, 0));
    Sleep(100);
    wintest::SetMouseButton(true, true);
    Sleep(50);
    // A brisk hand: the first move the window hears is already over the label two rows down.
    wintest::MoveMouseTo(ItemAt(window, 2));
    Sleep(50);
    const POINT from = ItemAt(window, 2);
    const POINT to = SlotAt(window, 0);
    for (int step = 1; step <= 4; ++step) {
        wintest::MoveMouseTo(
            POINT{from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4});
        Sleep(30);
    }
    Sleep(100);
    wintest::SetMouseButton(true, false);

    EXPECT_TRUE(WaitFor([&] { return Exists(setup.ProgramFolder() + "trans.0"); }, 5000))
        << "the right drag copied the clip to the transfer slot";
    EXPECT_EQ(ReadBytes(setup.ProgramFolder() + "trans.0"), TextOnly("alpha data"));
    EXPECT_EQ(ReadBytes(lib + "group0.0"), TextOnly("alpha data")) << "and left it in its slot";
    Sleep(300);
    EXPECT_EQ(VisibleWindow(" Clip Edit"), nullptr) << "no editor opened on the target";
}

}  // namespace
}  // namespace mirvo::e2e
