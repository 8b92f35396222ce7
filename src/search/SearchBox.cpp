#include "search/SearchBox.h"

#include "app/App.h"
#include "app/DisplayState.h"
#include "app/EditContext.h"
#include "panels/MainForm.h"
#include "panels/PanelDisplay.h"

namespace mirvo {

void Search_GotFocus(App& app) {
    if (app.editing.EditorOpen) {
        app.RefusalTones();
        HoldFocus(app);
        return;
    }
    app.MainWindow().controlPanel.Search.SetText("");
    app.display.SearchActive = true;
}

}  // namespace mirvo
