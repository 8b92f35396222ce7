#include "launchpad/ShortcutEditor.h"

#include "app/App.h"

namespace mirvo {

void OpenShortcutEditor(App& app, int /*source*/, int /*index*/) {
    // The shortcut editor is not built yet: a shortcut is refused rather than opened as text,
    // which would lose it on the next save.
    app.RefusalTones();
}

}  // namespace mirvo
