#include "doubles/FakeHooks.h"

namespace mirvo::test {

namespace {
std::int32_t Code(int keyCode, int modifiers) {
    std::int32_t code = keyCode;
    if (modifiers & 1)
        code |= platform::HookKey::Shift;
    if (modifiers & 2)
        code |= platform::HookKey::Ctrl;
    if (modifiers & 4)
        code |= platform::HookKey::Alt;
    return code;
}
}  // namespace

bool FakeKeyboardHook::Watches(int keyCode, int modifiers) const {
    return watched.count(Code(keyCode, modifiers)) != 0;
}

bool FakeKeyboardHook::Press(int keyCode, int modifiers) {
    if (monitoring != 2 || !Watches(keyCode, modifiers)) {
        return false;
    }
    const platform::HookKeyEvent event{keyCode, modifiers, foreground ? *foreground : 0};
    if (OnKeyDown) {
        OnKeyDown(event);
    }
    if (OnKeyUp) {
        OnKeyUp(event);
    }
    return true;
}

void FakeMouseHook::Event(int message, platform::WindowHandle window) {
    if (on && OnMouse) {
        OnMouse(platform::HookMouseEvent{message, {}, window});
    }
}

void FakeKeySender::Send(const std::string& keys, platform::SendWait wait) {
    sent.push_back({keys, wait, foreground ? *foreground : 0});
}

std::vector<std::string> FakeKeySender::Keys() const {
    std::vector<std::string> keys;
    for (const Sent& s : sent) {
        keys.push_back(s.keys);
    }
    return keys;
}

}  // namespace mirvo::test
