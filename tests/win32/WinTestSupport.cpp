#include "WinTestSupport.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace mirvo::wintest {

bool PumpUntil(forms::FormsHost& host, const std::function<bool()>& condition, int timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        host.DoEvents();
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpFor(forms::FormsHost& host, int ms) {
    PumpUntil(
        host, [] { return false; }, ms);
}

bool MakeForeground(forms::FormsHost& host, HWND window) {
    SetForegroundWindow(window);
    return PumpUntil(host, [&] { return GetForegroundWindow() == window; });
}

namespace {
void SendMouse(DWORD flags, POINT at) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void SendKey(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}
}  // namespace

void MoveMouseTo(POINT screen) {
    SendMouse(MOUSEEVENTF_MOVE, screen);
    // Wine moves the pointer a little later than the injection returns, and a late injected move
    // can undo a correction: put the pointer exactly where asked (rounding of the normalised
    // coordinates) until it stays there.
    const DWORD start = GetTickCount();
    POINT now{};
    for (;;) {
        Sleep(10);
        GetCursorPos(&now);
        if (now.x == screen.x && now.y == screen.y) {
            Sleep(10);
            GetCursorPos(&now);
            if (now.x == screen.x && now.y == screen.y) {
                return;
            }
        }
        if (GetTickCount() - start > 1000) {
            return;
        }
        SetCursorPos(screen.x, screen.y);
    }
}

void SetMouseButton(bool right, bool down) {
    POINT at{};
    GetCursorPos(&at);
    DWORD flags = 0;
    if (right) {
        flags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    } else {
        flags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    SendMouse(flags | MOUSEEVENTF_MOVE, at);
}

void ClickAt(POINT screen, bool right) {
    MoveMouseTo(screen);
    SetMouseButton(right, true);
    SetMouseButton(right, false);
}

void KeyDown(WORD vk) {
    SendKey(vk, false);
}
void KeyUp(WORD vk) {
    SendKey(vk, true);
}

void PressKey(WORD vk, std::initializer_list<WORD> modifiers) {
    for (WORD m : modifiers) {
        SendKey(m, false);
    }
    SendKey(vk, false);
    SendKey(vk, true);
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) {
        SendKey(*it, true);
    }
}

void TypeText(const std::string& text) {
    for (char c : text) {
        const SHORT scan = VkKeyScanA(c);
        const auto vk = static_cast<WORD>(LOBYTE(scan));
        if (HIBYTE(scan) & 1) {
            PressKey(vk, {VK_SHIFT});
        } else {
            PressKey(vk);
        }
    }
}

RECT RectInParent(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

POINT ScreenPointOf(HWND window, int clientX, int clientY) {
    POINT p{clientX, clientY};
    ClientToScreen(window, &p);
    return p;
}

POINT CenterOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::string TextOf(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

COLORREF PixelAt(HWND window, int clientX, int clientY) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, clientX, clientY);
    ReleaseDC(window, dc);
    return color;
}

bool SaveScreenshot(HWND window, const std::string& path) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const int stride = ((width * 3 + 3) / 4) * 4;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // bottom-up, as .bmp files store it
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY) != 0;
    GdiFlush();
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * height);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(static_cast<const char*>(bits), static_cast<std::streamsize>(stride) * height);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return copied && out.good();
}

std::string ScreenshotFolder() {
    const char* folder = std::getenv("MIRVO_SCREENSHOT_DIR");
    return folder && *folder ? folder : ".";
}

TempFolder::TempFolder() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    for (int n = 0;; ++n) {
        m_path = std::string(base) + "mirvo-host-" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(n);
        if (CreateDirectoryA(m_path.c_str(), nullptr)) {
            break;
        }
    }
}

namespace {
void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            const std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

TempFolder::~TempFolder() {
    RemoveTree(m_path);
}

std::string TempFolder::MakeFolder(const std::string& relative) const {
    const std::string path = m_path + "\\" + relative;
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

void TempFolder::MakeFile(const std::string& relative, const std::string& content) const {
    std::ofstream(m_path + "\\" + relative, std::ios::binary) << content;
}

}  // namespace mirvo::wintest
