#include "launchpad/ShortcutEditor.h"

#include "app/App.h"
#include "app/EditContext.h"
#include "app/Modes.h"
#include "app/StoreLayout.h"
#include "clipboard/Restore.h"
#include "files/AnsiText.h"
#include "launchpad/LaunchPad.h"
#include "panels/PanelColor.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"

namespace mirvo {

namespace {

constexpr int kFromClipboard = 1000;

// editIndex is the slot, or the slot + 1000 for a shortcut to the clipboard's text.
void ShowEditor(App& app, int source, int slot, int editIndex) {
    EditContext edit;
    edit.EditSource = source;
    edit.EditIndex = editIndex;
    edit.EditGroup = app.settings.CurrentGroup;
    const int pos =
        (source == ClipSource::GroupClip ? kFirstGroupClipPos : kFirstTransferSlotPos) + slot;
    edit.EditColor = static_cast<std::int32_t>(TrueColor(app, pos));
    LaunchPad editor(app, edit);
    editor.Show(forms::ShowMode::Modal);
}

bool IsSlot(int source, int index) {
    if (source == ClipSource::GroupClip) {
        return index >= 0 && index < store::kSlotCount;
    }
    return source == ClipSource::TransferSlot && index >= 0 && index < store::kTransferSlotCount;
}

}  // namespace

void OpenShortcutEditor(App& app, int source, int index) {
    if (IsSlot(source, index)) {
        ShowEditor(app, source, index, index);
    }
}

void OpenShortcutFromClipboardClip(App& app, int clip, int slot) {
    if (!IsSlot(ClipSource::GroupClip, slot)) {
        return;
    }
    // The editor reads the clip's text from the clipboard.
    if (!Loadclipboard(app, ClipKind::Clip, clip)) {
        app.RefusalTones();
        return;
    }
    ShowEditor(app, ClipSource::GroupClip, slot, slot + kFromClipboard);
}

void OpenShortcutForEmptySlot(App& app, int slot) {
    if (app.CurrentLibrary != store::kLaunchPadLibrary || !IsSlot(ClipSource::GroupClip, slot) ||
        !files::TrimRight(PanelTitle(app, kFirstGroupClipPos + slot)).empty()) {
        return;
    }
    ShowEditor(app, ClipSource::GroupClip, slot, slot);
}

}  // namespace mirvo
