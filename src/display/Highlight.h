#pragma once

namespace mirvo {

class App;

// The keyboard highlight over the panels of the main window: one label at HighlightPos shows
// the system highlight colours while its true colour waits in HighlightColor.

// Whether the label at a position can be seen: shown, inside its frames and the window.
bool PositionOnScreen(App& app, int pos);
// Moves the highlight to pos.
void MoveHighlight(App& app, int pos);
// Removes the highlight and puts it on the first clipboard clip; the current group's name is
// shown marked.
void ResetHighlight(App& app);
// What the focus holder does when it gets the focus: the search ends and the highlight goes to
// the top of what the display shows.
void FocusHolderReset(App& app);
// Moves the highlight by a navigation key; the highlight never lands on a control that cannot
// be seen. Returns false when the key does not move it.
bool NavigateHighlight(App& app, int keyCode);

}  // namespace mirvo
