#pragma once

namespace mirvo {

// The in-memory state of the clip store beside the main window's panels.
struct StoreState {};

}  // namespace mirvo
