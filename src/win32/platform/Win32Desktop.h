#pragma once

#include "platform/Desktop.h"
#include "win32/Handles.h"

namespace mirvo::win32 {

class Win32Desktop : public platform::Desktop {
public:
    platform::WindowHandle ForegroundWindow() override;
    bool SetForegroundWindow(platform::WindowHandle window) override;
    platform::WindowHandle FindWindowByTitle(const std::string& title) override;
    platform::WindowHandle FindOtherWindowByTitlePrefix(const std::string& prefix) override;
    void ShowWindow(platform::WindowHandle window, platform::ShowCommand command) override;
    bool IsMinimized(platform::WindowHandle window) override;
    std::string WindowTitle(platform::WindowHandle window) override;
    std::string WindowClassName(platform::WindowHandle window) override;
    void SetTopmost(platform::WindowHandle window, bool topmost) override;
    std::uint32_t ProcessOf(platform::WindowHandle window) override;
    platform::Point CursorPosition() override;
    platform::Point ScreenSizePixels() override;
    std::optional<std::string> SpecialFolder(int csidl) override;
    std::string WindowsFolder() override;
    std::string ProgramFolder() override;
    std::string UserName() override;
    platform::ProgramVersionInfo ProgramVersion() override;
    std::uint32_t TickCount() override;
    platform::LocalTime Now() override;
    void Beep(int frequency, int durationMs) override;
    bool ClaimSingleInstance(const std::string& name) override;
    std::array<bool, 256> AnsiLeadBytes() override;

private:
    KernelHandle m_instanceLock;
};

}  // namespace mirvo::win32
