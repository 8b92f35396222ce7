#include <random>
#include <set>

#include "app/StoreState.h"
#include "clipboard/ClipboardFixture.h"
#include "display/Appearance.h"
#include "display/DisplayModes.h"
#include "display/Highlight.h"
#include "display/Layout.h"
#include "display/Navigation.h"
#include "mainwindow/MainWindowFixture.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"

namespace mirvo {
namespace {

using forms::Key::Down;
using forms::Key::End;
using forms::Key::Home;
using forms::Key::Left;
using forms::Key::PageDown;
using forms::Key::PageUp;
using forms::Key::Right;
using forms::Key::Up;

class Highlighting : public test::MainWindowFixture {
protected:
    Highlighting() {
        app.settings.HighlightWithMouse = 0;  // the keyboard moves the highlight
        ResetHighlight(app);
    }
    void Small() {
        app.settings.LargeWindow = 0;
        ApplyWindowSize(app);
    }
    // Presses a key until the highlight is back where it started; the positions visited.
    std::vector<int> Ring(int key) {
        std::vector<int> visited;
        const int start = Highlight();
        for (int i = 0; i < 200; ++i) {
            Key(key);
            visited.push_back(Highlight());
            if (Highlight() == start) {
                break;
            }
        }
        return visited;
    }
    forms::Label& At(int pos) { return *PanelLabel(app, pos); }
};

TEST_F(Highlighting, DownVisitsEveryVisiblePositionOnceInBothSizes) {
    const std::vector<int> large = Ring(Down);
    ASSERT_EQ(large.size(), 145u);
    EXPECT_EQ(std::set<int>(large.begin(), large.end()).size(), 145u);
    EXPECT_EQ(large[8], 105) << "after the last clipboard clip come the transfer slots";
    EXPECT_EQ(large[16], 9);
    std::vector<int> up = Ring(Up);
    std::reverse(up.begin(), up.end() - 1);
    EXPECT_EQ(std::vector<int>(up.begin(), up.end() - 1),
              std::vector<int>(large.begin(), large.end() - 1))
        << "Up walks the same ring backwards";

    Small();
    const std::vector<int> small = Ring(Down);
    EXPECT_EQ(small.size(), 78u) << "rows 0..22 of two columns and of the names";
    EXPECT_EQ(small[8], 9) << "no transfer slots in the small window";
    for (int p : small) {
        EXPECT_TRUE(PositionOnScreen(app, p)) << p;
    }
}

TEST_F(Highlighting, JumpsAndColumnsInTheFullWindow) {
    Key(Right);
    EXPECT_EQ(Highlight(), 9) << "clipboard clip 1 to the group clip of the same row";
    Key(Right);
    EXPECT_EQ(Highlight(), 41);
    Key(Right);
    EXPECT_EQ(Highlight(), 73);
    Key(Right);
    EXPECT_EQ(Highlight(), 113);
    Key(Right);
    EXPECT_EQ(Highlight(), 113) << "nothing right of the group names";
    Key(PageDown);
    EXPECT_EQ(Highlight(), 144);
    Key(PageUp);
    EXPECT_EQ(Highlight(), 113);
    Key(Left);
    EXPECT_EQ(Highlight(), 73);
    Key(End);
    EXPECT_EQ(Highlight(), 144);
    Key(Home);
    EXPECT_EQ(Highlight(), 0);

    Small();
    Key(Right);
    Key(Right);
    EXPECT_EQ(Highlight(), 41);
    Key(Right);
    EXPECT_EQ(Highlight(), 113) << "small window: from column 2 to the group names";
    Key(Left);
    EXPECT_EQ(Highlight(), 41);
    Key(End);
    EXPECT_EQ(Highlight(), 135);
}

TEST_F(Highlighting, ColumnDisplaysWrapWithinTheirColumnAndNeverLandOnHiddenClips) {
    t.host.Click(edit().TopBtn(1));
    EXPECT_EQ(Highlight(), 9) << "the focus holder puts it on the column's first clip";
    Key(Up);
    EXPECT_EQ(Highlight(), 40);
    Key(Down);
    EXPECT_EQ(Highlight(), 9) << "large column 1: Down from the last row wraps to the first";

    t.host.Click(edit().TopBtn(1));  // back to the full window
    Small();
    t.host.Click(edit().TopBtn(2));
    Key(Home);
    EXPECT_EQ(Highlight(), 41);
    Key(Up);
    EXPECT_EQ(Highlight(), 63) << "small column 2: Up from the top goes to its last row";
    Key(End);
    EXPECT_EQ(Highlight(), 63);
    EXPECT_TRUE(PositionOnScreen(app, Highlight()));
}

TEST_F(Highlighting, TheClipboardOnlyDisplaysMoveAmongTheNineClips) {
    t.host.Click(*edit().clipboardPanel.SizerBtn[2]);
    Key(Right);
    EXPECT_EQ(Highlight(), 3);
    Key(Right);
    EXPECT_EQ(Highlight(), 6);
    Key(Right);
    EXPECT_EQ(Highlight(), 6);
    Key(Up);
    EXPECT_EQ(Highlight(), 5);
    Key(End);
    Key(Down);
    EXPECT_EQ(Highlight(), 0);
    Key(PageDown);
    EXPECT_EQ(Highlight(), 0);
}

TEST_F(Highlighting, TheHighlightKeepsTheTrueColourAndTheCurrentGroupStaysMarked) {
    forms::Label& first = At(0);
    EXPECT_EQ(first.BackColor(), forms::kHighlight);
    const forms::Color groupClip = static_cast<forms::Color>(app.settings.GroupClipColor);
    Key(Right);
    EXPECT_EQ(first.BackColor(), static_cast<forms::Color>(app.settings.ClipboardClipColor));
    EXPECT_EQ(first.ForeColor(), forms::QBColor(0));
    EXPECT_EQ(At(9).BackColor(), forms::kHighlight);
    EXPECT_EQ(app.store.HighlightColor, groupClip);

    MoveHighlight(app, 113);  // the current group's name
    MoveHighlight(app, 114);
    EXPECT_EQ(At(113).BackColor(), forms::kHighlight);
    EXPECT_EQ(At(113).ForeColor(), forms::kHighlightText) << "the current group stays marked";
    EXPECT_EQ(At(9).BackColor(), groupClip);
}

TEST_F(Highlighting, TheMouseMovesItWhenTheUserChoseTheMouse) {
    Key(Down);
    EXPECT_EQ(Highlight(), 1);
    t.host.MouseMove(*edit().groupPanels.item[5], 10, 10);
    EXPECT_EQ(Highlight(), 1) << "keyboard mode: the mouse does not move it";

    app.settings.HighlightWithMouse = 1;
    Key(Down);
    EXPECT_EQ(Highlight(), 1) << "mouse mode: arrow keys do nothing";
    t.host.MouseMove(*edit().groupPanels.item[5], 10, 10);
    EXPECT_EQ(Highlight(), 14);
    t.host.MouseMove(*edit().groupPanels.Trans[2], 10, 10);
    EXPECT_EQ(Highlight(), 107);
}

TEST_F(Highlighting, ActionKeysClickClipsAndChooseGroups) {
    std::vector<std::string> clicked;
    for (int i = 0; i < 9; ++i) {
        forms::Label& clip = *edit().clipboardPanel.ClipboardClip[static_cast<size_t>(i)];
        clip.OnClick.Take();
        clip.OnClick = [&, i] { clicked.push_back("clip " + std::to_string(i)); };
    }
    for (int n = 0; n < 96; ++n) {
        forms::Label& item = *edit().groupPanels.item[static_cast<size_t>(n)];
        item.OnClick.Take();
        item.OnClick = [&, n] { clicked.push_back("item " + std::to_string(n)); };
    }
    edit().holdfocus.SetFocus();
    t.host.PressKey('5');
    t.host.PressKey(forms::Key::Numpad0 + 9);
    t.host.PressKey('C');
    t.host.PressKey('Z');
    MoveHighlight(app, 107);  // a transfer slot: Enter does nothing
    t.host.PressKey(forms::Key::Return);
    MoveHighlight(app, 20);
    t.host.PressKey(forms::Key::Return);
    EXPECT_EQ(clicked,
              (std::vector<std::string>{"clip 4", "clip 8", "item 2", "item 25", "item 11"}));

    MoveHighlight(app, 113 + 6);
    t.host.PressKey(forms::Key::Return);
    EXPECT_EQ(app.settings.CurrentGroup, 6) << "Enter on a group name chooses the group";

    t.host.PressKey(forms::Key::Escape);
    EXPECT_EQ(edit().WindowState(), forms::WindowState::Minimized);
}

TEST_F(Highlighting, TypingInTheSearchBoxPastesNothing) {
    int clicks = 0;
    edit().clipboardPanel.ClipboardClip[0]->OnClick.Take();
    edit().clipboardPanel.ClipboardClip[0]->OnClick = [&] { ++clicks; };
    edit().controlPanel.Search.SetFocus();
    EXPECT_EQ(edit().controlPanel.Search.Text(), "");
    t.host.PressKey('1', 0, '1');
    EXPECT_EQ(clicks, 0);
    t.host.PressKey(forms::Key::Escape, 0, 27);
    EXPECT_EQ(edit().controlPanel.Search.Text(), "Search") << "Escape ends the search";
    EXPECT_NE(edit().WindowState(), forms::WindowState::Minimized);
}

TEST_F(Highlighting, ChoosingTheCurrentGroupAgainReloadsNothing) {
    forms::Label& name = *edit().groupPanels.Group[0];
    edit().groupPanels.item[0]->SetCaption("unsaved caption");
    t.host.Click(name);
    EXPECT_EQ(edit().groupPanels.item[0]->Caption(), "unsaved caption");
    t.host.Click(*edit().groupPanels.Group[1]);
    EXPECT_EQ(app.settings.CurrentGroup, 1);
    EXPECT_EQ(name.ForeColor(), forms::QBColor(0)) << "the old group loses its mark";
    EXPECT_EQ(edit().groupPanels.Group[1]->BackColor(), forms::kHighlight);
}

// One label shows the bar, always: the one at HighlightPos. Besides it only the current group's
// name is marked; every other label shows black text on a colour that is not the highlight's.
std::string BarFault(App& app) {
    const int current = kFirstGroupNamePos + app.settings.CurrentGroup;
    for (int pos = 0; pos <= kLastPos; ++pos) {
        const forms::Label* label = PanelLabel(app, pos);
        const bool look = label->BackColor() == forms::kHighlight;
        if (pos == app.store.HighlightPos || pos == current) {
            if (!look || label->ForeColor() != forms::kHighlightText) {
                return "no highlight look at " + std::to_string(pos);
            }
        } else if (look || label->ForeColor() != forms::QBColor(0)) {
            return "a second bar at " + std::to_string(pos);
        }
    }
    return "";
}

TEST_F(Highlighting, OneBarThroughAnyMixOfMouseKeysDisplaysColoursAndCaptures) {
    std::mt19937 random(17);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::string steps;
    for (int step = 0; step < 6000; ++step) {
        const int action = pick(11);
        steps += " " + std::to_string(action);
        switch (action) {
            case 0:
            case 1:
            case 2:
                // The mouse goes over what the display shows.
                if (forms::Label& label = At(pick(kLastPos + 1)); t.host.Reachable(label)) {
                    t.host.MouseMove(label, 10, 10);
                }
                break;
            case 3:
                if (edit().holdfocus.VisibleInTree()) {
                    edit().holdfocus.SetFocus();
                }
                break;
            case 4:
                if (forms::Label& name = *edit().groupPanels.Group[static_cast<size_t>(pick(22))];
                    t.host.Reachable(name)) {
                    t.host.Click(name);
                }
                break;
            case 5:
                app.settings.HighlightWithMouse = 1 - app.settings.HighlightWithMouse;
                break;
            case 6:
                Key(pick(2) ? Down : Right);
                break;
            case 7:
                SizerBtn_MouseUp(app, pick(4), forms::MouseButton::Left);
                break;
            case 8:
                TopBtn_MouseUp(app, pick(4), forms::MouseButton::Left);
                break;
            case 9:
                // A new palette, as the options window applies it.
                app.settings.ClipboardClipColor = pick(0xFFFFFF);
                app.settings.GroupClipColor = pick(0xFFFFFF);
                ApplyColors(app);
                break;
            case 10:
                t.clipboard.PutFromOtherProgram(
                    {{1, test::CText("copy " + steps.substr(steps.size() - 2))}});
                t.clipboard.ReportChange();
                break;
        }
        const std::string fault = BarFault(app);
        ASSERT_EQ(fault, "") << "after the actions" << steps;
    }
}

TEST(Navigation, TheTablesAgreeWithTheirExamples) {
    const NavigationContext large{true, 0, 5};
    const NavigationContext small{false, 0, 5};
    EXPECT_EQ(NavigateKey(Down, 8, small), 9)
        << "small: from the last clip to the first group clip";
    EXPECT_EQ(NavigateKey(Right, 50, small), 122);
    EXPECT_EQ(NavigateKey(Left, 20, large), kNoMove);
    EXPECT_EQ(NavigateKey(Left, 35, large), 107) << "to the transfer slot of the same row";
    EXPECT_EQ(NavigateKey(PageDown, 3, large), 112);
    EXPECT_EQ(NavigateKey(PageUp, 105, large), kNoMove);
    EXPECT_EQ(NavigateKey(Left, 20, NavigationContext{true, 0, 1}), kNoMove)
        << "Left and Right only in the full layout";
}

}  // namespace
}  // namespace mirvo
