#pragma once

// Runs mirvo.exe as a separate process over a fresh program folder and a fresh private data
// folder, and finds its windows, the way a user meets the program.

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace mirvo::e2e {

std::string EnvOr(const char* name, const std::string& fallback);
// The folder of the running test program, ending in a backslash.
std::string TestProgramFolder();
// The program under test as built: $MIRVO_EXE, or beside the test in the build tree.
std::string BuiltProgram();
// Wine's (or Windows') notepad, the other program of the clipboard and paste tests.
std::string NotepadPath();
// The launcher built beside the program.
std::string BuiltLauncher();

std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
bool Exists(const std::string& path);
void RemoveTree(const std::string& path);

// Polls until the condition holds or the milliseconds run out, serving messages meanwhile.
template <class Condition>
bool WaitFor(Condition condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
        Sleep(20);
    }
}

// A program folder with the program, its quick-help file and tutorial pages and a probe in
// place of its launcher ("launched.txt" lists what the probe was handed), and the user's
// private data folder, both empty of data; removed at the end.
class ProgramSetup {
public:
    ProgramSetup();
    ~ProgramSetup();
    ProgramSetup(const ProgramSetup&) = delete;
    ProgramSetup& operator=(const ProgramSetup&) = delete;

    const std::string& ProgramFolder() const { return m_programFolder; }
    const std::string& PrivateFolder() const { return m_privateFolder; }
    std::string Executable() const { return m_programFolder + "mirvo.exe"; }
    std::string SettingsFile() const { return m_privateFolder + "mirvo.ini"; }
    // What the launcher probe was handed, a line per start.
    std::string Launched() const;

private:
    std::string m_programFolder;
    std::string m_privateFolder;
};

// One started process of the program.
class ProgramProcess {
public:
    explicit ProgramProcess(const std::string& executable);
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    DWORD Id() const { return m_info.dwProcessId; }
    HANDLE Handle() const { return m_info.hProcess; }
    // The visible main window (title " Mirvo v4..."), waiting for it; nullptr on timeout.
    HWND WaitForMainWindow(DWORD timeoutMs = 30000);
    // A visible top-level window of this process with the given class, or nullptr.
    HWND FindWindowOfClass(const char* className) const;
    // Waits for the end of the process; returns its exit code, or -1 on timeout.
    int WaitForExit(DWORD timeoutMs = 30000);
    bool Running() const;

private:
    PROCESS_INFORMATION m_info{};
};

std::string WindowText(HWND window);

// Bytes of hand-made data files.
std::vector<std::uint8_t> Text(const std::string& s);
std::string Padded(const std::string& s, size_t width = 50);
// Little-endian colours, the first ones given, the rest 0.
std::vector<std::uint8_t> Colors(std::initializer_list<COLORREF> first, size_t count);

// The text of another process's control: GetWindowText reads only captions across processes.
std::string ControlText(HWND control);
// A visible child of another process's window whose text (as WM_GETTEXT gives it) is that text:
// text boxes too.
HWND ChildWithText(HWND window, const std::string& text);
// The visible label of a window that shows text, or nullptr.
HWND LabelShowing(HWND main, const std::string& text);
// The background of a label as the screen shows it, right of its (short) text.
COLORREF BackgroundOf(HWND label);
// Expects the label's top-left corner at (left, top) twips in the window's client area.
void ExpectAt(HWND main, HWND label, int left, int top);
// Waits until the thread of another process's window has handled what it was doing and takes
// messages again; false when it does not within the time.
bool Settled(HWND window, UINT timeoutMs = 5000);
// Whether the keyboard focus of the window's thread is the window or one of its children: keys
// sent now reach it (the foreground may have moved before the program took the activation).
bool HasKeyboardFocus(HWND window);
// Waits until another process has painted its window (the middle of the client area is never
// black in this program's windows), then saves a screenshot into the screenshot folder.
bool ScreenshotOfProgramWindow(HWND window, const std::string& fileName);

}  // namespace mirvo::e2e
