#include "clipboard/Monitor.h"

#include <gtest/gtest.h>

#include "app/ClipboardState.h"
#include "app/FolderSync.h"
#include "app/Modes.h"
#include "clipboard/Capture.h"
#include "clipboard/ClipboardFixture.h"
#include "clipboard/History.h"
#include "clipboard/Restore.h"
#include "files/DataFile.h"

namespace mirvo {
namespace {

using test::Bytes;
using test::CText;
using test::FileExists;
using test::ReadFileBytes;

class Monitor : public test::ClipboardFixture {};

TEST_F(Monitor, NewTextBecomesTheNewestClipWithItsTitleFileAndHistory) {
    CopyText(" \t\r\nHello world");
    EXPECT_EQ(app.clip.ClipboardClipCount, 1);
    EXPECT_EQ(Caption(0), Title("Hello world"));
    EXPECT_TRUE(FileExists(DataFile("clip.0")));
    EXPECT_FALSE(FileExists(CaptureFilePath(app)));
    EXPECT_TRUE(t.clipboard.IsFormatAvailable(app.MarkerFormats[0])) << "marked as seen";
    EXPECT_FALSE(t.clipboard.isOpen);

    files::Bytes history = {1, 0};
    const std::string titles = Title("Hello world") + std::string(8 * 50, ' ');
    history.insert(history.end(), titles.begin(), titles.end());
    EXPECT_EQ(ReadFileBytes(DataFile("clip.dat")), history);

    Tick();
    EXPECT_EQ(app.clip.ClipboardClipCount, 1) << "seen content is not captured again";
    CopyText(" \t\r\nHello world");
    EXPECT_EQ(app.clip.ClipboardClipCount, 2) << "the same text copied again is new content";
}

TEST_F(Monitor, ATenthCaptureDropsTheOldest) {
    for (int i = 1; i <= 10; ++i) {
        CopyText("clip " + std::to_string(i));
    }
    EXPECT_EQ(app.clip.ClipboardClipCount, 9);
    for (int slot = 0; slot < 9; ++slot) {
        EXPECT_EQ(Caption(slot), Title("clip " + std::to_string(slot + 2)));
        const files::Bytes file = ReadFileBytes(DataFile("clip." + std::to_string(slot)));
        const std::string text = "clip " + std::to_string(slot + 2);
        EXPECT_NE(std::search(file.begin(), file.end(), text.begin(), text.end()), file.end())
            << "slot " << slot << " holds its own clip's data";
    }
    EXPECT_EQ(DecodeHistory(ReadFileBytes(DataFile("clip.dat"))).titles[8], "clip 10");
}

TEST_F(Monitor, EveryGlobalMemoryFormatIsStoredButHandlesAndOleFormatsAreNot) {
    const std::uint32_t rtf = t.clipboard.RegisterFormat("Rich Text Format");
    const std::uint32_t native = t.clipboard.RegisterFormat("Native");
    const std::uint32_t link = t.clipboard.RegisterFormat("Link Source");
    t.clipboard.handleFormats = {2, 3, 14};
    CopyFormats({{1, CText("text")},
                 {rtf, Bytes("{\\rtf1}")},
                 {2, Bytes("hbitmap")},
                 {3, Bytes("metafile picture with a handle")},
                 {8, Bytes("DIB bytes")},
                 {14, Bytes("hemf")},
                 {native, Bytes("x")},
                 {link, Bytes("y")},
                 {17, {}}});
    for (std::uint32_t handle : {2u, 3u, 14u}) {
        EXPECT_EQ(
            std::count(t.clipboard.readFormats.begin(), t.clipboard.readFormats.end(), handle), 0)
            << "handle format " << handle << " is never asked for";
    }
    const files::Bytes stored = ReadFileBytes(DataFile("clip.0"));
    files::Bytes expected;
    auto put = [&](std::int32_t v) {
        for (int i = 0; i < 4; ++i) {
            expected.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
        }
    };
    auto record = [&](std::uint32_t format, const std::string& name,
                      const std::vector<std::uint8_t>& data) {
        put(static_cast<std::int32_t>(format));
        put(static_cast<std::int32_t>(name.size()));
        expected.insert(expected.end(), name.begin(), name.end());
        put(static_cast<std::int32_t>(data.size()));
        expected.insert(expected.end(), data.begin(), data.end());
    };
    put(-1);
    put(3);
    record(1, "", CText("text"));
    record(rtf, "Rich Text Format", Bytes("{\\rtf1}"));
    record(8, "", Bytes("DIB bytes"));
    EXPECT_EQ(stored, expected) << "empty blocks are skipped too";
}

TEST_F(Monitor, APictureGetsTheNonTextTitle) {
    CopyFormats({{8, Bytes("BITMAPINFOHEADER and pixels")}});
    EXPECT_EQ(Caption(0), Title("Non Text Clip."));
}

TEST_F(Monitor, TitlesFollowTheTextOfTheClip) {
    EXPECT_EQ(MakeClipTitle(app, ""), std::string(50, ' '));
    EXPECT_EQ(MakeClipTitle(app, "\r\n\t  "), std::string(50, ' '));
    EXPECT_EQ(MakeClipTitle(app, std::string(60, 'x') + "y"), std::string(50, 'x'));
    EXPECT_EQ(MakeClipTitle(app, "line one\r\nline two"), Title("line one\r\nline two"));
    EXPECT_EQ(MakeClipTitle(app, std::string("cut\0after", 9)), Title("cut"));
    EXPECT_EQ(MakeClipTitle(app, "\x01\x1f leading"), Title("leading"));
}

TEST_F(Monitor, SecretsAreMarkedSeenAndNotStored) {
    const std::uint32_t exclude =
        t.clipboard.RegisterFormat("ExcludeClipboardContentFromMonitorProcessing");
    const std::uint32_t ignore = t.clipboard.RegisterFormat("Clipboard Viewer Ignore");
    const std::uint32_t history = t.clipboard.RegisterFormat("CanIncludeInClipboardHistory");
    CopyFormats({{1, CText("password1")}, {exclude, {}}});
    CopyFormats({{1, CText("password2")}, {ignore, {}}});
    CopyFormats({{1, CText("password3")}, {history, {0, 0, 0, 0}}});
    EXPECT_EQ(app.clip.ClipboardClipCount, 0);
    EXPECT_FALSE(FileExists(DataFile("clip.0")));
    EXPECT_FALSE(FileExists(CaptureFilePath(app)));
    EXPECT_TRUE(t.clipboard.IsFormatAvailable(app.MarkerFormats[0]));

    CopyFormats({{1, CText("may keep")}, {history, {1, 0, 0, 0}}});
    EXPECT_EQ(app.clip.ClipboardClipCount, 1);
    EXPECT_EQ(Caption(0), Title("may keep"));
}

TEST_F(Monitor, APendingTitleNamesOnlyTheTextItWasGivenFor) {
    app.clip.TitlePending = 1;
    app.clip.PendingTitle = Title("Edited title");
    app.clip.PendingText = "edited text";
    CopyText("something else copied first");
    EXPECT_EQ(Caption(0), Title("something else copied first"));
    EXPECT_EQ(app.clip.TitlePending, 0) << "the pending title is dropped";

    app.clip.TitlePending = 1;
    app.clip.PendingText = "edited text";
    CopyText("edited text");
    EXPECT_EQ(Caption(1), Title("Edited title"));
}

TEST_F(Monitor, AClipboardHeldByAnotherProgramIsTriedAgainNextTick) {
    t.clipboard.heldByOtherForOpens = 1;
    CopyText("later");
    EXPECT_EQ(app.clip.ClipboardClipCount, 0);
    Tick();
    EXPECT_EQ(app.clip.ClipboardClipCount, 1);
}

TEST_F(Monitor, APollThatFailsLeavesTheTimerRunningAndTheClipboardClosed) {
    t.fs.diskFullFor = CaptureFilePath(app);
    CopyText("disk full");
    EXPECT_TRUE(edit().Timer1.Enabled());
    EXPECT_FALSE(t.clipboard.isOpen);
    EXPECT_EQ(app.clip.ClipboardClipCount, 0);
    t.fs.diskFullFor.clear();
    Tick();
    EXPECT_EQ(app.clip.ClipboardClipCount, 1) << "the next tick captures it";
}

TEST_F(Monitor, ACaptureOrClearThatCannotStoreTheTitlesLeavesTheHistoryAsItWas) {
    for (int i = 1; i <= 9; ++i) {
        CopyText("clip " + std::to_string(i));
    }
    // Every title of "clip.dat" names the text of the file beside it, and the panel shows them.
    auto expectWhole = [&](int count, int first) {
        const HistoryFile history = ReadHistoryFile(app);
        ASSERT_EQ(history.count, count);
        for (int i = 0; i < count; ++i) {
            const std::string text = "clip " + std::to_string(first + i);
            EXPECT_EQ(history.titles[i], text);
            EXPECT_EQ(files::TrimRight(Caption(i)), text);
            const files::Bytes data = ReadFileBytes(DataFile("clip." + std::to_string(i)));
            EXPECT_NE(std::search(data.begin(), data.end(), text.begin(), text.end()), data.end())
                << "clip." << i;
        }
        EXPECT_EQ(app.clip.ClipboardClipCount, count);
    };
    const FolderCounters before = ReadFolderCounters(app);
    t.fs.diskFullFor = "clip.dat";
    CopyText("clip 10");
    expectWhole(9, 1);
    EXPECT_ANY_THROW(ClearClipboardClips(app));
    expectWhole(9, 1);
    EXPECT_EQ(ReadFolderCounters(app).historyDropped, before.historyDropped)
        << "no clip left the history in the eyes of other instances";

    t.fs.diskFullFor.clear();
    CopyText("clip 10");
    expectWhole(9, 2);
}

TEST_F(Monitor, CapturesReachTheHistoryFilesWhileAnotherProgramHoldsThemOpen) {
    CopyText("first");
    // A reader holding the files the C runtime's way blocks every rename onto them.
    t.fs.sharedHeldPaths = {DataFile("clip.dat"), DataFile("clip.0"), DataFile("clip.1")};
    CopyText("second");
    CopyText("third");
    EXPECT_EQ(app.clip.ClipboardClipCount, 3);
    const files::Bytes history = ReadFileBytes(DataFile("clip.dat"));
    ASSERT_EQ(history.size(), 452u);
    EXPECT_EQ(history[0], 3);
    EXPECT_EQ(std::string(history.begin() + 102, history.begin() + 152), Title("third"));
    const files::Bytes second = ReadFileBytes(DataFile("clip.1"));
    const std::string word = "second";
    EXPECT_NE(std::search(second.begin(), second.end(), word.begin(), word.end()), second.end());
    EXPECT_FALSE(FileExists(files::TemporaryPath(DataFile("clip.dat"))));
}

TEST_F(Monitor, AReportedChangeIsCapturedAtOnceAndAnUnchangedClipboardIsNotOpened) {
    t.clipboard.PutFromOtherProgram({{1, CText("at once")}});
    t.clipboard.ReportChange();
    EXPECT_EQ(app.clip.ClipboardClipCount, 1) << "no tick needed";
    EXPECT_EQ(Caption(0), Title("at once"));
    EXPECT_TRUE(edit().Timer1.Enabled());

    // Its own marker changes the clipboard too: that report, and the ticks after it, leave the
    // clipboard closed for other programs to use.
    const int opens = t.clipboard.openAttempts;
    t.clipboard.ReportChange();
    Tick();
    Tick();
    EXPECT_EQ(t.clipboard.openAttempts, opens);
    EXPECT_EQ(app.clip.ClipboardClipCount, 1);

    // A restore of its own is reported as well and is not new content.
    t.clipboard.PutFromOtherProgram({{1, CText("second")}});
    Tick();
    ASSERT_EQ(app.clip.ClipboardClipCount, 2);
    ASSERT_TRUE(Loadclipboard(app, ClipKind::Clip, 0));
    t.clipboard.ReportChange();
    Tick();
    EXPECT_EQ(app.clip.ClipboardClipCount, 2);

    // While a paste of its own has the poll paused, a report waits for the next tick.
    edit().Timer1.SetEnabled(false);
    t.clipboard.PutFromOtherProgram({{1, CText("during a paste")}});
    t.clipboard.ReportChange();
    EXPECT_EQ(app.clip.ClipboardClipCount, 2);
    edit().Timer1.SetEnabled(true);
    Tick();
    EXPECT_EQ(app.clip.ClipboardClipCount, 3);

    // With capture off nothing is taken, and the content is new once capture is back on.
    app.settings.CaptureMode = Capture::Off;
    t.clipboard.PutFromOtherProgram({{1, CText("while off")}});
    t.clipboard.ReportChange();
    EXPECT_EQ(app.clip.ClipboardClipCount, 3);
    app.settings.CaptureMode = Capture::Normal;
    Tick();
    EXPECT_EQ(app.clip.ClipboardClipCount, 4);
}

TEST_F(Monitor, TheTickTracksTheForeignWindowTheWindowPositionAndHides) {
    t.desktop.foreground = 0x777;
    Tick();
    EXPECT_EQ(app.clip.LastForeignWindow, 0x777u);
    t.desktop.foreground = edit().hWnd();
    Tick();
    EXPECT_EQ(app.clip.LastForeignWindow, 0x777u) << "the program's own windows do not count";

    edit().SetWindowState(forms::WindowState::Normal);
    edit().Move(1500, 900, edit().Width(), edit().Height());
    Tick();
    EXPECT_EQ(app.settings.WindowLeft, 1500);
    EXPECT_EQ(app.settings.WindowTop, 900);
    app.settings.CompactLayout = 1;
    app.settings.ClipboardOnlyMode = 2;
    edit().Move(300, 200, edit().Width(), edit().Height());
    Tick();
    EXPECT_EQ(app.settings.HorizontalOnlyLeft, 300);
    EXPECT_EQ(app.settings.WindowLeft, 1500);

    app.settings.TaskbarIcon = 0;
    edit().SetWindowState(forms::WindowState::Minimized);
    Tick();
    EXPECT_FALSE(edit().Visible());
}

}  // namespace
}  // namespace mirvo
