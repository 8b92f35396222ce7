#pragma once

#include <string>

#include "forms/Types.h"

namespace mirvo {

class App;

// The search box of the control panel takes the focus: it empties for typing, or refuses while
// a clip editor is open.
void Search_GotFocus(App& app);
// A left click starts the typing; a right click shows the search's help.
void Search_MouseUp(App& app, forms::MouseButton button);
// Enter never goes into the box: the main window's key handler searches.
void Search_Key(int& keyCode);
// Leaving the box: it shows the pointer that says "click to search".
void Search_LostFocus(App& app);
// The search goes on with the word after the focus left the box (a change of display): the box
// takes the focus and the word back. False when the box cannot take the focus.
bool Search_Resume(App& app, const std::string& word);

}  // namespace mirvo
