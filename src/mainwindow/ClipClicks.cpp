#include "mainwindow/ClipClicks.h"

#include "app/App.h"
#include "dialogs/ClipEditor.h"
#include "display/PanelMouse.h"

namespace mirvo {

void ClipLabel_MouseUp(App& app, int source, int index, forms::MouseButton button) {
    PanelLabel_MouseUp(app, button);
    if (button == forms::MouseButton::Right) {
        OpenClipEditor(app, source, index);
    }
}

void GroupName_Click(App& app, int group) {
    if (Group_Click(app, group)) {
        OpenGroupnamer(app, group);
    }
}

void GroupName_MouseUp(App& app, int group, forms::MouseButton button) {
    PanelLabel_MouseUp(app, button);
    if (button == forms::MouseButton::Right) {
        GroupName_Click(app, group);
    }
}

}  // namespace mirvo
