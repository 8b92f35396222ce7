#include "clipboard/CaptureButtons.h"

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/DragState.h"
#include "app/Modes.h"
#include "app/Settings.h"
#include "clipboard/BulkCache.h"
#include "clipboard/Markers.h"
#include "clipboard/Monitor.h"
#include "help/QuickHelp.h"
#include "help/Topics.h"
#include "panels/MainForm.h"
#include "panels/PanelDisplay.h"
#include "platform/Desktop.h"

namespace mirvo {

namespace {
constexpr forms::Color kCaptureOffColor = 255;
constexpr forms::Color kCaptureOffDesignColor = 0xC0C0C0;
}  // namespace

void ClearBtn_MouseUp(App& app, forms::MouseButton button) {
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(app, Topic::ClearButton);
        return;
    }
    if (button != forms::MouseButton::Left) {
        return;
    }
    ClearClipboardClips(app);
    HoldFocus(app);
    if (app.settings.CompactLayout == 1) {
        app.os.desktop.SetForegroundWindow(app.clip.LastForeignWindow);
    }
}

void CaptureMode_MouseUp(App& app, int index, forms::MouseButton button) {
    app.drag.DragArmed = false;  // released without dragging the bulk button
    if (button == forms::MouseButton::Right) {
        if (index == Capture::Off || index == Capture::Bulk) {
            ShowQuickHelp(app, index == Capture::Off ? Topic::CaptureOffButton : Topic::BulkButton);
        }
        return;
    }
    if (button != forms::MouseButton::Left) {
        return;
    }
    const int mode = app.settings.CaptureMode;
    if (index == Capture::Off && mode == Capture::Off) {
        // Capture comes back on: what was copied meanwhile is marked as seen, not captured.
        if (OpenClipboardRetrying(app)) {
            MarkClipboard(app, 0);
        }
    }
    if (index == Capture::Bulk && mode != Capture::Bulk && app.settings.BulkCount == 0) {
        SeedBulkCacheFromHistory(app);
    }
    if (index == mode) {
        index = Capture::Normal;  // the chosen mode clicked again returns to "Normal"
    }
    app.settings.CaptureMode = static_cast<std::int16_t>(index);
    SaveSettings(app);
    RefreshCaptureButtons(app);
    HoldFocus(app);
}

void RefreshCaptureButtons(App& app) {
    ControlPanel& panel = app.MainWindow().controlPanel;
    const int mode = app.settings.CaptureMode;
    panel.CaptureMode[static_cast<size_t>(mode)]->SetValue(true);
    panel.CaptureMode[Capture::Off]->SetBackColor(mode == Capture::Off ? kCaptureOffColor
                                                                       : kCaptureOffDesignColor);
    RefreshBulkDisplay(app);
}

}  // namespace mirvo
