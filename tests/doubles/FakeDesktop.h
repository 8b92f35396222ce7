#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Desktop.h"

namespace mirvo::test {

// A desktop whose windows, folders and clock a test sets; it records what was asked of it.
class FakeDesktop : public platform::Desktop {
public:
    platform::WindowHandle ForegroundWindow() override { return foreground; }
    bool SetForegroundWindow(platform::WindowHandle window) override;
    platform::WindowHandle FindWindowByTitle(const std::string& title) override;
    platform::WindowHandle FindOtherWindowByTitlePrefix(const std::string& prefix) override;
    void ShowWindow(platform::WindowHandle window, platform::ShowCommand command) override;
    bool IsMinimized(platform::WindowHandle window) override;
    std::string WindowTitle(platform::WindowHandle window) override;
    std::string WindowClassName(platform::WindowHandle window) override;
    void SetTopmost(platform::WindowHandle window, bool topmost) override;
    std::uint32_t ProcessOf(platform::WindowHandle window) override;
    platform::Point CursorPosition() override { return cursor; }
    platform::Point ScreenSizePixels() override { return screen; }
    std::optional<std::string> SpecialFolder(int csidl) override;
    std::string WindowsFolder() override { return windowsFolder; }
    std::string ProgramFolder() override { return programFolder; }
    std::string UserName() override { return userName; }
    platform::ProgramVersionInfo ProgramVersion() override { return version; }
    std::uint32_t TickCount() override { return tick += tickStep; }
    platform::LocalTime Now() override { return now; }
    void Beep(int frequency, int durationMs) override;
    bool ClaimSingleInstance(const std::string& name) override;
    std::array<bool, 256> AnsiLeadBytes() override { return leadBytes; }

    struct Window {
        std::string title;
        bool minimized = false;
        bool ownProcess = false;
    };
    std::map<platform::WindowHandle, Window> windows;
    std::map<platform::WindowHandle, std::string> classNames;
    // The process of a window: as named here; the program's own windows (isOwnWindow) are of
    // kOwnProcess; any other window is a program of its own.
    static constexpr std::uint32_t kOwnProcess = 1;
    std::map<platform::WindowHandle, std::uint32_t> processes;
    std::function<bool(platform::WindowHandle)> isOwnWindow;
    // Windows that went away: they cannot become the foreground window (nor can 0).
    std::set<platform::WindowHandle> closed;
    platform::WindowHandle foreground = 0;
    platform::Point cursor;
    platform::Point screen{1024, 768};
    std::map<int, std::string> specialFolders;
    std::string windowsFolder;
    std::string programFolder;
    std::string userName = "tester";
    platform::ProgramVersionInfo version{"Mirvo", "4.0", "Mirvo multi-clipboard manager",
                                         "Talbrook Software"};
    std::uint32_t tick = 1000;
    std::uint32_t tickStep = 1;
    platform::LocalTime now{2026, 12, 7, 1, 21, 19, 0};
    std::array<bool, 256> leadBytes{};
    bool instanceLockHeld = false;  // another process holds the lock

    // What was asked.
    struct ShowCall {
        platform::WindowHandle window;
        platform::ShowCommand command;
    };
    std::vector<ShowCall> showCalls;
    std::vector<platform::WindowHandle> foregroundCalls;
    std::vector<std::pair<platform::WindowHandle, bool>> topmostCalls;
    std::vector<std::pair<int, int>> beeps;
    std::vector<std::string> lockClaims;
};

}  // namespace mirvo::test
