#pragma once

#include <cstdint>

namespace mirvo {

// The clip being edited: set by the main window before it opens a clip dialog, consumed by the
// store's save of an edited clip. (The title and text travel in ClipboardState.)
struct EditContext {
    int EditSource = 0;  // 1 clipboard clip, 2 group clip, 3 transfer slot
    int EditIndex = 0;   // index in its panel; 1000 and up: a shortcut made from the clipboard
    int EditGroup = 0;   // the group of a group clip
    int EditTextChanged = 0;
    std::uint8_t EditPasteMode = 3;
    std::int32_t EditColor = 0;  // 0: the panel's default colour
    int EditorOpen = 0;
};

}  // namespace mirvo
