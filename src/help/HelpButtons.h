#pragma once

#include "forms/Types.h"

namespace mirvo {

class App;

// The control panel's "Help", "Tutorial" and "About" buttons. A left click acts, a right click
// shows the button's quick help; the focus then goes to the main window's focus holder.
void HelpButton_MouseUp(App& app, forms::MouseButton button);
void TutorialBtn_MouseUp(App& app, forms::MouseButton button);
void UpgradeBtn_MouseUp(App& app, forms::MouseButton button);

// The main help window, on top and modal (the "Help" button and F1). While a clip editor is
// open it stays shut and the focus goes back to the editor's "Save" button.
void ShowMainHelp(App& app);
// Opens the tutorial's first page through the launcher; a page or launcher that is missing
// gives the two refusal tones and false.
bool ShowTutorial(App& app);

}  // namespace mirvo
