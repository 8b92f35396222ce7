#include "launchpad/ShortcutEditor.h"

#include "app/App.h"

namespace mirvo {

void OpenShortcutEditor(App& app, int /*source*/, int /*index*/) {
    // The shortcut editor is not built yet: a shortcut is refused rather than opened as text,
    // which would lose it on the next save.
    app.RefusalTones();
}

void OpenShortcutFromClipboardClip(App& app, int /*clip*/, int /*slot*/) {
    // Not built yet: nothing is filed into the launch pad rather than a clip that is no shortcut.
    app.RefusalTones();
}

}  // namespace mirvo
