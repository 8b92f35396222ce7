#pragma once

namespace mirvo {

class App;

// The bulk paste: after BulkForm has given the separator, every item of the bulk cache (or, when
// the cache is empty, of the clipboard history, oldest first) is pasted into the last foreign
// window, with the separator between two items. The hot keys and the clipboard monitor rest
// meanwhile. Run by the bulk key and by dropping the "Bulk" button on "TO PASTE".
void BulkSub(App& app);

}  // namespace mirvo
