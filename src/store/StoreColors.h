#pragma once

#include <cstdint>
#include <vector>

namespace mirvo {

class App;

// Colours the store's panels from their colour files and the default colours of the settings:
// transfer slots, group clips with their key labels, and group names with the current one
// marked. Stored colours of 0 follow the defaults, so a new default reaches every such label.
void ApplyStoreColors(App& app);
// The 32 stored group name colours of the current library ("groups.clr"; 0 = the default).
std::vector<std::int32_t> ReadGroupNameColors(App& app);

}  // namespace mirvo
