#pragma once

namespace mirvo {

class App;

// Chooses the data folder and the current library from the settings and loads everything the
// main window shows from there: group names, library name, clipboard history, transfer slots,
// the current group and the panels' colours. A data folder without libraries first becomes
// one whose collection is library 1.
void LoadDataFolder(App& app);

}  // namespace mirvo
