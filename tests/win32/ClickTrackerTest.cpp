// A press and release of the left button told as a click, and the mouse capture it takes: only
// what it took is given back, whatever the release.

#include <gtest/gtest.h>

#include "win32/Handles.h"
#include "win32/host/ClickTracker.h"

namespace mirvo::win32 {
namespace {

class ClickTrackerTest : public ::testing::Test {
protected:
    ~ClickTrackerTest() override { ReleaseCapture(); }

    static OwnedWindow MakeWindow() {
        return OwnedWindow(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 50, nullptr,
                                           nullptr, GetModuleHandleA(nullptr), nullptr));
    }

    OwnedWindow m_window = MakeWindow();
    OwnedWindow m_other = MakeWindow();
    const RECT m_area{0, 0, 100, 50};
    ClickTracker m_clicks;
};

TEST_F(ClickTrackerTest, AReleaseInsideAfterAPressIsAClick) {
    HWND w = m_window.Get();
    ASSERT_NE(w, nullptr);
    m_clicks.Down(w, true);
    EXPECT_EQ(GetCapture(), w);
    EXPECT_TRUE(m_clicks.Up(w, m_area, {10, 10}));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(m_clicks.Up(w, m_area, {10, 10})) << "a second release without a press";

    m_clicks.Down(w, true);
    EXPECT_FALSE(m_clicks.Up(w, m_area, {100, 10})) << "released just outside";
    EXPECT_EQ(GetCapture(), nullptr);

    m_clicks.Down(w, false);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(m_clicks.Up(w, m_area, {99, 49}));
}

TEST_F(ClickTrackerTest, GivesBackOnlyTheCaptureItTook) {
    HWND w = m_window.Get();
    ASSERT_NE(w, nullptr);
    // The window's own processing captured first, as a native button does.
    SetCapture(w);
    m_clicks.Down(w, true);
    EXPECT_TRUE(m_clicks.Up(w, m_area, {10, 10}));
    EXPECT_EQ(GetCapture(), w);
    ReleaseCapture();

    // Another window took the mouse while the button was down.
    m_clicks.Down(w, true);
    SetCapture(m_other.Get());
    EXPECT_TRUE(m_clicks.Up(w, m_area, {10, 10}));
    EXPECT_EQ(GetCapture(), m_other.Get());
    ReleaseCapture();

    // A capture taken later by the window itself is not the tracker's to give back.
    m_clicks.Down(w, true);
    m_clicks.Up(w, m_area, {10, 10});
    SetCapture(w);
    m_clicks.Up(w, m_area, {10, 10});
    EXPECT_EQ(GetCapture(), w);
}

}  // namespace
}  // namespace mirvo::win32
