#pragma once

#include <string>

namespace mirvo {

class App;

// The file a capture writes before it joins the history: "clip." & tag & ".tmp" in the data
// folder, the tag unique to this instance, so that instances sharing the folder never capture
// into one file.
std::string CaptureFilePath(const App& app);

// Writes every format of the open clipboard that lives in global memory into the capture file
// of the data folder, in the current layout; sets ClipText (the text up to its first NUL) and
// ClipHasText from the plain-text format. The caller opened the clipboard and closes it.
void CaptureClipboard(App& app);

// Whether the clipboard's content asks not to be recorded (as password managers mark secrets).
bool ContentAsksNotToBeRecorded(App& app);

}  // namespace mirvo
