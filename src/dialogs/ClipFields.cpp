#include "dialogs/ClipFields.h"

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/EditContext.h"
#include "app/StoreLayout.h"
#include "files/AnsiText.h"
#include "forms/Controls.h"
#include "forms/TextBox.h"
#include "panels/Swatches.h"

namespace mirvo {

bool RefuseBlankTitle(App& app, forms::TextBox& title) {
    if (!files::TrimRight(title.Text()).empty()) {
        return false;
    }
    app.RefusalTones();
    title.SetText("A title is required.");
    title.TrySetFocus();
    return true;
}

void TakeClipFields(App& app, EditContext& edit, const forms::TextBox& title,
                    const std::array<forms::OptionButton*, 5>& pasteModes,
                    const std::vector<forms::OptionButton*>& swatches) {
    if (GroupColorSelected(swatches)) {
        edit.EditColor = 0;
    }
    for (size_t i = 0; i < pasteModes.size(); ++i) {
        if (pasteModes[i]->Value()) {
            edit.EditPasteMode = static_cast<std::uint8_t>(i);
            break;
        }
    }
    app.clip.PendingTitle = app.ansi.Fixed(title.Text(), store::kTitleWidth);
}

}  // namespace mirvo
