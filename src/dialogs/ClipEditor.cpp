#include "dialogs/ClipEditor.h"

#include <algorithm>
#include <memory>

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/EditContext.h"
#include "app/Modes.h"
#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "clipboard/ClipDataFile.h"
#include "clipboard/Restore.h"
#include "dialogs/Groupnamer.h"
#include "dialogs/SettingsForm.h"
#include "dialogs/ViewForm.h"
#include "files/DataFile.h"
#include "forms/FormsHost.h"
#include "launchpad/ShortcutEditor.h"
#include "panels/MainForm.h"
#include "panels/PanelColor.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "platform/Desktop.h"
#include "store/Groups.h"
#include "store/StoreColors.h"

namespace mirvo {

namespace {

bool IsShortcutFile(App& app, const std::string& path) {
    files::DataFile file = files::OpenDataFile(app.os.files, path);
    return ScanClipFile(file.Raw(), [](const StoredFormat&) { return false; }).layout ==
           ClipLayout::Shortcut;
}

// A form of the given size at left, top, moved inside the screen.
void PlaceOnScreen(App& app, forms::Form& form, int left, int top) {
    const forms::ScreenMetrics screen = app.os.forms.Screen();
    left = std::clamp(left, 0, std::max(0, screen.widthTwips - form.Width()));
    top = std::clamp(top, 0, std::max(0, screen.heightTwips - form.Height()));
    form.Move(left, top, form.Width(), form.Height());
}

// Where a control of the main window is on the screen, in twips.
struct ScreenPoint {
    int left = 0;
    int top = 0;
};
ScreenPoint OnScreen(App& app, const forms::Control& control) {
    const MainForm& main = app.MainWindow();
    ScreenPoint at{main.Left() + (main.Width() - main.ScaleWidth()) / 2,
                   main.Top() + app.CaptionHeight};
    for (const forms::Control* c = &control; c; c = c->Container()) {
        at.left += c->Left();
        at.top += c->Top();
    }
    return at;
}

}  // namespace

void OpenClipEditor(App& app, int source, int index) {
    if (app.editing.EditorOpen) {
        return;
    }
    int pos = kFirstClipboardClipPos + index;
    if (source == ClipSource::ClipboardClip) {
        // A slot beyond the history may still hold the file of a cleared one.
        if (index < 0 || index >= app.clip.ClipboardClipCount) {
            return;
        }
    } else {
        const bool group = source == ClipSource::GroupClip;
        if (index < 0 || index >= (group ? store::kSlotCount : store::kTransferSlotCount)) {
            return;
        }
        pos = (group ? kFirstGroupClipPos : kFirstTransferSlotPos) + index;
        if (IsShortcutFile(app,
                           ClipDataPath(app, group ? ClipKind::Hot : ClipKind::Trans, index))) {
            OpenShortcutEditor(app, source, index);
            return;
        }
    }
    EditContext edit;
    edit.EditSource = source;
    edit.EditIndex = index;
    edit.EditGroup = app.settings.CurrentGroup;
    edit.EditColor = static_cast<std::int32_t>(TrueColor(app, pos));

    // The editor of the last opening is unloaded by now; a new one takes its place.
    app.editing.Editor.reset();
    auto editor = std::make_unique<view>(app, edit);
    view& viewer = *editor;
    app.editing.Editor = std::move(editor);
    app.editing.EditorOpen = true;
    if (source == ClipSource::ClipboardClip) {
        viewer.Frame1.SetVisible(false);
        for (forms::OptionButton* option : viewer.PasteOption) {
            option->SetVisible(false);
        }
        viewer.Label1[1]->SetVisible(false);
    }
    viewer.Show(forms::ShowMode::Modeless);
    app.os.desktop.SetTopmost(viewer.hWnd(), true);
}

void OpenGroupnamer(App& app, int group) {
    if (group < 0 || group >= store::kGroupCount || group == store::kHotKeyGroup) {
        return;
    }
    const std::int32_t stored = ReadGroupNameColors(app)[static_cast<size_t>(group)];
    Groupnamer namer(app, group, stored);
    namer.title.SetText(PanelTitle(app, kFirstGroupNamePos + group));
    MainForm& main = app.MainWindow();
    const ScreenPoint name = OnScreen(app, *main.groupPanels.Group[static_cast<size_t>(group)]);
    PlaceOnScreen(app, namer, main.Left() + main.Width(), name.top - app.CaptionHeight);
    namer.Show(forms::ShowMode::Modal);
    SaveGroupNames(app);
    // The group named is the current one: it keeps its mark; its colour shows when another
    // group is chosen.
    MarkCurrentGroupName(app);
}

bool OpenClipSettings(App& app, int slot, const std::string& title) {
    if (slot < 0 || slot >= store::kSlotCount) {
        return false;
    }
    EditContext edit;
    edit.EditSource = ClipSource::GroupClip;
    edit.EditIndex = slot;
    edit.EditGroup = app.settings.CurrentGroup;
    edit.EditColor = 0;
    Settings settings(app, edit);
    settings.title.SetText(title);
    const forms::Label& label = *app.MainWindow().groupPanels.item[static_cast<size_t>(slot)];
    const ScreenPoint at = OnScreen(app, label);
    PlaceOnScreen(app, settings, at.left + label.Width(), at.top);
    settings.Show(forms::ShowMode::Modal);
    return settings.Saved();
}

}  // namespace mirvo
