#include "doubles/FakeDesktop.h"

namespace mirvo::test {

bool FakeDesktop::SetForegroundWindow(platform::WindowHandle window) {
    foregroundCalls.push_back(window);
    if (window == 0 || closed.count(window) != 0) {
        return false;
    }
    foreground = window;
    return true;
}

std::uint32_t FakeDesktop::ProcessOf(platform::WindowHandle window) {
    if (window == 0 || closed.count(window) != 0) {
        return 0;
    }
    if (const auto named = processes.find(window); named != processes.end()) {
        return named->second;
    }
    if ((isOwnWindow && isOwnWindow(window)) ||
        (windows.count(window) != 0 && windows.at(window).ownProcess)) {
        return kOwnProcess;
    }
    return static_cast<std::uint32_t>(window);
}

platform::WindowHandle FakeDesktop::FindWindowByTitle(const std::string& title) {
    for (const auto& [handle, w] : windows) {
        if (w.title == title) {
            return handle;
        }
    }
    return 0;
}

platform::WindowHandle FakeDesktop::FindOtherWindowByTitlePrefix(const std::string& prefix) {
    for (const auto& [handle, w] : windows) {
        if (!w.ownProcess && w.title.compare(0, prefix.size(), prefix) == 0) {
            return handle;
        }
    }
    return 0;
}

void FakeDesktop::ShowWindow(platform::WindowHandle window, platform::ShowCommand command) {
    showCalls.push_back({window, command});
    auto it = windows.find(window);
    if (it != windows.end()) {
        it->second.minimized = command == platform::ShowCommand::Minimized;
    }
}

bool FakeDesktop::IsMinimized(platform::WindowHandle window) {
    auto it = windows.find(window);
    return it != windows.end() && it->second.minimized;
}

std::string FakeDesktop::WindowTitle(platform::WindowHandle window) {
    auto it = windows.find(window);
    return it == windows.end() ? std::string() : it->second.title;
}

std::string FakeDesktop::WindowClassName(platform::WindowHandle window) {
    auto it = classNames.find(window);
    return it == classNames.end() ? std::string() : it->second;
}

void FakeDesktop::SetTopmost(platform::WindowHandle window, bool topmost) {
    topmostCalls.emplace_back(window, topmost);
}

std::optional<std::string> FakeDesktop::SpecialFolder(int csidl) {
    auto it = specialFolders.find(csidl);
    if (it == specialFolders.end()) {
        return std::nullopt;
    }
    return it->second;
}

void FakeDesktop::Beep(int frequency, int durationMs) {
    beeps.emplace_back(frequency, durationMs);
}

bool FakeDesktop::ClaimSingleInstance(const std::string& name) {
    lockClaims.push_back(name);
    return !instanceLockHeld;
}

}  // namespace mirvo::test
