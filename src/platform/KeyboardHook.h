#pragma once

#include <cstdint>
#include <functional>

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
};

// A system-wide keyboard hook with a list of watched combinations. Watched keys never reach
// the focused window when discarded; events arrive on the UI thread.
class KeyboardHook {
public:
    virtual ~KeyboardHook() = default;

    virtual void AddWatchedKey(std::int32_t code) = 0;
    virtual void RemoveWatchedKey(std::int32_t code) = 0;
    // 0 suspends the hook, 2 monitors.
    virtual void SetMonitoring(int state) = 0;
    virtual int Monitoring() const = 0;

    // Set discard to keep the key from the focused window.
    std::function<void(const HookKeyEvent&, bool& discard)> OnKeyDown;
    std::function<void(const HookKeyEvent&, bool& discard)> OnKeyUp;
};

}  // namespace mirvo::platform
