#include "mainwindow/Keys.h"

#include "app/App.h"
#include "forms/FormsHost.h"
#include "mainwindow/DisplayModes.h"
#include "mainwindow/Edit.h"
#include "mainwindow/Highlight.h"
#include "store/StoreLayout.h"

namespace mirvo {

namespace {

constexpr int kEnterChar = 13;
constexpr int kEscapeChar = 27;

void FocusHoldfocus(App& app) {
    try {
        app.MainWindow().holdfocus.SetFocus();
    } catch (const forms::InvalidFocus&) {
    }
}

// Acts on the highlighted control as a left click: a clip pastes, a group name is chosen.
void ClickHighlight(App& app) {
    const int pos = app.store.HighlightPos;
    if (pos >= store::kFirstTransferSlotPos && pos < store::kFirstGroupNamePos) {
        return;  // transfer slots are not acted on from the keyboard
    }
    if (forms::Label* label = HighlightLabel(app, pos)) {
        label->RaiseClick();
    }
}

}  // namespace

void MainWindow_KeyDown(App& app, int& keyCode, int /*shift*/) {
    if (keyCode == forms::Key::Escape || keyCode == forms::Key::Return ||
        keyCode == forms::Key::F1) {
        keyCode = 0;
        return;
    }
    if (app.settings.HighlightWithMouse == 1) {
        return;
    }
    switch (keyCode) {
        case forms::Key::PageUp:
        case forms::Key::PageDown:
        case forms::Key::End:
        case forms::Key::Home:
        case forms::Key::Left:
        case forms::Key::Up:
        case forms::Key::Right:
        case forms::Key::Down:
            // The focus holder first: it resets the highlight when it takes the focus.
            FocusHoldfocus(app);
            NavigateHighlight(app, keyCode);
            keyCode = 0;
            break;
        default:
            break;
    }
}

void MainWindow_KeyUp(App& app, int& keyCode, int /*shift*/) {
    if (app.SwallowKeyUp == 1) {
        app.SwallowKeyUp = 0;
        return;
    }
    Edit& edit = app.MainWindow();
    if (keyCode == forms::Key::F1) {
        return;  // the main help window
    }
    if (keyCode == forms::Key::Return && app.settings.CompactLayout == 1) {
        TopBtn_MouseUp(app, 0, forms::MouseButton::None);
    }
    if (app.display.SearchActive == 1) {
        if (keyCode == forms::Key::Escape) {
            FocusHoldfocus(app);
        }
        return;  // the search box keeps letters, digits and Enter
    }
    int key = keyCode;
    if (key >= forms::Key::Numpad0 + 1 && key <= forms::Key::Numpad0 + 9) {
        key = key - forms::Key::Numpad0 + forms::Key::D0;
    }
    if (key == forms::Key::Escape) {
        edit.SetWindowState(forms::WindowState::Minimized);
    } else if (key >= forms::Key::D0 + 1 && key <= forms::Key::D0 + 9) {
        app.display.ClickButton = 1;
        edit.clipboardPanel.ClipboardClip[static_cast<size_t>(key - forms::Key::D0 - 1)]
            ->RaiseClick();
    } else if (key >= forms::Key::A && key < forms::Key::A + store::kKeySlotCount) {
        app.display.ClickButton = 1;
        edit.groupPanels.item[static_cast<size_t>(key - forms::Key::A)]->RaiseClick();
    } else if (key == forms::Key::Return) {
        app.display.ClickButton = 1;
        ClickHighlight(app);
    }
}

void MainWindow_KeyPress(App& /*app*/, int& keyAscii) {
    if (keyAscii == kEnterChar || keyAscii == kEscapeChar) {
        keyAscii = 0;
    }
}

}  // namespace mirvo
