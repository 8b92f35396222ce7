#pragma once

#include <string>

namespace mirvo {

class App;

// The main window title: " Mirvo v4", ten blanks and the caption clock.
std::string MainWindowTitle(const std::string& clock);
// The same title as it read one minute earlier (derived from its last five characters).
std::string TitleOneMinuteEarlier(const std::string& title);
// Builds MainTitle. When another instance runs, brings its window forward and returns false.
bool BuildTitleAndCheckInstance(App& app);

}  // namespace mirvo
