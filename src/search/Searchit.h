#pragma once

namespace mirvo {

class App;

// The clip search of the main window's search box.

// Enter in the search box: a new search when the word differs from the last one, else the next
// match. A match makes its library and group current and marks it with the blinking pointer;
// nothing found says so in the box.
void Search_Enter(App& app);
// mode 1 a new search of the word in SearchTerm, 2 the next match.
void Searchit(App& app, int mode);
// The marker blinks red and white.
void PointerTimer_Timer(App& app);

}  // namespace mirvo
