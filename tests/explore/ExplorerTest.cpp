// The explorer itself: its steps read back as written, and a fault planted in the program's
// wiring is found from a known seed and shrunk to a few steps that replay it.

#include <gtest/gtest.h>

#include "app/DragState.h"
#include "app/EditContext.h"
#include "explore/Explorer.h"
#include "panels/MainForm.h"

namespace mirvo::explore {
namespace {

TEST(Explorer, StepsReadBackAsTheyAreWritten) {
    for (const char* line :
         {"click Edit.item(3)", "right drag Edit.item(3) over Edit.Group(4) to Edit.Trans(1)",
          "drag LibForm.Item(0) to nowhere", "key Shift+Tab", "type \"a \\\"b\\\"\\r\\n\"",
          "drag Edit.ClipboardClip(8) to Edit.item(0) while \"x y\" is copied",
          "copy formats \"x\"", "wait 160", "[2] hold file program/clip.dat",
          "mouse to the top edge", "disk full", "disk full after 2 writes", "restart"}) {
        EXPECT_EQ(ParseStep(line).ToString(), line);
    }
    EXPECT_THROW(ParseStep("dance"), std::invalid_argument);
}

// What the explorer models of the program must match the program's own rules: sequences it once
// took for faults, each a rule of the program it now follows.

TEST(Explorer, AStartAfterAProgramThatWaitedForAClickWaitsForNone) {
    // The program's mouse hook goes with it: the next start finds none set.
    EXPECT_FALSE(Replay({"click Edit.OptionButton", "click Options.Opt(5)",
                         "click Options.BrowserOption(1)", "close Options", "copy text \"a\"",
                         "copy text \"b\"", "click Edit.ClipMode(2)", "key 2", "restart"}));
}

TEST(Explorer, ACaptureWhileAModalFormOfAClipboardClipsEditorIsUpRenamesNothing) {
    // A capture during a step nested in the warning is the history changing, not a rename.
    EXPECT_FALSE(
        Replay({"copy formats \"several formats 103\"", "right click Edit.ClipboardClip(0)",
                "click view.Text1(0)", "copy text \"   \"", "click warn.Command1"}));
}

TEST(Explorer, ALetterWithAModifierClicksItsGroupClipAsTheLetterAlone) {
    // The main window's key-up takes the key code: Alt+E opens the empty launch-pad slot E.
    EXPECT_FALSE(Replay({"click Edit.LaunchBtn", "key Alt+E", "type \"line one\\r\\nline two\"",
                         "click LaunchPad.SaveBtn"}));
}

// A planted fault: an open editor stays where its clip was when a drop moves the clip or its
// group.
void EditorsStayBehind(App& app) {
    GroupPanels& panels = app.MainWindow().groupPanels;
    std::vector<forms::Label*> targets(panels.item.begin(), panels.item.end());
    targets.insert(targets.end(), panels.Group.begin(), panels.Group.end());
    for (forms::Label* target : targets) {
        auto drop = target->OnDragDrop.Take();
        target->OnDragDrop = [&app, drop](forms::Control& source, int x, int y) {
            std::vector<EditContext> before;
            for (const EditContext* edit : app.editing.Open) {
                before.push_back(*edit);
            }
            drop(source, x, y);
            for (size_t i = 0; i < before.size() && i < app.editing.Open.size(); ++i) {
                *app.editing.Open[i] = before[i];
            }
        };
    }
}

TEST(Explorer, AnEditorFollowsItsClipMovedToAnotherSlotOrGroup) {
    const std::vector<std::vector<std::string>> sessions = {
        {"right click Edit.item(77)", "click view.OKBtn", "right click Edit.item(77)",
         "drag Edit.item(77) to Edit.item(74)", "click view.Colr(0)", "click view.OKBtn"},
        // Opened on an empty slot of a group that moves.
        {"copy text \"line one\\r\\nline two\"",
         "drag Edit.ClipboardClip(0) over Edit.Group(6) to Edit.item(3)", "close Settings",
         "right click Edit.item(0)", "drag Edit.Group(6) over Edit.Group(0) to Edit.Group(29)",
         "click view.OKBtn"}};
    for (const std::vector<std::string>& steps : sessions) {
        EXPECT_FALSE(Replay(steps)) << steps[3];
        const std::optional<Violation> behind = Replay(steps, 1, EditorsStayBehind);
        ASSERT_TRUE(behind) << "an editor that saves where its clip was is not caught";
        EXPECT_EQ(behind->invariant, 7) << behind->Describe();
    }
}

// A planted fault: a copy into a group clip slot moves the clip.
void ACopyMoves(App& app) {
    for (forms::Label* slot : app.MainWindow().groupPanels.item) {
        auto drop = slot->OnDragDrop.Take();
        slot->OnDragDrop = [&app, drop](forms::Control& source, int x, int y) {
            app.drag.DragWithRight = false;
            drop(source, x, y);
        };
    }
}

TEST(Explorer, FindsAPlantedFaultAndShrinksItToStepsThatReplayIt) {
    RunOptions options;
    // The sessions of one seed are the same on any machine: the run ends by their number.
    options.seed = 26;
    options.seconds = 3600;
    options.maxSessions = 60;
    options.shrinkSeconds = 10;
    options.stopAtFirst = true;
    options.afterStart = ACopyMoves;
    const RunReport report = Explore(options);
    ASSERT_FALSE(report.findings.empty() || report.findings.back().known)
        << "the planted fault was not found";
    const Finding& found = report.findings.back();
    EXPECT_EQ(found.violation.invariant, 1) << found.violation.Describe();
    EXPECT_EQ(found.violation.kind, "a copy changed its source");
    EXPECT_LT(found.steps.size(), found.foundAfter);
    EXPECT_LE(found.steps.size(), 6u) << ::testing::PrintToString(found.steps);

    const std::optional<Violation> again = Replay(found.steps, 1, ACopyMoves);
    ASSERT_TRUE(again) << "the shrunk steps do not replay the fault";
    EXPECT_EQ(again->kind, found.violation.kind);
    EXPECT_FALSE(Replay(found.steps)) << "without the planted fault the steps break nothing";
}

}  // namespace
}  // namespace mirvo::explore
