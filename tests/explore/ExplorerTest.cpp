// The explorer itself: its steps read back as written, and a fault planted in the program's
// wiring is found from a known seed and shrunk to a few steps that replay it.

#include <gtest/gtest.h>

#include "app/DragState.h"
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
