#include "clipboard/Restore.h"

#include <gtest/gtest.h>

#include "app/ClipboardState.h"
#include "app/StoreState.h"
#include "clipboard/ClipDataFile.h"
#include "clipboard/ClipboardFixture.h"

namespace mirvo {
namespace {

using test::Bytes;
using test::CText;
using test::ReadFileBytes;
using test::WriteFileBytes;

void Long(files::Bytes& b, std::int32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
    }
}

class Restore : public test::ClipboardFixture {
protected:
    // What is on the clipboard besides the three markers.
    test::Formats Content() {
        test::Formats content;
        for (const auto& f : t.clipboard.formats) {
            if (f.first != app.MarkerFormats[0] && f.first != app.MarkerFormats[1] &&
                f.first != app.MarkerFormats[2]) {
                content.push_back(f);
            }
        }
        return content;
    }
    bool AllMarkers() {
        for (std::uint32_t marker : app.MarkerFormats) {
            if (!t.clipboard.IsFormatAvailable(marker)) {
                return false;
            }
        }
        return true;
    }
};

TEST_F(Restore, ACapturedClipComesBackWithEveryFormatAndTheMarkersAndIsNotCapturedAgain) {
    const std::uint32_t html = t.clipboard.RegisterFormat("HTML Format");
    const test::Formats copied = {
        {1, CText("text")}, {html, Bytes("<b>text</b>")}, {8, Bytes("DIB")}, {7, CText("oem")}};
    CopyFormats(copied);
    t.clipboard.PutFromOtherProgram({{1, CText("something else")}});

    EXPECT_TRUE(Loadclipboard(app, ClipKind::Clip, 0));
    EXPECT_EQ(Content(), copied);
    EXPECT_TRUE(AllMarkers());
    EXPECT_FALSE(t.clipboard.isOpen);
    Tick();
    EXPECT_EQ(app.clip.ClipboardClipCount, 1) << "restored content is not new";

    app.clip.TextOnly = 1;
    EXPECT_TRUE(Loadclipboard(app, ClipKind::Clip, 0));
    EXPECT_EQ(Content(), (test::Formats{{1, CText("text")}, {7, CText("oem")}}));
}

TEST_F(Restore, RegisteredFormatsComeBackUnderThisRunsIdForTheirName) {
    files::Bytes file;
    Long(file, -1);
    Long(file, 1);
    Long(file, 0xC0DE);  // the id of another run
    Long(file, 11);
    file.insert(file.end(), {'H', 'T', 'M', 'L', ' ', 'F', 'o', 'r', 'm', 'a', 't'});
    Long(file, 2);
    file.insert(file.end(), {'<', '>'});
    WriteFileBytes(DataFile("trans.3"), file);
    EXPECT_TRUE(Loadclipboard(app, ClipKind::Trans, 3));
    EXPECT_EQ(Content(), (test::Formats{{t.clipboard.RegisterFormat("HTML Format"), Bytes("<>")}}));
}

TEST_F(Restore, OlderAndTextLayouts) {
    files::Bytes older;
    Long(older, 3);
    Long(older, 1);
    Long(older, 3);
    older.insert(older.end(), {'o', 'k', 0});
    Long(older, 0xC005);  // a registered id with no name: stale, not restored
    Long(older, 1);
    older.push_back('x');
    Long(older, 3);  // a metafile picture holds a handle: never restored
    Long(older, 2);
    older.insert(older.end(), {9, 9});
    WriteFileBytes(DataFile("bulk.5"), older);
    EXPECT_TRUE(Loadclipboard(app, ClipKind::Bulk, 5));
    EXPECT_EQ(Content(), (test::Formats{{1, CText("ok")}}));
    EXPECT_TRUE(AllMarkers());

    WriteFileBytes(DataFile("group22.4"), TextClipBytes("typed text"));
    EXPECT_TRUE(Loadclipboard(app, ClipKind::HotKey, 4));
    EXPECT_EQ(Content(), (test::Formats{{1, CText("typed text")}}));
    EXPECT_EQ(app.clip.ClipText, "typed text");
    EXPECT_EQ(app.clip.ClipHasText, 1);
}

TEST_F(Restore, AMissingFileGivesAnEmptyClipboardWithTheMarkers) {
    t.clipboard.PutFromOtherProgram({{1, CText("old")}});
    app.store.GroupDataPrefix = app.DataFolder + "group3.";
    EXPECT_TRUE(Loadclipboard(app, ClipKind::Hot, 7));
    EXPECT_TRUE(Content().empty());
    EXPECT_TRUE(AllMarkers());
    EXPECT_TRUE(test::FileExists(DataFile("group3.7")));
}

TEST_F(Restore, AShortcutIsNeverPutOnTheClipboard) {
    files::Bytes shortcut = {0xE7, 0x03};
    shortcut.resize(1522, ' ');
    WriteFileBytes(DataFile("trans.0"), shortcut);
    t.clipboard.PutFromOtherProgram({{1, CText("keep")}});
    EXPECT_FALSE(Loadclipboard(app, ClipKind::Trans, 0));
    EXPECT_EQ(t.clipboard.formats, (test::Formats{{1, CText("keep")}}));
}

TEST_F(Restore, AClipboardKeptByAnotherProgramOrAFailedAllocationReportsFailure) {
    CopyText("stored");
    t.clipboard.PutFromOtherProgram({{1, CText("theirs")}});
    t.clipboard.heldByOtherForOpens = 1000;
    EXPECT_FALSE(Loadclipboard(app, ClipKind::Clip, 0));
    EXPECT_EQ(t.clipboard.formats, (test::Formats{{1, CText("theirs")}}));

    t.clipboard.heldByOtherForOpens = 0;
    t.clipboard.allocationLimit = 2;
    EXPECT_FALSE(Loadclipboard(app, ClipKind::Clip, 0));
    EXPECT_FALSE(AllMarkers()) << "a part-restored clip carries no markers";
    EXPECT_FALSE(t.clipboard.isOpen);
}

TEST_F(Restore, AFormatTheSystemRefusesIsLeftOutAndTheRestCarriesTheMarkers) {
    const std::uint32_t html = t.clipboard.RegisterFormat("HTML Format");
    CopyFormats({{1, CText("text")}, {html, Bytes("<b>text</b>")}, {7, CText("oem")}});
    t.clipboard.PutFromOtherProgram({{1, CText("something else")}});
    t.clipboard.refusedFormats = {html};
    EXPECT_TRUE(Loadclipboard(app, ClipKind::Clip, 0));
    EXPECT_EQ(Content(), (test::Formats{{1, CText("text")}, {7, CText("oem")}}));
    EXPECT_TRUE(AllMarkers());
    EXPECT_FALSE(t.clipboard.isOpen);
    Tick();
    EXPECT_EQ(app.clip.ClipboardClipCount, 1) << "the restored content is not captured again";
}

TEST_F(Restore, AReadErrorHalfWayLeavesTheClipboardClosedForEveryProgram) {
    CopyFormats({{1, CText("first")}, {8, Bytes(std::string(1000, 'p'))}});
    t.fs.readFailsFor = DataFile("clip.0");
    t.fs.readFailsAt = ReadFileBytes(DataFile("clip.0")).size() / 2;  // inside the picture
    EXPECT_THROW(Loadclipboard(app, ClipKind::Clip, 0), platform::FileError);
    EXPECT_FALSE(t.clipboard.isOpen);

    // A click on the clip: its handler ends there, nothing is pasted and the pointer is back.
    edit().SetWindowState(forms::WindowState::Normal);
    t.host.Click(*edit().clipboardPanel.ClipboardClip[0]);
    EXPECT_FALSE(t.clipboard.isOpen);
    EXPECT_EQ(edit().forms::Form::Pointer(), forms::MousePointer::Default);
    t.host.AdvanceTime(200);
    EXPECT_TRUE(t.keys.sent.empty());

    // The monitor captures again: the part restored (it has no markers), then the next copy.
    CopyText("copied after");
    EXPECT_EQ(Caption(app.clip.ClipboardClipCount - 1), Title("copied after"));
}

TEST_F(Restore, ATruncatedFileRestoresWhatIsWholeAndStillAddsTheMarkers) {
    CopyFormats({{1, CText("first")}, {8, Bytes(std::string(1000, 'p'))}});
    files::Bytes file = ReadFileBytes(DataFile("clip.0"));
    file.resize(file.size() - 500);
    WriteFileBytes(DataFile("clip.0"), file);
    EXPECT_TRUE(Loadclipboard(app, ClipKind::Clip, 0));
    EXPECT_EQ(Content(), (test::Formats{{1, CText("first")}}));
    EXPECT_TRUE(AllMarkers());
}

}  // namespace
}  // namespace mirvo
