#pragma once

namespace mirvo {

class App;
struct EditContext;

// Commits the edit context of a clip dialog (with the title and text in ClipboardState): a
// clipboard clip's new title, or its text as a new clip when the text changed or the clip left
// the history; a group clip's or transfer slot's title, paste mode, colour and (when changed)
// text. A group clip of another group shows its group first.
void SaveEditedClip(App& app, const EditContext& edit);

// Whether the group clip's or transfer slot's data file is gone since the dialog opened: another
// instance moved or erased the clip. A title saved alone there would name no data.
bool EditedClipEmptied(App& app, const EditContext& edit);

}  // namespace mirvo
