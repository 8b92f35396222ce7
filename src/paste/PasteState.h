#pragma once

namespace mirvo {

// The paste in progress and the hot keys' switch.
struct PasteState {
    // Around Ctrl+V: 0 plain; 1 clear the field first and press Enter after; 2 clear the field
    // first and press Tab after.
    int PasteAction = 0;
    // Work for the next tick of the paste timer: 0 none, 1 the paste keys, 2 the bulk paste.
    int PendingPasteJob = 0;
    // 1 while the hot keys are switched off.
    int HotKeysOff = 0;
};

}  // namespace mirvo
