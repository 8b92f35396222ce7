// Every event of the bulk-cache message's controls, connected to its handler.

#include "clipboard/BulkFullForm.h"

namespace mirvo {

void BulkFullForm::ConnectEvents() {
    OKBtn.OnClick = [this] { Unload(); };
}

}  // namespace mirvo
