#pragma once

namespace mirvo {

class App;

// The start-up sequence. Returns true when the program runs on (the main window is up), false
// when it ended: another instance runs, or a data file could not be opened.
bool Main(App& app);

// 1 when no file can be created in the Windows folder, else 0. The probe uses a file of its
// own that did not exist before and removes it again; no other file is touched.
int ProbeWindowsFolder(App& app);

}  // namespace mirvo
