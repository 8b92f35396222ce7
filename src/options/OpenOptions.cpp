#include "options/OpenOptions.h"

#include "app/App.h"
#include "app/EditContext.h"
#include "dialogs/ViewForm.h"
#include "display/Layout.h"
#include "options/OptionsForm.h"
#include "panels/PanelDisplay.h"
#include "platform/KeyboardHook.h"

namespace mirvo {

namespace {

void SetMonitoring(App& app, int state) {
    if (app.os.keyboardHook) {
        app.os.keyboardHook->SetMonitoring(state);
    }
}

}  // namespace

void OptionButton_MouseUp(App& app, forms::MouseButton button) {
    if (button != forms::MouseButton::Left) {
        return;
    }
    if (app.editing.EditorOpen) {
        app.RefusalTones();
        if (auto* editor = dynamic_cast<view*>(app.editing.Editor.get())) {
            editor->OKBtn.TrySetFocus();
        }
        return;
    }
    SetMonitoring(app, 0);
    for (;;) {
        Options options(app);
        options.Show(forms::ShowMode::Modal);
        if (!options.ReopenOptions()) {
            break;
        }
        // The main window takes its new size before the options come back.
        ApplyStartupDisplay(app);
    }
    SetMonitoring(app, 2);
    HoldFocus(app);
}

}  // namespace mirvo
