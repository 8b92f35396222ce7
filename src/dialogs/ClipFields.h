#pragma once

#include <array>
#include <vector>

namespace mirvo {

class App;
namespace forms {
class OptionButton;
class TextBox;
}  // namespace forms

// What the clip viewer and the clip settings share when they save.

// A blank title is refused: two tones, the words "A title is required." in the box, the focus
// there. True when refused.
bool RefuseBlankTitle(App& app, forms::TextBox& title);
// The edit context takes the title (padded to 50 characters), the first chosen paste mode (kept
// when none is chosen) and, with "Group Clr" chosen, colour 0.
void TakeClipFields(App& app, const forms::TextBox& title,
                    const std::array<forms::OptionButton*, 5>& pasteModes,
                    const std::vector<forms::OptionButton*>& swatches);

}  // namespace mirvo
