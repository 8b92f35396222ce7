#pragma once

namespace mirvo {

class App;

// Chooses the data folder and the current library from the settings. The loading of the
// library into the main window joins it with the clip store.
void LoadDataFolder(App& app);

}  // namespace mirvo
