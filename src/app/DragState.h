#pragma once

#include <string>

namespace mirvo {

// A drag on the main window, from the press that arms it to the drop, and the compact display
// a clipboard clip's drag returns to.
struct DragState {
    // A press on a non-empty source armed a drag; the drag starts when the mouse moves on.
    bool DragArmed = false;
    int DragStartX = 0;  // twips, in the source control
    int DragStartY = 0;
    // The group shown when a group clip's drag started (passing over a group name shows another).
    int DragSourceGroup = 0;
    // A drag with the left button moves; any other copies.
    bool DragWithRight = false;
    // The title (or group name) the dragged source showed when its drag started: another
    // instance sharing the data folder may change or take the clip before the drop.
    std::string DraggedTitle;
    // The clipboard-only display (ClipboardOnly) to return to after a clipboard clip's drag, or
    // Off; and whether to return to the left-hand column display.
    int ReturnMode = 0;
    bool ReturnColumn = false;
};

}  // namespace mirvo
