#pragma once

#include <cstdint>

#include "app/Modes.h"

namespace mirvo {

// The clip being edited: set by the main window before it opens a clip dialog, consumed by the
// store's save of an edited clip. (The title and text travel in ClipboardState.)
struct EditContext {
    int EditSource = ClipSource::None;
    int EditIndex = 0;  // index in its panel; 1000 and up: a shortcut made from the clipboard
    int EditGroup = 0;  // the group of a group clip
    bool EditTextChanged = false;
    std::uint8_t EditPasteMode = PasteMode::NotSet;
    std::int32_t EditColor = 0;  // 0: the panel's default colour
    bool EditorOpen = false;
};

}  // namespace mirvo
