#include "win32/platform/Win32Shell.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include "win32/Handles.h"
#include "win32/platform/SystemLibrary.h"

// The interface's name, not the ANSI/Unicode macro of shellapi.h.
#undef FindExecutable

namespace mirvo::win32 {

namespace {

constexpr int kNoAssociation = 31;  // SE_ERR_NOASSOC

// The code ShellExecute returns for a failure that ShellExecuteEx reports only by its error.
int CodeOfError(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_ACCESS_DENIED:
        case ERROR_NOT_ENOUGH_MEMORY:
            return static_cast<int>(error);
        case ERROR_NO_ASSOCIATION:
            return kNoAssociation;
        default:
            return 0;
    }
}

using CoInitializeExProc = HRESULT(WINAPI*)(LPVOID, DWORD);
using CoUninitializeProc = void(WINAPI*)();
using ShellExecuteExProc = BOOL(WINAPI*)(SHELLEXECUTEINFOA*);
using FindExecutableProc = HINSTANCE(WINAPI*)(LPCSTR, LPCSTR, LPSTR);

}  // namespace

int Win32Shell::StartProgram(const std::string& commandLine, int showStyle) {
    if (commandLine.empty()) {
        return ERROR_FILE_NOT_FOUND;
    }
    return static_cast<int>(WinExec(commandLine.c_str(), static_cast<UINT>(showStyle)));
}

int Win32Shell::OpenWithShell(const std::string& file, const std::string& folder) {
    const auto shellExecute = SystemFunction<ShellExecuteExProc>("shell32.dll", "ShellExecuteExA");
    const auto comInitialize = SystemFunction<CoInitializeExProc>("ole32.dll", "CoInitializeEx");
    const auto comUninitialize = SystemFunction<CoUninitializeProc>("ole32.dll", "CoUninitialize");
    if (!shellExecute) {
        return ERROR_FILE_NOT_FOUND;  // no shell to open it with
    }
    // Some handlers are reached through COM; the shell wants an apartment on the calling thread.
    const HRESULT com =
        comInitialize ? comInitialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)
                      : E_FAIL;
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    // The program reports a failure in its own words: the shell shows no message of its own.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = "open";
    info.lpFile = file.c_str();
    info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    info.nShow = SW_SHOWNORMAL;
    const bool opened = shellExecute(&info) != FALSE;
    const DWORD error = opened ? ERROR_SUCCESS : GetLastError();
    if (SUCCEEDED(com) && comUninitialize) {
        comUninitialize();
    }
    const int code = static_cast<int>(reinterpret_cast<INT_PTR>(info.hInstApp));
    if (opened) {
        return code > 32 ? code : 33;
    }
    return code > 0 && code <= 32 ? code : CodeOfError(error);
}

platform::ExecutableLookup Win32Shell::FindExecutable(const std::string& document,
                                                      const std::string& folder) {
    const auto find = SystemFunction<FindExecutableProc>("shell32.dll", "FindExecutableA");
    char executable[MAX_PATH + 1] = {};
    if (!find) {
        return {kNoAssociation, {}};
    }
    const HINSTANCE result = find(document.c_str(), folder.c_str(), executable);
    return {static_cast<int>(reinterpret_cast<INT_PTR>(result)), executable};
}

std::string Win32Shell::ShortPath(const std::string& path) {
    char buffer[1024] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) {
        return {};
    }
    return std::string(buffer, length);
}

std::string Win32Shell::CurrentFolder() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

bool Win32Shell::SetCurrentFolder(const std::string& folder) {
    return !folder.empty() && SetCurrentDirectoryA(folder.c_str()) != FALSE;
}

bool Win32Shell::PathSearchFails(const std::string& path) {
    // A folder named with its separator is searched for what it holds.
    const std::string pattern = !path.empty() && path.back() == '\\' ? path + "*" : path;
    // No "drive not ready" box for a shortcut to an empty drive.
    const UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    WIN32_FIND_DATAA data{};
    FindHandle find(FindFirstFileA(pattern.c_str(), &data));
    const DWORD error = find ? ERROR_SUCCESS : GetLastError();
    SetErrorMode(errorMode);
    return error != ERROR_SUCCESS && error != ERROR_FILE_NOT_FOUND &&
           error != ERROR_PATH_NOT_FOUND && error != ERROR_NO_MORE_FILES;
}

}  // namespace mirvo::win32
