#include "win32/platform/Win32KeySender.h"

#include <windows.h>

#include <vector>

#include "platform/BraceKeys.h"
#include "win32/platform/MessageWindow.h"

namespace mirvo::win32 {

namespace {

constexpr DWORD kModifierReleaseWaitMs = 1000;
// Time given to a window just brought to the front to take its activation and its focus.
constexpr DWORD kActivationWaitMs = 500;
// Time given to the target to take the keys when the caller waits for their processing.
constexpr DWORD kProcessingWaitMs = 50;
// Then round trips through the target's message loop. It answers one each time it comes back for
// its next message, and takes one queued message between two answers, so that the keys are
// handled even behind a few others still queued (earlier keys sent without wait, and the
// characters they made). A hung target is not waited for.
constexpr int kProcessingRoundTrips = 12;
constexpr UINT kRoundTripTimeoutMs = 1000;
constexpr int kModifiers[] = {VK_MENU, VK_CONTROL, VK_SHIFT};

bool IsExtendedKey(WORD vk) {
    switch (vk) {
        case VK_INSERT:
        case VK_DELETE:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_RMENU:
        case VK_RCONTROL:
        case VK_DIVIDE:
        case VK_NUMLOCK:
            return true;
        default:
            return false;
    }
}

INPUT KeyInput(WORD vk, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags =
        (down ? 0 : KEYEVENTF_KEYUP) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    input.ki.dwExtraInfo = kInjectedByMirvo;
    return input;
}

// Keys go to the focus of the foreground thread: a window brought to the front from another
// thread is reported in front before that thread has activated it and set its focus, and keys
// sent in between reach no field. The program's own windows take theirs synchronously.
bool ForegroundReady() {
    HWND front = GetForegroundWindow();
    if (!front) {
        return false;  // between two foreground windows
    }
    const DWORD thread = GetWindowThreadProcessId(front, nullptr);
    if (thread == GetCurrentThreadId()) {
        return true;
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) && info.hwndActive == front && info.hwndFocus;
}

bool AnyModifierDown() {
    for (int vk : kModifiers) {
        if (GetAsyncKeyState(vk) & 0x8000) {
            return true;
        }
    }
    return false;
}

}  // namespace

Win32KeySender::Win32KeySender(std::function<void()> serveMessages)
    : m_serveMessages(std::move(serveMessages)) {}

void Win32KeySender::WaitMs(unsigned ms) {
    const DWORD start = GetTickCount();
    do {
        if (m_serveMessages) {
            m_serveMessages();
        }
        Sleep(1);
    } while (GetTickCount() - start < ms);
}

void Win32KeySender::ReleaseModifiers() {
    std::vector<INPUT> inputs;
    for (int vk : {VK_LMENU, VK_RMENU, VK_LCONTROL, VK_RCONTROL, VK_LSHIFT, VK_RSHIFT}) {
        if (GetAsyncKeyState(vk) & 0x8000) {
            inputs.push_back(KeyInput(static_cast<WORD>(vk), false));
        }
    }
    if (!inputs.empty()) {
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }
}

void Win32KeySender::Send(const std::string& keys, platform::SendWait wait) {
    const auto strokes = ParseBraceKeys(keys);
    if (!strokes || strokes->empty()) {
        return;
    }
    const DWORD start = GetTickCount();
    while (AnyModifierDown() && GetTickCount() - start < kModifierReleaseWaitMs) {
        WaitMs(10);
    }
    if (AnyModifierDown()) {
        ReleaseModifiers();
    }
    std::vector<INPUT> inputs;
    inputs.reserve(strokes->size());
    for (const KeyStroke& stroke : *strokes) {
        inputs.push_back(KeyInput(static_cast<WORD>(stroke.keyCode), stroke.down));
    }
    // A window just made the foreground one may not have taken its activation yet: keys before
    // it would reach no field. A window that keeps no focus is waited for once, not per send.
    const auto waitedForBefore = [this] {
        HWND front = GetForegroundWindow();
        return front && front == m_unready;
    };
    const DWORD asked = GetTickCount();
    while (!waitedForBefore() && !ForegroundReady() && GetTickCount() - asked < kActivationWaitMs) {
        WaitMs(1);
    }
    m_unready = ForegroundReady() ? nullptr : GetForegroundWindow();
    RoundTrips(1);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (wait == platform::SendWait::WaitForProcessing) {
        WaitMs(kProcessingWaitMs);
        RoundTrips(kProcessingRoundTrips);
    }
}

void Win32KeySender::RoundTrips(int count) {
    HWND target = GetForegroundWindow();
    for (int trip = 0; target && trip < count; ++trip) {
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutA(target, WM_NULL, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                                 kRoundTripTimeoutMs, &answer)) {
            return;
        }
    }
}

}  // namespace mirvo::win32
