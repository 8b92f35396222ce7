#pragma once
// How the start-up and idle figures tell that a program they started shows its window.

#include <windows.h>

namespace mirvo::bench {

struct WindowSearch {
    DWORD process;
    HWND found = nullptr;
};

inline BOOL CALLBACK FindShownWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The first visible top-level window of the process that has no owner, or null.
inline HWND ShownWindowOf(DWORD process) {
    WindowSearch search{process};
    EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace mirvo::bench
