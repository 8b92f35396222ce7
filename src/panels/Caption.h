#pragma once

#include <string>

#include "platform/Desktop.h"

namespace mirvo {

// The caption clock: weekday, day with its suffix, month, two-digit year, three blanks and a
// 12-hour time, as in "Sunday  5th Mar 06   3:07".
std::string DateTimeWords(const platform::LocalTime& t);
// How every title of the main window begins.
inline constexpr const char* kMainTitleStart = " Mirvo v4";
// The main window title: " Mirvo v4", ten blanks and the caption clock.
std::string MainWindowTitle(const std::string& clock);

}  // namespace mirvo
