#include "win32/platform/Win32Desktop.h"

#include <shlobj.h>
#include <winver.h>

#include <cstdio>
#include <vector>

#include "win32/platform/SystemLibrary.h"

namespace mirvo::win32 {

namespace {
HWND ToHwnd(platform::WindowHandle h) {
    return reinterpret_cast<HWND>(h);
}
platform::WindowHandle FromHwnd(HWND h) {
    return reinterpret_cast<platform::WindowHandle>(h);
}

using SHGetSpecialFolderLocationProc = HRESULT(WINAPI*)(HWND, int, PIDLIST_ABSOLUTE*);
using SHGetPathFromIDListProc = BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, LPSTR);
using CoTaskMemFreeProc = void(WINAPI*)(LPVOID);
using GetFileVersionInfoSizeProc = DWORD(WINAPI*)(LPCSTR, LPDWORD);
using GetFileVersionInfoProc = BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID);
using VerQueryValueProc = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);

// The user's application data folder as the shell keeps it: read at every start, it spares
// start-up the loading of the shell library. Empty when the value is missing or names no folder.
std::string UserAppDataFolder() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER,
                      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
                      0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return {};
    }
    char value[MAX_PATH + 1] = {};
    DWORD type = 0;
    DWORD size = MAX_PATH;
    const LSTATUS status =
        RegQueryValueExA(key, "AppData", nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return {};
    }
    std::string folder(value);  // cut at its NUL
    if (type == REG_EXPAND_SZ) {
        char expanded[MAX_PATH + 1] = {};
        const DWORD length = ExpandEnvironmentStringsA(value, expanded, MAX_PATH);
        folder = length > 0 && length <= MAX_PATH ? std::string(expanded) : std::string();
    }
    const DWORD attributes =
        folder.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(folder.c_str());
    const bool exists =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    return exists ? folder : std::string();
}

struct PrefixSearch {
    std::string prefix;
    DWORD ownProcess;
    HWND found = nullptr;
};

// The full path of the program's executable, however long.
std::string ExecutablePath() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            return std::string(path.data(), length);
        }
        path.resize(path.size() * 2);
    }
}

BOOL CALLBACK MatchPrefix(HWND window, LPARAM param) noexcept {
    auto* search = reinterpret_cast<PrefixSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->ownProcess || !IsWindowVisible(window)) {
        return TRUE;
    }
    char title[256] = {};
    const int length = GetWindowTextA(window, title, sizeof title);
    if (length >= static_cast<int>(search->prefix.size()) &&
        search->prefix.compare(0, search->prefix.size(), title, search->prefix.size()) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

platform::WindowHandle Win32Desktop::ForegroundWindow() {
    return FromHwnd(GetForegroundWindow());
}

bool Win32Desktop::SetForegroundWindow(platform::WindowHandle window) {
    return ::SetForegroundWindow(ToHwnd(window)) != FALSE;
}

platform::WindowHandle Win32Desktop::FindWindowByTitle(const std::string& title) {
    return FromHwnd(FindWindowA(nullptr, title.c_str()));
}

platform::WindowHandle Win32Desktop::FindOtherWindowByTitlePrefix(const std::string& prefix) {
    PrefixSearch search{prefix, GetCurrentProcessId()};
    EnumWindows(MatchPrefix, reinterpret_cast<LPARAM>(&search));
    return FromHwnd(search.found);
}

void Win32Desktop::ShowWindow(platform::WindowHandle window, platform::ShowCommand command) {
    ::ShowWindow(ToHwnd(window), static_cast<int>(command));
}

bool Win32Desktop::IsMinimized(platform::WindowHandle window) {
    return IsIconic(ToHwnd(window)) != FALSE;
}

std::string Win32Desktop::WindowTitle(platform::WindowHandle window) {
    const int length = GetWindowTextLengthA(ToHwnd(window));
    if (length <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const int got = GetWindowTextA(ToHwnd(window), buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<size_t>(got > 0 ? got : 0));
}

std::string Win32Desktop::WindowClassName(platform::WindowHandle window) {
    char name[256] = {};
    const int length = GetClassNameA(ToHwnd(window), name, sizeof name);
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

void Win32Desktop::SetTopmost(platform::WindowHandle window, bool topmost) {
    RECT r{};
    if (!GetWindowRect(ToHwnd(window), &r)) {
        return;
    }
    SetWindowPos(ToHwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, r.left, r.top,
                 r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE);
}

std::uint32_t Win32Desktop::ProcessOf(platform::WindowHandle window) {
    DWORD process = 0;
    return window != 0 && GetWindowThreadProcessId(ToHwnd(window), &process) ? process : 0;
}

platform::Point Win32Desktop::CursorPosition() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

platform::Point Win32Desktop::ScreenSizePixels() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::optional<std::string> Win32Desktop::SpecialFolder(int csidl) {
    if (csidl == CSIDL_APPDATA) {
        if (std::string folder = UserAppDataFolder(); !folder.empty()) {
            return folder;
        }
    }
    const auto location =
        SystemFunction<SHGetSpecialFolderLocationProc>("shell32.dll", "SHGetSpecialFolderLocation");
    const auto pathOf =
        SystemFunction<SHGetPathFromIDListProc>("shell32.dll", "SHGetPathFromIDListA");
    const auto release = SystemFunction<CoTaskMemFreeProc>("ole32.dll", "CoTaskMemFree");
    PIDLIST_ABSOLUTE list = nullptr;
    if (!location || !pathOf || !release || location(nullptr, csidl, &list) != S_OK || !list) {
        return std::nullopt;
    }
    char path[MAX_PATH + 1] = {};
    const BOOL ok = pathOf(list, path);
    release(list);
    if (!ok) {
        return std::nullopt;
    }
    return std::string(path);
}

std::string Win32Desktop::WindowsFolder() {
    char path[256] = {};
    const UINT length = GetWindowsDirectoryA(path, 255);
    return std::string(path, length < 256 ? length : 0);
}

std::string Win32Desktop::ProgramFolder() {
    const std::string file = ExecutablePath();
    return file.substr(0, file.find_last_of('\\') + 1);
}

std::string Win32Desktop::UserName() {
    char name[256] = {};
    DWORD size = 255;
    if (!GetUserNameA(name, &size)) {
        return {};
    }
    return std::string(name);  // cut at the first NUL
}

platform::ProgramVersionInfo Win32Desktop::ProgramVersion() {
    platform::ProgramVersionInfo info;
    const std::string path = ExecutablePath();
    const auto sizeOf =
        SystemFunction<GetFileVersionInfoSizeProc>("version.dll", "GetFileVersionInfoSizeA");
    const auto read = SystemFunction<GetFileVersionInfoProc>("version.dll", "GetFileVersionInfoA");
    const auto query = SystemFunction<VerQueryValueProc>("version.dll", "VerQueryValueA");
    if (!sizeOf || !read || !query) {
        return info;
    }
    DWORD ignored = 0;
    const DWORD size = sizeOf(path.c_str(), &ignored);
    if (size == 0) {
        return info;  // no version resource
    }
    std::vector<char> block(size);
    if (!read(path.c_str(), 0, size, block.data())) {
        return info;
    }
    // The strings live under the first language and code page that the resource lists.
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT length = 0;
    if (!query(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
               &length) ||
        length < sizeof(Translation)) {
        return info;
    }
    char prefix[64] = {};
    std::snprintf(prefix, sizeof prefix, "\\StringFileInfo\\%04x%04x\\", translations->language,
                  translations->codePage);
    auto value = [&](const char* name) {
        char* text = nullptr;
        UINT chars = 0;
        const std::string key = std::string(prefix) + name;
        if (!query(block.data(), key.c_str(), reinterpret_cast<void**>(&text), &chars) || !text ||
            chars == 0) {
            return std::string();
        }
        return std::string(text);  // the value ends at its NUL
    };
    info.productName = value("ProductName");
    info.productVersion = value("ProductVersion");
    info.fileDescription = value("FileDescription");
    info.companyName = value("CompanyName");
    return info;
}

std::uint32_t Win32Desktop::TickCount() {
    return GetTickCount();
}

platform::LocalTime Win32Desktop::Now() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wDayOfWeek, t.wHour, t.wMinute, t.wSecond};
}

void Win32Desktop::Beep(int frequency, int durationMs) {
    ::Beep(static_cast<DWORD>(frequency), static_cast<DWORD>(durationMs));
}

bool Win32Desktop::ClaimSingleInstance(const std::string& name) {
    SetLastError(ERROR_SUCCESS);
    KernelHandle lock(CreateMutexA(nullptr, FALSE, name.c_str()));
    if (!lock || GetLastError() == ERROR_ALREADY_EXISTS) {
        return false;
    }
    m_instanceLock = std::move(lock);
    return true;
}

std::array<bool, 256> Win32Desktop::AnsiLeadBytes() {
    std::array<bool, 256> lead{};
    CPINFO info{};
    if (GetCPInfo(CP_ACP, &info)) {
        for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
            for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b) {
                lead[static_cast<size_t>(b)] = true;
            }
        }
    }
    return lead;
}

}  // namespace mirvo::win32
