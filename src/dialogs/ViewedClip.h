#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mirvo {

namespace platform {
class File;
}

// What the clip viewer shows of a clip data file, read with the bounded scanner of the clip
// files: every record is visited, so that the viewer knows of every format a text edit would
// replace.
struct ViewedClip {
    bool empty = true;      // no formats at all: the text boxes stay empty and editable
    bool shortcut = false;  // a launch-pad shortcut, never shown as text
    bool hasText = false;
    std::string text;  // the first plain-text record, up to its terminating NUL
    bool hasPicture = false;
    std::vector<std::uint8_t> picture;  // the first device-independent bitmap, packed
    // A format other than plain text, OEM text and locale: saving changed text loses it.
    bool hasOtherFormats = false;
    // The text or the picture could not be had for memory.
    bool outOfMemory = false;
};

inline constexpr const char* kInsufficientMemoryText = "Insufficient Memory to show this clip.";

ViewedClip ReadViewedClip(platform::File& file);

}  // namespace mirvo
