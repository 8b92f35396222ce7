// Two computers over one program folder: two mirvo.exe processes in two Wine prefixes (each its
// own wineserver, display and clipboard), both keeping their data in the shared program folder.
// One side runs here, the other in the second prefix (scripts/wine-shared-folder.sh starts both
// with MIRVO_SHARED_FOLDER and MIRVO_SHARED_SIDE); they take turns by step files in the folder.
// Clips filed alternately into one group are all kept and shown on both within 2 s; a drop onto
// a slot the other filled while the drag went on leaves that clip; captures on both leave
// "clip.dat" describing its files.

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "e2e/MouseDrags.h"
#include "e2e/ProgramRun.h"
#include "files/LockFile.h"
#include "win32/WinTestSupport.h"
#include "win32/platform/Win32FileSystem.h"

namespace mirvo::e2e {
namespace {

constexpr DWORD kShownWithin = 2000;  // another computer's change shows within 2 s
constexpr DWORD kTurnWait = 180000;   // the other side's turn, on a machine that may be busy

std::string TrimRight(std::string s) {
    while (!s.empty() && s.back() == ' ') {
        s.pop_back();
    }
    return s;
}

struct LabelSearch {
    std::string title;
    HWND found = nullptr;
};
BOOL CALLBACK MatchTitle(HWND child, LPARAM param) noexcept {
    auto* search = reinterpret_cast<LabelSearch*>(param);
    if (IsWindowVisible(child) && TrimRight(WindowText(child)) == search->title) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}
// A visible label of the window that shows the title (its own captures keep their blanks).
HWND LabelTitled(HWND main, const std::string& title) {
    LabelSearch search{title};
    EnumChildWindows(main, MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string Bytes(const std::vector<std::uint8_t>& b) {
    return std::string(b.begin(), b.end());
}

// One side of the two computers.
class SharedFolderSide : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = EnvOr("MIRVO_SHARED_FOLDER", "");
        m_side = EnvOr("MIRVO_SHARED_SIDE", "");
        if (m_folder.empty() || (m_side != "a" && m_side != "b")) {
            GTEST_SKIP() << "runs as two computers: scripts/wine-shared-folder.sh";
        }
        if (m_folder.back() != '\\') {
            m_folder += '\\';
        }
        m_peer = m_side == "a" ? "b" : "a";
        // A program folder of this run to copy from; the user's private data folder starts
        // empty.
        m_setup = std::make_unique<ProgramSetup>();
        // The mouse waits where no window under test stands.
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    void TearDown() override {
        if (HasFailure() && !m_folder.empty()) {
            Mark("failed");
        }
        if (m_window) {
            PostMessageA(m_window, WM_CLOSE, 0, 0);
            m_program->WaitForExit();
        }
    }

    std::string Program() const { return m_folder + "program\\"; }
    std::string Lib1() const { return Program() + "Lib1\\"; }
    void Mark(const std::string& step) { WriteBytes(m_folder + m_side + "-" + step, {}); }
    // Waits for the other side's step; false when it failed or did not come.
    bool Await(const std::string& step) {
        const std::string mark = m_folder + m_peer + "-" + step;
        const std::string failed = m_folder + m_peer + "-failed";
        const bool came = WaitFor([&] { return Exists(mark) || Exists(failed); }, kTurnWait);
        return came && Exists(mark);
    }

    // The program folder as the first computer lays it out: the program and its help, the
    // launcher's probe. No data yet.
    void LayOutProgramFolder() {
        CreateDirectoryA(Program().c_str(), nullptr);
        for (const char* file : {"mirvo.exe", "mirvo.qhp", "lnch2.exe"}) {
            ASSERT_TRUE(CopyFileA((m_setup->ProgramFolder() + file).c_str(),
                                  (Program() + file).c_str(), FALSE))
                << file;
        }
    }
    void StartProgram() {
        m_program = std::make_unique<ProgramProcess>(Program() + "mirvo.exe");
        m_window = m_program->WaitForMainWindow();
        ASSERT_NE(m_window, nullptr);
        ASSERT_TRUE(WaitFor([&] { return !IsIconic(m_window); }, 10000))
            << "a first start shows the full window";
        SetForegroundWindow(m_window);
    }

    // Copies text in "another program" and waits until the history shows it.
    HWND Copy(const std::string& text) {
        PutTextOnClipboard(text);
        HWND clip = nullptr;
        EXPECT_TRUE(WaitFor([&] { return (clip = LabelTitled(m_window, text)) != nullptr; }, 5000))
            << text;
        return clip;
    }
    // Drags the copied clip onto group slot n and titles it in the clip settings.
    void File(HWND clip, int slot, const std::string& title) {
        ASSERT_NE(clip, nullptr);
        DragTo(wintest::CenterOf(clip), [&] { return ItemAt(m_window, slot); });
        HWND settings = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (settings = VisibleWindow(" Clip Settings")); }, 5000));
        SetForegroundWindow(settings);
        ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == settings; }, 5000));
        wintest::PressKey('A', {VK_CONTROL});
        wintest::TypeText(title);
        wintest::PressKey(VK_RETURN);
        ASSERT_TRUE(WaitFor([&] { return !VisibleWindow(" Clip Settings"); }, 5000));
        ASSERT_TRUE(WaitFor([&] { return LabelTitled(m_window, title) != nullptr; }, 5000));
        SetForegroundWindow(m_window);
    }
    // The other computer's change shows here within 2 s.
    void ExpectShown(const std::string& title) {
        const DWORD start = GetTickCount();
        EXPECT_TRUE(WaitFor([&] { return LabelTitled(m_window, title) != nullptr; }, kShownWithin))
            << "\"" << title << "\" did not show within 2 s";
        RecordProperty("shown_after_ms_" + title, static_cast<int>(GetTickCount() - start));
    }

    std::string StoredTitle(int n) const {
        const std::vector<std::uint8_t> stored = ReadBytes(Lib1() + "group0.dat");
        const size_t at = static_cast<size_t>(n) * 50;
        return stored.size() >= at + 50
                   ? TrimRight(std::string(stored.begin() + at, stored.begin() + at + 50))
                   : "<none>";
    }
    bool Holds(const std::string& path, const std::string& text) const {
        return Bytes(ReadBytes(path)).find(text + '\0') != std::string::npos;
    }
    void ExpectThreeClipsFiled() {
        EXPECT_EQ(StoredTitle(0), "Alpha");
        EXPECT_EQ(StoredTitle(1), "Bravo");
        EXPECT_EQ(StoredTitle(2), "Charlie");
        EXPECT_TRUE(Holds(Lib1() + "group0.0", "alpha text"));
        EXPECT_TRUE(Holds(Lib1() + "group0.1", "bravo text"));
        EXPECT_TRUE(Holds(Lib1() + "group0.2", "charlie text"));
    }
    // "clip.dat" and the clips beside it: each title is its clip's text.
    // Read under the folder's lock, as a program reads them: the other side's program may be
    // rewriting them at this moment.
    void ExpectHistoryDescribesItsFiles() {
        win32::Win32FileSystem fs;
        const std::unique_ptr<platform::File> lock =
            files::TakeLock(fs, Program() + "mirvo.lck", std::chrono::milliseconds(10000));
        ASSERT_TRUE(lock) << "the folder's lock stayed taken";
        const std::vector<std::uint8_t> history = ReadBytes(Program() + "clip.dat");
        ASSERT_EQ(history.size(), 452u);
        const int count = history[0] | (history[1] << 8);
        EXPECT_EQ(count, 9);
        for (int i = 0; i < count; ++i) {
            const std::string title = TrimRight(
                std::string(history.begin() + 2 + 50 * i, history.begin() + 2 + 50 * (i + 1)));
            EXPECT_TRUE(Holds(Program() + "clip." + std::to_string(i), title))
                << "clip." << i << " is not the clip titled \"" << title << "\"";
            EXPECT_NE(LabelTitled(m_window, title), nullptr) << "not shown: " << title;
        }
    }

    std::string m_folder;
    std::string m_side;
    std::string m_peer;
    std::unique_ptr<ProgramSetup> m_setup;
    std::unique_ptr<ProgramProcess> m_program;
    HWND m_window = nullptr;
};

// Computer A lays out the program folder and starts first.
TEST_F(SharedFolderSide, TwoComputersFileClipsIntoOneGroupAndCaptureIntoOneHistory) {
    const bool a = m_side == "a";
    if (a) {
        LayOutProgramFolder();
        Mark("ready");
    } else {
        ASSERT_TRUE(Await("ready"));
    }
    StartProgram();
    Mark("started");
    ASSERT_TRUE(Await("started"));

    // Three clips filed alternately into group 0.
    if (a) {
        File(Copy("alpha text"), 0, "Alpha");
        Mark("alpha");
        ASSERT_TRUE(Await("bravo"));
        ExpectShown("Bravo");
        File(Copy("charlie text"), 2, "Charlie");
        Mark("charlie");
    } else {
        ASSERT_TRUE(Await("alpha"));
        ExpectShown("Alpha");
        File(Copy("bravo text"), 1, "Bravo");
        Mark("bravo");
        ASSERT_TRUE(Await("charlie"));
        ExpectShown("Charlie");
    }
    ExpectThreeClipsFiled();
    ExpectShown("Alpha");
    ExpectShown("Bravo");
    ExpectShown("Charlie");
    ScreenshotOfProgramWindow(m_window, "shared-folder-" + m_side + ".bmp");

    // B drags a clip over slot 3 and holds it; meanwhile A files another there. B's drop finds
    // the slot filled: nothing is overwritten, no settings open.
    if (a) {
        ASSERT_TRUE(Await("holding"));
        File(Copy("echo text"), 3, "Echo");
        Mark("echo");
        ASSERT_TRUE(Await("dropped"));
    } else {
        HWND delta = Copy("delta text");
        ASSERT_NE(delta, nullptr);
        PressAndDragTo(wintest::CenterOf(delta), [&] { return ItemAt(m_window, 3); });
        Mark("holding");
        const bool echoed = Await("echo");
        Sleep(1500);  // two ticks of the clipboard timer go by under the drag
        ReleaseDrag();
        ASSERT_TRUE(echoed);
        EXPECT_FALSE(WaitFor([] { return VisibleWindow(" Clip Settings") != nullptr; }, 1500))
            << "the drop was taken";
        ExpectShown("Echo");
        Mark("dropped");
    }
    EXPECT_EQ(StoredTitle(3), "Echo");
    EXPECT_TRUE(Holds(Lib1() + "group0.3", "echo text")) << "its data was overwritten";

    // Captures in turns on both computers, beyond a full history.
    for (int i = 0; i < 6; ++i) {
        const std::string turn = std::to_string(i);
        if (a) {
            Copy("copy " + turn + " on a");
            Mark("copied-" + turn);
            ASSERT_TRUE(Await("copied-" + turn));
        } else {
            ASSERT_TRUE(Await("copied-" + turn));
            ExpectShown("copy " + turn + " on a");
            Copy("copy " + turn + " on b");
            Mark("copied-" + turn);
        }
    }
    if (a) {
        ExpectShown("copy 5 on b");
    }
    ExpectHistoryDescribesItsFiles();
    Mark("done");
    ASSERT_TRUE(Await("done"));
}

}  // namespace
}  // namespace mirvo::e2e
