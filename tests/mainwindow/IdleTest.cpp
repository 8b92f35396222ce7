// While nothing happens, nothing of the program wakes several times a second: the edge watch
// rests while the pointer stands still (or no edge is on), the search marker goes with the
// window, and the caption clock waits until the window shows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/AppSettings.h"
#include "edge/EdgeForm.h"
#include "forms/Timer.h"
#include "mainwindow/MainWindowFixture.h"

namespace mirvo {
namespace {

class Idle : public test::MainWindowFixture {
protected:
    Idle() { t.desktop.screen = {1280, 960}; }

    // The main window's timers that run and wake more than once a second.
    std::vector<std::string> FastTimers() {
        std::vector<std::string> names;
        for (const auto& control : edit().Controls()) {
            const auto* timer = dynamic_cast<const forms::Timer*>(control.get());
            if (timer && timer->Running() && timer->Interval() < 1000) {
                names.push_back(timer->Name());
            }
        }
        return names;
    }
    bool Offered() {
        for (forms::Form* form : t.host.LoadedForms()) {
            if (form->Name() == "EdgeForm") {
                return true;
            }
        }
        return false;
    }
};

using Names = std::vector<std::string>;

TEST_F(Idle, NothingWakesSeveralTimesASecondWhileNothingHappens) {
    // A search marker blinks; the window goes out of the way with the pointer standing still.
    edit().Pointer.SetVisible(true);
    edit().PointerTimer.SetEnabled(true);
    t.desktop.cursor = {400, 300};
    edit().SetWindowState(forms::WindowState::Minimized);
    const std::string caption = edit().Caption();
    t.desktop.now.minute = 42;
    t.host.AdvanceTime(3000);
    EXPECT_EQ(FastTimers(), Names{}) << "a still pointer reaches no edge";
    t.host.AdvanceTime(7000);
    EXPECT_EQ(edit().Caption(), caption) << "no clock while the window cannot be seen";

    // The pointer moves: within a second the edge watch runs, and the edge reacts.
    t.desktop.cursor = {500, 300};
    t.host.AdvanceTime(1000);
    EXPECT_EQ(FastTimers(), Names{"TimerEdge"});
    t.desktop.cursor = {640, 0};
    t.host.AdvanceTime(200);
    EXPECT_TRUE(Offered()) << "the top edge offers the minimized window";
    t.desktop.cursor = {640, 300};
    t.host.AdvanceTime(3000);
    EXPECT_FALSE(Offered());
    EXPECT_EQ(FastTimers(), Names{}) << "resting again once the pointer stood still";

    // With every edge off, a moving pointer wakes nothing; a running watch rests at once.
    t.desktop.cursor = {700, 300};
    t.host.AdvanceTime(1000);
    ASSERT_EQ(FastTimers(), Names{"TimerEdge"});
    app.settings.EdgeTop = app.settings.EdgeLeft = app.settings.EdgeBottom =
        app.settings.EdgeRight = 0;
    for (int step = 0; step < 10; ++step) {
        t.desktop.cursor = {100 + step * 50, 300};  // it moves between any two ticks
        t.host.AdvanceTime(200);
        EXPECT_EQ(FastTimers(), Names{}) << "step " << step;
    }

    // The window shows: its clock catches up within a second.
    edit().SetWindowState(forms::WindowState::Normal);
    t.host.AdvanceTime(1000);
    EXPECT_NE(edit().Caption(), caption);
    EXPECT_NE(edit().Caption().find(":42"), std::string::npos) << edit().Caption();
}

}  // namespace
}  // namespace mirvo
