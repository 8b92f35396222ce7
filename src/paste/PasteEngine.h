#pragma once

#include "clipboard/Restore.h"
#include "forms/Types.h"

namespace mirvo {

class App;
namespace platform {
struct HookMouseEvent;
}

// Pasting a clip into the window the user was working in: the clip goes back on the
// clipboard, the main window gets out of the way, and 150 ms later the focus returns to that
// window and the paste keys are sent, with the extra keys of the "Form Clip" and "Web Page"
// modes.

// Restores a clip for a paste; when it did not reach the clipboard, two tones and false (then
// nothing may be pasted). After a paste from the full window, the window returns to the last
// display.
bool RestoreForPaste(App& app, ClipKind kind, int n);
// A left click on a clip of the three panels pastes it.
void ClipboardClip_Click(App& app, int index);
void item_Click(App& app, int index);
void Trans_Click(App& app, int index);
// The paste timer's tick: the pending paste keys (or the bulk paste).
void Hotkeytimer_Timer(App& app);
// Sends the paste keys to the last foreign window.
void SendPasteKeys(App& app);
// Gives the focus back to the last foreign window, waiting (bounded) until it has it; false when
// there is none or it did not come to the front (closed meanwhile): then no key may be sent.
bool FocusPasteTarget(App& app);
// "Wait for Click": the first button press in another window receives the paste.
void WaitForClick_MouseEvent(App& app, const platform::HookMouseEvent& event);

}  // namespace mirvo
