#pragma once

namespace mirvo {

class App;

// Another instance's changes of the shared data folder show here within the clipboard timer's
// second: the folder's change counter is read (a few bytes); only when it moved are the files
// the panels show compared with what this instance last read or wrote, and what changed shows:
// the current group, the group names and colours, the transfer slots, the clipboard history, the
// bulk count, the library name, and the watched hot keys of "Hot Key Clips". Nothing moves under
// a drag (its drop looks at the files itself); an open clip dialog keeps editing its own clip.
void ShowOthersChanges(App& app);

}  // namespace mirvo
