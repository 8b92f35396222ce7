#include "startup/Instance.h"

#include <algorithm>
#include <cstdlib>

#include "app/App.h"
#include "platform/Desktop.h"

namespace mirvo {

namespace {
constexpr const char* kInstanceLock = "Mirvo.v4.SingleInstance";
}  // namespace

std::string TitleOneMinuteEarlier(const std::string& title) {
    if (title.size() < 5) {
        return title;
    }
    const std::string head = title.substr(0, title.size() - 5);  // up to the hour
    const std::string hour = title.substr(title.size() - 5, 2);
    const std::string colon = title.substr(title.size() - 3, 1);
    const std::string minutes = title.substr(title.size() - 2);
    // Two characters of a number below 100, with the given fill before a single digit.
    auto twoChars = [](int n, char fill) {
        n = std::clamp(n, 0, 99);
        return std::string{n < 10 ? fill : static_cast<char>('0' + n / 10),
                           static_cast<char>('0' + n % 10)};
    };
    if (minutes != "00") {
        return head + hour + colon + twoChars(std::atoi(minutes.c_str()) - 1, '0');
    }
    const int h = std::atoi(title.substr(title.size() - 5).c_str());
    const std::string earlierHour = h == 0 ? "11" : h == 1 ? "12" : twoChars(h - 1, ' ');
    return head + earlierHour + colon + "59";
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
            running = desktop.FindOtherWindowByTitlePrefix(kMainTitleStart);
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
