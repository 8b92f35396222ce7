#pragma once

#include <cstdint>
#include <vector>

#include "forms/Color.h"

namespace mirvo {

namespace forms {
class Control;
class Form;
class OptionButton;
}  // namespace forms

// The colour swatches of the clip dialogs and the shortcut editor: a row of graphical option
// buttons "Colr" in the swatch colours, and after them "Group Clr", which means no colour of its
// own (the panel's default). The clip viewer and the clip settings show all 13 colours, the
// group-name form and the shortcut editor the first 12 (no red).
inline constexpr int kClipSwatchColors = 13;
inline constexpr int kGroupSwatchColors = 12;

// The colour of swatch i (0..12) as a Windows RGB value.
forms::Color SwatchColor(int index);

// Adds Colr(0..colors - 1) and Colr(colors) "Group Clr" to frame, in one row from left, top.
std::vector<forms::OptionButton*> AddSwatches(forms::Form& form, forms::Control& frame, int colors,
                                              int left, int top);

// Selects "Group Clr" when color is the default colour (or 0), else the first swatch of that
// colour; none when no swatch has it.
void SelectSwatch(const std::vector<forms::OptionButton*>& swatches, std::int32_t color,
                  std::int32_t defaultColor);

// Whether "Group Clr", the last swatch, is selected.
bool GroupColorSelected(const std::vector<forms::OptionButton*>& swatches);

}  // namespace mirvo
