// The quick-help window on the Windows host: the topic from the shipped file in a read-only
// box, centred and on top, closed by Escape without the key acting again below.

#include <gtest/gtest.h>

#include "files/DataFile.h"
#include "help/QuickHelp.h"
#include "win32/WinTestSupport.h"
#include "win32/WindowsApp.h"

namespace mirvo {
namespace {

using wintest::PumpUntil;

// Runs checks while a modal window is up: a timer of this thread fires inside its loop.
class WhileModal {
public:
    explicit WhileModal(std::function<void()> work) : m_work(std::move(work)) {
        s_current = this;
        m_timer = SetTimer(nullptr, 0, 50, &WhileModal::Tick);
    }
    ~WhileModal() {
        KillTimer(nullptr, m_timer);
        s_current = nullptr;
    }
    bool Ran() const { return m_ran; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) noexcept {
        WhileModal* self = s_current;
        if (!self || self->m_ran) {
            return;
        }
        self->m_ran = true;
        KillTimer(nullptr, self->m_timer);
        try {
            self->m_work();
        } catch (...) {
            ADD_FAILURE() << "exception while the window was up";
        }
    }

    static inline WhileModal* s_current = nullptr;
    std::function<void()> m_work;
    UINT_PTR m_timer = 0;
    bool m_ran = false;
};

HWND FindHelpWindow() {
    return FindWindowA(nullptr, " Mirvo Quick Help");
}

TEST(QuickHelpWindowOnWindows, ShowsTheShippedTopicOnTopAndEscapeCloses) {
    wintest::WindowsApp w;
    w.app.ProgramFolder = wintest::TestProgramFolder();
    const files::Bytes shipped =
        files::OpenDataFile(w.files, w.app.ProgramFolder + "mirvo.qhp").ReadAll();
    const std::optional<std::string> topic =
        ExtractTopic(std::string(shipped.begin(), shipped.end()), 9);
    ASSERT_TRUE(topic.has_value());

    WhileModal checks([&] {
        HWND window = nullptr;
        ASSERT_TRUE(PumpUntil(w.host, [&] { return (window = FindHelpWindow()) != nullptr; }));
        HWND box = FindWindowExA(window, nullptr, "Edit", nullptr);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(wintest::TextOf(box), *topic);
        EXPECT_TRUE(GetWindowLongA(box, GWL_STYLE) & ES_READONLY);
        EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
        RECT r{};
        GetWindowRect(window, &r);
        EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 2);
        EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 2);
        wintest::SaveScreenshot(window, wintest::ScreenshotFolder() + "\\quick-help.bmp");

        // Typing changes nothing; Escape closes.
        wintest::MakeForeground(w.host, window);
        SetFocus(box);
        wintest::TypeText("zz");
        wintest::PressKey(VK_DELETE);
        wintest::PumpFor(w.host, 100);
        EXPECT_EQ(wintest::TextOf(box), *topic);
        wintest::PressKey(VK_ESCAPE);
    });
    ShowQuickHelp(w.app, 9);
    EXPECT_TRUE(checks.Ran());
    EXPECT_EQ(FindHelpWindow(), nullptr);
    EXPECT_EQ(w.host.SwallowKeyUp(), VK_ESCAPE) << "the Escape closed the window as it went down: "
                                                   "its release is swallowed wherever it comes";
}

}  // namespace
}  // namespace mirvo
