#pragma once

namespace mirvo {

class App;

// The main window's displays: the full window in its small or large size, a column display
// (the left-hand column, or one of the three columns of group clips), and the clipboard clips
// alone, stacked or in three columns of three.

// The full window for the small or large size.
void ApplyWindowSize(App& app);
// Column display (Column): the full layout, the left-hand column, or one column of group clips.
void ApplyColumnLayout(App& app, int column);
// Puts the nine clipboard clips in three columns of three, or back into one column. The moves
// are relative, so the layout is applied at most once and undone only when applied.
void ApplyHorizontalLayout(App& app, bool apply);
// The vertical clipboard-only display: the clips alone at their own place.
void ApplyVerticalClipboardOnly(App& app);
// The display the settings ask for, when the data folder is loaded.
void ApplyStartupDisplay(App& app);

}  // namespace mirvo
