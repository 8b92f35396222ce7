#include "launchpad/LaunchButton.h"

#include <memory>

#include "app/App.h"
#include "app/EditContext.h"
#include "app/Modes.h"
#include "app/Settings.h"
#include "app/StoreLayout.h"
#include "display/DisplayModes.h"
#include "forms/Form.h"
#include "help/QuickHelp.h"
#include "help/Topics.h"
#include "panels/PanelDisplay.h"
#include "store/Libraries.h"
#include "store/LibraryFiles.h"

namespace mirvo {

void LaunchBtn_MouseUp(App& app, forms::MouseButton button) {
    const bool inLaunchPad = app.CurrentLibrary == store::kLaunchPadLibrary;
    if (app.editing.EditorOpen) {
        app.RefusalTones();
        if (app.editing.Editor) {
            if (forms::Control* title = app.editing.Editor->Find("title")) {
                title->TrySetFocus();
            }
        }
        ShowLaunchPadState(app);
        HoldFocus(app);
        return;
    }
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(app, Topic::LaunchPadButton);
        return;
    }
    if (app.settings.CompactLayout == 1) {
        // Back to the full window first.
        TopBtn_MouseUp(app, 0, forms::MouseButton::None);
    }
    int target = store::kLaunchPadLibrary;
    if (inLaunchPad) {
        // Back to the library this instance came from; started in the launch pad, to the one
        // "Last.Lib" holds, or without a valid one to the first library.
        const LastLibrary last = LibraryToReturnTo(app);
        ShowLibraryLabel(app, last.name);
        target = last.library;
        // Chosen in the library manager, the launch pad was stored as the library of the next
        // start: the library it returns to takes that place.
        std::int16_t& next = app.settings.DataOption == DataLocation::Common
                                 ? app.settings.CommonLibrary
                                 : app.settings.PrivateLibrary;
        if (next == store::kLaunchPadLibrary) {
            next = static_cast<std::int16_t>(target);
        }
    } else {
        WriteLastLibrary(app, app.CurrentLibrary, LibraryLabel(app));
        ShowLibraryLabel(app, "Launch Pad");
    }
    ShowLibrary(app, target);
    // The library of the next start stays the one the launch pad was opened from.
    SaveSettings(app);
    HoldFocus(app);
}

}  // namespace mirvo
