// The program's entry point: the Windows services, the forms host, and the start-up sequence.

#include <windows.h>

#include <commctrl.h>

#include "app/App.h"
#include "startup/Main.h"
#include "win32/host/Win32FormsHost.h"
#include "win32/platform/Win32Clipboard.h"
#include "win32/platform/Win32Desktop.h"
#include "win32/platform/Win32FileSystem.h"
#include "win32/platform/Win32FolderBrowser.h"
#include "win32/platform/Win32KeySender.h"
#include "win32/platform/Win32KeyboardHook.h"
#include "win32/platform/Win32MouseHook.h"
#include "win32/platform/Win32Shell.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    try {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);

        mirvo::win32::Win32Desktop desktop;
        mirvo::win32::Win32FileSystem files;
        mirvo::win32::Win32Clipboard clipboard;
        mirvo::win32::Win32Shell shell;
        mirvo::win32::Win32FolderBrowser browser;
        mirvo::win32::Win32FormsHost host(instance, browser);
        mirvo::win32::Win32KeyboardHook keyboard;
        mirvo::win32::Win32MouseHook mouse;
        mirvo::win32::Win32KeySender keys([&host] { host.DoEvents(); });
        mirvo::App app(
            mirvo::Platform{desktop, files, clipboard, shell, host, &keyboard, &mouse, &keys});
        if (!mirvo::Main(app)) {
            return 0;
        }
        return host.Run();
    } catch (...) {
        return 1;
    }
}
