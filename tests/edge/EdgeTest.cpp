#include "edge/EdgePlacement.h"

#include <gtest/gtest.h>

#include "app/DisplayState.h"
#include "edge/EdgeForm.h"
#include "mainwindow/MainWindowFixture.h"

namespace mirvo {
namespace {

const EdgeScreen kScreen{1280, 960, 15, 15};  // 19200 x 14400 twips
const EdgesOn kAll{true, true, true, true};

std::string At(const std::optional<EdgeSpot>& spot) {
    return spot ? std::to_string(spot->left) + "," + std::to_string(spot->top) : "none";
}

TEST(EdgePlacement, EachEdgePlacesTheWindowAgainstItNearThePointerButNotInTheCorners) {
    const int w = 1560;
    const int h = 540;
    EXPECT_EQ(At(PlaceAtEdge(640, 0, kScreen, kAll, w, h)), std::to_string(9600 - w / 2) + ",0");
    EXPECT_EQ(At(PlaceAtEdge(640, 959, kScreen, kAll, w, h)),
              std::to_string(9600 - w / 2) + "," + std::to_string(14400 - h));
    EXPECT_EQ(At(PlaceAtEdge(0, 480, kScreen, kAll, w, h)), "0," + std::to_string(7200 - h / 2));
    EXPECT_EQ(At(PlaceAtEdge(1279, 480, kScreen, kAll, w, h)),
              std::to_string(19200 - w) + "," + std::to_string(7200 - h / 2));
    // Near the ends the window stays inside the screen; in the corners nothing reacts.
    EXPECT_EQ(At(PlaceAtEdge(110, 0, kScreen, kAll, w, h)), "870,0");
    EXPECT_EQ(At(PlaceAtEdge(1270, 0, kScreen, kAll, w, h)), "none");
    EXPECT_EQ(At(PlaceAtEdge(0, 0, kScreen, kAll, w, h)), "none");
    EXPECT_EQ(At(PlaceAtEdge(0, 40, kScreen, kAll, w, h)), "none");
    EXPECT_EQ(At(PlaceAtEdge(0, 950, kScreen, kAll, w, h)), "none");
    // Switched-off edges never react.
    EXPECT_EQ(At(PlaceAtEdge(1279, 480, kScreen, EdgesOn{true, false, true, false}, w, h)), "none");
    EXPECT_EQ(At(PlaceAtEdge(640, 959, kScreen, EdgesOn{true, false, true, false}, w, h)), "none");
    EXPECT_FALSE(OnScreenBorder(640, 480, kScreen));
    EXPECT_TRUE(OnScreenBorder(1279, 480, kScreen));
}

class EdgeSwitcher : public test::MainWindowFixture {
protected:
    EdgeSwitcher() { t.desktop.screen = {1280, 960}; }
    EdgeForm* Offer() {
        for (forms::Form* form : t.host.LoadedForms()) {
            if (form->Name() == "EdgeForm") {
                return static_cast<EdgeForm*>(form);
            }
        }
        return nullptr;
    }
};

TEST_F(EdgeSwitcher, OffersWhatIsOutOfTheWayAndClosesWhenThePointerLeaves) {
    edit().SetWindowState(forms::WindowState::Minimized);
    t.desktop.cursor = {640, 0};
    t.host.AdvanceTime(200);
    EdgeForm* offer = Offer();
    ASSERT_NE(offer, nullptr) << "the top edge with the main window minimized";
    EXPECT_TRUE(offer->WinBtn.Visible());
    EXPECT_FALSE(offer->WebBtn.Visible());
    EXPECT_EQ(offer->Top(), 0);
    EXPECT_EQ(offer->Left() + offer->Width() / 2, 9600);
    EXPECT_FALSE(edit().TimerEdge.Enabled()) << "no second offer while one is up";

    t.desktop.cursor = {640, 200};
    t.host.AdvanceTime(100);
    EXPECT_EQ(Offer(), nullptr) << "moving away closes it";
    EXPECT_TRUE(edit().TimerEdge.Enabled());

    // A minimized sibling is offered too; "Mirvo" brings the main window up.
    t.desktop.windows[0x700] = {" Netvane", true, false};
    t.desktop.cursor = {0, 480};
    t.host.AdvanceTime(200);
    offer = Offer();
    ASSERT_NE(offer, nullptr);
    EXPECT_TRUE(offer->WinBtn.Visible() && offer->WebBtn.Visible());
    EXPECT_EQ(offer->Left(), 0);
    t.host.Click(offer->WinBtn);
    EXPECT_EQ(edit().WindowState(), forms::WindowState::Normal);
    EXPECT_EQ(Offer(), nullptr);

    // The full window in front offers the main window no more; only the sibling.
    t.desktop.cursor = {640, 0};
    t.host.AdvanceTime(200);
    offer = Offer();
    ASSERT_NE(offer, nullptr);
    EXPECT_TRUE(offer->WinBtn.Visible()) << "the full window, not a compact display";
    t.host.Click(offer->WebBtn);
    ASSERT_FALSE(t.desktop.showCalls.empty());
    EXPECT_EQ(t.desktop.showCalls.back().window, 0x700u) << "\"Netvane\" restores the sibling";
    EXPECT_EQ(t.desktop.foregroundCalls.back(), 0x700u);
    t.desktop.windows.erase(0x700);
    app.settings.CompactLayout = 1;
    t.desktop.cursor = {640, 0};
    t.host.AdvanceTime(400);
    EXPECT_EQ(Offer(), nullptr) << "a compact display in view needs no offer";
}

}  // namespace
}  // namespace mirvo
