#include "clipboard/History.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/ClipboardState.h"
#include "doubles/TestApp.h"
#include "mainwindow/Edit.h"
#include "startup/Main.h"

namespace mirvo {
namespace {

files::Bytes HistoryBytes(std::int16_t count, const std::vector<std::string>& titles) {
    files::Bytes b = {static_cast<std::uint8_t>(count & 0xFF),
                      static_cast<std::uint8_t>((count >> 8) & 0xFF)};
    for (size_t i = 0; i < 9; ++i) {
        std::string title = i < titles.size() ? titles[i] : "";
        title.resize(50, ' ');
        b.insert(b.end(), title.begin(), title.end());
    }
    return b;
}

// Starts the program over a data folder that already holds "clip.dat".
struct StartedWithHistory {
    explicit StartedWithHistory(const files::Bytes& history, int keep = 1) {
        AppSettings s = DecodeSettings({});
        UpgradeSettings(s, {15360, 11520});
        s.KeepClipboardClips = static_cast<std::int16_t>(keep);
        s.FirstRunDone = 1;
        t.StoreSettings(s);
        test::WriteFileBytes(t.desktop.programFolder + "clip.dat", history);
        EXPECT_TRUE(Main(app));
    }
    std::string Caption(int i) {
        return app.MainWindow().clipboardPanel.ClipboardClip[static_cast<size_t>(i)]->Caption();
    }
    test::TestApp t;
    App& app = t.Start();
};

TEST(History, TheHistoryIsLoadedAtStartWithItsCountRepaired) {
    StartedWithHistory kept(HistoryBytes(2, {"first", "second"}));
    EXPECT_EQ(kept.app.clip.ClipboardClipCount, 2);
    EXPECT_EQ(kept.Caption(0), "first");
    EXPECT_EQ(kept.Caption(1), "second");
    EXPECT_EQ(kept.Caption(2), "");

    StartedWithHistory tooMany(HistoryBytes(40, {"a"}));
    EXPECT_EQ(tooMany.app.clip.ClipboardClipCount, 9);
    StartedWithHistory negative(HistoryBytes(-3, {"a"}));
    EXPECT_EQ(negative.app.clip.ClipboardClipCount, 0);

    files::Bytes shortFile = HistoryBytes(1, {"short"});
    shortFile.resize(20);
    StartedWithHistory truncated(shortFile);
    EXPECT_EQ(truncated.Caption(0), "short");
    EXPECT_EQ(truncated.Caption(1), "");
}

TEST(History, BatchModeStartsEveryRunWithAnEmptyHistory) {
    StartedWithHistory batch(HistoryBytes(2, {"first", "second"}), 0);
    EXPECT_EQ(batch.app.clip.ClipboardClipCount, 0);
    EXPECT_EQ(batch.Caption(0), "");
    EXPECT_EQ(test::ReadFileBytes(batch.t.desktop.programFolder + "clip.dat"), HistoryBytes(0, {}));
}

TEST(History, AFreshDataFolderGetsAnEmptyHistoryFile) {
    test::TestApp t;
    ASSERT_TRUE(Main(t.Start()));
    EXPECT_EQ(test::ReadFileBytes(t.desktop.programFolder + "clip.dat"), HistoryBytes(0, {}));
}

}  // namespace
}  // namespace mirvo
