#include "mainwindow/PanelEvents.h"

#include "app/App.h"
#include "forms/FormsHost.h"
#include "help/QuickHelp.h"
#include "mainwindow/DisplayModes.h"
#include "mainwindow/Edit.h"
#include "mainwindow/Highlight.h"
#include "mainwindow/Layout.h"
#include "startup/Settings.h"
#include "store/Groups.h"
#include "store/Libraries.h"
#include "store/PanelColor.h"
#include "store/StoreColors.h"
#include "store/StoreLayout.h"

namespace mirvo {

namespace {

using forms::MouseButton;

void FocusHoldfocus(App& app) {
    try {
        app.MainWindow().holdfocus.SetFocus();
    } catch (const forms::InvalidFocus&) {
    }
}

// The mouse over a panel label: the drag targets go, and the highlight follows the mouse when
// the user chose so.
void MouseOver(App& app, int pos) {
    HideDropTargets(app);
    if (app.settings.HighlightWithMouse == 1 && app.editing.EditorOpen != 1) {
        MoveHighlight(app, pos);
    }
}

void WireLabel(App& app, forms::Label& label, int pos) {
    label.OnMouseMove = [&app, pos](MouseButton, int, int, int) { MouseOver(app, pos); };
    label.OnMouseUp = [&app](MouseButton button, int, int, int) {
        app.display.ClickButton = static_cast<int>(button);
        app.display.DragArmed = 0;
    };
}

// The group's name back in its own colour, from the colour file or the default.
void UnmarkGroupName(App& app, int group) {
    Edit& edit = app.MainWindow();
    const std::vector<std::int32_t> colors = ReadGroupNameColors(app);
    const std::int32_t stored = colors[static_cast<size_t>(group)];
    const auto color =
        static_cast<forms::Color>(stored != 0 ? stored : app.settings.GroupNameColor);
    ShowTrueColor(app, store::kFirstGroupNamePos + group,
                  *edit.groupPanels.Group[static_cast<size_t>(group)], color);
}

}  // namespace

void Group_Click(App& app, int group) {
    if (app.editing.EditorOpen == 1) {
        return;
    }
    FocusHoldfocus(app);
    app.display.DragArmed = 0;
    const bool right = app.display.ClickButton == static_cast<int>(MouseButton::Right);
    if (group == store::kHotKeyGroup) {
        if (app.CurrentLibrary == store::kLaunchPadLibrary) {
            return;
        }
        if (right) {
            app.display.ClickButton = 1;
            ShowQuickHelp(app, 11);
            return;
        }
    }
    AppSettings& s = app.settings;
    if (!right && group == s.CurrentGroup) {
        return;
    }
    if (s.CurrentGroup >= 0 && s.CurrentGroup < store::kGroupCount) {
        UnmarkGroupName(app, s.CurrentGroup);
    }
    s.CurrentGroup = static_cast<std::int16_t>(group);
    MarkCurrentGroupName(app);
    SetGroupDataPrefix(app);
    SaveSettings(app);
    LoadGroup(app);
    // The Diary's day labels follow the month.
    LabelClipKeys(app);
    ArrangeGroupClips(app);
}

void HideDropTargets(App& app) {
    ControlPanel& panel = app.MainWindow().controlPanel;
    panel.BulkDropPicture.SetVisible(false);
    for (forms::Label* trash : panel.TrashLabel) {
        trash->SetVisible(false);
    }
    panel.BulkPaste.SetVisible(false);
}

void WirePanelEvents(App& app, Edit& edit) {
    for (int i = 0; i < 9; ++i) {
        WireLabel(app, *edit.clipboardPanel.ClipboardClip[static_cast<size_t>(i)], i);
    }
    GroupPanels& groups = edit.groupPanels;
    for (int n = 0; n < store::kSlotCount; ++n) {
        WireLabel(app, *groups.item[static_cast<size_t>(n)], store::kFirstGroupClipPos + n);
    }
    for (int t = 0; t < store::kTransferSlotCount; ++t) {
        WireLabel(app, *groups.Trans[static_cast<size_t>(t)], store::kFirstTransferSlotPos + t);
    }
    for (int g = 0; g < store::kGroupCount; ++g) {
        forms::Label& name = *groups.Group[static_cast<size_t>(g)];
        WireLabel(app, name, store::kFirstGroupNamePos + g);
        name.OnClick = [&app, g] { Group_Click(app, g); };
        name.OnMouseUp = [&app, g](MouseButton button, int, int, int) {
            app.display.ClickButton = static_cast<int>(button);
            app.display.DragArmed = 0;
            if (button == MouseButton::Right) {
                Group_Click(app, g);
            }
        };
    }

    for (int i = 0; i < 4; ++i) {
        edit.clipboardPanel.SizerBtn[static_cast<size_t>(i)]->OnMouseUp =
            [&app, i](MouseButton b, int, int, int) { SizerBtn_MouseUp(app, i, b); };
    }
    edit.clipboardPanel.TopBtn0.OnMouseUp = [&app](MouseButton b, int, int, int) {
        TopBtn_MouseUp(app, 0, b);
    };
    for (int c = 1; c <= 3; ++c) {
        groups.TopBtn[static_cast<size_t>(c)]->OnMouseUp = [&app, c](MouseButton b, int, int, int) {
            TopBtn_MouseUp(app, c, b);
        };
    }

    auto frameHelp = [&app](forms::Frame& frame, auto topic) {
        frame.OnMouseUp = [&app, topic](MouseButton b, int, int, int) {
            if (b == MouseButton::Right) {
                ShowQuickHelp(app, topic());
            }
        };
    };
    frameHelp(edit.clipboardPanel.CtrlFrame0, [] { return 2; });
    frameHelp(groups.CtrlFrame1,
              [&app] { return app.settings.CurrentGroup == store::kHotKeyGroup ? 11 : 9; });
    frameHelp(groups.Frame1, [] { return 10; });
    frameHelp(groups.Frame2, [] { return 8; });

    edit.holdfocus.OnGotFocus = [&app] { FocusHolderReset(app); };
    ControlPanel& panel = edit.controlPanel;
    panel.Search.OnGotFocus = [&app] {
        Edit& e = app.MainWindow();
        if (app.editing.EditorOpen == 1) {
            app.RefusalTones();
            FocusHoldfocus(app);
            return;
        }
        e.controlPanel.Search.SetText("");
        app.display.SearchActive = 1;
    };
}

}  // namespace mirvo
