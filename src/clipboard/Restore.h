#pragma once

#include <string>

namespace mirvo {

class App;

// Where a stored clip lives: the history, a transfer slot, the bulk cache, a clip of the
// current group, or a clip of the "Hot Key Clips" group.
enum class ClipKind { Clip, Trans, Bulk, Hot, HotKey };

std::string ClipDataPath(const App& app, ClipKind kind, int n);

// How a restored clip's bytes reach the clipboard: at once, or when a program asks for them,
// which tells that the program is reading the clip (a paste waits for that).
enum class HandOver { Now, OnRequest };

// Puts stored clip n of a kind on the clipboard with all three marker formats, so that no
// monitor takes it for new content. A format the system refuses is left out. True when the
// clip reached the clipboard; false when it did not (a shortcut, a clipboard another program
// kept, a block that could not be allocated): then nothing must be pasted. A missing file is
// created empty and gives an empty clipboard. A read error of the file is thrown, with the
// clipboard closed.
bool Loadclipboard(App& app, ClipKind kind, int n, HandOver handOver = HandOver::Now);

}  // namespace mirvo
