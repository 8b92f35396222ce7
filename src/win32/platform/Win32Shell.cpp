#include "win32/platform/Win32Shell.h"

#include <windows.h>

#include <shellapi.h>

// The interface's name, not the ANSI/Unicode macro of shellapi.h.
#undef FindExecutable

namespace mirvo::win32 {

bool Win32Shell::StartProgram(const std::string& commandLine, int showStyle) {
    if (commandLine.empty()) {
        return false;
    }
    return WinExec(commandLine.c_str(), static_cast<UINT>(showStyle)) > 31;
}

platform::ExecutableLookup Win32Shell::FindExecutable(const std::string& document,
                                                      const std::string& folder) {
    char executable[MAX_PATH + 1] = {};
    const HINSTANCE result = ::FindExecutableA(document.c_str(), folder.c_str(), executable);
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

}  // namespace mirvo::win32
