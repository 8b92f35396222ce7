// A plain program doing the paste job the simplest sound way, the yardstick for the program's
// paste figures. For each of count texts ("<prefix>0", "<prefix>1", ...) it puts the text on the
// clipboard, brings the edit control's window forward, presses Ctrl+V and waits until the
// control shows the text (at most a second; a paste that never shows counts as lost). It times
// from the first text put on the clipboard to the last one shown:
// plain_paste <edit control, hexadecimal> <count> <prefix>
// Prints "plain paste: <count> items in <ms> ms, <lost> lost".

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr DWORD kShowWaitMs = 1000;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

bool PutText(const std::string& text) {
    for (int attempt = 0; attempt < 100 && !OpenClipboard(nullptr); ++attempt) {
        Sleep(1);
    }
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    bool put = false;
    if (block) {
        std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
        GlobalUnlock(block);
        put = SetClipboardData(CF_TEXT, block) != nullptr;
        if (!put) {
            GlobalFree(block);
        }
    }
    CloseClipboard();
    return put;
}

void PressCtrlV() {
    INPUT keys[4] = {};
    const WORD codes[4] = {VK_CONTROL, 'V', 'V', VK_CONTROL};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = codes[i];
        keys[i].ki.wScan = static_cast<WORD>(MapVirtualKeyA(codes[i], MAPVK_VK_TO_VSC));
        keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    SendInput(4, keys, sizeof(INPUT));
}

size_t TextLength(HWND edit) {
    DWORD_PTR length = 0;
    SendMessageTimeoutA(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &length);
    return length;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: plain_paste <edit control, hexadecimal> <count> <prefix>\n");
        return 2;
    }
    HWND edit = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(std::strtoull(argv[1], nullptr, 16)));
    HWND window = GetAncestor(edit, GA_ROOT);
    const int count = std::atoi(argv[2]);
    const std::string prefix = argv[3];
    if (!IsWindow(edit) || count < 1) {
        std::fprintf(stderr, "no such edit control, or nothing to paste\n");
        return 2;
    }
    int lost = 0;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < count; ++i) {
        const std::string text = prefix + std::to_string(i);
        const size_t expected = TextLength(edit) + text.size();
        if (!PutText(text)) {
            ++lost;
            continue;
        }
        if (GetForegroundWindow() != window) {
            SetForegroundWindow(window);
        }
        PressCtrlV();
        const DWORD sent = GetTickCount();
        while (TextLength(edit) < expected && GetTickCount() - sent < kShowWaitMs) {
            Sleep(1);
        }
        if (TextLength(edit) < expected) {
            ++lost;
            char shown[4096] = {};
            SendMessageA(edit, WM_GETTEXT, sizeof shown, reinterpret_cast<LPARAM>(shown));
            std::fprintf(stderr, "lost %s: shows [%s]\n", text.c_str(), shown);
        }
    }
    LARGE_INTEGER end;
    QueryPerformanceCounter(&end);
    std::printf("plain paste: %d items in %.1f ms, %d lost\n", count, Milliseconds(start, end),
                lost);
    return lost == 0 ? 0 : 1;
}
