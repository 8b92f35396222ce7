#pragma once

#include <cstdint>

namespace mirvo::forms {

// A Windows RGB value (&H00BBGGRR), or a system colour &H800000xx.
using Color = std::uint32_t;

inline constexpr Color kSystemColorFlag = 0x80000000u;
inline constexpr Color kWindowBackground = 0x80000005u;
inline constexpr Color kWindowText = 0x80000008u;
inline constexpr Color kHighlight = 0x8000000Du;
inline constexpr Color kHighlightText = 0x8000000Eu;
inline constexpr Color kButtonFace = 0x8000000Fu;
inline constexpr Color kButtonText = 0x80000012u;

constexpr bool IsSystemColor(Color c) { return (c & kSystemColorFlag) != 0; }
constexpr int SystemColorIndex(Color c) { return static_cast<int>(c & 0xFFu); }

constexpr Color Rgb(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// The sixteen classic colours by number (0 black ... 12 light red ... 15 bright white).
constexpr Color QBColor(int n) {
    constexpr Color table[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                 0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    return table[n & 15];
}

}  // namespace mirvo::forms
