#include "mainwindow/Keys.h"

#include <string>

#include "app/App.h"
#include "app/DisplayState.h"
#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "display/DisplayModes.h"
#include "display/Highlight.h"
#include "forms/FormsHost.h"
#include "help/HelpButtons.h"
#include "panels/MainForm.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "search/SearchBox.h"
#include "search/Searchit.h"

namespace mirvo {

namespace {

constexpr int kEnterChar = 13;
constexpr int kEscapeChar = 27;

// Acts on the highlighted control as a left click: a clip pastes, a group name is chosen.
void ClickHighlight(App& app) {
    const int pos = app.store.HighlightPos;
    if (IsTransferSlotPos(pos)) {
        return;  // transfer slots are not acted on from the keyboard
    }
    if (forms::Label* label = PanelLabel(app, pos)) {
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
            HoldFocus(app);
            NavigateHighlight(app, keyCode);
            keyCode = 0;
            break;
        default:
            break;
    }
}

void MainWindow_KeyUp(App& app, int& keyCode, int /*shift*/) {
    MainForm& edit = app.MainWindow();
    if (keyCode == forms::Key::F1) {
        ShowMainHelp(app);
        return;
    }
    if (keyCode == forms::Key::Return && app.settings.CompactLayout == 1) {
        // The full window first. Its focus holder ends a search, which goes on after it.
        const bool searching = app.display.SearchActive;
        const std::string word = edit.controlPanel.Search.Text();
        TopBtn_MouseUp(app, 0, forms::MouseButton::None);
        if (searching && !Search_Resume(app, word)) {
            return;  // Enter was meant for the search, never for the highlight
        }
    }
    if (app.display.SearchActive) {
        if (keyCode == forms::Key::Escape) {
            HoldFocus(app);
        } else if (keyCode == forms::Key::Return) {
            Search_Enter(app);
        }
        return;  // the search box keeps letters and digits
    }
    int key = keyCode;
    if (key >= forms::Key::Numpad0 + 1 && key <= forms::Key::Numpad0 + 9) {
        key = key - forms::Key::Numpad0 + forms::Key::D0;
    }
    if (key == forms::Key::Escape) {
        edit.SetWindowState(forms::WindowState::Minimized);
    } else if (key >= forms::Key::D0 + 1 && key <= forms::Key::D0 + 9) {
        app.display.ClickButton = static_cast<int>(forms::MouseButton::Left);
        edit.clipboardPanel.ClipboardClip[static_cast<size_t>(key - forms::Key::D0 - 1)]
            ->RaiseClick();
    } else if (key >= forms::Key::A && key < forms::Key::A + store::kKeySlotCount) {
        app.display.ClickButton = static_cast<int>(forms::MouseButton::Left);
        edit.groupPanels.item[static_cast<size_t>(key - forms::Key::A)]->RaiseClick();
    } else if (key == forms::Key::Return) {
        app.display.ClickButton = static_cast<int>(forms::MouseButton::Left);
        ClickHighlight(app);
    }
}

void MainWindow_KeyPress(App& /*app*/, int& keyAscii) {
    if (keyAscii == kEnterChar || keyAscii == kEscapeChar) {
        keyAscii = 0;
    }
}

}  // namespace mirvo
