#pragma once

namespace mirvo {

class App;

// The eight transfer slots, shared by all libraries: "trans.dat" (titles and sources),
// "trans.mod" (paste modes) and "trans.clr" (colours) in the data folder.

// Fills the transfer slots from their files, creating missing ones. A slot that referred to a
// group comes back empty: the folder of that group is not stored.
void LoadTransferSlots(App& app);
// Rewrites the three files from the slots: the slots changed since the files were last read or
// written; the slots another instance changed meanwhile stay theirs and show.
void SaveTransferSlots(App& app);
// Shows the slots another instance changed since this one last read or wrote their files; true
// when there were any.
bool ShowTransferSlotChanges(App& app);

}  // namespace mirvo
