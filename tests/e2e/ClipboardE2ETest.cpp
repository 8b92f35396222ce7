// The clipboard monitor of the running program, with Wine's notepad as the program the user
// copies from.

#include <gtest/gtest.h>

#include <cstdio>

#include "e2e/ProgramRun.h"
#include "win32/WinTestSupport.h"

namespace mirvo::e2e {
namespace {

// The count and the first title of "clip.dat".
struct History {
    int count = 0;
    std::string first;
};
History ReadHistory(const std::string& path) {
    const std::vector<std::uint8_t> b = ReadBytes(path);
    History h;
    if (b.size() >= 52) {
        h.count = static_cast<std::int16_t>(b[0] | (b[1] << 8));
        h.first.assign(b.begin() + 2, b.begin() + 52);
        h.first.erase(h.first.find_last_not_of(' ') + 1);
    }
    return h;
}

TEST(ProgramClipboard, TextCopiedInNotepadBecomesTheNewestClipWithinASecond) {
    ProgramSetup setup;
    ProgramProcess program(setup.Executable());
    HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    const std::string history = setup.ProgramFolder() + "clip.dat";
    ASSERT_TRUE(WaitFor([&] { return Exists(history); }, 10000));
    EXPECT_EQ(ReadHistory(history).count, 0);

    ProgramProcess notepad(NotepadPath());
    HWND editor = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (editor = notepad.FindWindowOfClass("Notepad")) != nullptr; }, 20000));
    SetForegroundWindow(editor);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == editor; }, 5000));
    wintest::TypeText("Copied in notepad");
    wintest::PressKey('A', {VK_CONTROL});
    wintest::PressKey('C', {VK_CONTROL});
    const DWORD copied = GetTickCount();

    ASSERT_TRUE(WaitFor([&] { return ReadHistory(history).count == 1; }, 5000))
        << "the copy never reached the history";
    const DWORD elapsed = GetTickCount() - copied;
    std::printf("  captured %lu ms after the copy\n", static_cast<unsigned long>(elapsed));
    EXPECT_LE(elapsed, 1500u) << "the clipboard is polled every second";
    EXPECT_EQ(ReadHistory(history).first, "Copied in notepad");
    const std::vector<std::uint8_t> clip = ReadBytes(setup.ProgramFolder() + "clip.0");
    const std::string text = "Copied in notepad";
    EXPECT_NE(std::search(clip.begin(), clip.end(), text.begin(), text.end()), clip.end());

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
}  // namespace mirvo::e2e
