#pragma once

#include <string>

#include "files/ByteOrder.h"

namespace mirvo {

class App;

// The clip data file of a clip whose text was edited: Long -1, Long -1, Long length, then the
// text. Every other format of the clip is gone.
files::Bytes TextOnlyClip(const std::string& text);

// Commits the edit context filled by the clip editors: a clipboard clip's new title or new text,
// or a group clip's or transfer slot's title, paste mode, colour and (when changed) text.
void SaveEditedClip(App& app);

}  // namespace mirvo
