#pragma once

#include <windows.h>

#include "platform/MouseHook.h"
#include "win32/platform/MessageWindow.h"

namespace mirvo::win32 {

// The system-wide low-level mouse hook, installed only while it is on (a mouse hook costs every
// mouse move of the whole system). It never swallows: it posts the button messages to the
// message window and the report runs afterwards on the UI thread. One instance at a time.
class Win32MouseHook : public platform::MouseHook {
public:
    Win32MouseHook();
    ~Win32MouseHook() override;

    void SetOn(bool on) override;
    bool On() const override { return m_hook != nullptr; }

private:
    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);
    void Deliver(UINT message, WPARAM wParam, LPARAM lParam);

    MessageWindow m_messages;
    HHOOK m_hook = nullptr;
};

}  // namespace mirvo::win32
