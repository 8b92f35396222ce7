// The program started for real under Windows (Wine): first run, later runs, a second instance,
// damaged and older settings files, and a settings file that another program holds.

#include <gtest/gtest.h>

#include <cstring>

#include "e2e/ProgramRun.h"

namespace mirvo::e2e {
namespace {

std::int16_t Int16At(const std::vector<std::uint8_t>& b, size_t at) {
    return static_cast<std::int16_t>(b.at(at) | (b.at(at + 1) << 8));
}
std::int32_t Int32At(const std::vector<std::uint8_t>& b, size_t at) {
    return static_cast<std::int32_t>(b.at(at) | (b.at(at + 1) << 8) | (b.at(at + 2) << 16) |
                                     (static_cast<std::uint32_t>(b.at(at + 3)) << 24));
}
void Put16(std::vector<std::uint8_t>& b, size_t at, int v) {
    b[at] = static_cast<std::uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}

// Settings as the program writes them after a first start, so a test can change some members.
std::vector<std::uint8_t> FirstRunSettings(ProgramSetup& setup) {
    ProgramProcess first(setup.Executable());
    HWND window = first.WaitForMainWindow();
    EXPECT_NE(window, nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitForExit(), 0);
    return ReadBytes(setup.SettingsFile());
}

void CloseAndWait(ProgramProcess& process, HWND window) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(process.WaitForExit(), 0);
}

TEST(ProgramStart, FirstStartWritesTheSettingsAndShowsTheWindowRestored) {
    ProgramSetup setup;
    ProgramProcess program(setup.Executable());
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(window, nullptr) << "the main window never showed";
    // It shows minimized, then the first run restores it.
    EXPECT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000))
        << "the first start shows the window restored";

    const std::string title = WindowText(window);
    EXPECT_EQ(title.substr(0, 19), " Mirvo v4          ");
    EXPECT_NE(title.find(':'), std::string::npos) << "the title ends with the clock: " << title;

    const std::vector<std::uint8_t> settings = ReadBytes(setup.SettingsFile());
    ASSERT_EQ(settings.size(), 145u);
    EXPECT_EQ(std::string(settings.begin(), settings.begin() + 7), "VERFOUR");
    EXPECT_EQ(Int16At(settings, 141), 1) << "DataOption";
    EXPECT_EQ(Int16At(settings, 143), 1) << "PrivateLibrary";
    EXPECT_EQ(Int16At(settings, 91), 1) << "CommonLibrary";
    EXPECT_EQ(Int32At(settings, 25), 0xC0C0C0);
    EXPECT_EQ(Int32At(settings, 29), 0xFFFFC0);
    EXPECT_EQ(Int32At(settings, 33), 0xC0E0FF);
    EXPECT_EQ(Int32At(settings, 37), 0xC0FFC0);
    EXPECT_EQ(Int16At(settings, 119), 5) << "DisplayMode";

    // The full window's client area is the layout's height: the caption height measured at
    // start is added to it (large window on this screen: 12288 x 8426 twips).
    RECT client{};
    GetClientRect(window, &client);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const int expectedClient = MulDiv(8426, dpi, 1440);
    EXPECT_NEAR(client.bottom, expectedClient, 2) << "client height in pixels";
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_NEAR(outer.right - outer.left, MulDiv(12288, dpi, 1440), 1) << "window width";

    ScreenshotOfProgramWindow(window, "main-window.bmp");

    CloseAndWait(program, window);
    EXPECT_EQ(Int16At(ReadBytes(setup.SettingsFile()), 93), 1) << "FirstRunDone saved on close";
    EXPECT_FALSE(Exists(setup.ProgramFolder() + "mirvo.ini")) << "settings stay private";
}

TEST(ProgramStart, LaterStartsAreMinimizedAndASecondStartBringsTheFirstForward) {
    ProgramSetup setup;
    FirstRunSettings(setup);

    ProgramProcess running(setup.Executable());
    HWND window = running.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(WaitFor([&] { return IsIconic(window) != FALSE; }, 5000))
        << "a later start is minimized";

    const std::vector<std::uint8_t> before = ReadBytes(setup.SettingsFile());
    ProgramProcess second(setup.Executable());
    EXPECT_EQ(second.WaitForExit(), 0) << "the second instance ends at once";
    EXPECT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000)) << "the first is restored";
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == window; }, 5000)) << "and in front";
    EXPECT_TRUE(running.Running());
    EXPECT_EQ(ReadBytes(setup.SettingsFile()), before) << "the second start wrote nothing";

    CloseAndWait(running, window);
}

TEST(ProgramStart, DamagedAndOlderSettingsAreRepairedAndUpgraded) {
    ProgramSetup setup;
    std::vector<std::uint8_t> damaged = FirstRunSettings(setup);
    Put16(damaged, 119, 4);    // DisplayMode
    Put16(damaged, 87, 6);     // LastOptionsPage
    Put16(damaged, 53, 77);    // CurrentGroup
    Put16(damaged, 85, 9);     // CaptureMode
    Put16(damaged, 143, 40);   // PrivateLibrary
    Put16(damaged, 9, 30000);  // WindowTop beyond the screen
    WriteBytes(setup.SettingsFile(), damaged);
    {
        ProgramProcess program(setup.Executable());
        HWND window = program.WaitForMainWindow();
        ASSERT_NE(window, nullptr);
        CloseAndWait(program, window);
    }
    const std::vector<std::uint8_t> repaired = ReadBytes(setup.SettingsFile());
    EXPECT_EQ(Int16At(repaired, 119), 5);
    EXPECT_EQ(Int16At(repaired, 87), 0);
    EXPECT_EQ(Int16At(repaired, 53), 0);
    EXPECT_EQ(Int16At(repaired, 85), 0);
    EXPECT_EQ(Int16At(repaired, 143), 1);
    EXPECT_EQ(Int32At(repaired, 9), 0);

    std::vector<std::uint8_t> older(100, 0);
    std::memcpy(older.data(), "CCV2.00", 7);
    Put16(older, 7, 12);  // the bulk count survives the upgrade
    WriteBytes(setup.SettingsFile(), older);
    // The twelve items of that bulk cache, in the data folder.
    WriteBytes(setup.ProgramFolder() + "bulk.dat", std::vector<std::uint8_t>(12 * 50, ' '));
    {
        ProgramProcess program(setup.Executable());
        HWND window = program.WaitForMainWindow();
        ASSERT_NE(window, nullptr);
        const std::vector<std::uint8_t> upgraded = ReadBytes(setup.SettingsFile());
        ASSERT_EQ(upgraded.size(), 145u);
        EXPECT_EQ(std::string(upgraded.begin(), upgraded.begin() + 7), "VERFOUR");
        EXPECT_EQ(Int16At(upgraded, 7), 12);
        EXPECT_EQ(Int16At(upgraded, 141), 1);
        EXPECT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000))
            << "an upgraded file is a first run again";
        CloseAndWait(program, window);
    }
}

TEST(ProgramStart, ASettingsFileHeldByAnotherProgramEndsWithTheFatalMessage) {
    ProgramSetup setup;
    FirstRunSettings(setup);
    HANDLE held = CreateFileA(setup.SettingsFile().c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    ProgramProcess program(setup.Executable());
    HWND box = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (box = program.FindWindowOfClass("#32770")) != nullptr; }, 30000))
        << "no message box";
    HWND text = FindWindowExA(box, nullptr, "Static", nullptr);
    std::string message;
    for (; text; text = FindWindowExA(box, text, "Static", nullptr)) {
        message += WindowText(text);
    }
    EXPECT_NE(message.find("Error - One of the program's data files cannot be opened !"),
              std::string::npos)
        << message;
    EXPECT_NE(message.find("Please restart your computer."), std::string::npos) << message;
    EXPECT_EQ(program.WaitForMainWindow(0), nullptr) << "no main window";

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(program.WaitForExit(), 1);
    CloseHandle(held);
}

}  // namespace
}  // namespace mirvo::e2e
