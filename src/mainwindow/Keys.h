#pragma once

namespace mirvo {

class App;

// The main window sees every key before its controls.

// Navigation keys move the highlight (when the highlight follows the keyboard); Escape, Enter
// and F1 act on key-up only.
void MainWindow_KeyDown(App& app, int& keyCode, int shift);
// Action keys: digits paste clipboard clips, letters the group's first 26 clips, Enter acts on
// the highlight, Escape minimizes, F1 shows the main help; the search box keeps its keys.
void MainWindow_KeyUp(App& app, int& keyCode, int shift);
// Escape and Enter never reach a control as characters.
void MainWindow_KeyPress(App& app, int& keyAscii);

}  // namespace mirvo
