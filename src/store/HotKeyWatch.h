#pragma once

namespace mirvo {

class App;

// The keys the system-wide keyboard hook watches: Alt with a letter for every titled clip of the
// "Hot Key Clips" group, Ctrl with a digit for the clipboard clips, Ctrl+0, Ctrl+minus and
// Ctrl+plus, the bulk paste key and the paste activation key. What they do when pressed is the
// paste engine's (paste/HotKeys.h).

// Switches the hot keys on: Alt+letter for every titled clip of "Hot Key Clips", the Ctrl keys
// and the bulk key.
void RegisterHotKeys(App& app);
// Watches Alt with the letter of slot n of "Hot Key Clips", a clip that was just titled, unless
// the hot keys are switched off.
void WatchHotKeyLetter(App& app, int slot);
// Stops watching the letter of slot n, whose clip was removed.
void UnwatchHotKeyLetter(App& app, int slot);
// Switches them off; Ctrl+plus stays watched to switch them on again.
void UnregisterHotKeys(App& app);
// The paste activation key: Shift+Insert, Ctrl+V or both.
void SetPasteActivationKey(App& app);
// The bulk paste key: Ctrl+Insert, or Ctrl+B (and Ctrl+Shift+B).
void ApplyBulkKeys(App& app);
// The keyboard hook starts watching: Ctrl+plus always (it switches the hot keys on again).
void StartHotKeys(App& app);

}  // namespace mirvo
