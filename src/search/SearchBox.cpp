#include "search/SearchBox.h"

#include "app/App.h"
#include "app/DisplayState.h"
#include "app/EditContext.h"
#include "help/QuickHelp.h"
#include "help/Topics.h"
#include "panels/MainForm.h"
#include "panels/PanelDisplay.h"

namespace mirvo {

namespace {
constexpr int kEnter = 13;  // the key code and the character alike
}  // namespace

void Search_GotFocus(App& app) {
    if (app.editing.EditorOpen) {
        app.RefusalTones();
        HoldFocus(app);
        return;
    }
    forms::TextBox& box = app.MainWindow().controlPanel.Search;
    box.SetText("");
    box.SetPointer(forms::MousePointer::Default);
    app.display.SearchActive = true;
}

void Search_MouseUp(App& app, forms::MouseButton button) {
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(app, Topic::SearchBox);
        HoldFocus(app);
        return;
    }
    if (button == forms::MouseButton::Left && !app.editing.EditorOpen) {
        app.MainWindow().controlPanel.Search.SetText("");
        app.display.SearchActive = true;
    }
}

void Search_Key(int& keyCode) {
    if (keyCode == kEnter) {
        keyCode = 0;
    }
}

bool Search_Resume(App& app, const std::string& word) {
    forms::TextBox& box = app.MainWindow().controlPanel.Search;
    if (!box.TrySetFocus() || !app.display.SearchActive) {
        return false;
    }
    box.SetText(word);
    return true;
}

void Search_LostFocus(App& app) {
    app.MainWindow().controlPanel.Search.SetPointer(forms::MousePointer::Custom);
}

}  // namespace mirvo
