#pragma once

namespace mirvo {

class App;

// Whether a library holds no clip: none of the group title files in its folder has a title.
bool IsLibraryEmpty(App& app, int library);

// Moves library source's folder to the number target, whose library must be empty: the target's
// files are deleted and the source folder takes its name; the source number gets an empty
// folder. False when the folders could not be moved; nothing has changed then.
bool MoveLibraryFolder(App& app, int source, int target);

}  // namespace mirvo
