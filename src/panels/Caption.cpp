#include "panels/Caption.h"

namespace mirvo {

std::string MainWindowTitle(const std::string& clock) {
    return std::string(kMainTitleStart) + std::string(10, ' ') + clock;
}

std::string DateTimeWords(const platform::LocalTime& t) {
    static const char* const kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* suffix = t.day == 1 ? "st" : t.day == 2 ? "nd" : t.day == 3 ? "rd" : "th";
    std::string hour;
    if (t.hour == 0) {
        hour = "00";
    } else {
        hour = std::to_string(t.hour > 12 ? t.hour - 12 : t.hour);
    }
    auto twoDigits = [](int n) {
        n = ((n % 100) + 100) % 100;
        return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
    };
    const std::string minutes = twoDigits(t.minute);
    const std::string year = twoDigits(t.year);
    // The day carries a leading blank where a sign would stand.
    return std::string(kWeekdays[((t.weekday % 7) + 7) % 7]) + "  " + std::to_string(t.day) +
           suffix + " " + kMonths[((t.month - 1) % 12 + 12) % 12] + " " + year + "   " + hour +
           ":" + minutes;
}

}  // namespace mirvo
