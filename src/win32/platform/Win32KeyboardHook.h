#pragma once

#include <windows.h>

#include <bitset>
#include <cstdint>
#include <set>

#include "platform/KeyboardHook.h"
#include "win32/platform/MessageWindow.h"

namespace mirvo::win32 {

// The system-wide low-level keyboard hook. It is installed for the program's whole life on the
// UI thread; while it monitors, a watched combination is discarded in the hook (its key-down,
// repeats and key-up) and reported through the message window afterwards. One instance at a
// time: the hook procedure has no context argument.
class Win32KeyboardHook : public platform::KeyboardHook {
public:
    Win32KeyboardHook();
    ~Win32KeyboardHook() override;

    void AddWatchedKey(std::int32_t code) override { m_watched.insert(code); }
    void RemoveWatchedKey(std::int32_t code) override { m_watched.erase(code); }
    void SetMonitoring(int state) override { m_monitoring = state; }
    int Monitoring() const override { return m_monitoring; }

private:
    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);
    // True when the key is kept from the focused window.
    bool Filter(const KBDLLHOOKSTRUCT& key, bool down);
    int Modifiers() const;
    void ReleaseFamily(DWORD vk);
    void Deliver(UINT message, WPARAM wParam, LPARAM lParam);

    std::set<std::int32_t> m_watched;
    int m_monitoring = 0;
    std::bitset<256> m_down;             // keys down as this hook saw them
    std::bitset<256> m_discarded;        // watched keys whose key-up must be discarded too
    int m_discardedModifiers[256] = {};  // the modifiers they went down with
    HWND m_keyWindows[256] = {};         // and the foreground window they went down in
    MessageWindow m_messages;
    HHOOK m_hook = nullptr;
};

}  // namespace mirvo::win32
