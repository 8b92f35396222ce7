#pragma once

#include <windows.h>

#include <functional>

#include "platform/KeySender.h"

namespace mirvo::win32 {

// Injects keys with SendInput, marked so that the program's own keyboard hook lets them through.
// Before it sends, it waits (bounded, serving messages) until the user has let go of Alt, Ctrl
// and Shift, which would otherwise combine with the keys sent; after the bound it releases them.
// Waiting for processing ends once the foreground window's thread has come back to its queue for
// the keys: the paste keys have then been handled before the clipboard changes again. A window
// just brought to the front is given time to take its activation and focus first.
class Win32KeySender : public platform::KeySender {
public:
    // serveMessages runs the program's message loop once; it is called while waiting.
    explicit Win32KeySender(std::function<void()> serveMessages);

    void Send(const std::string& keys, platform::SendWait wait) override;

private:
    void WaitMs(unsigned ms);
    void ReleaseModifiers();
    // Messages sent to the foreground window, each answered when its thread next reads its queue.
    void RoundTrips(int count);

    std::function<void()> m_serveMessages;
    // The foreground window that did not take a focus within the wait, last time.
    HWND m_unready = nullptr;
};

}  // namespace mirvo::win32
