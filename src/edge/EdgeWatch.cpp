#include "edge/EdgeWatch.h"

#include <memory>

#include "app/App.h"
#include "app/DisplayState.h"
#include "app/EditContext.h"
#include "edge/EdgeForm.h"
#include "edge/EdgePlacement.h"
#include "forms/FormsHost.h"
#include "panels/MainForm.h"
#include "platform/Desktop.h"

namespace mirvo {

namespace {
constexpr const char* kSiblingTitle = " Netvane";
// Ticks of the watch (200 ms each) that the pointer stands still before the watch rests.
constexpr int kStillTicksBeforeRest = 10;

bool AnyEdgeOn(const AppSettings& s) {
    return s.EdgeTop == 1 || s.EdgeBottom == 1 || s.EdgeLeft == 1 || s.EdgeRight == 1;
}

// Notes where the pointer is; true when it moved since the watch last looked.
bool PointerMoved(App& app, platform::Point pointer) {
    DisplayState& d = app.display;
    const bool moved = pointer.x != d.EdgePointerX || pointer.y != d.EdgePointerY;
    d.EdgePointerX = pointer.x;
    d.EdgePointerY = pointer.y;
    d.EdgePointerStillTicks = moved ? 0 : d.EdgePointerStillTicks + 1;
    return moved;
}
}  // namespace

void WakeEdgeWatch(App& app) {
    MainForm& edit = app.MainWindow();
    if (edit.TimerEdge.Enabled() || edit.TimerEdgeOff.Enabled() || !AnyEdgeOn(app.settings)) {
        return;  // watching already, its window is up, or nothing to watch for
    }
    if (PointerMoved(app, app.os.desktop.CursorPosition())) {
        edit.TimerEdge.SetEnabled(true);
    }
}

void TimerEdge_Timer(App& app) {
    platform::Desktop& desktop = app.os.desktop;
    const platform::Point pointer = desktop.CursorPosition();
    const bool moved = PointerMoved(app, pointer);
    if (!AnyEdgeOn(app.settings) ||
        (!moved && app.display.EdgePointerStillTicks >= kStillTicksBeforeRest)) {
        app.MainWindow().TimerEdge.SetEnabled(false);  // until the pointer moves again
        return;
    }
    const platform::Point size = desktop.ScreenSizePixels();
    const forms::ScreenMetrics metrics = app.os.forms.Screen();
    const EdgeScreen screen{size.x, size.y, metrics.twipsPerPixelX, metrics.twipsPerPixelY};
    if (!OnScreenBorder(pointer.x, pointer.y, screen) || app.editing.EditorOpen) {
        return;
    }
    MainForm& edit = app.MainWindow();
    edit.TimerEdge.SetEnabled(false);

    const bool offerMain =
        edit.WindowState() == forms::WindowState::Minimized ||
        (edit.WindowState() == forms::WindowState::Normal && app.settings.CompactLayout == 0);
    platform::WindowHandle sibling = desktop.FindWindowByTitle(kSiblingTitle);
    if (sibling != 0 && !desktop.IsMinimized(sibling)) {
        sibling = 0;
    }
    if (!offerMain && sibling == 0) {
        edit.TimerEdge.SetEnabled(true);
        return;
    }
    const AppSettings& s = app.settings;
    const EdgesOn edges{s.EdgeTop == 1, s.EdgeBottom == 1, s.EdgeLeft == 1, s.EdgeRight == 1};
    const int buttons = (offerMain ? 1 : 0) + (sibling != 0 ? 1 : 0);
    const std::optional<EdgeSpot> spot = PlaceAtEdge(
        pointer.x, pointer.y, screen, edges, EdgeForm::WidthFor(), EdgeForm::HeightFor(buttons));
    if (!spot) {
        edit.TimerEdge.SetEnabled(true);
        return;
    }
    // The window of the last offer is unloaded by now; this event is the main window's.
    auto offer = std::make_unique<EdgeForm>(app, offerMain, sibling);
    EdgeForm& form = *offer;
    app.display.EdgeWindow = std::move(offer);
    form.Move(spot->left, spot->top, form.Width(), form.Height());
    form.Show(forms::ShowMode::Modeless);
    desktop.SetTopmost(form.hWnd(), true);
    app.display.EdgeCentreX = (form.Left() + form.Width() / 2) / screen.twipsPerPixelX;
    app.display.EdgeCentreY = (form.Top() + form.Height() / 2) / screen.twipsPerPixelY;
    edit.TimerEdgeOff.SetEnabled(true);
}

void TimerEdgeOff_Timer(App& app) {
    forms::Form* form = app.display.EdgeWindow.get();
    MainForm& edit = app.MainWindow();
    if (!form || !form->Loaded()) {
        edit.TimerEdgeOff.SetEnabled(false);
        return;
    }
    const forms::ScreenMetrics metrics = app.os.forms.Screen();
    const int halfWidth = form->Width() / metrics.twipsPerPixelX / 2;
    const int halfHeight = form->Height() / metrics.twipsPerPixelY / 2;
    const platform::Point pointer = app.os.desktop.CursorPosition();
    if (pointer.x < app.display.EdgeCentreX - halfWidth ||
        pointer.x > app.display.EdgeCentreX + halfWidth ||
        pointer.y < app.display.EdgeCentreY - halfHeight ||
        pointer.y > app.display.EdgeCentreY + halfHeight) {
        form->Unload();
        edit.TimerEdgeOff.SetEnabled(false);
    }
}

}  // namespace mirvo
