#pragma once

#include <cstdint>
#include <functional>

#include "platform/Desktop.h"

namespace mirvo::platform {

// Watched key combinations: the virtual key in the low word plus these modifier flags.
namespace HookKey {
inline constexpr std::int32_t Shift = 0x10000;
inline constexpr std::int32_t Ctrl = 0x20000;
inline constexpr std::int32_t Alt = 0x40000;
}  // namespace HookKey

struct HookKeyEvent {
    int keyCode = 0;    // virtual key
    int modifiers = 0;  // 1 Shift, 2 Ctrl, 4 Alt
    // The foreground window when the key went down: the window the key was meant for (0 when
    // none was in front).
    WindowHandle window = 0;
};

// A system-wide keyboard hook with a list of watched combinations. While it monitors, a watched
// combination never reaches the focused window: the hook discards it at once and reports it
// afterwards on the UI thread (the hook itself never waits for the program).
class KeyboardHook {
public:
    virtual ~KeyboardHook() = default;

    virtual void AddWatchedKey(std::int32_t code) = 0;
    virtual void RemoveWatchedKey(std::int32_t code) = 0;
    // 0 suspends the hook, 2 monitors.
    virtual void SetMonitoring(int state) = 0;
    virtual int Monitoring() const = 0;

    // A watched combination went down or was released.
    std::function<void(const HookKeyEvent&)> OnKeyDown;
    std::function<void(const HookKeyEvent&)> OnKeyUp;
};

}  // namespace mirvo::platform
