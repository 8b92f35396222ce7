#include "mainwindow/Edit.h"

#include <gtest/gtest.h>

#include <vector>

#include "display/Layout.h"
#include "doubles/TestApp.h"
#include "forms/Event.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "startup/Instance.h"
#include "startup/Main.h"

namespace mirvo {
namespace {

TEST(MainWindowClock, TheCaptionFollowsTheClockEverySixthTick) {
    test::TestApp t;
    App& app = t.Start();
    ASSERT_TRUE(Main(app));
    MainForm& edit = app.MainWindow();
    const std::string first = edit.Caption();

    t.desktop.now.minute = 20;
    t.host.AdvanceTime(5000);
    EXPECT_EQ(edit.Caption(), first) << "five ticks do not touch the caption";
    t.host.AdvanceTime(1000);
    EXPECT_EQ(edit.Caption(), MainWindowTitle("Monday  7th Dec 26   9:20"));

    t.desktop.now.hour = 22;
    t.desktop.now.minute = 5;
    t.host.AdvanceTime(6000);
    EXPECT_EQ(edit.Caption(), MainWindowTitle("Monday  7th Dec 26   10:05"));
    EXPECT_TRUE(edit.Timer1.Enabled()) << "each tick leaves the timer running";
}

TEST(MainWindowLayout, TheFullWindowHasTheSizeOfItsLayout) {
    test::TestApp t;
    App& app = t.Start();
    ASSERT_TRUE(Main(app));
    MainForm& edit = app.MainWindow();
    app.settings.LargeWindow = 0;
    ApplyWindowSize(app);
    EXPECT_EQ(edit.Width(), 9624);
    EXPECT_EQ(edit.Height(), 6150 + app.CaptionHeight);
    app.settings.LargeWindow = 1;
    ApplyWindowSize(app);
    EXPECT_EQ(edit.Width(), 12288);
    EXPECT_EQ(edit.Height(), 8426 + app.CaptionHeight);
}

TEST(MainWindowEvents, EveryControlThatActsHasItsHandlerAndNoSecondOne) {
    test::TestApp t;
    App& app = t.Start();
    ASSERT_TRUE(Main(app));
    MainForm& edit = app.MainWindow();
    for (int pos = kFirstClipboardClipPos; pos <= kLastPos; ++pos) {
        const forms::Label& label = *PanelLabel(app, pos);
        EXPECT_TRUE(label.OnMouseMove && label.OnMouseUp && label.OnClick) << "position " << pos;
    }
    ClipboardPanel& clips = edit.clipboardPanel;
    ControlPanel& panel = edit.controlPanel;
    GroupPanels& groups = edit.groupPanels;
    std::vector<forms::Control*> buttons = {
        &clips.ClearBtn,    &clips.TopBtn0,     &clips.CtrlFrame0, &groups.CtrlFrame1,
        &groups.Frame1,     &groups.Frame2,     &panel.LibLabel,   &panel.LibLabelFrame,
        &panel.TextOnlyBtn, &panel.HotKeyOnOff, &panel.Minimize,   &panel.NoMinimizeBtn,
        groups.TopBtn[1],   groups.TopBtn[2],   groups.TopBtn[3],  &panel.HelpButton,
        &panel.TutorialBtn, &panel.UpgradeBtn};
    buttons.insert(buttons.end(), clips.SizerBtn.begin(), clips.SizerBtn.end());
    buttons.insert(buttons.end(), panel.ClipMode.begin(), panel.ClipMode.end());
    buttons.insert(buttons.end(), panel.CaptureMode.begin(), panel.CaptureMode.end());
    for (const forms::Control* button : buttons) {
        EXPECT_TRUE(button->OnMouseUp) << button->Name() << "(" << button->Index() << ")";
    }
    EXPECT_TRUE(edit.Timer1.OnTimer && edit.Hotkeytimer.OnTimer);
    EXPECT_TRUE(edit.holdfocus.OnGotFocus && panel.Search.OnGotFocus);
    EXPECT_TRUE(t.keyboard.OnKeyUp) << "the hot keys reach the main window";
    EXPECT_THROW(
        groups.Group[3]->OnMouseUp = [](forms::MouseButton, int, int, int) {},
        forms::HandlerConflict);
}

}  // namespace
}  // namespace mirvo
