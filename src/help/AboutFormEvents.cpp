// Every event of the about window's controls, connected to its handler.

#include "help/AboutForm.h"

namespace mirvo {

void About::ConnectEvents() {
    OKBtn.OnClick = [this] { Unload(); };
}

}  // namespace mirvo
