// A press and release of the left button told as a click, and the mouse capture a press of any
// button takes: only what it took is given back, once no button pressed there is down.

#include <gtest/gtest.h>

#include "win32/Handles.h"
#include "win32/host/ClickTracker.h"

#include "forms/Types.h"

namespace mirvo::win32 {
namespace {

using forms::MouseButton;
constexpr MouseButton kNone = MouseButton::None;

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
    m_clicks.Down(w, MouseButton::Left, true);
    EXPECT_EQ(GetCapture(), w);
    EXPECT_TRUE(m_clicks.Up(w, MouseButton::Left, kNone, m_area, {10, 10}));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(m_clicks.Up(w, MouseButton::Left, kNone, m_area, {10, 10}))
        << "a second release without a press";

    m_clicks.Down(w, MouseButton::Left, true);
    EXPECT_FALSE(m_clicks.Up(w, MouseButton::Left, kNone, m_area, {100, 10}))
        << "released just outside";
    EXPECT_EQ(GetCapture(), nullptr);

    m_clicks.Down(w, MouseButton::Left, false);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(m_clicks.Up(w, MouseButton::Left, kNone, m_area, {99, 49}));
}

TEST_F(ClickTrackerTest, GivesBackOnlyTheCaptureItTook) {
    HWND w = m_window.Get();
    ASSERT_NE(w, nullptr);
    // The window's own processing captured first, as a native button does.
    SetCapture(w);
    m_clicks.Down(w, MouseButton::Left, true);
    EXPECT_TRUE(m_clicks.Up(w, MouseButton::Left, kNone, m_area, {10, 10}));
    EXPECT_EQ(GetCapture(), w);
    ReleaseCapture();

    // Another window took the mouse while the button was down.
    m_clicks.Down(w, MouseButton::Left, true);
    SetCapture(m_other.Get());
    EXPECT_TRUE(m_clicks.Up(w, MouseButton::Left, kNone, m_area, {10, 10}));
    EXPECT_EQ(GetCapture(), m_other.Get());
    ReleaseCapture();

    // A capture taken later by the window itself is not the tracker's to give back.
    m_clicks.Down(w, MouseButton::Left, true);
    m_clicks.Up(w, MouseButton::Left, kNone, m_area, {10, 10});
    SetCapture(w);
    m_clicks.Up(w, MouseButton::Left, kNone, m_area, {10, 10});
    EXPECT_EQ(GetCapture(), w);
}

TEST_F(ClickTrackerTest, ARightPressCapturesTooUntilNoButtonPressedThereIsDown) {
    HWND w = m_window.Get();
    ASSERT_NE(w, nullptr);
    m_clicks.Down(w, MouseButton::Right, true);
    EXPECT_EQ(GetCapture(), w) << "the moves of a right drag come back to the window";
    EXPECT_FALSE(m_clicks.Up(w, MouseButton::Right, kNone, m_area, {10, 10}))
        << "only the left button clicks";
    EXPECT_EQ(GetCapture(), nullptr);

    // Both buttons: the capture stays until the second is released.
    m_clicks.Down(w, MouseButton::Left, true);
    m_clicks.Down(w, MouseButton::Right, true);
    EXPECT_FALSE(m_clicks.Up(w, MouseButton::Right, MouseButton::Left, m_area, {10, 10}));
    EXPECT_EQ(GetCapture(), w);
    EXPECT_TRUE(m_clicks.Up(w, MouseButton::Left, kNone, m_area, {10, 10}));
    EXPECT_EQ(GetCapture(), nullptr);

    // A left press whose release never came here (a drag dropped it elsewhere) does not keep the
    // capture of a later right press.
    m_clicks.Down(w, MouseButton::Left, true);
    ReleaseCapture();
    m_clicks.Down(w, MouseButton::Right, true);
    EXPECT_EQ(GetCapture(), w);
    m_clicks.Up(w, MouseButton::Right, kNone, m_area, {10, 10});
    EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
}  // namespace mirvo::win32
