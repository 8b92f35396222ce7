#pragma once

#include <string>

#include "panels/Caption.h"

namespace mirvo {

class App;

// The same title as it read one minute earlier (derived from its last five characters).
std::string TitleOneMinuteEarlier(const std::string& title);
// Builds MainTitle. When another instance runs, brings its window forward and returns false.
bool BuildTitleAndCheckInstance(App& app);

}  // namespace mirvo
