#include "display/Highlight.h"

#include <algorithm>

#include "app/App.h"
#include "app/DisplayState.h"
#include "app/Modes.h"
#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "display/Navigation.h"
#include "panels/MainForm.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"

namespace mirvo {

namespace {

constexpr const char* kSearchPrompt = "Search";

void ShowHighlightLook(forms::Label& label) {
    label.SetBackColor(forms::kHighlight);
    label.SetForeColor(forms::kHighlightText);
}

// Gives a label back its true colour; the current group's name keeps its marked look.
void ShowTrueLook(forms::Label& label, forms::Color color) {
    label.SetBackColor(color);
    label.SetForeColor(color == forms::kHighlight ? forms::kHighlightText : forms::QBColor(0));
}

// Whether the middle of a control lies inside its container: a frame that the window cuts at
// its edge still shows, a row pushed below its frame or a column moved aside does not.
bool Inside(const forms::Control& c, int width, int height) {
    const int x = c.Left() + c.Width() / 2;
    const int y = c.Top() + c.Height() / 2;
    return x >= 0 && y >= 0 && x < width && y < height;
}

// From a position the key left on a hidden control, the next one that can be seen.
int VisibleTarget(App& app, int keyCode, int from, int target, const NavigationContext& c) {
    if (target == kNoMove || PositionOnScreen(app, target)) {
        return target;
    }
    if (keyCode == forms::Key::Up || keyCode == forms::Key::Down) {
        // The ring goes on past what cannot be seen.
        int q = target;
        for (int step = 0; step <= kLastPos; ++step) {
            q = NavigateKey(keyCode, q, c);
            if (q == kNoMove || q == from) {
                return kNoMove;
            }
            if (PositionOnScreen(app, q)) {
                return q;
            }
        }
        return kNoMove;
    }
    // A jump lands on the nearest visible position of the same column.
    const std::vector<int> column = SectionPositions(SectionOf(target));
    const auto at = std::find(column.begin(), column.end(), target);
    const auto index = static_cast<int>(at - column.begin());
    for (int distance = 1; distance < static_cast<int>(column.size()); ++distance) {
        for (int candidate : {index - distance, index + distance}) {
            if (candidate >= 0 && candidate < static_cast<int>(column.size()) &&
                PositionOnScreen(app, column[static_cast<size_t>(candidate)])) {
                return column[static_cast<size_t>(candidate)];
            }
        }
    }
    return kNoMove;
}

}  // namespace

bool PositionOnScreen(App& app, int pos) {
    const forms::Label* label = PanelLabel(app, pos);
    if (!label || !label->VisibleInTree()) {
        return false;
    }
    // Inside each frame, and the outermost frame inside the window's client area.
    const forms::Control* c = label;
    for (; c->Container(); c = c->Container()) {
        if (!Inside(*c, c->Container()->Width(), c->Container()->Height())) {
            return false;
        }
    }
    const MainForm& edit = app.MainWindow();
    return Inside(*c, edit.ScaleWidth(), edit.ScaleHeight());
}

void MoveHighlight(App& app, int pos) {
    StoreState& s = app.store;
    forms::Label* target = PanelLabel(app, pos);
    if (pos == s.HighlightPos || !target) {
        return;
    }
    s.HighlightPos = pos;
    if (forms::Label* previous = PanelLabel(app, app.display.PreviousHighlightPos)) {
        ShowTrueLook(*previous, s.HighlightColor);
    }
    app.display.PreviousHighlightPos = pos;
    s.HighlightColor = target->BackColor();
    ShowHighlightLook(*target);
}

void ResetHighlight(App& app) {
    StoreState& s = app.store;
    forms::Label* current = PanelLabel(app, s.HighlightPos);
    // A label shows the highlight only while it carries it; at start none does.
    if (current && current->BackColor() == forms::kHighlight &&
        current->ForeColor() == forms::kHighlightText && s.HighlightColor != 0) {
        ShowTrueLook(*current, s.HighlightColor);
    }
    s.HighlightColor = static_cast<forms::Color>(app.settings.ClipboardClipColor);
    s.HighlightPos = kFirstClipboardClipPos;
    app.display.PreviousHighlightPos = kFirstClipboardClipPos;
    ShowHighlightLook(*PanelLabel(app, kFirstClipboardClipPos));
    const int group = app.settings.CurrentGroup;
    if (group >= 0 && group < store::kGroupCount) {
        ShowHighlightLook(*PanelLabel(app, kFirstGroupNamePos + group));
    }
}

void FocusHolderReset(App& app) {
    MainForm& edit = app.MainWindow();
    app.display.SearchActive = false;
    edit.controlPanel.Search.SetText(kSearchPrompt);
    HideSearchPointer(app);
    const int column = app.settings.DisplayMode;
    if (column >= Column::First && column <= Column::Third) {
        MoveHighlight(app, ColumnTopPos(column));
    } else {
        ResetHighlight(app);
    }
}

bool NavigateHighlight(App& app, int keyCode) {
    const AppSettings& s = app.settings;
    const NavigationContext context{s.LargeWindow == 1, s.ClipboardOnlyMode, s.DisplayMode};
    const int from = app.store.HighlightPos;
    const int target =
        VisibleTarget(app, keyCode, from, NavigateKey(keyCode, from, context), context);
    if (target == kNoMove || target == from) {
        return false;
    }
    MoveHighlight(app, target);
    return true;
}

}  // namespace mirvo
