// Every event of the bulk paste window's controls, connected to its handler.

#include "paste/BulkForm.h"

namespace mirvo {

void BulkForm::ConnectEvents() {
    for (size_t i = 0; i < spaceoption.size(); ++i) {
        const int index = static_cast<int>(i);
        spaceoption[i]->OnClick = [this, index] { spaceoption_Click(index); };
    }
    Text1.OnGotFocus = [this] { Text1_GotFocus(); };
    Text1.OnLostFocus = [this] { Text1_LostFocus(); };
    OKBtn.OnClick = [this] { OKBtn_Click(); };
    CancelBtn.OnClick = [this] { CancelBtn_Click(); };
}

}  // namespace mirvo
