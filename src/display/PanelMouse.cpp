#include "display/PanelMouse.h"

#include "app/App.h"
#include "app/DisplayState.h"
#include "app/DragState.h"
#include "app/EditContext.h"
#include "app/Modes.h"
#include "app/StoreLayout.h"
#include "display/DisplayModes.h"
#include "display/Highlight.h"
#include "help/QuickHelp.h"
#include "help/Topics.h"
#include "panels/PanelColor.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "store/Groups.h"

namespace mirvo {

using forms::MouseButton;

void Hidetrash(App& app) {
    HideDropTargets(app);
    DragState& drag = app.drag;
    if (drag.ReturnMode == ClipboardOnly::Vertical ||
        drag.ReturnMode == ClipboardOnly::Horizontal) {
        const int mode = drag.ReturnMode;
        drag.ReturnMode = ClipboardOnly::Off;
        SizerBtn_MouseUp(app, mode, MouseButton::Left);
    } else if (drag.ReturnColumn) {
        drag.ReturnColumn = false;
        TopBtn_MouseUp(app, 0, MouseButton::None);
    }
}

void PanelLabel_MouseMove(App& app, int pos) {
    Hidetrash(app);
    if (app.settings.HighlightWithMouse == 1 && !app.editing.EditorOpen) {
        MoveHighlight(app, pos);
    }
}

void PanelLabel_MouseUp(App& app, MouseButton button) {
    app.display.ClickButton = static_cast<int>(button);
    app.drag.DragArmed = false;
}

bool Group_Click(App& app, int group) {
    if (app.editing.EditorOpen) {
        return false;
    }
    HoldFocus(app);
    app.drag.DragArmed = false;
    const bool right = app.display.ClickButton == static_cast<int>(MouseButton::Right);
    if (!store::GroupShownIn(app.CurrentLibrary, group)) {
        return false;
    }
    if (group == store::kHotKeyGroup) {
        if (right) {
            app.display.ClickButton = static_cast<int>(MouseButton::Left);
            ShowQuickHelp(app, Topic::HotKeyClips);
            return false;
        }
    }
    if (!right && group == app.settings.CurrentGroup) {
        return false;
    }
    SelectGroup(app, group);
    return right;
}

void PanelFrame_MouseUp(App& app, PanelFrame frame, MouseButton button) {
    if (button != MouseButton::Right) {
        return;
    }
    switch (frame) {
        case PanelFrame::ClipboardClips:
            ShowQuickHelp(app, Topic::ClipboardClipsFrame);
            break;
        case PanelFrame::GroupClips:
            ShowQuickHelp(app, app.settings.CurrentGroup == store::kHotKeyGroup
                                   ? Topic::HotKeyClips
                                   : Topic::GroupClipsFrame);
            break;
        case PanelFrame::GroupNames:
            ShowQuickHelp(app, Topic::GroupNamesFrame);
            break;
        case PanelFrame::TransferSlots:
            ShowQuickHelp(app, Topic::TransferSlotsFrame);
            break;
    }
}

}  // namespace mirvo
