// Every event of the viewer's warning's controls, connected to its handler.

#include "dialogs/WarnForm.h"

namespace mirvo {

void warn::ConnectEvents() {
    Command1.OnGotFocus = [this] { Command1_GotFocus(); };
    Command1.OnClick = [this] { Unload(); };
}

}  // namespace mirvo
