#pragma once

namespace mirvo {

class App;

// Opens the shortcut editor for the launch-pad shortcut in a group clip or transfer slot
// (source and index as in the edit context).
void OpenShortcutEditor(App& app, int source, int index);

}  // namespace mirvo
