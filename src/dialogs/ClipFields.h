#pragma once

#include <array>
#include <vector>

namespace mirvo {

class App;
struct EditContext;
namespace forms {
class OptionButton;
class TextBox;
}  // namespace forms

// What the clip viewer and the clip settings share when they save.

// A blank title is refused: two tones, the words "A title is required." in the box, the focus
// there. True when refused.
bool RefuseBlankTitle(App& app, forms::TextBox& title);
// The dialog's edit context takes the first chosen paste mode (kept when none is chosen) and, with
// "Group Clr" chosen, colour 0; the title to store is the title padded to 50 characters.
void TakeClipFields(App& app, EditContext& edit, const forms::TextBox& title,
                    const std::array<forms::OptionButton*, 5>& pasteModes,
                    const std::vector<forms::OptionButton*>& swatches);

}  // namespace mirvo
