#include "help/HelpButtons.h"

#include "app/App.h"
#include "app/EditContext.h"
#include "app/Launcher.h"
#include "forms/Form.h"
#include "help/AboutForm.h"
#include "help/MainHelpForm.h"
#include "help/QuickHelp.h"
#include "help/Topics.h"
#include "panels/PanelDisplay.h"
#include "platform/FileSystem.h"

namespace mirvo {

namespace {
constexpr const char* kTutorialStart = "Tutorial.htm";

// The click that acts, or the right click that explains the button.
bool Acts(App& app, forms::MouseButton button, int topic) {
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(app, topic);
        HoldFocus(app);
        return false;
    }
    return button == forms::MouseButton::Left;
}
}  // namespace

void HelpButton_MouseUp(App& app, forms::MouseButton button) {
    if (Acts(app, button, Topic::HelpButton)) {
        ShowMainHelp(app);
    }
}

void TutorialBtn_MouseUp(App& app, forms::MouseButton button) {
    if (Acts(app, button, Topic::TutorialButton)) {
        ShowTutorial(app);
        HoldFocus(app);
    }
}

void UpgradeBtn_MouseUp(App& app, forms::MouseButton button) {
    if (Acts(app, button, Topic::AboutButton)) {
        About about(app);
        about.Show(forms::ShowMode::Modal);
        HoldFocus(app);
    }
}

void ShowMainHelp(App& app) {
    if (app.editing.EditorOpen) {
        if (app.editing.Editor) {
            if (forms::Control* save = app.editing.Editor->Find("OKBtn")) {
                save->TrySetFocus();
            }
        }
        return;
    }
    MainHelp help(app);
    help.Show(forms::ShowMode::Modal);
    HoldFocus(app);
}

bool ShowTutorial(App& app) {
    if (!app.os.files.Exists(TutorialPage(app, kTutorialStart)) ||
        !OpenTutorialPage(app, kTutorialStart)) {
        app.RefusalTones();
        return false;
    }
    return true;
}

}  // namespace mirvo
