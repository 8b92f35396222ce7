#pragma once

#include <cstdint>

#include "forms/Types.h"

namespace mirvo {

class App;

// System-wide hot keys, watched by the keyboard hook: Alt with a letter pastes a clip of the
// "Hot Key Clips" group, Ctrl with a digit a clipboard clip, Ctrl+0 clears the history, the
// bulk key starts the bulk paste, Ctrl+minus and Ctrl+plus switch the hot keys off and on, and
// the paste activation key brings the minimized main window up.

// Switches the hot keys on: Alt+letter for every titled clip of "Hot Key Clips", the Ctrl keys
// and the bulk key.
void RegisterHotKeys(App& app);
// Switches them off; Ctrl+plus stays watched to switch them on again.
void UnregisterHotKeys(App& app);
// The paste activation key: Shift+Insert, Ctrl+V or both.
void SetPasteActivationKey(App& app);
// The bulk paste key: Ctrl+Insert, or Ctrl+B (and Ctrl+Shift+B).
void ApplyBulkKeys(App& app);
// A watched key combination was released: modifiers 1 Shift, 2 Ctrl, 4 Alt.
void HotKeyUp(App& app, int keyCode, int modifiers);
// The "Hot Keys Off" button.
void HotKeyOnOff_MouseUp(App& app, forms::MouseButton button);
// The keyboard hook starts watching: Ctrl+plus always (it switches the hot keys on again).
void StartHotKeys(App& app);

}  // namespace mirvo
