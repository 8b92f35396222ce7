// Every event of the main help window's controls, connected to its handler.

#include "help/MainHelpForm.h"

namespace mirvo {

void MainHelp::ConnectEvents() {
    TutorialLink.OnClick = [this] { TutorialLink_Click(); };
    for (int i = 1; i <= 8; ++i) {
        // Any mouse button opens the topic.
        Topic[static_cast<size_t>(i)]->OnMouseUp = [this, i](forms::MouseButton, int, int, int) {
            Topic_MouseUp(i);
        };
    }
    OKBtn.OnClick = [this] { Unload(); };
}

}  // namespace mirvo
