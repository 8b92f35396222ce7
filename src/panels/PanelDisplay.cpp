#include "panels/PanelDisplay.h"

#include "app/App.h"
#include "panels/MainForm.h"
#include "panels/Positions.h"

namespace mirvo {

namespace {
constexpr forms::Color kLaunchPadDownColor = forms::QBColor(12);
constexpr forms::Color kLaunchPadUpColor = 0xC0C0FF;

const std::string kNoTitle;
}  // namespace

forms::Label* PanelLabel(App& app, int pos) {
    MainForm& edit = app.MainWindow();
    if (IsClipboardClipPos(pos)) {
        return edit.clipboardPanel.ClipboardClip[static_cast<size_t>(pos)];
    }
    if (IsGroupClipPos(pos)) {
        return edit.groupPanels.item[static_cast<size_t>(pos - kFirstGroupClipPos)];
    }
    if (IsTransferSlotPos(pos)) {
        return edit.groupPanels.Trans[static_cast<size_t>(pos - kFirstTransferSlotPos)];
    }
    if (IsGroupNamePos(pos)) {
        return edit.groupPanels.Group[static_cast<size_t>(pos - kFirstGroupNamePos)];
    }
    return nullptr;
}

const std::string& PanelTitle(App& app, int pos) {
    const forms::Label* label = PanelLabel(app, pos);
    return label ? label->Caption() : kNoTitle;
}

void ShowTitle(App& app, int pos, std::string title) {
    if (forms::Label* label = PanelLabel(app, pos)) {
        label->SetCaption(std::move(title));
    }
}

void DropOldestClipboardTitle(App& app) {
    for (int slot = kFirstClipboardClipPos; slot < kLastClipboardClipPos; ++slot) {
        ShowTitle(app, slot, PanelTitle(app, slot + 1));
    }
    ShowTitle(app, kLastClipboardClipPos, "");
}

void ClearClipboardTitles(App& app) {
    for (int slot = kFirstClipboardClipPos; slot <= kLastClipboardClipPos; ++slot) {
        ShowTitle(app, slot, "");
    }
}

void ShowKeyLabel(App& app, int row, std::string caption, std::string toolTip) {
    forms::Label& key = *app.MainWindow().groupPanels.hotkey.at(static_cast<size_t>(row));
    key.SetCaption(std::move(caption));
    key.SetToolTip(std::move(toolTip));
}

void ClearKeyLabels(App& app) {
    for (int row = 0; row < kRows; ++row) {
        ShowKeyLabel(app, row, "", "");
    }
}

void ColorKeyLabels(App& app, forms::Color color) {
    for (forms::Label* key : app.MainWindow().groupPanels.hotkey) {
        key->SetBackColor(color);
    }
}

const std::string& LibraryLabel(App& app) {
    return app.MainWindow().controlPanel.LibLabel.Caption();
}

void ShowLibraryLabel(App& app, std::string name) {
    app.MainWindow().controlPanel.LibLabel.SetCaption(std::move(name));
}

void ShowLaunchPadButton(App& app, bool down) {
    forms::CommandButton& launch = app.MainWindow().controlPanel.LaunchBtn;
    launch.SetValue(down);
    launch.SetBackColor(down ? kLaunchPadDownColor : kLaunchPadUpColor);
}

void ShowBulkButton(App& app, std::string caption) {
    app.MainWindow().controlPanel.CaptureMode[2]->SetCaption(std::move(caption));
}

void ShowDropTargets(App& app, bool erase, bool bulkCache, bool bulkPaste) {
    ControlPanel& panel = app.MainWindow().controlPanel;
    panel.TrashPicture->SetVisible(erase);
    for (forms::Label* trash : panel.TrashLabel) {
        trash->SetVisible(erase);
    }
    if (erase) {
        panel.TrashPicture->BringToFront();
    }
    panel.BulkDropPicture.SetVisible(bulkCache);
    panel.BulkPaste.SetVisible(bulkPaste);
    if (bulkCache) {
        panel.BulkDropPicture.BringToFront();
    }
    if (bulkPaste) {
        panel.BulkPaste.BringToFront();
    }
}

void HideSearchPointer(App& app) {
    MainForm& edit = app.MainWindow();
    edit.PointerTimer.SetEnabled(false);
    edit.Pointer.SetVisible(false);
}

void HideDropTargets(App& app) {
    ControlPanel& panel = app.MainWindow().controlPanel;
    panel.BulkDropPicture.SetVisible(false);
    panel.TrashPicture->SetVisible(false);
    for (forms::Label* trash : panel.TrashLabel) {
        trash->SetVisible(false);
    }
    panel.BulkPaste.SetVisible(false);
}

void HoldFocus(App& app) {
    app.MainWindow().holdfocus.TrySetFocus();
}

}  // namespace mirvo
