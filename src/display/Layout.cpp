#include "display/Layout.h"

#include "app/App.h"
#include "app/DisplayState.h"
#include "app/Modes.h"
#include "display/Appearance.h"
#include "display/DisplayModes.h"
#include "display/Highlight.h"
#include "panels/Geometry.h"
#include "panels/GroupClipLayout.h"
#include "panels/MainForm.h"

namespace mirvo {

using namespace geometry;

namespace {

bool Large(const App& app) {
    return app.settings.LargeWindow == 1;
}

void MoveWindow(MainForm& edit, int left, int top, int width) {
    edit.Move(left, top, width, edit.Height());
}

}  // namespace

void ApplyWindowSize(App& app) {
    MainForm& edit = app.MainWindow();
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
    MainForm& edit = app.MainWindow();
    GroupPanels& groups = edit.groupPanels;
    ControlPanel& panel = edit.controlPanel;
    const AppSettings& s = app.settings;
    const bool large = Large(app);
    if (column == Column::None) {
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
    } else if (column == Column::Left) {
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
    MainForm& edit = app.MainWindow();
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

void ApplyVerticalClipboardOnly(App& app) {
    MainForm& edit = app.MainWindow();
    const AppSettings& s = app.settings;
    ApplyHorizontalLayout(app, false);
    if (s.DisplayMode == Column::None) {
        ApplyColumnLayout(app, Column::Left);
    }
    edit.controlPanel.CPFrame.SetVisible(false);
    edit.Move(s.VerticalOnlyLeft, s.VerticalOnlyTop, edit.Width(),
              edit.clipboardPanel.CtrlFrame0.Height() + app.CaptionHeight);
}

void ApplyStartupDisplay(App& app) {
    AppSettings& s = app.settings;
    // A column display needs its column, a compact display its flag: a record that disagrees
    // with itself starts in the full window.
    if (s.ClipboardOnlyMode == ClipboardOnly::Column &&
        !(s.DisplayMode >= Column::Left && s.DisplayMode <= Column::Third)) {
        s.ClipboardOnlyMode = ClipboardOnly::Off;
    }
    if (s.ClipboardOnlyMode == ClipboardOnly::Off) {
        s.DisplayMode = Column::None;
    }
    s.CompactLayout = s.ClipboardOnlyMode != ClipboardOnly::Off ? 1 : 0;

    ApplyWindowSize(app);
    ApplyPopupHelp(app, s.PopupHelp);
    ApplyColors(app);
    ResetHighlight(app);
    ApplyColumnLayout(app, s.DisplayMode);
    app.display.LastDisplay = s.DisplayMode;
    MainForm& edit = app.MainWindow();
    if (s.ClipboardOnlyMode == ClipboardOnly::Vertical) {
        app.display.LastDisplay = Display::VerticalClipboard;
        ApplyVerticalClipboardOnly(app);
    } else if (s.ClipboardOnlyMode == ClipboardOnly::Horizontal) {
        app.display.LastDisplay = Display::HorizontalClipboard;
        if (s.DisplayMode == Column::None) {
            ApplyColumnLayout(app, Column::Left);
        }
        edit.controlPanel.CPFrame.SetVisible(false);
        ApplyHorizontalLayout(app, true);
        edit.Move(s.HorizontalOnlyLeft, s.HorizontalOnlyTop, edit.Width(), edit.Height());
    }
    RefreshModeButtons(app);
}

}  // namespace mirvo
