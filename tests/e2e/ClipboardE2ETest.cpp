// The clipboard monitor of the running program, with Wine's notepad as the program the user
// copies from.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "e2e/ProgramRun.h"
#include "files/LockFile.h"
#include "win32/WinTestSupport.h"
#include "win32/platform/Win32FileSystem.h"

namespace mirvo::e2e {
namespace {

// The count and the titles of "clip.dat", oldest first.
struct History {
    int count = 0;
    std::string first;
    std::string newest;
};
History ReadHistory(const std::string& path) {
    const std::vector<std::uint8_t> b = ReadBytes(path);
    History h;
    if (b.size() >= 2 + 9 * 50) {
        h.count = static_cast<std::int16_t>(b[0] | (b[1] << 8));
        auto title = [&b](int slot) {
            std::string t(b.begin() + 2 + slot * 50, b.begin() + 52 + slot * 50);
            return t.erase(t.find_last_not_of(' ') + 1);
        };
        h.first = title(0);
        h.newest = h.count >= 1 && h.count <= 9 ? title(h.count - 1) : "";
    }
    return h;
}

// The text on the clipboard now, for a failure's message.
std::string ClipboardText() {
    std::string text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            if (const char* chars = static_cast<const char*>(GlobalLock(data))) {
                text = chars;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    return text;
}

// Brings notepad to the front and keeps it there: a window that has just opened can lose the
// focus once more to the desktop while it settles.
bool NotepadInFront(HWND editor) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        SetForegroundWindow(editor);
        if (WaitFor([&] { return GetForegroundWindow() == editor; }, 5000) &&
            !WaitFor([&] { return GetForegroundWindow() != editor; }, 300)) {
            return true;
        }
    }
    return false;
}

// Types text into notepad over what it holds and selects it, as a user does before Ctrl+C.
void TypeAndSelect(HWND editor, const std::string& text) {
    ASSERT_TRUE(NotepadInFront(editor)) << "notepad does not stay in front";
    wintest::PressKey('A', {VK_CONTROL});
    wintest::TypeText(text);
    HWND edit = FindWindowExA(editor, nullptr, "Edit", nullptr);
    ASSERT_TRUE(WaitFor([&] { return ControlText(edit) == text; }, 5000))
        << "notepad shows \"" << ControlText(edit) << "\"";
    wintest::PressKey('A', {VK_CONTROL});
    Sleep(50);
}

// Holds a file open the way the C runtime opens files, as an editor or a backup tool does:
// reading and writing shared, deleting not.
class HeldOpen {
public:
    explicit HeldOpen(const std::string& path) : m_file(std::fopen(path.c_str(), "rb")) {}
    ~HeldOpen() {
        if (m_file) {
            std::fclose(m_file);
        }
    }
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    bool Holds() const { return m_file != nullptr; }

private:
    FILE* m_file;
};

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
    TypeAndSelect(editor, "Copied in notepad");
    wintest::PressKey('C', {VK_CONTROL});
    const DWORD copied = GetTickCount();

    ASSERT_TRUE(WaitFor([&] { return ReadHistory(history).count == 1; }, 5000))
        << "the copy never reached the history; the clipboard holds \"" << ClipboardText() << "\"";
    const DWORD elapsed = GetTickCount() - copied;
    std::printf("  captured %lu ms after the copy\n", static_cast<unsigned long>(elapsed));
    EXPECT_LE(elapsed, 1500u) << "the clipboard is polled every second";
    EXPECT_EQ(ReadHistory(history).first, "Copied in notepad");
    const std::vector<std::uint8_t> clip = ReadBytes(setup.ProgramFolder() + "clip.0");
    const std::string text = "Copied in notepad";
    EXPECT_NE(std::search(clip.begin(), clip.end(), text.begin(), text.end()), clip.end());

    // The figure, over twenty more copies: from Ctrl+C to the copy on the clipboard, and on to
    // the copy in the history.
    std::vector<DWORD> toClipboard;
    std::vector<DWORD> toHistory;
    for (int copy = 0; copy < 20; ++copy) {
        const std::string next = "Copy number " + std::to_string(copy);
        TypeAndSelect(editor, next);
        if (HasFatalFailure()) {
            return;
        }
        const DWORD sequence = GetClipboardSequenceNumber();
        const DWORD start = GetTickCount();
        wintest::PressKey('C', {VK_CONTROL});
        DWORD onClipboard = 0;
        while (ReadHistory(history).newest != next && GetTickCount() - start < 5000) {
            if (onClipboard == 0 && GetClipboardSequenceNumber() != sequence) {
                onClipboard = GetTickCount() - start;
            }
            Sleep(1);
        }
        ASSERT_EQ(ReadHistory(history).newest, next)
            << "copy " << copy << ": the clipboard "
            << (onClipboard ? "changed after " + std::to_string(onClipboard) + " ms"
                            : std::string("never changed"))
            << ", it holds \"" << ClipboardText() << "\"";
        toHistory.push_back(GetTickCount() - start);
        toClipboard.push_back(onClipboard);
    }
    std::sort(toClipboard.begin(), toClipboard.end());
    std::sort(toHistory.begin(), toHistory.end());
    std::printf(
        "  copy to history: median %lu ms over 20 copies (%lu .. %lu ms); copy to the "
        "clipboard: median %lu ms\n",
        static_cast<unsigned long>((toHistory[9] + toHistory[10]) / 2),
        static_cast<unsigned long>(toHistory.front()), static_cast<unsigned long>(toHistory.back()),
        static_cast<unsigned long>((toClipboard[9] + toClipboard[10]) / 2));
    EXPECT_EQ(ReadHistory(history).count, 9) << "the history keeps the last nine";
    EXPECT_EQ(ReadHistory(history).first, "Copy number 11");

    // Three more while another program holds the history and its first clip open: each must
    // still reach them.
    {
        const HeldOpen heldHistory(history);
        const HeldOpen heldFirstClip(setup.ProgramFolder() + "clip.0");
        ASSERT_TRUE(heldHistory.Holds() && heldFirstClip.Holds());
        for (int copy = 0; copy < 3; ++copy) {
            const std::string next = "Held copy " + std::to_string(copy);
            TypeAndSelect(editor, next);
            if (HasFatalFailure()) {
                return;
            }
            wintest::PressKey('C', {VK_CONTROL});
            ASSERT_TRUE(WaitFor([&] { return ReadHistory(history).newest == next; }, 5000))
                << next << " never reached the held history; the clipboard holds \""
                << ClipboardText() << "\"";
        }
    }
    {
        // Read as another instance reads: under the folder's lock, once the capture is whole.
        win32::Win32FileSystem fs;
        const std::unique_ptr<platform::File> lock = files::TakeLock(
            fs, setup.ProgramFolder() + "mirvo.lck", std::chrono::milliseconds(10000));
        ASSERT_TRUE(lock) << "the folder's lock stayed taken";
        EXPECT_EQ(ReadHistory(history).first, "Copy number 14");
        const std::vector<std::uint8_t> first = ReadBytes(setup.ProgramFolder() + "clip.0");
        const std::string fourteenth = "Copy number 14";
        EXPECT_NE(std::search(first.begin(), first.end(), fourteenth.begin(), fourteenth.end()),
                  first.end())
            << "the held first clip has moved on with the history";
    }

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
}  // namespace mirvo::e2e
