#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace mirvo::platform {

using WindowHandle = std::uintptr_t;

struct Point {
    int x = 0;
    int y = 0;
};

struct LocalTime {
    int year = 2000;  // four digits
    int month = 1;    // 1..12
    int day = 1;      // 1..31
    int weekday = 0;  // 0 Sunday .. 6 Saturday
    int hour = 0;     // 0..23
    int minute = 0;   // 0..59
    int second = 0;
};

// Shell special folders the program asks for.
namespace Csidl {
inline constexpr int AppData = 26;
}

// What the program's version resource says of it; a field it lacks stays empty.
struct ProgramVersionInfo {
    std::string productName;
    std::string productVersion;
    std::string fileDescription;
    std::string companyName;
};

enum class ShowCommand { Normal = 1, Minimized = 2, Maximized = 3, Restore = 9 };

// The windowing system and the process's surroundings, as the program uses them.
class Desktop {
public:
    virtual ~Desktop() = default;

    virtual WindowHandle ForegroundWindow() = 0;
    virtual bool SetForegroundWindow(WindowHandle window) = 0;
    // A top-level window with exactly this title, or 0.
    virtual WindowHandle FindWindowByTitle(const std::string& title) = 0;
    // A visible top-level window of another process whose title starts with prefix, or 0.
    virtual WindowHandle FindOtherWindowByTitlePrefix(const std::string& prefix) = 0;
    virtual void ShowWindow(WindowHandle window, ShowCommand command) = 0;
    virtual bool IsMinimized(WindowHandle window) = 0;
    virtual std::string WindowTitle(WindowHandle window) = 0;
    // The name of a window's class ("Progman", "Notepad"), "" when there is no such window.
    virtual std::string WindowClassName(WindowHandle window) = 0;
    // Puts a window above all others, or back among them, keeping its rectangle and without
    // activating it.
    virtual void SetTopmost(WindowHandle window, bool topmost) = 0;
    // The id of the process that made a window, 0 when there is no such window.
    virtual std::uint32_t ProcessOf(WindowHandle window) = 0;

    virtual Point CursorPosition() = 0;  // pixels
    virtual Point ScreenSizePixels() = 0;

    // The path of a shell special folder without a trailing separator, or nothing.
    virtual std::optional<std::string> SpecialFolder(int csidl) = 0;
    // The Windows directory as the system gives it.
    virtual std::string WindowsFolder() = 0;
    // The folder of the program's executable, ending in a separator.
    virtual std::string ProgramFolder() = 0;
    // The logged-on user's name, "" when it cannot be read.
    virtual std::string UserName() = 0;
    // The version resource of the program's executable.
    virtual ProgramVersionInfo ProgramVersion() = 0;

    virtual std::uint32_t TickCount() = 0;
    virtual LocalTime Now() = 0;
    virtual void Beep(int frequency, int durationMs) = 0;

    // Claims the program's single-instance lock for the life of the process; false when
    // another process holds it.
    virtual bool ClaimSingleInstance(const std::string& name) = 0;

    // Which bytes start a double-byte character in the ANSI code page.
    virtual std::array<bool, 256> AnsiLeadBytes() = 0;
};

}  // namespace mirvo::platform
