// Pasting with the running program into Wine's notepad: clip clicks in their paste modes, the
// system-wide hot keys, and web-page and e-mail clips handed to the launcher.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "e2e/PasteFixture.h"

namespace mirvo::e2e {
namespace {

// A window of the test itself that records the key messages reaching it; with the class name
// of a window of the shell, it stands in for that window.
class KeyRecorder {
public:
    explicit KeyRecorder(const char* className = "MirvoTestKeyRecorder",
                         const char* title = "Key recorder") {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &KeyRecorder::Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = className;
        RegisterClassA(&windowClass);  // fails harmlessly when registered before
        m_window = CreateWindowExA(0, className, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 700,
                                   300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        Received().clear();
    }
    ~KeyRecorder() { DestroyWindow(m_window); }

    HWND Window() const { return m_window; }
    bool Got(UINT message, WPARAM key) const {
        const auto& got = Received();
        return std::find(got.begin(), got.end(), std::make_pair(message, key)) != got.end();
    }
    void Clear() { Received().clear(); }
    bool GotAny() const { return !Received().empty(); }

private:
    static std::vector<std::pair<UINT, WPARAM>>& Received() {
        static std::vector<std::pair<UINT, WPARAM>> received;
        return received;
    }
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
            Received().emplace_back(message, wParam);
            return 0;  // no menu loop for Alt combinations
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND m_window = nullptr;
};

// The titles of the history, newest first, for failure messages.
std::string HistoryTitles(const std::string& path) {
    const std::vector<std::uint8_t> b = ReadBytes(path);
    std::string titles;
    for (int n = 0; n < HistoryCount(path) && b.size() >= 2 + 50 * (n + 1u); ++n) {
        std::string title(b.begin() + 2 + 50 * n, b.begin() + 2 + 50 * (n + 1));
        titles += "[" + title.substr(0, title.find_last_not_of(' ') + 1) + "] ";
    }
    return titles;
}

// The names of the formats on the clipboard.
std::multiset<std::string> ClipboardFormatNames() {
    std::multiset<std::string> names;
    if (!WaitFor([] { return OpenClipboard(nullptr) != FALSE; }, 3000)) {
        names.insert("(clipboard held)");
        return names;
    }
    for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format)) {
        char name[256] = {};
        names.insert(GetClipboardFormatNameA(format, name, sizeof name) ? name
                                                                        : std::to_string(format));
    }
    CloseClipboard();
    return names;
}

// The text on the clipboard (CF_TEXT), or a note when there is none.
std::string ClipboardText() {
    if (!WaitFor([] { return OpenClipboard(nullptr) != FALSE; }, 3000)) {
        return "(clipboard held)";
    }
    std::string text = "(no text)";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* chars = static_cast<const char*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

TEST_F(Paste, AClickOnAClipboardClipPastesItBackIntoNotepad) {
    Start();
    notepad->Copy("Copied in notepad");
    ASSERT_TRUE(WaitFor([&] { return HistoryCount(History()) == 1; }, 5000));

    notepad->SetText("");
    Click(Padded("Copied in notepad"));
    EXPECT_TRUE(notepad->Shows("Copied in notepad"))
        << "notepad shows \"" << notepad->Text() << "\"";
    EXPECT_TRUE(WaitFor([&] { return IsIconic(main) != FALSE; }, 3000))
        << "the main window gets out of the way";
    LetThePollSeeIt();
    EXPECT_EQ(HistoryCount(History()), 1) << "the restored clip is not captured again";

    // "Stay up after pasting", then the figure: from the click to the text in notepad.
    Restore();
    Click("Stay up after pasting");
    std::vector<DWORD> times;
    for (int paste = 0; paste < 20; ++paste) {
        notepad->SetText("");
        // Two clicks within the double-click time are a double click, which does not paste.
        Sleep(GetDoubleClickTime() + 50);
        HWND clip = Showing(Padded("Copied in notepad"));
        ASSERT_NE(clip, nullptr);
        const DWORD start = GetTickCount();
        wintest::ClickAt(wintest::CenterOf(clip));
        while (notepad->Text() != "Copied in notepad" && GetTickCount() - start < 5000) {
            Sleep(1);
        }
        ASSERT_EQ(notepad->Text(), "Copied in notepad") << "paste " << paste;
        times.push_back(GetTickCount() - start);
        EXPECT_FALSE(IsIconic(main));
    }
    std::sort(times.begin(), times.end());
    std::printf("  click to text in notepad: median %lu ms over 20 pastes (%lu .. %lu ms)\n",
                static_cast<unsigned long>((times[9] + times[10]) / 2),
                static_cast<unsigned long>(times.front()),
                static_cast<unsigned long>(times.back()));
}

TEST_F(Paste, AFormClipReplacesTheLineAndTabsOnUnlessTheOverrideSaysClip) {
    WriteGroup(Library(), 0, {{"Form field", 4, "Form text"}});
    Start();
    notepad->SetText("old line");
    notepad->Focus();
    LetThePollSeeIt();

    Click("Form field");
    EXPECT_TRUE(notepad->Shows("Form text\t")) << notepad->Text();

    Restore();
    Click("Clip");  // the override: every clip pastes plainly
    notepad->SetText("kept ");
    Click("Form field");
    EXPECT_TRUE(notepad->Shows("kept Form text")) << notepad->Text();
}

TEST_F(Paste, WebPageAndEmailClipsHandTheirTargetToTheLauncher) {
    WriteGroup(Library(), 0,
               {{"Web clip", 2, " www.example.com/page \r\nsecond line"},
                {"Mail clip", 1, "someone@example.com"},
                {"Not a web address", 2, "format c:"}});
    Start();
    notepad->Focus();
    LetThePollSeeIt();
    const std::string handOver = setup.PrivateFolder() + "lnch.dat";
    const std::multiset<std::string> markers = {"Oldfolio", "QuilletData", "PictavoData"};

    Click("Web clip");
    ASSERT_TRUE(WaitFor([&] { return Launched().find("http://www") != std::string::npos; }, 5000))
        << Launched();
    EXPECT_EQ(Launched().substr(Launched().rfind("http://")), "http://www.example.com/page\n");
    const std::vector<std::uint8_t> web = ReadBytes(handOver);
    EXPECT_EQ(std::string(web.begin(), web.end()), "http://www.example.com/page");
    EXPECT_EQ(ClipboardFormatNames(), markers) << "the clipboard is left empty but marked";

    Restore();
    Click("Mail clip");
    ASSERT_TRUE(WaitFor([&] { return Launched().find("mailto:") != std::string::npos; }, 5000));
    const std::vector<std::uint8_t> mail = ReadBytes(handOver);
    EXPECT_EQ(std::string(mail.begin(), mail.end()), "mailto:someone@example.com");
    EXPECT_EQ(ClipboardFormatNames(), markers);

    // Anything but a web address opens nothing.
    Restore();
    const std::string before = Launched();
    Click("Not a web address");
    LetThePollSeeIt();
    EXPECT_EQ(Launched(), before);
    EXPECT_EQ(HistoryCount(History()), 0) << "nothing handed over became a clip";
}

TEST_F(Paste, AWebPageClipWaitingForAClickPastesWhereTheUserClicksNext) {
    WriteGroup(Library(), 0, {{"Web clip", 2, "www.example.com"}});
    Start();
    const std::string launched = Launched();
    RestartWithSetting(71, 1);  // the browser option "Wait for Click"
    notepad->SetText("old address");

    Click("Web clip");
    ASSERT_TRUE(WaitFor([&] { return IsIconic(main) != FALSE; }, 3000));
    LetThePollSeeIt();
    EXPECT_EQ(notepad->Text(), "old address") << "nothing is pasted before the click";
    wintest::ClickAt(wintest::CenterOf(notepad->Edit()));
    EXPECT_TRUE(notepad->Shows("www.example.com\r\n")) << notepad->Text();
    EXPECT_EQ(Launched(), launched) << "the browser in use loads it: no launcher";
}

TEST_F(Paste, AWaitForAClickEndsWithoutKeysOnTheDesktopAndTheTaskbar) {
    WriteGroup(Library(), 0, {{"Web clip", 2, "www.example.com"}});
    Start();
    RestartWithSetting(71, 1);  // the browser option "Wait for Click"
    notepad->SetText("old address");
    // Untitled windows of the shell's classes: the desktop of current systems, the taskbar and
    // the taskbar of another monitor.
    for (const char* shell : {"WorkerW", "Shell_TrayWnd", "Shell_SecondaryTrayWnd", "Progman"}) {
        SCOPED_TRACE(shell);
        Restore();
        Click("Web clip");
        ASSERT_TRUE(WaitFor([&] { return IsIconic(main) != FALSE; }, 3000));
        LetThePollSeeIt();
        KeyRecorder window(shell, "");
        ASSERT_TRUE(Foreground(window.Window()));
        wintest::ClickAt(wintest::CenterOf(window.Window()));
        LetThePollSeeIt();
        EXPECT_FALSE(window.GotAny()) << "no key reaches the shell";
        // The wait has ended: a click in notepad pastes nothing.
        wintest::ClickAt(wintest::CenterOf(notepad->Edit()));
        LetThePollSeeIt();
        EXPECT_EQ(notepad->Text(), "old address");
    }
}

TEST_F(Paste, AHotKeyPastesIntoTheWindowInFrontWhenItIsPressedNotTheOneBefore) {
    WriteGroup(setup.ProgramFolder(), 22, {{"Alt A clip", 3, "Hot key text"}});
    Start();
    Notepad second(main);
    ASSERT_TRUE(second.Ready());
    notepad->Copy("History text");
    ASSERT_TRUE(WaitFor([&] { return HistoryCount(History()) == 1; }, 5000));
    Notepad* notepads[2] = {notepad.get(), &second};
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        Notepad& left = *notepads[round % 2];
        Notepad& front = *notepads[(round + 1) % 2];
        left.SetText("");
        front.SetText("");
        ASSERT_TRUE(left.Focus());
        LetThePollSeeIt();  // the clipboard timer notes the window left
        // The user switches and presses the key at once, before the next tick.
        ASSERT_TRUE(front.Focus());
        const bool alt = round % 3 != 2;
        if (alt) {
            wintest::PressKey('A', {VK_MENU});
        } else {
            wintest::PressKey('1', {VK_CONTROL});
        }
        const std::string text = alt ? "Hot key text" : "History text";
        EXPECT_TRUE(front.Shows(text)) << front.Text();
        EXPECT_EQ(left.Text(), "") << "the window left gets nothing";
    }
}

TEST_F(Paste, AClipForAWindowThatIsGoneSendsNoKeysToTheProgramsOwnWindow) {
    // The letter V pastes group clip 22 (V is the 22nd letter) when the main window has the keys.
    std::vector<Slot> slots(22, Slot{"", 3, ""});
    slots[0] = {"Group clip", 0, "Group text"};
    slots[21] = {"Clip of V", 0, "Text of V"};
    WriteGroup(Library(), 0, slots);
    Start();
    ASSERT_TRUE(notepad->Focus());
    LetThePollSeeIt();
    notepad.reset();  // the window the paste was meant for goes away
    Restore();
    Click("Stay up after pasting");
    Click("Group clip");
    LetThePollSeeIt();
    LetThePollSeeIt();
    EXPECT_FALSE(IsIconic(main));
    EXPECT_EQ(ClipboardText(), "Group text")
        << "a Ctrl+V that reached the main window pastes the clip of V, again and again";
}

TEST_F(Paste, HotKeysPasteClearAndSwitchOffAndOnSystemWide) {
    WriteGroup(setup.ProgramFolder(), 22, {{"Alt A clip", 3, "Hot key text"}});
    Start();
    notepad->SetText("");
    notepad->Focus();
    LetThePollSeeIt();

    wintest::PressKey('A', {VK_MENU});
    EXPECT_TRUE(notepad->Shows("Hot key text")) << notepad->Text();

    // The history lists the oldest first; the newest copy stays on the clipboard.
    const char* copies[] = {"one", "two", "three", "four"};
    for (int n = 0; n < 4; ++n) {
        notepad->Copy(copies[n]);
        ASSERT_TRUE(WaitFor([&] { return HistoryCount(History()) == n + 1; }, 5000))
            << copies[n] << " did not join " << HistoryTitles(History());
    }
    notepad->SetText("");
    wintest::PressKey('3', {VK_CONTROL});
    EXPECT_TRUE(notepad->Shows("three")) << "Ctrl+3 pastes history slot 2: " << notepad->Text()
                                         << " of " << HistoryTitles(History());
    wintest::PressKey('0', {VK_CONTROL});
    EXPECT_TRUE(WaitFor([&] { return HistoryCount(History()) == 0; }, 5000)) << "Ctrl+0 clears";

    // The keys reaching a window of the test: a watched combination never does.
    KeyRecorder recorder;
    ASSERT_TRUE(Foreground(recorder.Window()));
    LetThePollSeeIt();
    wintest::PressKey('B', {VK_MENU});
    EXPECT_TRUE(WaitFor([&] { return recorder.Got(WM_SYSKEYDOWN, 'B'); }, 3000))
        << "a letter without a hot-key clip passes";
    wintest::PressKey('A', {VK_MENU});
    LetThePollSeeIt();
    EXPECT_FALSE(recorder.Got(WM_SYSKEYDOWN, 'A'));

    Foreground(recorder.Window());
    wintest::PressKey(VK_OEM_MINUS, {VK_CONTROL});
    LetThePollSeeIt();
    EXPECT_FALSE(recorder.Got(WM_KEYDOWN, VK_OEM_MINUS));
    wintest::PressKey('A', {VK_MENU});
    EXPECT_TRUE(WaitFor([&] { return recorder.Got(WM_SYSKEYDOWN, 'A'); }, 3000))
        << "with the hot keys off Alt+A passes";
    wintest::PressKey(VK_OEM_PLUS, {VK_CONTROL});
    LetThePollSeeIt();
    EXPECT_FALSE(recorder.Got(WM_KEYDOWN, VK_OEM_PLUS)) << "Ctrl+plus stays watched";
    recorder.Clear();
    wintest::PressKey('A', {VK_MENU});
    LetThePollSeeIt();
    EXPECT_FALSE(recorder.Got(WM_SYSKEYDOWN, 'A')) << "on again";

    // The paste activation key (Shift+Insert) brings up the minimized main window.
    ASSERT_TRUE(WaitFor([&] { return IsIconic(main) != FALSE; }, 3000));
    Foreground(recorder.Window());
    recorder.Clear();
    wintest::PressKey(VK_INSERT, {VK_SHIFT});
    EXPECT_TRUE(WaitFor([&] { return !IsIconic(main) && IsWindowVisible(main); }, 5000));
    EXPECT_FALSE(recorder.Got(WM_KEYDOWN, VK_INSERT));
}

}  // namespace
}  // namespace mirvo::e2e
