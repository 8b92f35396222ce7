#include "startup/Instance.h"

#include <cstdlib>

#include "app/App.h"
#include "clipboard/DateTimeWords.h"
#include "platform/Desktop.h"

namespace mirvo {

namespace {
constexpr const char* kTitleStart = " Mirvo v4";
constexpr const char* kInstanceLock = "Mirvo.v4.SingleInstance";
}  // namespace

std::string MainWindowTitle(const std::string& clock) {
    return std::string(kTitleStart) + std::string(10, ' ') + clock;
}

std::string TitleOneMinuteEarlier(const std::string& title) {
    if (title.size() < 5) {
        return title;
    }
    std::string earlier = title;
    const size_t minutesAt = title.size() - 2;
    const std::string minutes = title.substr(minutesAt);
    if (minutes != "00") {
        const int m = std::atoi(minutes.c_str()) - 1;
        earlier.replace(minutesAt, 2, (m < 10 ? "0" : "") + std::to_string(m < 0 ? 0 : m));
        return earlier;
    }
    earlier.replace(minutesAt, 2, "59");
    const int hour = std::atoi(title.substr(title.size() - 5).c_str());
    std::string h;
    if (hour == 0) {
        h = "11";
    } else if (hour == 1) {
        h = "12";
    } else {
        h = std::to_string(hour - 1);
        if (h.size() == 1) {
            h = " " + h;
        }
    }
    earlier.replace(title.size() - 5, 2, h);
    return earlier;
}

bool BuildTitleAndCheckInstance(App& app) {
    platform::Desktop& desktop = app.os.desktop;
    const std::string title = MainWindowTitle(DateTimeWords(desktop.Now()));
    // The lock decides; the title only finds the running window to bring it forward.
    if (!desktop.ClaimSingleInstance(kInstanceLock)) {
        platform::WindowHandle running = desktop.FindWindowByTitle(title);
        if (running == 0) {
            running = desktop.FindWindowByTitle(TitleOneMinuteEarlier(title));
        }
        if (running == 0) {
            // Its clock may stand still or show another minute.
            running = desktop.FindOtherWindowByTitlePrefix(kTitleStart);
        }
        if (running != 0) {
            desktop.ShowWindow(running, platform::ShowCommand::Normal);
            desktop.SetForegroundWindow(running);
        }
        return false;
    }
    app.MainTitle = title;
    return true;
}

}  // namespace mirvo
