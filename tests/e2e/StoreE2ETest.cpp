// The clip store under Windows (Wine): the files a first start creates beside the program, and
// the panels showing titles and colours read from group files made by hand.

#include <gtest/gtest.h>

#include <string>

#include "e2e/ProgramRun.h"
#include "win32/WinTestSupport.h"

namespace mirvo::e2e {
namespace {

TEST(StoreStart, AFirstStartCreatesTheLibraryFilesBesideTheProgram) {
    ProgramSetup setup;
    ProgramProcess program(setup.Executable());
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const std::string folder = setup.ProgramFolder();

    const std::vector<std::uint8_t> list = ReadBytes(folder + "Lib.dat");
    ASSERT_EQ(list.size(), 560u);
    EXPECT_EQ(std::string(list.begin(), list.begin() + 20), Padded("Library 1", 20));
    const std::vector<std::uint8_t> names = ReadBytes(folder + "Lib1\\Groups.dat");
    ASSERT_EQ(names.size(), 1600u);
    EXPECT_EQ(std::string(names.begin() + 1100, names.begin() + 1150), Padded("Hot Key Clips"));
    EXPECT_EQ(ReadBytes(folder + "Lib1\\groups.clr"), std::vector<std::uint8_t>(128, 0));
    EXPECT_EQ(ReadBytes(folder + "Lib1\\group0.dat"), Text(std::string(4800, ' ')));
    EXPECT_EQ(ReadBytes(folder + "Lib1\\group0.mod"), std::vector<std::uint8_t>(96, 3));
    EXPECT_EQ(ReadBytes(folder + "Lib1\\Colr0.dat"), std::vector<std::uint8_t>(384, 0));
    std::vector<std::uint8_t> trans = Text(std::string(400, ' '));
    trans.resize(416, 0xFF);
    EXPECT_EQ(ReadBytes(folder + "trans.dat"), trans);
    EXPECT_EQ(ReadBytes(folder + "trans.mod"), std::vector<std::uint8_t>(8, 3));
    EXPECT_EQ(ReadBytes(folder + "trans.clr"), std::vector<std::uint8_t>(32, 0));
    // The program's own files stay where they were.
    EXPECT_TRUE(Exists(folder + "mirvo.exe"));
    EXPECT_TRUE(Exists(folder + "mirvo.qhp"));
    EXPECT_FALSE(Exists(folder + "Lib1\\mirvo.qhp"));
    EXPECT_NE(LabelShowing(window, "Library 1"), nullptr);
    EXPECT_NE(LabelShowing(window, "Hot Key Clips"), nullptr);

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

TEST(StoreStart, ThePanelsShowTitlesAndColoursFromHandMadeGroupFiles) {
    ProgramSetup setup;
    const std::string lib = setup.ProgramFolder() + "Lib1\\";
    CreateDirectoryA(lib.c_str(), nullptr);
    std::string titles = Padded("Letter head") + Padded("") + Padded("Signature");
    titles.resize(4800, ' ');
    WriteBytes(lib + "group0.dat", Text(titles));
    WriteBytes(lib + "Colr0.dat", Colors({RGB(255, 96, 96), 0, RGB(96, 96, 255)}, 96));
    std::string names = Padded("Letters") + Padded("Recipes");
    names.resize(1600, ' ');
    WriteBytes(lib + "Groups.dat", Text(names));
    WriteBytes(lib + "groups.clr", Colors({0, RGB(255, 255, 0)}, 32));
    std::string slots = Padded("Parked clip");
    slots.resize(416, ' ');
    for (size_t k = 0; k < 8; ++k) {
        slots[400 + 2 * k] = slots[401 + 2 * k] = '\xFF';
    }
    WriteBytes(setup.ProgramFolder() + "trans.dat", Text(slots));
    WriteBytes(setup.ProgramFolder() + "trans.clr", Colors({RGB(96, 255, 96)}, 8));

    ProgramProcess program(setup.Executable());
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000));
    ScreenshotOfProgramWindow(window, "store-panels.bmp");

    HWND letter = LabelShowing(window, "Letter head");
    HWND signature = LabelShowing(window, "Signature");
    HWND current = LabelShowing(window, "Letters");
    HWND recipes = LabelShowing(window, "Recipes");
    HWND parked = LabelShowing(window, "Parked clip");
    ASSERT_TRUE(letter && signature && current && recipes && parked);
    EXPECT_EQ(BackgroundOf(letter), RGB(255, 96, 96));
    EXPECT_EQ(BackgroundOf(signature), RGB(96, 96, 255));
    EXPECT_EQ(BackgroundOf(current), GetSysColor(COLOR_HIGHLIGHT)) << "the current group";
    EXPECT_EQ(BackgroundOf(recipes), RGB(255, 255, 0));
    EXPECT_EQ(BackgroundOf(parked), RGB(96, 255, 96));
    // Where the layout puts them, in twips from the main window's client area.
    ExpectAt(window, letter, 2808 + 396, 216);
    ExpectAt(window, signature, 2808 + 396, 216 + 2 * 252);
    ExpectAt(window, current, 10008 + 72, 216);
    ExpectAt(window, parked, 36 + 108, 6096 + 216);

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

TEST(StoreStart, TheLibraryLabelOpensTheLibraryManager) {
    ProgramSetup setup;
    ProgramProcess program(setup.Executable());
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000));
    HWND label = LabelShowing(window, "Library 1");
    ASSERT_NE(label, nullptr);
    SetForegroundWindow(window);
    wintest::ClickAt(wintest::CenterOf(label));
    HWND manager = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] {
            manager = FindWindowA(nullptr, " Libraries");
            return manager && IsWindowVisible(manager) &&
                   LabelShowing(manager, "Address Book") != nullptr;
        },
        5000));
    ScreenshotOfProgramWindow(manager, "library-manager.bmp");

    SetForegroundWindow(manager);
    wintest::PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(manager); }, 5000)) << "Escape closes it";
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
}  // namespace mirvo::e2e
