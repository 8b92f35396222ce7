// Every event of the launch error window's controls, connected to its handler.

#include "launchpad/Errors.h"

namespace mirvo {

void Errors::ConnectEvents() {
    OKBtn.OnClick = [this] { Unload(); };
}

}  // namespace mirvo
