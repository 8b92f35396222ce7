#include "e2e/ProgramRun.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "win32/WinTestSupport.h"

namespace mirvo::e2e {

std::string EnvOr(const char* name, const std::string& fallback) {
    char value[MAX_PATH * 2] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : fallback;
}

std::string TestProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string file = path;
    return file.substr(0, file.find_last_of('\\') + 1);
}

std::string BuiltProgram() {
    return EnvOr("MIRVO_EXE", TestProgramFolder() + "..\\..\\src\\win32\\mirvo.exe");
}

std::string NotepadPath() {
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\notepad.exe";
}

std::string BuiltLauncher() {
    const std::string built = BuiltProgram();
    return built.substr(0, built.find_last_of('\\') + 1) + "lnch2.exe";
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA data{};
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            const std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

namespace {
std::string AppDataFolder() {
    char path[MAX_PATH] = {};
    if (SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, path) != S_OK) {
        throw std::runtime_error("no application data folder");
    }
    return path;
}

void CopyOrThrow(const std::string& from, const std::string& to) {
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) {
        throw std::runtime_error("cannot copy " + from);
    }
}

// The files of a folder (no sub-folders), when the folder exists.
void CopyFolderIfPresent(const std::string& from, const std::string& to) {
    WIN32_FIND_DATAA data{};
    HANDLE find = FindFirstFileA((from + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    CreateDirectoryA(to.c_str(), nullptr);
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            CopyOrThrow(from + "\\" + data.cFileName, to + "\\" + data.cFileName);
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}
}  // namespace

ProgramSetup::ProgramSetup() {
    // The mouse waits in the bottom-right corner, where no window under test stands: a label
    // under the pointer of a new window would take the highlight.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    static int counter = 0;
    m_programFolder = std::string(temp) + "mirvo-e2e-" + std::to_string(GetCurrentProcessId()) +
                      "-" + std::to_string(counter++) + "\\";
    RemoveTree(m_programFolder.substr(0, m_programFolder.size() - 1));
    CreateDirectoryA(m_programFolder.c_str(), nullptr);
    const std::string built = BuiltProgram();
    const std::string builtFolder = built.substr(0, built.find_last_of('\\') + 1);
    CopyOrThrow(built, Executable());
    CopyOrThrow(builtFolder + "mirvo.qhp", m_programFolder + "mirvo.qhp");
    // The tutorial pages that ship beside the program, and in place of its launcher the probe
    // that records what it was handed and opens nothing: no browser window may cover the
    // windows under test.
    CopyFolderIfPresent(builtFolder + "tutorial", m_programFolder + "tutorial");
    CopyOrThrow(TestProgramFolder() + "launchprobe.exe", m_programFolder + "lnch2.exe");

    const std::string vendor = AppDataFolder() + "\\Talbrook Software";
    RemoveTree(vendor);
    m_privateFolder = vendor + "\\Mirvo_Data\\";
}

std::string ProgramSetup::Launched() const {
    const std::vector<std::uint8_t> bytes = ReadBytes(m_programFolder + "launched.txt");
    return std::string(bytes.begin(), bytes.end());
}

ProgramSetup::~ProgramSetup() {
    RemoveTree(m_programFolder.substr(0, m_programFolder.size() - 1));
    RemoveTree(m_privateFolder.substr(0, m_privateFolder.size() - 1));
}

ProgramProcess::ProgramProcess(const std::string& executable) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + executable + "\"";
    const std::string folder = executable.substr(0, executable.find_last_of('\\'));
    if (!CreateProcessA(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &m_info)) {
        throw std::runtime_error("cannot start " + executable);
    }
}

ProgramProcess::~ProgramProcess() {
    if (Running()) {
        TerminateProcess(m_info.hProcess, 99);
        WaitForSingleObject(m_info.hProcess, 5000);
    }
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
}

namespace {
struct WindowSearch {
    DWORD process;
    const char* className;  // nullptr: the main window by its title
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) noexcept {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window)) {
        return TRUE;
    }
    if (search->className) {
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) == search->className) {
            search->found = window;
            return FALSE;
        }
        return TRUE;
    }
    if (WindowText(window).rfind(" Mirvo v4", 0) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND ProgramProcess::WaitForMainWindow(DWORD timeoutMs) {
    WindowSearch search{Id(), nullptr};
    WaitFor(
        [&] {
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr || !Running();
        },
        timeoutMs);
    return search.found;
}

HWND ProgramProcess::FindWindowOfClass(const char* className) const {
    WindowSearch search{Id(), className};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int ProgramProcess::WaitForExit(DWORD timeoutMs) {
    if (!WaitFor([&] { return !Running(); }, timeoutMs)) {
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(m_info.hProcess, &code);
    return static_cast<int>(code);
}

bool ProgramProcess::Running() const {
    return WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

std::string WindowText(HWND window) {
    char text[512] = {};
    const int length = GetWindowTextA(window, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

bool Settled(HWND window, UINT timeoutMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

bool HasKeyboardFocus(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    return GetGUIThreadInfo(thread, &info) && info.hwndFocus &&
           (info.hwndFocus == window || IsChild(window, info.hwndFocus));
}

bool ScreenshotOfProgramWindow(HWND window, const std::string& fileName) {
    RECT client{};
    GetClientRect(window, &client);
    POINT middle{client.right / 2, client.bottom / 2};
    ClientToScreen(window, &middle);
    HDC screen = GetDC(nullptr);
    WaitFor([&] { return GetPixel(screen, middle.x, middle.y) != RGB(0, 0, 0); }, 3000);
    ReleaseDC(nullptr, screen);
    return wintest::SaveScreenshot(window, wintest::ScreenshotFolder() + "\\" + fileName);
}

std::vector<std::uint8_t> Text(const std::string& s) {
    return {s.begin(), s.end()};
}
std::string Padded(const std::string& s, size_t width) {
    return s + std::string(width - s.size(), ' ');
}
std::vector<std::uint8_t> Colors(std::initializer_list<COLORREF> first, size_t count) {
    std::vector<std::uint8_t> bytes(count * 4, 0);
    size_t at = 0;
    for (const COLORREF c : first) {
        for (int i = 0; i < 4; ++i) {
            bytes[at++] = static_cast<std::uint8_t>((c >> (8 * i)) & 0xFF);
        }
    }
    return bytes;
}

namespace {
struct ChildSearch {
    std::string text;
    HWND found = nullptr;
};
BOOL CALLBACK MatchChild(HWND window, LPARAM param) noexcept {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    if (IsWindowVisible(window) && WindowText(window) == search->text) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

std::string ControlText(HWND control) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &length)) {
        return {};
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 1000, &got);
    text.resize(static_cast<size_t>(got));
    return text;
}

namespace {
BOOL CALLBACK MatchControlText(HWND child, LPARAM param) noexcept {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    if (IsWindowVisible(child) && ControlText(child) == search->text) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND ChildWithText(HWND window, const std::string& text) {
    ChildSearch search{text};
    EnumChildWindows(window, MatchControlText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND LabelShowing(HWND main, const std::string& text) {
    ChildSearch search{text};
    EnumChildWindows(main, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
COLORREF BackgroundOf(HWND label) {
    RECT r{};
    GetWindowRect(label, &r);
    HDC screen = GetDC(nullptr);
    // Right of the text, left of the column button over the first row.
    const COLORREF color =
        GetPixel(screen, r.left + 4 * (r.right - r.left) / 5, (r.top + r.bottom) / 2);
    ReleaseDC(nullptr, screen);
    return color;
}

void ExpectAt(HWND main, HWND label, int left, int top) {
    RECT bounds{};
    GetWindowRect(label, &bounds);
    POINT corner{bounds.left, bounds.top};
    ScreenToClient(main, &corner);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    EXPECT_NEAR(corner.x, MulDiv(left, dpi, 1440), 2) << WindowText(label);
    EXPECT_NEAR(corner.y, MulDiv(top, dpi, 1440), 2) << WindowText(label);
}

}  // namespace mirvo::e2e
