#include "win32/platform/Win32KeyboardHook.h"

namespace mirvo::win32 {

namespace {

constexpr UINT kKeyDownMessage = WM_APP + 1;
constexpr UINT kKeyUpMessage = WM_APP + 2;
// An unassigned virtual key: sent after a discarded Alt combination so that releasing Alt does
// not open the menu of the focused window.
constexpr WORD kMenuMaskKey = 0xFF;

Win32KeyboardHook* g_instance = nullptr;

bool IsKeyDown(WPARAM message) {
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
}

bool IsModifier(DWORD vk) {
    switch (vk) {
        case VK_SHIFT:
        case VK_LSHIFT:
        case VK_RSHIFT:
        case VK_CONTROL:
        case VK_LCONTROL:
        case VK_RCONTROL:
        case VK_MENU:
        case VK_LMENU:
        case VK_RMENU:
        case VK_LWIN:
        case VK_RWIN:
            return true;
        default:
            return false;
    }
}

// The generic, left and right keys of a modifier: a release of one releases them all, so that a
// generic key going down and a sided one coming up never leave the modifier held.
const WORD kFamilies[3][3] = {{VK_SHIFT, VK_LSHIFT, VK_RSHIFT},
                              {VK_CONTROL, VK_LCONTROL, VK_RCONTROL},
                              {VK_MENU, VK_LMENU, VK_RMENU}};

void MaskMenuKey() {
    INPUT input[2] = {};
    for (int i = 0; i < 2; ++i) {
        input[i].type = INPUT_KEYBOARD;
        input[i].ki.wVk = kMenuMaskKey;
        input[i].ki.dwExtraInfo = kInjectedByMirvo;
    }
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

}  // namespace

Win32KeyboardHook::Win32KeyboardHook()
    : m_messages([this](UINT message, WPARAM wParam, LPARAM lParam) {
          Deliver(message, wParam, lParam);
      }) {
    // Modifiers already held when the program starts count as down: only theirs is read of the
    // keys' state (each key asked is a call to the window server under Wine).
    for (int vk = 1; vk < 256; ++vk) {
        if (IsModifier(static_cast<DWORD>(vk))) {
            m_down[vk] = (GetAsyncKeyState(vk) & 0x8000) != 0;
        }
    }
    g_instance = this;
    m_hook = SetWindowsHookExA(WH_KEYBOARD_LL, &Win32KeyboardHook::Procedure,
                               GetModuleHandleA(nullptr), 0);
}

Win32KeyboardHook::~Win32KeyboardHook() {
    if (m_hook) {
        UnhookWindowsHookEx(m_hook);
    }
    g_instance = nullptr;
}

LRESULT CALLBACK Win32KeyboardHook::Procedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && g_instance) {
        const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        if (g_instance->Filter(key, IsKeyDown(wParam))) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Win32KeyboardHook::ReleaseFamily(DWORD vk) {
    for (const auto& family : kFamilies) {
        if (vk == family[0] || vk == family[1] || vk == family[2]) {
            for (WORD member : family) {
                m_down[member] = false;
            }
        }
    }
}

int Win32KeyboardHook::Modifiers() const {
    int modifiers = 0;
    if (m_down[VK_LSHIFT] || m_down[VK_RSHIFT] || m_down[VK_SHIFT]) {
        modifiers |= 1;
    }
    if (m_down[VK_LCONTROL] || m_down[VK_RCONTROL] || m_down[VK_CONTROL]) {
        modifiers |= 2;
    }
    if (m_down[VK_LMENU] || m_down[VK_RMENU] || m_down[VK_MENU]) {
        modifiers |= 4;
    }
    return modifiers;
}

bool Win32KeyboardHook::Filter(const KBDLLHOOKSTRUCT& key, bool down) {
    if (key.dwExtraInfo == kInjectedByMirvo) {
        return false;  // the program's own paste keys
    }
    const DWORD vk = key.vkCode & 0xFF;
    m_down[vk] = down;
    if (IsModifier(vk)) {
        if (!down) {
            ReleaseFamily(vk);
        }
        return false;
    }
    if (!down) {
        if (!m_discarded[vk]) {
            return false;
        }
        m_discarded[vk] = false;
        m_messages.Post(kKeyUpMessage, vk, m_discardedModifiers[vk]);
        return true;
    }
    if (m_discarded[vk]) {
        return true;  // a repeat of a discarded key
    }
    if (m_down[VK_LWIN] || m_down[VK_RWIN]) {
        return false;  // the system's own Windows-key combinations
    }
    const int modifiers = Modifiers();
    std::int32_t code = static_cast<std::int32_t>(vk);
    if (modifiers & 1) {
        code |= platform::HookKey::Shift;
    }
    if (modifiers & 2) {
        code |= platform::HookKey::Ctrl;
    }
    if (modifiers & 4) {
        code |= platform::HookKey::Alt;
    }
    if (m_monitoring != 2 || m_watched.count(code) == 0) {
        return false;
    }
    m_discarded[vk] = true;
    m_discardedModifiers[vk] = modifiers;
    // The window the user meant the key for, read now: by the time the report is handled the
    // user may have moved on.
    m_keyWindows[vk] = GetForegroundWindow();
    if (modifiers & 4) {
        MaskMenuKey();
    }
    m_messages.Post(kKeyDownMessage, vk, modifiers);
    return true;
}

void Win32KeyboardHook::Deliver(UINT message, WPARAM wParam, LPARAM lParam) {
    const platform::HookKeyEvent event{
        static_cast<int>(wParam), static_cast<int>(lParam),
        reinterpret_cast<platform::WindowHandle>(m_keyWindows[wParam & 0xFF])};
    if (message == kKeyDownMessage && OnKeyDown) {
        OnKeyDown(event);
    } else if (message == kKeyUpMessage && OnKeyUp) {
        OnKeyUp(event);
    }
}

}  // namespace mirvo::win32
