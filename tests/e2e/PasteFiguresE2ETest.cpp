// Figures of the paste path under Wine, each next to a plain program doing the same job in the
// same run (bench/win32/PlainPaste.cpp), the two taken in turns: 24 bulk items pasted into
// notepad, and a click on a clip to its text in notepad next to the plain program's single
// paste. Every paste is checked whole and in order.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/PasteFixture.h"
#include "win32/WinTestSupport.h"

namespace mirvo::e2e {
namespace {

constexpr int kItems = 24;
constexpr int kBulkRounds = 5;
constexpr int kClickRounds = 10;

std::string PlainPasteTool() {
    return EnvOr("MIRVO_PLAIN_PASTE", TestProgramFolder() + "..\\..\\bench\\plain_paste.exe");
}

// The plain program's paste of count texts "<prefix>0", "<prefix>1", ... into the edit control;
// its own figure in milliseconds, -1 when it did not finish whole.
double PlainPaste(HWND edit, int count, const std::string& prefix) {
    const std::string out = TestProgramFolder() + "plain-paste.txt";
    char handle[32];
    std::snprintf(handle, sizeof handle, "%llx",
                  static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(edit)));
    std::string command =
        "\"" + PlainPasteTool() + "\" " + handle + " " + std::to_string(count) + " " + prefix;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE file = CreateFileA(out.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                              0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = file;
    startup.hStdError = file;
    PROCESS_INFORMATION info{};
    const bool started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info);
    CloseHandle(file);
    if (!started) {
        ADD_FAILURE() << "cannot start " << command;
        return -1;
    }
    WaitForSingleObject(info.hProcess, 60000);
    DWORD code = 1;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    const std::vector<std::uint8_t> printed = ReadBytes(out);
    const std::string line(printed.begin(), printed.end());
    const size_t in = line.find(" in ");
    if (code != 0 || in == std::string::npos) {
        std::printf("  the plain program: %s", line.c_str());
        return -1;
    }
    return std::atof(line.c_str() + in + 4);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

// What notepad shows after count texts "<prefix>0", "<prefix>1", ... back to back.
std::string Joined(int count, const std::string& prefix) {
    std::string text;
    for (int n = 0; n < count; ++n) {
        text += prefix + std::to_string(n);
    }
    return text;
}

double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

class PasteFigures : public BulkPaste {
protected:
    // Milliseconds from a click at the point to notepad showing the text; -1 when it never did.
    // The pointer is there before the time starts: moving it waits until it stays.
    double ClickToText(POINT point, const std::string& text) {
        wintest::MoveMouseTo(point);
        const double start = NowMs();
        wintest::SetMouseButton(false, true);
        wintest::SetMouseButton(false, false);
        while (notepad->Text() != text && NowMs() - start < 30000) {
            Sleep(1);
        }
        return notepad->Text() == text ? NowMs() - start : -1;
    }
};

TEST_F(PasteFigures, BulkPasteAndClickToTextNextToAPlainProgram) {
    WriteGroup(Library(), 0, {{"Click clip", 0, "c0"}});
    Start();
    std::vector<std::string> items;
    for (int n = 0; n < kItems; ++n) {
        items.push_back("b" + std::to_string(n));
    }
    WriteBulkCache(items);
    RestartWithSettings({{kBulkCountAt, kItems}, {kBulkSpacingAt, 0}});  // "No spacing"
    ASSERT_TRUE(Showing(std::to_string(kItems))) << VisibleTexts(main);
    // The program would capture every copy of the plain program and hold the clipboard while it
    // does, which the plain program's pastes would meet: notepad pastes nothing then.
    Click("Clip Capture Off");

    // The program's paste starts from its separator window in front; the plain program's from
    // a window of the test.
    HWND other = CreateWindowExA(0, "STATIC", "Another window", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 700, 700, 300, 200, nullptr, nullptr, nullptr, nullptr);
    std::vector<double> plain;
    std::vector<double> bulk;
    int plainLost = 0;
    for (int round = 0; round < kBulkRounds; ++round) {
        SCOPED_TRACE(round);
        notepad->SetText("");
        ASSERT_TRUE(Foreground(other));
        const double plainMs = PlainPaste(notepad->Edit(), kItems, "p");
        if (plainMs >= 0 && notepad->Text() == Joined(kItems, "p")) {
            plain.push_back(plainMs);
        } else {
            ++plainLost;
        }
        HWND form = PressTheBulkKey();
        ASSERT_NE(form, nullptr);
        HWND paste = LabelShowing(form, "Paste");
        ASSERT_NE(paste, nullptr);
        const double ms = ClickToText(wintest::CenterOf(paste), Joined(kItems, "b"));
        ASSERT_GE(ms, 0) << "notepad shows " << notepad->Text();
        bulk.push_back(ms);
        ASSERT_TRUE(WaitFor([&] { return IsIconic(main) != FALSE; }, 3000));
    }
    std::printf(
        "  bulk paste of %d items into notepad: median %.0f ms; the plain program: median %.0f "
        "ms (%d of %d rounds lost a paste); ratio %.2f\n",
        kItems, Median(bulk), Median(plain), plainLost, kBulkRounds, Median(bulk) / Median(plain));
    DestroyWindow(other);

    // One clip: the main window stays up, and the plain program starts from it in front too.
    Restore();
    Click("Stay up after pasting");
    HWND clip = Showing("Click clip");
    ASSERT_NE(clip, nullptr);
    std::vector<double> single;
    std::vector<double> click;
    plainLost = 0;
    for (int round = 0; round < kClickRounds; ++round) {
        SCOPED_TRACE(round);
        notepad->SetText("");
        ASSERT_TRUE(Foreground(main));
        const double plainMs = PlainPaste(notepad->Edit(), 1, "s");
        if (plainMs >= 0 && notepad->Text() == "s0") {
            single.push_back(plainMs);
        } else {
            ++plainLost;
        }
        notepad->SetText("");
        ASSERT_TRUE(Foreground(main));
        // Two clicks within the double-click time are a double click, which does not paste.
        Sleep(GetDoubleClickTime() + 50);
        const double ms = ClickToText(wintest::CenterOf(clip), "c0");
        ASSERT_GE(ms, 0) << "notepad shows " << notepad->Text();
        click.push_back(ms);
    }
    std::printf(
        "  click to text in notepad: median %.0f ms; the plain program's single paste: median "
        "%.1f ms (%d of %d lost); (click to text - 150 ms) / plain %.2f\n",
        Median(click), Median(single), plainLost, kClickRounds,
        (Median(click) - 150) / Median(single));
}

}  // namespace
}  // namespace mirvo::e2e
