#pragma once

#include <functional>

#include "platform/Desktop.h"

namespace mirvo::platform {

struct HookMouseEvent {
    int message = 0;  // the Win32 mouse message, such as WM_LBUTTONDOWN (0x201)
    Point position;   // pixels
    WindowHandle window = 0;
};

// A system-wide mouse hook; events arrive on the UI thread while it is on.
class MouseHook {
public:
    virtual ~MouseHook() = default;

    virtual void SetOn(bool on) = 0;
    virtual bool On() const = 0;

    // Set suppress to keep the event from its window.
    std::function<void(const HookMouseEvent&, bool& suppress)> OnMouse;
};

}  // namespace mirvo::platform
