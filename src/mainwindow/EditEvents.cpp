// Every event of the main window's controls, connected to its handler. The handlers live in
// their subsystems; this is the one place that says which control runs which of them.

#include <vector>

#include "app/App.h"
#include "app/Modes.h"
#include "clipboard/CaptureButtons.h"
#include "clipboard/Monitor.h"
#include "display/DisplayModes.h"
#include "display/Highlight.h"
#include "display/PanelMouse.h"
#include "dragdrop/DragStart.h"
#include "dragdrop/Drops.h"
#include "edge/EdgeWatch.h"
#include "forms/FormsHost.h"
#include "help/HelpButtons.h"
#include "launchpad/LaunchButton.h"
#include "libraries/FolderWatch.h"
#include "libraries/LibForm.h"
#include "mainwindow/ClipClicks.h"
#include "mainwindow/Edit.h"
#include "options/OpenOptions.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "paste/HotKeys.h"
#include "paste/PasteButtons.h"
#include "paste/PasteEngine.h"
#include "platform/Clipboard.h"
#include "platform/KeyboardHook.h"
#include "platform/MouseHook.h"
#include "search/SearchBox.h"
#include "search/Searchit.h"

namespace mirvo {

namespace {

using forms::MouseButton;

// The mouse over a panel label, common to the four panels: it hovers, or drags the label.
void ConnectPanelLabel(App& app, forms::Label& label, int pos) {
    label.OnMouseDown = [&app, &label](MouseButton b, int, int x, int y) {
        Source_MouseDown(app, label, b, x, y);
    };
    label.OnMouseMove = [&app, &label, pos](MouseButton b, int, int x, int y) {
        PanelSource_MouseMove(app, label, pos, b, x, y);
    };
}

// A clip of the clipboard, group clip or transfer slot panel: a click pastes it, a right click
// opens it for editing.
template <class Click>
void ConnectClipLabel(App& app, forms::Label& label, int pos, int source, int index, Click click) {
    ConnectPanelLabel(app, label, pos);
    label.OnMouseUp = [&app, source, index](MouseButton b, int, int, int) {
        ClipLabel_MouseUp(app, source, index, b);
    };
    label.OnClick = click;
}

void ConnectClipboardPanel(App& app, ClipboardPanel& panel) {
    for (int i = 0; i < 9; ++i) {
        ConnectClipLabel(app, *panel.ClipboardClip[static_cast<size_t>(i)],
                         kFirstClipboardClipPos + i, ClipSource::ClipboardClip, i,
                         [&app, i] { ClipboardClip_Click(app, i); });
    }
    panel.ClearBtn.OnMouseUp = [&app](MouseButton b, int, int, int) { ClearBtn_MouseUp(app, b); };
    for (int i = 0; i < 4; ++i) {
        panel.SizerBtn[static_cast<size_t>(i)]->OnMouseUp =
            [&app, i](MouseButton b, int, int, int) { SizerBtn_MouseUp(app, i, b); };
    }
    panel.TopBtn0.OnMouseUp = [&app](MouseButton b, int, int, int) { TopBtn_MouseUp(app, 0, b); };
    panel.CtrlFrame0.OnMouseUp = [&app](MouseButton b, int, int, int) {
        PanelFrame_MouseUp(app, PanelFrame::ClipboardClips, b);
    };
}

void ConnectGroupPanels(App& app, GroupPanels& panels) {
    for (int n = 0; n < 96; ++n) {
        forms::Label& item = *panels.item[static_cast<size_t>(n)];
        ConnectClipLabel(app, item, kFirstGroupClipPos + n, ClipSource::GroupClip, n,
                         [&app, n] { item_Click(app, n); });
        item.OnDragDrop = [&app, n](forms::Control& source, int, int) {
            item_DragDrop(app, n, source);
        };
    }
    for (int k = 0; k < 8; ++k) {
        forms::Label& slot = *panels.Trans[static_cast<size_t>(k)];
        ConnectClipLabel(app, slot, kFirstTransferSlotPos + k, ClipSource::TransferSlot, k,
                         [&app, k] { Trans_Click(app, k); });
        slot.OnDragDrop = [&app, k](forms::Control& source, int, int) {
            Trans_DragDrop(app, k, source);
        };
    }
    for (int g = 0; g < 32; ++g) {
        forms::Label& name = *panels.Group[static_cast<size_t>(g)];
        ConnectPanelLabel(app, name, kFirstGroupNamePos + g);
        name.OnMouseUp = [&app, g](MouseButton b, int, int, int) { GroupName_MouseUp(app, g, b); };
        name.OnClick = [&app, g] { GroupName_Click(app, g); };
        name.OnDragOver = [&app, g](forms::Control& source, int, int, forms::DragState) {
            Group_DragOver(app, g, source);
        };
        name.OnDragDrop = [&app, g](forms::Control& source, int, int) {
            Group_DragDrop(app, g, source);
        };
    }
    for (int c = 1; c <= 3; ++c) {
        panels.TopBtn[static_cast<size_t>(c)]->OnMouseUp = [&app, c](MouseButton b, int, int, int) {
            TopBtn_MouseUp(app, c, b);
        };
    }
    panels.CtrlFrame1.OnMouseUp = [&app](MouseButton b, int, int, int) {
        PanelFrame_MouseUp(app, PanelFrame::GroupClips, b);
    };
    panels.Frame1.OnMouseUp = [&app](MouseButton b, int, int, int) {
        PanelFrame_MouseUp(app, PanelFrame::GroupNames, b);
    };
    panels.Frame2.OnMouseUp = [&app](MouseButton b, int, int, int) {
        PanelFrame_MouseUp(app, PanelFrame::TransferSlots, b);
    };
}

// The drop targets that show while something is dragged; a move over one without a drag ends
// the drag's display.
void ConnectDropTargets(App& app, ControlPanel& panel) {
    auto endOnMove = [&app](forms::Control& target) {
        target.OnMouseMove = [&app](MouseButton, int, int, int) { Hidetrash(app); };
    };
    std::vector<forms::Control*> erase(panel.TrashLabel.begin(), panel.TrashLabel.end());
    erase.push_back(panel.TrashPicture);
    for (forms::Control* trash : erase) {
        endOnMove(*trash);
        trash->OnDragDrop = [&app](forms::Control& source, int, int) {
            TrashLabel_DragDrop(app, source);
        };
    }
    for (forms::Control* cache : {static_cast<forms::Control*>(&panel.BulkDropPicture),
                                  static_cast<forms::Control*>(&panel.BulkDrop)}) {
        endOnMove(*cache);
        cache->OnDragDrop = [&app](forms::Control& source, int, int) {
            BulkDrop_DragDrop(app, source);
        };
    }
    std::vector<forms::Control*> paste(panel.BulkPastelabel.begin(), panel.BulkPastelabel.end());
    paste.push_back(&panel.BulkPaste);
    for (forms::Control* target : paste) {
        endOnMove(*target);
        target->OnDragDrop = [&app](forms::Control& source, int, int) {
            BulkPaste_DragDrop(app, source);
        };
    }
}

void ConnectControlPanel(App& app, ControlPanel& panel) {
    panel.LibLabel.OnMouseUp = [&app](MouseButton b, int, int, int) {
        LibLabel_MouseUp(app, b, LibraryLabelPart::Label);
    };
    panel.LibLabelFrame.OnMouseUp = [&app](MouseButton b, int, int, int) {
        LibLabel_MouseUp(app, b, LibraryLabelPart::Frame);
    };
    panel.LaunchBtn.OnMouseUp = [&app](MouseButton b, int, int, int) { LaunchBtn_MouseUp(app, b); };
    for (int i = 0; i < 5; ++i) {
        panel.ClipMode[static_cast<size_t>(i)]->OnMouseUp =
            [&app, i](MouseButton b, int, int, int) { ClipMode_MouseUp(app, i, b); };
    }
    panel.TextOnlyBtn.OnMouseUp = [&app](MouseButton b, int, int, int) {
        TextOnlyBtn_MouseUp(app, b);
    };
    panel.HotKeyOnOff.OnMouseUp = [&app](MouseButton b, int, int, int) {
        HotKeyOnOff_MouseUp(app, b);
    };
    panel.Search.OnGotFocus = [&app] { Search_GotFocus(app); };
    panel.Search.OnLostFocus = [&app] { Search_LostFocus(app); };
    panel.Search.OnMouseUp = [&app](MouseButton b, int, int, int) { Search_MouseUp(app, b); };
    panel.Search.OnKeyDown = [](int& keyCode, int) { Search_Key(keyCode); };
    panel.Search.OnKeyPress = [](int& keyAscii) { Search_Key(keyAscii); };
    panel.Search.OnKeyUp = [](int& keyCode, int) { Search_Key(keyCode); };
    panel.OptionButton.OnMouseUp = [&app](MouseButton b, int, int, int) {
        OptionButton_MouseUp(app, b);
    };
    panel.HelpButton.OnMouseUp = [&app](MouseButton b, int, int, int) {
        HelpButton_MouseUp(app, b);
    };
    panel.TutorialBtn.OnMouseUp = [&app](MouseButton b, int, int, int) {
        TutorialBtn_MouseUp(app, b);
    };
    panel.UpgradeBtn.OnMouseUp = [&app](MouseButton b, int, int, int) {
        UpgradeBtn_MouseUp(app, b);
    };
    panel.Minimize.OnMouseUp = [&app](MouseButton, int, int, int) { Minimize_MouseUp(app); };
    panel.NoMinimizeBtn.OnMouseUp = [&app](MouseButton, int, int, int) {
        NoMinimizeBtn_MouseUp(app);
    };
    for (int i = 0; i < 3; ++i) {
        panel.CaptureMode[static_cast<size_t>(i)]->OnMouseUp =
            [&app, i](MouseButton b, int, int, int) { CaptureMode_MouseUp(app, i, b); };
    }
    forms::OptionButton& bulk = *panel.CaptureMode[Capture::Bulk];
    bulk.OnMouseDown = [&app, &bulk](MouseButton b, int, int x, int y) {
        Source_MouseDown(app, bulk, b, x, y);
    };
    bulk.OnMouseMove = [&app, &bulk](MouseButton b, int, int x, int y) {
        Source_MouseMove(app, bulk, b, x, y);
    };
    ConnectDropTargets(app, panel);
}

// The system-wide hooks and the clipboard report to the main window; each report runs as an
// event does.
void ConnectHooks(App& app) {
    if (platform::KeyboardHook* hook = app.os.keyboardHook) {
        hook->OnKeyUp = [&app](const platform::HookKeyEvent& e) {
            app.os.forms.RunGuarded([&] { HotKeyUp(app, e.keyCode, e.modifiers, e.window); });
        };
    }
    app.os.clipboard.OnChange = [&app] { app.os.forms.RunGuarded([&] { ClipboardChanged(app); }); };
    if (platform::MouseHook* hook = app.os.mouseHook) {
        hook->OnMouse = [&app](const platform::HookMouseEvent& e) {
            app.os.forms.RunGuarded([&] { WaitForClick_MouseEvent(app, e); });
        };
    }
}

}  // namespace

void Edit::ConnectEvents() {
    App& app = m_app;
    Timer1.OnTimer = [&app] {
        PollClipboard(app);
        ShowOthersChanges(app);
        WakeEdgeWatch(app);
    };
    Hotkeytimer.OnTimer = [&app] { Hotkeytimer_Timer(app); };
    PointerTimer.OnTimer = [&app] { PointerTimer_Timer(app); };
    TimerEdge.OnTimer = [&app] { TimerEdge_Timer(app); };
    TimerEdgeOff.OnTimer = [&app] { TimerEdgeOff_Timer(app); };
    Pointer.OnClick = [&app] { HoldFocus(app); };
    holdfocus.OnGotFocus = [&app] { FocusHolderReset(app); };
    ConnectClipboardPanel(app, clipboardPanel);
    ConnectGroupPanels(app, groupPanels);
    ConnectControlPanel(app, controlPanel);
    ConnectHooks(app);
}

}  // namespace mirvo
