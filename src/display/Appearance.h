#pragma once

namespace mirvo {

class App;

// Fonts and colours of the main window from the settings: bold or plain fonts, the background
// of the window and its frames, and the colours of every panel.
void ApplyColors(App& app);
// The mouse-pause help captions of the main window's controls, shown or cleared.
void ApplyPopupHelp(App& app, int show);

}  // namespace mirvo
