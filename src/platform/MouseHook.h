#pragma once

#include <functional>

#include "platform/Desktop.h"

namespace mirvo::platform {

struct HookMouseEvent {
    int message = 0;  // the Win32 mouse message, such as WM_LBUTTONDOWN (0x201)
    Point position;   // pixels
    WindowHandle window = 0;
};

// A system-wide mouse hook that watches (never swallows) mouse buttons; while it is on, the
// events arrive on the UI thread after the hook returned.
class MouseHook {
public:
    virtual ~MouseHook() = default;

    virtual void SetOn(bool on) = 0;
    virtual bool On() const = 0;

    std::function<void(const HookMouseEvent&)> OnMouse;
};

}  // namespace mirvo::platform
