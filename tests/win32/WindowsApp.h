#pragma once

// The program's App over the real Windows services and forms host, for tests that exercise a
// subsystem for real inside the test process.

#include <windows.h>

#include <string>

#include "app/App.h"
#include "win32/host/Win32FormsHost.h"
#include "win32/platform/Win32Clipboard.h"
#include "win32/platform/Win32Desktop.h"
#include "win32/platform/Win32FileSystem.h"
#include "win32/platform/Win32FolderBrowser.h"
#include "win32/platform/Win32Shell.h"

namespace mirvo::wintest {

struct WindowsApp {
    win32::Win32Desktop desktop;
    win32::Win32FileSystem files;
    win32::Win32Clipboard clipboard;
    win32::Win32Shell shell;
    win32::Win32FolderBrowser browser;
    win32::Win32FormsHost host{GetModuleHandleA(nullptr), browser};
    App app{Platform{desktop, files, clipboard, shell, host}};
};

// The folder of the running test program, ending in a backslash.
inline std::string TestProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string file = path;
    return file.substr(0, file.find_last_of('\\') + 1);
}

}  // namespace mirvo::wintest
