#pragma once

namespace mirvo {

class App;

// Registers "Oldfolio", "QuilletData" and "PictavoData" into MarkerFormats, with Timer1
// stopped meanwhile.
void RegisterMarkerFormats(App& app);
// Opens the clipboard for the main window, trying a bounded number of times while serving
// window messages; false when another program kept it.
bool OpenClipboardRetrying(App& app);
// Puts marker formats 0..lastIndex ("ok" in its own block each) on the clipboard, which the
// caller opened, and closes it.
void MarkClipboard(App& app, int lastIndex);

}  // namespace mirvo
