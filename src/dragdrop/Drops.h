#pragma once

namespace mirvo {

class App;
namespace forms {
class Control;
}

// What a drop on the main window does, by target and by what was dragged there.

// On group clip slot t of the current group: an empty slot takes the clip (a clipboard clip is
// then titled in the clip settings); a move empties the source.
void item_DragDrop(App& app, int slot, forms::Control& source);
// On transfer slot t: an empty slot takes the clip, or a reference to a dragged group.
void Trans_DragDrop(App& app, int slot, forms::Control& source);
// Passing over a group name with a clip opens that group.
void Group_DragOver(App& app, int group, forms::Control& source);
// On group name t: an empty group takes a dragged group, a group carried in a transfer slot,
// or the bulk cache.
void Group_DragDrop(App& app, int group, forms::Control& source);
// On the erase labels: the dragged clip, group or bulk cache is deleted.
void TrashLabel_DragDrop(App& app, forms::Control& source);
// On the bulk-cache label: the clip, or every clip of the group, joins the bulk cache.
void BulkDrop_DragDrop(App& app, forms::Control& source);
// On the bulk-paste target ("TO PASTE", "DROP HERE"): the dragged "Bulk" button starts the bulk
// paste; nothing else is taken.
void BulkPaste_DragDrop(App& app, forms::Control& source);

}  // namespace mirvo
