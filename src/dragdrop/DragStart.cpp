#include "dragdrop/DragStart.h"

#include <cstdlib>

#include "app/App.h"
#include "app/DragState.h"
#include "app/Modes.h"
#include "app/StoreLayout.h"
#include "display/DisplayModes.h"
#include "display/Highlight.h"
#include "display/PanelMouse.h"
#include "dragdrop/Dragged.h"
#include "files/AnsiText.h"
#include "forms/Control.h"
#include "panels/PanelDisplay.h"

namespace mirvo {

namespace {

constexpr int kStartDistance = 20;

// A clipboard clip's drag opens the full window from a compact display for its time; the drag's
// end brings the compact display back.
void OpenFullWindowForDrag(App& app) {
    const AppSettings& s = app.settings;
    if (s.ClipboardOnlyMode == ClipboardOnly::Vertical ||
        s.ClipboardOnlyMode == ClipboardOnly::Horizontal) {
        app.drag.ReturnMode = s.ClipboardOnlyMode;
        SizerBtn_MouseUp(app, ClipboardOnly::Off, forms::MouseButton::Left);
    } else if (s.DisplayMode == Column::Left) {
        app.drag.ReturnColumn = true;
        TopBtn_MouseUp(app, 0, forms::MouseButton::None);
    }
}

bool CanStart(App& app, const forms::Control& source, const Dragged& dragged) {
    switch (dragged.kind) {
        case SourceKind::ClipboardClip:
        case SourceKind::GroupClip:
        case SourceKind::TransferSlot:
            return !files::TrimRight(source.Caption()).empty();
        case SourceKind::GroupName:
            return dragged.index != store::kHotKeyGroup &&
                   !files::TrimRight(source.Caption()).empty();
        case SourceKind::BulkButton:
            // Only while the cache holds clips: the button then shows their count.
            return source.Caption() != "Bulk" && app.settings.BulkCount > 0;
        default:
            return false;
    }
}

}  // namespace

void Source_MouseDown(App& app, forms::Control& source, forms::MouseButton /*button*/, int x,
                      int y) {
    DragState& drag = app.drag;
    drag.DragArmed = CanStart(app, source, DraggedFrom(source));
    drag.DragStartX = x;
    drag.DragStartY = y;
}

bool Source_MouseMove(App& app, forms::Control& source, forms::MouseButton button, int x, int y) {
    DragState& drag = app.drag;
    if (!drag.DragArmed || button == forms::MouseButton::None ||
        (std::abs(x - drag.DragStartX) <= kStartDistance &&
         std::abs(y - drag.DragStartY) <= kStartDistance)) {
        return false;
    }
    const Dragged dragged = DraggedFrom(source);
    drag.DragArmed = false;
    if (!CanStart(app, source, dragged)) {
        return false;
    }
    drag.DragWithRight = button != forms::MouseButton::Left;
    drag.DraggedTitle = files::TrimRight(source.Caption());
    switch (dragged.kind) {
        case SourceKind::ClipboardClip:
            ShowDropTargets(app, false, true, false);
            OpenFullWindowForDrag(app);
            break;
        case SourceKind::BulkButton:
            ShowDropTargets(app, true, false, true);
            break;
        default:
            ResetHighlight(app);
            ShowDropTargets(app, true, true, false);
            if (dragged.kind == SourceKind::GroupClip) {
                drag.DragSourceGroup = app.settings.CurrentGroup;
            }
            break;
    }
    source.Drag();
    return true;
}

void PanelSource_MouseMove(App& app, forms::Control& source, int pos, forms::MouseButton button,
                           int x, int y) {
    if (!Source_MouseMove(app, source, button, x, y)) {
        PanelLabel_MouseMove(app, pos);
    }
}

}  // namespace mirvo
