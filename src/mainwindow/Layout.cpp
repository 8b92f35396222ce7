#include "mainwindow/Layout.h"

#include "app/App.h"
#include "mainwindow/Appearance.h"
#include "mainwindow/DisplayModes.h"
#include "mainwindow/Edit.h"
#include "mainwindow/Geometry.h"
#include "mainwindow/Highlight.h"
#include "store/StoreLayout.h"

namespace mirvo {

using namespace geometry;

namespace {

bool Large(const App& app) {
    return app.settings.LargeWindow == 1;
}

// The column of group clips shown alone (1..3), or 0 when all columns show.
int ShownGroupColumn(const App& app) {
    const AppSettings& s = app.settings;
    return s.ClipboardOnlyMode == 3 && s.DisplayMode >= 1 && s.DisplayMode <= 3 ? s.DisplayMode : 0;
}

void MoveWindow(Edit& edit, int left, int top, int width) {
    edit.Move(left, top, width, edit.Height());
}

}  // namespace

void ApplyWindowSize(App& app) {
    Edit& edit = app.MainWindow();
    GroupPanels& groups = edit.groupPanels;
    const bool large = Large(app);
    if (edit.WindowState() == forms::WindowState::Maximized) {
        edit.SetWindowState(forms::WindowState::Normal);
    }
    edit.Move(edit.Left(), edit.Top(), large ? kLargeWidth : kSmallWidth,
              (large ? kLargeClientHeight : kSmallClientHeight) + app.CaptionHeight);
    const int frameHeight = large ? kLargeFrameHeight : kSmallFrameHeight;
    groups.CtrlFrame1.SetWidth(large ? kLargeGroupClipsWidth : kSmallGroupClipsWidth);
    groups.CtrlFrame1.SetHeight(frameHeight);
    groups.Frame1.Move(large ? kLargeGroupNamesLeft : kSmallGroupNamesLeft, 0,
                       groups.Frame1.Width(), frameHeight);
    groups.Frame2.SetVisible(large);
    groups.Group[kSmallHiddenRow]->SetVisible(large);
    ArrangeGroupClips(app);
}

void ApplyColumnLayout(App& app, int column) {
    Edit& edit = app.MainWindow();
    GroupPanels& groups = edit.groupPanels;
    ControlPanel& panel = edit.controlPanel;
    const AppSettings& s = app.settings;
    const bool large = Large(app);
    if (column == 5) {
        panel.CPFrame.SetVisible(true);
        MoveWindow(edit, s.WindowLeft, s.WindowTop, edit.Width());
        groups.CtrlFrame1.Move(kGroupClipsLeft, groups.CtrlFrame1.Top(),
                               large ? kLargeGroupClipsWidth : kSmallGroupClipsWidth,
                               groups.CtrlFrame1.Height());
        groups.Frame2.SetVisible(large);
        edit.clipboardPanel.CtrlFrame0.SetVisible(true);
        panel.Minimize.SetVisible(true);
        panel.Search.SetVisible(true);
        panel.TutorialBtn.SetVisible(true);
    } else if (column == 0) {
        panel.CPFrame.SetVisible(true);
        MoveWindow(edit, static_cast<int>(s.CompactLeft), static_cast<int>(s.CompactTop),
                   kLeftColumnWidth);
    } else {
        panel.CPFrame.SetVisible(false);
        MoveWindow(edit, static_cast<int>(s.CompactLeft), static_cast<int>(s.CompactTop),
                   kColumnWidth);
        groups.CtrlFrame1.Move(0, groups.CtrlFrame1.Top(), kColumnFrameWidth,
                               groups.CtrlFrame1.Height());
        groups.Frame2.SetVisible(false);
        edit.clipboardPanel.CtrlFrame0.SetVisible(false);
        panel.Minimize.SetVisible(false);
        panel.Search.SetVisible(false);
        panel.TutorialBtn.SetVisible(false);
    }
    ArrangeGroupClips(app);
}

void ApplyHorizontalLayout(App& app, bool apply) {
    if (apply == app.display.HorizontalApplied) {
        return;
    }
    app.display.HorizontalApplied = apply;
    Edit& edit = app.MainWindow();
    ClipboardPanel& clips = edit.clipboardPanel;
    const int sign = apply ? 1 : -1;
    edit.Move(edit.Left(), edit.Top(), apply ? kHorizontalWidth : kLeftColumnWidth, edit.Height());
    edit.groupPanels.CtrlFrame1.SetVisible(!apply);
    edit.groupPanels.Frame1.SetVisible(!apply);
    clips.CtrlFrame0.SetWidth(apply ? kHorizontalFrameWidth : kClipsFrameWidth);
    for (size_t i = 3; i < 9; ++i) {
        // Clips 3..5 form the second column, 6..8 the third.
        const int step = i < 6 ? 1 : 2;
        for (forms::Label* label : {clips.ClipboardClip[i], clips.Label1[i]}) {
            label->Move(label->Left() + sign * 2500 * step, label->Top() - sign * 720 * step,
                        label->Width(), label->Height());
        }
    }
    if (apply) {
        clips.ClearBtn.Move(7700, clips.ClipboardClip[0]->Top(), clips.ClearBtn.Width(),
                            clips.ClearBtn.Height());
        clips.SizerFrame.Move(7900, clips.ClipboardClip[2]->Top() - 50, clips.SizerFrame.Width(),
                              clips.SizerFrame.Height());
        clips.CtrlFrame0.Move(clips.CtrlFrame0.Left(), kHorizontalFrameTop,
                              clips.CtrlFrame0.Width(), kHorizontalFrameHeight);
        clips.CtrlFrame0.SetBorder(forms::BorderStyle::None);
        edit.SetHeight(kHorizontalClientHeight + app.CaptionHeight);
    } else {
        clips.ClearBtn.Move(kClearBtnLeft, kClearBtnTop, clips.ClearBtn.Width(),
                            clips.ClearBtn.Height());
        clips.SizerFrame.Move(kSizerFrameLeft, kSizerFrameTop, clips.SizerFrame.Width(),
                              clips.SizerFrame.Height());
        clips.CtrlFrame0.Move(clips.CtrlFrame0.Left(), 0, clips.CtrlFrame0.Width(),
                              kClipsFrameHeight);
        clips.CtrlFrame0.SetBorder(forms::BorderStyle::FixedSingle);
        edit.SetHeight(clips.CtrlFrame0.Height() + app.CaptionHeight);
    }
}

void ArrangeGroupClips(App& app) {
    GroupPanels& groups = app.MainWindow().groupPanels;
    const bool large = Large(app);
    const bool hotKeys = app.settings.CurrentGroup == store::kHotKeyGroup;
    const int shown = ShownGroupColumn(app);
    for (int c = 0; c < 3; ++c) {
        int left = kColumnLefts[c];
        if (shown != 0) {
            left = shown == c + 1 ? kColumnItemLeft : kOutOfViewLeft;
        }
        for (int r = 0; r < 32; ++r) {
            const int n = r + 32 * c;
            forms::Label& item = *groups.item[static_cast<size_t>(n)];
            int itemLeft = left;
            int width = kItemWidth;
            if (hotKeys && n < store::kKeySlotCount && shown == 0) {
                itemLeft = kHotKeyItemLeft;
                width = large ? kItemWidth : kHotKeySmallItemWidth;
            }
            item.Move(itemLeft, item.Top(), width, item.Height());
            const bool hidden =
                (hotKeys && n >= store::kKeySlotCount) || (!large && r == kSmallHiddenRow);
            item.SetVisible(!hidden);
        }
    }
    for (int r = 0; r < 32; ++r) {
        forms::Label& key = *groups.hotkey[static_cast<size_t>(r)];
        key.SetWidth(hotKeys ? kHotKeyLabelWidth : kKeyLabelWidth);
        const bool hidden = shown != 0 || (hotKeys && r >= store::kKeySlotCount) ||
                            (!large && r == kSmallHiddenRow);
        key.SetVisible(!hidden);
    }
    groups.TopBtn[1]->SetLeft(shown != 0 ? kColumnTopBtnLeft : kTopBtnLefts[1]);
    for (int c = 1; c <= 3; ++c) {
        groups.TopBtn[static_cast<size_t>(c)]->SetVisible(!hotKeys);
    }
}

void ApplyVerticalClipboardOnly(App& app) {
    Edit& edit = app.MainWindow();
    const AppSettings& s = app.settings;
    ApplyHorizontalLayout(app, false);
    if (s.DisplayMode == 5) {
        ApplyColumnLayout(app, 0);
    }
    edit.controlPanel.CPFrame.SetVisible(false);
    edit.Move(s.VerticalOnlyLeft, s.VerticalOnlyTop, edit.Width(),
              edit.clipboardPanel.CtrlFrame0.Height() + app.CaptionHeight);
}

void ApplyStartupDisplay(App& app) {
    AppSettings& s = app.settings;
    // A column display needs its column, a compact display its flag: a record that disagrees
    // with itself starts in the full window.
    if (s.ClipboardOnlyMode == 3 && !(s.DisplayMode >= 0 && s.DisplayMode <= 3)) {
        s.ClipboardOnlyMode = 0;
    }
    if (s.ClipboardOnlyMode == 0) {
        s.DisplayMode = 5;
    }
    s.CompactLayout = s.ClipboardOnlyMode != 0 ? 1 : 0;

    ApplyWindowSize(app);
    ApplyPopupHelp(app, s.PopupHelp);
    ApplyColors(app);
    ResetHighlight(app);
    ApplyColumnLayout(app, s.DisplayMode);
    app.display.LastDisplay = s.DisplayMode;
    Edit& edit = app.MainWindow();
    if (s.ClipboardOnlyMode == 1) {
        app.display.LastDisplay = 10;
        ApplyVerticalClipboardOnly(app);
    } else if (s.ClipboardOnlyMode == 2) {
        app.display.LastDisplay = 20;
        if (s.DisplayMode == 5) {
            ApplyColumnLayout(app, 0);
        }
        edit.controlPanel.CPFrame.SetVisible(false);
        ApplyHorizontalLayout(app, true);
        edit.Move(s.HorizontalOnlyLeft, s.HorizontalOnlyTop, edit.Width(), edit.Height());
    }
    RefreshModeButtons(app);
}

}  // namespace mirvo
