#pragma once

#include <string>

namespace mirvo {

// The in-memory state of the clip store beside the main window's panels.
struct StoreState {
    // The current group's folder & "group" & its number & ".": appending a slot number gives
    // the slot's data file.
    std::string GroupDataPrefix;
};

}  // namespace mirvo
