#pragma once

#include "app/Modes.h"

namespace mirvo {

// The paste in progress and the hot keys' switch.
struct PasteState {
    // What the paste keys do around Ctrl+V (FieldAction).
    int PasteAction = FieldAction::None;
    // Work for the next tick of the paste timer (PasteJob).
    int PendingPasteJob = PasteJob::None;
    // While the hot keys are switched off.
    bool HotKeysOff = false;
};

}  // namespace mirvo
