#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/KeySender.h"
#include "platform/KeyboardHook.h"
#include "platform/MouseHook.h"

namespace mirvo::test {

// A keyboard hook whose keys a test presses; it discards and reports watched combinations
// while it monitors, as the system hook does.
class FakeKeyboardHook : public platform::KeyboardHook {
public:
    void AddWatchedKey(std::int32_t code) override { watched.insert(code); }
    void RemoveWatchedKey(std::int32_t code) override { watched.erase(code); }
    void SetMonitoring(int state) override { monitoring = state; }
    int Monitoring() const override { return monitoring; }

    // A key pressed and released with modifiers (1 Shift, 2 Ctrl, 4 Alt); true when the hook
    // kept it from the focused window.
    bool Press(int keyCode, int modifiers);
    bool Watches(int keyCode, int modifiers) const;

    std::set<std::int32_t> watched;
    int monitoring = 0;
    const platform::WindowHandle* foreground = nullptr;  // the desktop's foreground window
};

class FakeMouseHook : public platform::MouseHook {
public:
    void SetOn(bool value) override { on = value; }
    bool On() const override { return on; }
    // A mouse event in a window, reported while the hook is on.
    void Event(int message, platform::WindowHandle window);

    bool on = false;
};

// Records the keys sent, with the window that had the focus.
class FakeKeySender : public platform::KeySender {
public:
    void Send(const std::string& keys, platform::SendWait wait) override;

    struct Sent {
        std::string keys;
        platform::SendWait wait;
        platform::WindowHandle foreground;
    };
    std::vector<Sent> sent;
    const platform::WindowHandle* foreground = nullptr;  // the desktop's foreground window
    std::vector<std::string> Keys() const;
};

}  // namespace mirvo::test
