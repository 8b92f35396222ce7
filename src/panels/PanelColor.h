#pragma once

#include <cstdint>

#include "forms/Color.h"

namespace mirvo {

class App;

// Colours of the panels' labels under the keyboard highlight. The label at HighlightPos shows
// the highlight colours while its true colour waits in HighlightColor; every change of a true
// colour goes through here so that the two never disagree.

// The label at position pos takes color with black text, or, while it carries the highlight,
// keeps showing the highlight and remembers color as its true colour.
void ShowTrueColor(App& app, int pos, forms::Color color);
// The true colour of the label at position pos.
forms::Color TrueColor(App& app, int pos);
// The colour as stored in a colour file: 0 for the panel's default colour.
std::int32_t StoredColor(forms::Color color, std::int32_t defaultColor);

}  // namespace mirvo
