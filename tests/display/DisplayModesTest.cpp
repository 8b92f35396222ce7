#include "app/DisplayState.h"
#include "app/EditContext.h"
#include "display/DisplayModes.h"
#include "display/Layout.h"
#include "mainwindow/MainWindowFixture.h"

namespace mirvo {
namespace {

using forms::MouseButton;

class Displays : public test::MainWindowFixture {
protected:
    void Sizer(int i) { t.host.Click(*edit().clipboardPanel.SizerBtn[static_cast<size_t>(i)]); }
    void Column(int i) { t.host.Click(edit().TopBtn(i)); }
    bool LastTopmost() {
        return !t.desktop.topmostCalls.empty() && t.desktop.topmostCalls.back().second;
    }
    int Caption() const { return app.CaptionHeight; }
};

TEST_F(Displays, TheTwoWindowSizes) {
    GroupPanels& g = edit().groupPanels;
    ASSERT_EQ(app.settings.LargeWindow, 1);
    EXPECT_EQ(edit().Width(), 12288);
    EXPECT_EQ(edit().Height(), 8426 + Caption());
    EXPECT_EQ(g.CtrlFrame1.Width(), 7128);
    EXPECT_EQ(g.Frame1.Left(), 10008);
    EXPECT_TRUE(g.Frame2.Visible());
    EXPECT_TRUE(g.item[23]->Visible() && g.Group[23]->Visible() && g.hotkey[23]->Visible());

    app.settings.LargeWindow = 0;
    ApplyWindowSize(app);
    EXPECT_EQ(edit().Width(), 9624);
    EXPECT_EQ(edit().Height(), 6150 + Caption());
    EXPECT_EQ(g.CtrlFrame1.Width(), 4840);
    EXPECT_EQ(g.CtrlFrame1.Height(), 6100);
    EXPECT_EQ(g.Frame1.Height(), 6100);
    EXPECT_EQ(g.Frame1.Left(), 7600);
    EXPECT_FALSE(g.Frame2.Visible());
    EXPECT_FALSE(g.item[23]->Visible() || g.Group[23]->Visible() || g.hotkey[23]->Visible());
    EXPECT_GE(g.item[64]->Left(), g.CtrlFrame1.Width()) << "the third column is out of view";
}

TEST_F(Displays, TheHotKeyGroupShowsItsTwentySixClipsBesideWideKeys) {
    GroupPanels& g = edit().groupPanels;
    app.display.ClickButton = 1;
    t.host.Click(*g.Group[22]);
    EXPECT_EQ(app.settings.CurrentGroup, 22);
    EXPECT_TRUE(g.item[25]->Visible());
    EXPECT_FALSE(g.item[26]->Visible() || g.item[55]->Visible() || g.item[87]->Visible());
    EXPECT_EQ(g.item[0]->Left(), 805);
    EXPECT_EQ(g.hotkey[0]->Width(), 655);
    EXPECT_EQ(g.hotkey[0]->Caption(), "Alt+A");
    EXPECT_FALSE(g.TopBtn[1]->Visible());

    t.host.Click(*g.Group[3]);
    EXPECT_TRUE(g.item[55]->Visible() && g.item[87]->Visible());
    EXPECT_EQ(g.item[0]->Left(), 396);
    EXPECT_EQ(g.item[0]->Width(), 2200);
    EXPECT_EQ(g.hotkey[0]->Width(), 252);
    EXPECT_TRUE(g.TopBtn[1]->Visible());
    EXPECT_EQ(g.hotkey[0]->Caption(), "A.");
}

TEST_F(Displays, ColumnDisplaysAreCompactAndTopmostAndAnyColumnButtonReturns) {
    GroupPanels& g = edit().groupPanels;
    app.settings.CompactLeft = 600;
    app.settings.CompactTop = 300;
    Column(2);
    EXPECT_EQ(app.settings.ClipboardOnlyMode, 3);
    EXPECT_EQ(app.settings.DisplayMode, 2);
    EXPECT_EQ(app.settings.CompactLayout, 1);
    EXPECT_EQ(app.display.LastDisplay, 2);
    EXPECT_EQ(edit().Width(), 2500);
    EXPECT_EQ(edit().Left(), 600);
    EXPECT_FALSE(edit().controlPanel.CPFrame.Visible());
    EXPECT_EQ(g.CtrlFrame1.Left(), 0);
    EXPECT_EQ(g.CtrlFrame1.Width(), 2400);
    EXPECT_EQ(g.item[32]->Left(), 108);
    EXPECT_EQ(g.item[0]->Left(), 4000);
    EXPECT_FALSE(g.hotkey[0]->Visible());
    EXPECT_EQ(g.TopBtn[1]->Left(), 1944);
    EXPECT_TRUE(edit().clipboardPanel.SizerBtn[3]->Value());
    EXPECT_TRUE(LastTopmost());
    EXPECT_TRUE(edit().Visible());

    Column(1);  // any column button from a column display: the full window again
    EXPECT_EQ(app.settings.ClipboardOnlyMode, 0);
    EXPECT_EQ(app.settings.DisplayMode, 5);
    EXPECT_EQ(app.settings.CompactLayout, 0);
    EXPECT_EQ(edit().Width(), 12288);
    EXPECT_EQ(g.item[0]->Left(), 396);
    EXPECT_EQ(g.CtrlFrame1.Left(), 2808);
    EXPECT_FALSE(LastTopmost());

    Column(0);  // the left-hand column: the clipboard clips and the control panel
    EXPECT_EQ(edit().Width(), 2844);
    EXPECT_TRUE(edit().controlPanel.CPFrame.Visible());
}

TEST_F(Displays, TheHorizontalLayoutRoundTripPutsEveryControlBack) {
    Sizer(1);
    const Snapshot vertical = Take();
    EXPECT_EQ(edit().Height(), 2856 + Caption());
    EXPECT_EQ(app.display.LastDisplay, 10);
    EXPECT_TRUE(LastTopmost());

    Sizer(2);
    ClipboardPanel& c = edit().clipboardPanel;
    EXPECT_EQ(edit().Width(), 9360);
    EXPECT_EQ(edit().Height(), 840 + Caption());
    EXPECT_EQ(c.ClipboardClip[4]->Left(), 396 + 2500);
    EXPECT_EQ(c.ClipboardClip[4]->Top(), c.ClipboardClip[1]->Top());
    EXPECT_EQ(c.ClipboardClip[8]->Top(), c.ClipboardClip[2]->Top());
    EXPECT_EQ(c.ClearBtn.Left(), 7700);
    EXPECT_EQ(c.CtrlFrame0.Top(), -200);
    EXPECT_EQ(c.CtrlFrame0.Border(), forms::BorderStyle::None);
    EXPECT_EQ(app.display.LastDisplay, 20);

    Sizer(1);  // vertical again: the horizontal offsets are undone first
    EXPECT_EQ(Take(), vertical);

    Sizer(2);
    Sizer(0);
    Sizer(1);
    EXPECT_EQ(Take(), vertical);
}

TEST_F(Displays, ClickingTheSelectedOptionOnlyMovesTheFocus) {
    const Snapshot before = Take();
    const size_t topmostCalls = t.desktop.topmostCalls.size();
    Sizer(0);
    EXPECT_EQ(Take(), before);
    EXPECT_EQ(t.desktop.topmostCalls.size(), topmostCalls + 1) << "only the buttons refreshed";
}

TEST_F(Displays, AColumnButtonInAClipboardOnlyDisplayGoesStraightToTheColumn) {
    // The clipboard-only displays show one column button, the one by the clipboard clips.
    Sizer(2);
    EXPECT_FALSE(t.host.Reachable(edit().TopBtn(3)));
    Column(0);
    EXPECT_EQ(app.settings.ClipboardOnlyMode, 3);
    EXPECT_EQ(app.settings.DisplayMode, 0);
    EXPECT_FALSE(app.display.HorizontalApplied);
    EXPECT_EQ(edit().Width(), 2844);
}

TEST_F(Displays, ThePasteFromTheFullWindowReturnsToTheLastDisplay) {
    Sizer(1);
    Sizer(0);  // the user opens the full window from the vertical display
    EXPECT_EQ(app.display.LastDisplay, 10);
    SetLastDisplay(app);
    EXPECT_EQ(app.settings.ClipboardOnlyMode, 1);

    Sizer(0);
    edit().SetWindowState(forms::WindowState::Minimized);
    EXPECT_EQ(app.display.LastDisplay, 5) << "minimizing the full window";
    edit().SetWindowState(forms::WindowState::Normal);
    SetLastDisplay(app);
    EXPECT_EQ(edit().WindowState(), forms::WindowState::Minimized);
    edit().SetWindowState(forms::WindowState::Normal);
    app.settings.NoMinimize = 1;
    SetLastDisplay(app);
    EXPECT_EQ(edit().WindowState(), forms::WindowState::Normal);
}

TEST_F(Displays, RestoringAMinimizedColumnFollowsTheRestoreOption) {
    Column(2);
    app.settings.RestoreFullWindow = 0;
    edit().SetWindowState(forms::WindowState::Minimized);
    edit().SetWindowState(forms::WindowState::Normal);
    EXPECT_EQ(app.settings.DisplayMode, 2) << "the column display comes back";

    app.settings.RestoreFullWindow = 1;
    edit().SetWindowState(forms::WindowState::Minimized);
    edit().SetWindowState(forms::WindowState::Normal);
    EXPECT_EQ(app.settings.DisplayMode, 5) << "the full window comes back";
    EXPECT_EQ(edit().Width(), 12288);
}

TEST_F(Displays, AnOpenEditorRefusesDisplayChanges) {
    app.editing.EditorOpen = 1;
    const size_t beeps = t.desktop.beeps.size();
    Sizer(1);
    Column(1);
    EXPECT_EQ(app.settings.ClipboardOnlyMode, 0);
    EXPECT_EQ(t.desktop.beeps.size(), beeps + 4);
    EXPECT_TRUE(edit().clipboardPanel.SizerBtn[0]->Value());
}

TEST_F(Displays, TheLastDisplayComesBackAtTheNextStart) {
    Column(2);
    edit().Move(1234, 567, edit().Width(), edit().Height());
    t.host.AdvanceTime(1000);  // the clipboard timer records the position
    app.settings.FirstRunDone = 1;
    EXPECT_TRUE(t.host.CloseByUser(edit()));

    test::TestApp again;
    again.host.screen = t.host.screen;
    again.desktop.specialFolders = t.desktop.specialFolders;
    again.desktop.programFolder = t.desktop.programFolder;
    again.desktop.windowsFolder = t.desktop.windowsFolder;
    App& second = again.Start();
    ASSERT_TRUE(Main(second));
    EXPECT_EQ(second.settings.DisplayMode, 2);
    EXPECT_EQ(second.MainWindow().Width(), 2500);
    EXPECT_EQ(second.MainWindow().Left(), 1234);
    EXPECT_EQ(second.MainWindow().groupPanels.item[32]->Left(), 108);
    // The column stays on top from the start: asked of the window itself, once it exists.
    ASSERT_FALSE(again.desktop.topmostCalls.empty());
    EXPECT_EQ(again.desktop.topmostCalls.back(), std::make_pair(second.MainWindow().hWnd(), true));
    EXPECT_NE(second.MainWindow().hWnd(), platform::WindowHandle{0});
}

}  // namespace
}  // namespace mirvo
