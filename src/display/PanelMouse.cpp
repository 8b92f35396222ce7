#include "display/PanelMouse.h"

#include "app/App.h"
#include "app/DisplayState.h"
#include "app/DragState.h"
#include "app/EditContext.h"
#include "app/Modes.h"
#include "app/Settings.h"
#include "app/StoreLayout.h"
#include "display/DisplayModes.h"
#include "display/Highlight.h"
#include "help/QuickHelp.h"
#include "help/Topics.h"
#include "panels/GroupClipLayout.h"
#include "panels/PanelColor.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "store/Groups.h"
#include "store/Libraries.h"
#include "store/StoreColors.h"

namespace mirvo {

namespace {

using forms::MouseButton;

// The group's name back in its own colour, from the colour file or the default.
void UnmarkGroupName(App& app, int group) {
    const std::vector<std::int32_t> colors = ReadGroupNameColors(app);
    const std::int32_t stored = colors[static_cast<size_t>(group)];
    ShowTrueColor(app, kFirstGroupNamePos + group,
                  static_cast<forms::Color>(stored != 0 ? stored : app.settings.GroupNameColor));
}

}  // namespace

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

void SelectGroup(App& app, int group) {
    AppSettings& s = app.settings;
    if (s.CurrentGroup >= 0 && s.CurrentGroup < store::kGroupCount) {
        UnmarkGroupName(app, s.CurrentGroup);
    }
    s.CurrentGroup = static_cast<std::int16_t>(group);
    MarkCurrentGroupName(app);
    SetGroupDataPrefix(app);
    // The group shows before anything is written: a write that fails (a full disk) must not
    // leave the panel showing the group before under this group's number, where the next save
    // would put it.
    LoadGroup(app);
    // The Diary's day labels follow the month.
    LabelClipKeys(app);
    ArrangeGroupClips(app);
    SaveSettings(app);
}

bool Group_Click(App& app, int group) {
    if (app.editing.EditorOpen) {
        return false;
    }
    HoldFocus(app);
    app.drag.DragArmed = false;
    const bool right = app.display.ClickButton == static_cast<int>(MouseButton::Right);
    if (group == store::kHotKeyGroup) {
        if (app.CurrentLibrary == store::kLaunchPadLibrary) {
            return false;
        }
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
