#include "mainwindow/Edit.h"

#include <gtest/gtest.h>

#include "doubles/TestApp.h"
#include "startup/Instance.h"
#include "startup/Main.h"

namespace mirvo {
namespace {

TEST(MainWindowClock, TheCaptionFollowsTheClockEverySixthTick) {
    test::TestApp t;
    App& app = t.Start();
    ASSERT_TRUE(Main(app));
    Edit& edit = app.MainWindow();
    const std::string first = edit.Caption();

    t.desktop.now.minute = 20;
    t.host.AdvanceTime(5000);
    EXPECT_EQ(edit.Caption(), first) << "five ticks do not touch the caption";
    t.host.AdvanceTime(1000);
    EXPECT_EQ(edit.Caption(), MainWindowTitle("Monday  7th Dec 26   9:20"));

    t.desktop.now.hour = 22;
    t.desktop.now.minute = 5;
    t.host.AdvanceTime(6000);
    EXPECT_EQ(edit.Caption(), MainWindowTitle("Monday  7th Dec 26   10:05"));
    EXPECT_TRUE(edit.Timer1.Enabled()) << "each tick leaves the timer running";
}

TEST(MainWindowLayout, TheFullWindowHasTheSizeOfItsLayout) {
    test::TestApp t;
    App& app = t.Start();
    ASSERT_TRUE(Main(app));
    Edit& edit = app.MainWindow();
    app.settings.LargeWindow = 0;
    edit.PrepareLayout();
    EXPECT_EQ(edit.Width(), 9624);
    EXPECT_EQ(edit.Height(), 6150 + app.CaptionHeight);
    app.settings.LargeWindow = 1;
    edit.PrepareLayout();
    EXPECT_EQ(edit.Width(), 12288);
    EXPECT_EQ(edit.Height(), 8426 + app.CaptionHeight);
}

}  // namespace
}  // namespace mirvo
