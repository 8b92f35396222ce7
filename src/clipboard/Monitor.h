#pragma once

#include <string>

#include "platform/Desktop.h"

namespace mirvo {

class App;

// The title of a clip from its text: cut at the first NUL, leading control characters and
// blanks removed, the first 50 characters, padded with blanks to 50.
std::string MakeClipTitle(const App& app, const std::string& text);

// One poll of the clipboard timer: caption clock, the last foreign foreground window, the
// window position, hiding a minimized window without taskbar icon, and the capture of new
// clipboard content into the history. The timer always runs again afterwards.
void PollClipboard(App& app);

// The system reports a clipboard change: new content is captured at once, unless a restore or
// paste of this program has the poll paused.
void ClipboardChanged(App& app);

// Notes a window the user works in as the target of the next paste, unless it is 0 or one of
// the program's own windows.
void TrackForeignWindow(App& app, platform::WindowHandle window);

// Empties the clipboard history and the bulk cache.
void ClearClipboardClips(App& app);

}  // namespace mirvo
