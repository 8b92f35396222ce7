#pragma once

namespace mirvo {

class App;

inline constexpr const char* kCaptureFileName = "clip.tmp";

// Writes every format of the open clipboard that lives in global memory into "clip.tmp" of the
// data folder, in the current layout; sets ClipText (the text up to its first NUL) and
// ClipHasText from the plain-text format. The caller opened the clipboard and closes it.
void CaptureClipboard(App& app);

// Whether the clipboard's content asks not to be recorded (as password managers mark secrets).
bool ContentAsksNotToBeRecorded(App& app);

}  // namespace mirvo
