#pragma once

namespace mirvo {

class App;

// Commits the edit context filled by the clip editors: a clipboard clip's new title or new text,
// or a group clip's or transfer slot's title, paste mode, colour and (when changed) text.
void SaveEditedClip(App& app);

}  // namespace mirvo
