// The clip settings on the Windows host, as a drop opens them: beside the slot, on top, the
// title box ready for typing, the colour at "Group Clr"; the close box stores nothing.

#include <gtest/gtest.h>

#include "app/EditContext.h"
#include "dialogs/ClipEditor.h"
#include "mainwindow/Edit.h"
#include "win32/WinTestSupport.h"
#include "win32/WindowsApp.h"

namespace mirvo {
namespace {

using wintest::PumpUntil;

// Runs checks while a modal window is up: a timer of this thread fires inside its loop.
struct WhileModal {
    explicit WhileModal(std::function<void()> work) {
        s_work = std::move(work);
        s_ran = false;
        m_timer = SetTimer(nullptr, 0, 50, &WhileModal::Tick);
    }
    ~WhileModal() { KillTimer(nullptr, m_timer); }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) noexcept {
        KillTimer(nullptr, timer);
        if (s_ran) {
            return;
        }
        s_ran = true;
        try {
            s_work();
        } catch (...) {
            ADD_FAILURE() << "exception while the window was up";
        }
    }

    static inline std::function<void()> s_work;
    static inline bool s_ran = false;
    UINT_PTR m_timer = 0;
};

TEST(ClipSettingsOnWindows, OpenBesideTheSlotOnTopWithTheTitleReady) {
    wintest::WindowsApp w;
    CreateMainWindow(w.app);
    w.app.MainWindow().Load();
    const std::string before = w.app.MainWindow().groupPanels.item[4]->Caption();

    WhileModal checks([&] {
        HWND window = nullptr;
        ASSERT_TRUE(PumpUntil(w.host, [&] {
            window = FindWindowA(nullptr, " Clip Settings");
            return window && IsWindowVisible(window);
        }));
        EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
        HWND title = GetFocus();
        char className[32] = {};
        GetClassNameA(title, className, sizeof className);
        EXPECT_STREQ(className, "Edit") << "typing goes into the title";
        HWND groupColor = FindWindowExA(window, nullptr, nullptr, "Group Clr");
        if (!groupColor) {
            for (HWND frame = FindWindowExA(window, nullptr, nullptr, nullptr);
                 frame && !groupColor; frame = FindWindowExA(window, frame, nullptr, nullptr)) {
                groupColor = FindWindowExA(frame, nullptr, nullptr, "Group Clr");
            }
        }
        ASSERT_NE(groupColor, nullptr);
        wintest::SaveScreenshot(window, wintest::ScreenshotFolder() + "\\clip-settings.bmp");
        PostMessageA(window, WM_CLOSE, 0, 0);
    });
    OpenClipSettings(w.app, 4);
    EXPECT_TRUE(WhileModal::s_ran);
    EXPECT_EQ(FindWindowA(nullptr, " Clip Settings"), nullptr);
    EXPECT_EQ(w.app.MainWindow().groupPanels.item[4]->Caption(), before)
        << "the close box stores nothing";
}

}  // namespace
}  // namespace mirvo
