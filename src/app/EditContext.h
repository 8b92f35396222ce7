#pragma once

#include <cstdint>
#include <memory>

#include "app/Modes.h"

namespace mirvo {

namespace forms {
class Form;
class TextBox;
}  // namespace forms

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

    // The clip editor, kept until the next one opens (it is modeless), and the text box in view
    // while it is open: a clip clicked meanwhile pastes its text there.
    std::unique_ptr<forms::Form> Editor;
    forms::TextBox* EditorText = nullptr;
    // The editor shows the text that does not wrap; kept until the program ends.
    bool WordWrapOff = false;
    // The paste option last clicked in the clip settings, chosen again when they next open.
    int LastPasteOption = PasteMode::Clip;
};

}  // namespace mirvo
