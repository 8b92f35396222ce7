#pragma once

namespace mirvo {

class App;

// Reads "mirvo.ini" from the private folder, upgrades a new or foreign record and repairs values
// out of range.
void LoadSettings(App& app);
// Writes the whole record.
void SaveSettings(App& app);

}  // namespace mirvo
