#pragma once

namespace mirvo {

class App;

// The eight transfer slots, shared by all libraries: "trans.dat" (titles and sources),
// "trans.mod" (paste modes) and "trans.clr" (colours) in the data folder.

// Fills the transfer slots from their files, creating missing ones. A slot that referred to a
// group comes back empty: the folder of that group is not stored.
void LoadTransferSlots(App& app);
// Rewrites the three files from the slots.
void SaveTransferSlots(App& app);

}  // namespace mirvo
