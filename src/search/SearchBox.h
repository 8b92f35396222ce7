#pragma once

namespace mirvo {

class App;

// The search box of the control panel takes the focus: it empties for typing, or refuses while
// a clip editor is open.
void Search_GotFocus(App& app);

}  // namespace mirvo
