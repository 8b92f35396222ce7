#pragma once

namespace mirvo {

class App;

// Colours the store's panels from their colour files and the default colours of the settings:
// transfer slots, group clips with their key labels, and group names with the current one
// marked. Stored colours of 0 follow the defaults, so a new default reaches every such label.
void ApplyStoreColors(App& app);

}  // namespace mirvo
