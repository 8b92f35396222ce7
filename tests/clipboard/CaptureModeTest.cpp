#include <gtest/gtest.h>

#include "app/AppSettings.h"
#include "app/ClipboardState.h"
#include "clipboard/BulkFullForm.h"
#include "clipboard/ClipboardFixture.h"
#include "clipboard/History.h"
#include "clipboard/Monitor.h"

namespace mirvo {
namespace {

using forms::MouseButton;
using test::FileExists;
using test::ReadFileBytes;

class CaptureModes : public test::ClipboardFixture {
protected:
    forms::OptionButton& Mode(int i) {
        return *edit().controlPanel.CaptureMode[static_cast<size_t>(i)];
    }
    void ClickMode(int i, MouseButton button = MouseButton::Left) { t.host.Click(Mode(i), button); }
    int StoredModeOnDisk() {
        return DecodeSettings(ReadFileBytes(t.PrivateFolder() + "mirvo.ini")).CaptureMode;
    }
    std::string BulkTitle(int n) {
        const files::Bytes titles = ReadFileBytes(DataFile("bulk.dat"));
        return std::string(titles.begin() + n * 50, titles.begin() + (n + 1) * 50);
    }
};

TEST_F(CaptureModes, CaptureOffIgnoresCopiesAndItsSecondClickMarksWhatWasCopiedMeanwhile) {
    ClickMode(1);
    EXPECT_EQ(app.settings.CaptureMode, 1);
    EXPECT_TRUE(Mode(1).Value());
    EXPECT_EQ(Mode(1).BackColor(), 255u);
    CopyText("while off");
    EXPECT_EQ(app.clip.ClipboardClipCount, 0);

    ClickMode(1);  // clicked again: back to "Normal"
    EXPECT_EQ(app.settings.CaptureMode, 0);
    EXPECT_TRUE(Mode(0).Value());
    EXPECT_EQ(Mode(1).BackColor(), 0xC0C0C0u);
    Tick();
    EXPECT_EQ(app.clip.ClipboardClipCount, 0) << "what was copied while off is not captured";
    CopyText("after");
    EXPECT_EQ(app.clip.ClipboardClipCount, 1);
    EXPECT_EQ(StoredModeOnDisk(), 0);
}

TEST_F(CaptureModes, ClickingTheSelectedModeReturnsToNormal) {
    ClickMode(0);
    EXPECT_EQ(app.settings.CaptureMode, 0);
    ClickMode(2);
    EXPECT_EQ(app.settings.CaptureMode, 2);
    EXPECT_EQ(Mode(2).Caption(), "0") << "bulk mode shows the cache count";
    ClickMode(2);
    EXPECT_EQ(app.settings.CaptureMode, 0);
    EXPECT_EQ(Mode(2).Caption(), "Bulk");
}

TEST_F(CaptureModes, RightClicksOpenTheirHelp) {
    std::vector<int> topics;
    t.host.onModal = [&](forms::Form& f) {
        topics.push_back(app.HelpTopic);
        f.Unload();
    };
    ClickMode(1, MouseButton::Right);
    ClickMode(2, MouseButton::Right);
    t.host.Click(edit().clipboardPanel.ClearBtn, MouseButton::Right);
    EXPECT_EQ(topics, (std::vector<int>{28, 29, 3}));
    EXPECT_EQ(app.settings.CaptureMode, 0);
}

TEST_F(CaptureModes, BulkStartsWithTheHistoryAndCollectsCopiesUpToNinetySix) {
    for (int i = 0; i < 5; ++i) {
        CopyText("history " + std::to_string(i));
    }
    ClickMode(2);
    EXPECT_EQ(app.settings.BulkCount, 5);
    EXPECT_EQ(BulkTitle(4), Title("history 4"));
    EXPECT_EQ(ReadFileBytes(DataFile("bulk.4")), ReadFileBytes(DataFile("clip.4")));
    EXPECT_EQ(Mode(2).Caption(), "5");

    app.clip.TitlePending = 1;
    app.clip.PendingTitle = Title("pending");
    app.clip.PendingText = "in bulk";
    CopyText("in bulk");
    EXPECT_EQ(app.settings.BulkCount, 6);
    EXPECT_EQ(BulkTitle(5), Title("in bulk")) << "the bulk title always comes from the text";
    EXPECT_EQ(Caption(5), Title("pending"));

    int fullMessages = 0;
    t.host.onModal = [&](forms::Form& f) {
        EXPECT_EQ(static_cast<BulkFullForm&>(f).Message.Caption(), "The bulk cache is now full !");
        ++fullMessages;
        f.Unload();
    };
    for (int i = 6; i < 97; ++i) {
        CopyText("bulk " + std::to_string(i));
    }
    EXPECT_EQ(app.settings.BulkCount, 96);
    EXPECT_EQ(fullMessages, 1);
    EXPECT_FALSE(FileExists(DataFile("bulk.96")));
    EXPECT_EQ(Caption(8), Title("bulk 96")) << "the 97th copy still reaches the history";
}

TEST_F(CaptureModes, ClearEmptiesTheHistoryAndTheBulkCache) {
    CopyText("one");
    ClickMode(2);
    CopyText("two");
    ASSERT_EQ(app.settings.BulkCount, 2);
    t.host.Click(edit().clipboardPanel.ClearBtn);
    EXPECT_EQ(app.clip.ClipboardClipCount, 0);
    files::Bytes cleared = {0, 0};
    cleared.resize(452, ' ');
    EXPECT_EQ(ReadFileBytes(DataFile("clip.dat")), cleared);
    for (const char* gone : {"clip.0", "clip.1", "bulk.0", "bulk.1", "bulk.dat"}) {
        EXPECT_FALSE(FileExists(DataFile(gone))) << gone;
    }
    EXPECT_EQ(app.settings.BulkCount, 0);
    EXPECT_EQ(Mode(2).Caption(), "0") << "still in bulk mode";
}

}  // namespace
}  // namespace mirvo
