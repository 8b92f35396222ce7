// The start-up load path over data folders whose files are truncated, oversized, empty, hold
// impossible counts or sizes, or are folders where files should be. The program never crashes:
// it repairs what the file rules say it repairs, or, where it cannot go on, ends with its fatal
// message; and no other file or folder on disk changes.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "app/ClipboardState.h"
#include "app/FolderSync.h"
#include "app/Settings.h"
#include "app/StoreState.h"
#include "clipboard/ClipDataFile.h"
#include "clipboard/History.h"
#include "clipboard/Restore.h"
#include "doubles/TempFolder.h"
#include "files/DataFile.h"
#include "harness/ProgramOver.h"
#include "mainwindow/Edit.h"
#include "store/Groups.h"
#include "store/LibraryFiles.h"
#include "store/RecordCodec.h"
#include "store/TransferSlots.h"

namespace mirvo {
namespace {

namespace fsys = std::filesystem;
using test::ReadFileBytes;
using test::WriteFileBytes;

// Every file with its bytes and every folder (no bytes), by path relative to the root.
using Tree = std::map<std::string, std::optional<files::Bytes>>;

Tree Snapshot(const std::string& root) {
    Tree tree;
    for (const auto& entry : fsys::recursive_directory_iterator(root)) {
        const std::string path = fsys::relative(entry.path(), root).generic_string();
        tree[path] =
            entry.is_directory() ? std::nullopt : std::optional(ReadFileBytes(entry.path()));
    }
    return tree;
}

const std::vector<std::string> kNothing;

class CorruptFolder : public ::testing::Test {
protected:
    // The data folder as a user leaves it: clips in group 0 with their data files, a transfer
    // slot, a copied clip in the history, a named library, and the window closed once.
    void SetUp() override {
        test::ProgramOver first(m_root.Path());
        ASSERT_TRUE(first.Start());
        App& app = first.app();
        GroupPanels& panels = app.MainWindow().groupPanels;
        panels.item[0]->SetCaption("Meeting notes");
        panels.item[1]->SetCaption("Address");
        app.store.ClipPasteMode[0] = 1;
        SaveGroup(app);
        WriteFileBytes(Program("Lib1/group0.0"), TextClipBytes("notes"));
        WriteFileBytes(Program("Lib1/group0.1"), TextClipBytes("1 Main Street"));
        panels.Trans[0]->SetCaption("Signature");
        SaveTransferSlots(app);
        WriteFileBytes(Program("trans.0"), TextClipBytes("Regards"));
        app.MainWindow().clipboardPanel.ClipboardClip[0]->SetCaption("copied text");
        app.clip.ClipboardClipCount = 1;
        SaveClipboardHistory(app);
        WriteFileBytes(Program("clip.0"), TextClipBytes("copied text"));
        SaveLibraryList(app, std::vector<std::string>{"Work"});
        ASSERT_TRUE(first.host.CloseByUser(app.MainWindow()));
    }

    std::string Program(const std::string& file) const { return m_root.Path() + "program/" + file; }
    std::string SettingsFile() const {
        return m_root.Path() + "appdata/Talbrook Software/Mirvo_Data/mirvo.ini";
    }

    // Replaces a file by a folder of the same name that holds a file of its own.
    void MakeFolder(const std::string& path) {
        fsys::remove(path);
        fsys::create_directory(path);
        WriteFileBytes(path + "/inside.txt", {'k', 'e', 'e', 'p'});
    }
    void Truncate(const std::string& path, size_t size) {
        files::Bytes bytes = ReadFileBytes(path);
        bytes.resize(size);
        WriteFileBytes(path, bytes);
    }
    void Append(const std::string& path, size_t count) {
        files::Bytes bytes = ReadFileBytes(path);
        bytes.resize(bytes.size() + count, 0xA5);
        WriteFileBytes(path, bytes);
    }

    // Starts the program over the damaged folder, keeping the tree as it was for ChangedBesides().
    bool Restart() {
        m_before = Snapshot(m_root.Path());
        m_program = std::make_unique<test::ProgramOver>(m_root.Path());
        return m_program->Start();
    }
    App& app() { return m_program->app(); }
    GroupPanels& panels() { return app().MainWindow().groupPanels; }

    // The paths that changed, appeared or went since the start, but those under allowed.
    std::vector<std::string> ChangedBesides(std::initializer_list<std::string> allowed = {}) {
        const Tree after = Snapshot(m_root.Path());
        std::vector<std::string> changed;
        auto note = [&](const std::string& path) {
            // The lock file beside the data counts the program's changes; it is no data.
            if (path.ends_with(kFolderLockFile)) {
                return;
            }
            for (const std::string& prefix : allowed) {
                if (path.starts_with(prefix)) {
                    return;
                }
            }
            changed.push_back(path);
        };
        for (const auto& [path, content] : m_before) {
            const auto now = after.find(path);
            if (now == after.end() || now->second != content) {
                note(path);
            }
        }
        for (const auto& entry : after) {
            if (!m_before.contains(entry.first)) {
                note(entry.first);
            }
        }
        return changed;
    }

    void ExpectFatalEnd(bool started) {
        EXPECT_FALSE(started);
        ASSERT_EQ(m_program->host.messages.size(), 1u);
        EXPECT_EQ(m_program->host.messages[0].text, files::kFatalFileMessage);
        EXPECT_TRUE(m_program->host.ended);
        EXPECT_EQ(ChangedBesides(), kNothing);
    }

    test::TempFolder m_root;
    Tree m_before;
    std::unique_ptr<test::ProgramOver> m_program;
};

const char* const kSettingsPath = "appdata/Talbrook Software/Mirvo_Data/mirvo.ini";

TEST_F(CorruptFolder, AnEmptySettingsFileIsAFirstStartOverTheSameData) {
    Truncate(SettingsFile(), 0);
    ASSERT_TRUE(Restart());
    const files::Bytes stored = ReadFileBytes(SettingsFile());
    ASSERT_EQ(stored.size(), kSettingsRecordSize);
    EXPECT_EQ(DecodeSettings(stored).Version, kSettingsVersion);
    EXPECT_EQ(m_program->shell.started.size(), 1u) << "the first-run page";
    EXPECT_EQ(panels().item[0]->Caption(), "Meeting notes");
    EXPECT_EQ(ChangedBesides({kSettingsPath}), kNothing);
}

TEST_F(CorruptFolder, ASettingsFileCutInHalfReadsZerosAndLeavesTheCommonDataAlone) {
    Truncate(SettingsFile(), kSettingsRecordSize / 2);
    ASSERT_TRUE(Restart());
    // The data option reads 0: the private folder gets a library of its own.
    EXPECT_EQ(app().DataFolder, m_program->PrivateFolder());
    EXPECT_EQ(ReadFileBytes(SettingsFile()).size(), kSettingsRecordSize);
    EXPECT_EQ(ChangedBesides({"appdata/"}), kNothing);
}

TEST_F(CorruptFolder, AnOversizedSettingsFileIsReadForItsRecordAndLeftAlone) {
    Append(SettingsFile(), 64 * 1024);
    ASSERT_TRUE(Restart());
    EXPECT_EQ(app().settings.FirstRunDone, 1);
    EXPECT_EQ(panels().item[0]->Caption(), "Meeting notes");
    EXPECT_EQ(ChangedBesides(), kNothing);
}

TEST_F(CorruptFolder, ImpossibleSettingsAreRepairedInMemory) {
    AppSettings s = DecodeSettings(ReadFileBytes(SettingsFile()));
    s.CurrentGroup = 32767;
    s.CommonLibrary = -3;
    s.BulkCount = 5000;
    s.DisplayMode = 77;
    s.CaptureMode = 9;
    s.WindowTop = 1 << 30;
    s.CompactLeft = std::numeric_limits<float>::quiet_NaN();
    WriteFileBytes(SettingsFile(), EncodeSettings(s));
    ASSERT_TRUE(Restart());
    const AppSettings& repaired = app().settings;
    EXPECT_EQ(repaired.CurrentGroup, 0);
    EXPECT_EQ(app().CurrentLibrary, 1);
    EXPECT_EQ(repaired.BulkCount, 0);
    EXPECT_EQ(repaired.DisplayMode, 5);
    EXPECT_EQ(repaired.CaptureMode, 0);
    EXPECT_EQ(repaired.WindowTop, 0);
    EXPECT_EQ(repaired.CompactLeft, 0.0f);
    EXPECT_EQ(panels().item[1]->Caption(), "Address");
    EXPECT_EQ(ChangedBesides(), kNothing);
}

TEST_F(CorruptFolder, AnEmptyLibraryListIsWrittenAnew) {
    Truncate(Program("Lib.dat"), 0);
    ASSERT_TRUE(Restart());
    EXPECT_EQ(ReadFileBytes(Program("Lib.dat")), store::DefaultLibraryList());
    EXPECT_EQ(app().MainWindow().controlPanel.LibLabel.Caption(), "Library 1");
    EXPECT_EQ(ChangedBesides({"program/Lib.dat"}), kNothing);
}

TEST_F(CorruptFolder, CutAndOversizedRecordFilesKeepWhatIsThere) {
    Truncate(Program("Lib.dat"), 2);
    Truncate(Program("Lib1/group0.dat"), 60);  // one title and the start of the next
    Append(Program("Lib1/Groups.dat"), 10000);
    Truncate(Program("Lib1/Colr0.dat"), 3);
    Truncate(Program("trans.dat"), 401);  // the titles and half a source
    Truncate(Program("clip.dat"), 20);
    ASSERT_TRUE(Restart());
    EXPECT_EQ(app().MainWindow().controlPanel.LibLabel.Caption(), "Wo");
    EXPECT_EQ(panels().item[0]->Caption(), "Meeting notes");
    EXPECT_EQ(panels().item[1]->Caption(), "Address");
    EXPECT_EQ(panels().item[2]->Caption(), "");
    EXPECT_EQ(panels().Group[22]->Caption(), "Hot Key Clips");
    EXPECT_EQ(panels().Trans[0]->Caption(), "Signature");
    EXPECT_EQ(app().clip.ClipboardClipCount, 1);
    EXPECT_EQ(app().MainWindow().clipboardPanel.ClipboardClip[0]->Caption(), "copied text");
    EXPECT_EQ(ChangedBesides(), kNothing);
}

TEST_F(CorruptFolder, EmptyGroupFilesGetTheirDefaultsAndTheClipDataStays) {
    for (const char* file : {"Lib1/group0.dat", "Lib1/group0.mod", "Lib1/Colr0.dat",
                             "Lib1/Groups.dat", "Lib1/groups.clr"}) {
        Truncate(Program(file), 0);
    }
    ASSERT_TRUE(Restart());
    EXPECT_EQ(ReadFileBytes(Program("Lib1/group0.dat")), files::Bytes(4800, ' '));
    EXPECT_EQ(ReadFileBytes(Program("Lib1/group0.mod")), files::Bytes(96, 3));
    EXPECT_EQ(ReadFileBytes(Program("Lib1/Colr0.dat")), files::Bytes(384, 0));
    EXPECT_EQ(ReadFileBytes(Program("Lib1/groups.clr")), files::Bytes(128, 0));
    EXPECT_EQ(ReadFileBytes(Program("Lib1/Groups.dat")).size(), 1600u);
    EXPECT_EQ(panels().item[0]->Caption(), "");
    EXPECT_EQ(ChangedBesides({"program/Lib1/group0.dat", "program/Lib1/group0.mod",
                              "program/Lib1/Colr0.dat", "program/Lib1/Groups.dat",
                              "program/Lib1/groups.clr"}),
              kNothing);
}

TEST_F(CorruptFolder, ImpossibleCountsModesAndSourcesAreReadAsNothing) {
    WriteFileBytes(Program("Lib1/group0.mod"), files::Bytes(96, 0xFF));
    files::Bytes trans = ReadFileBytes(Program("trans.dat"));
    files::WriteInt16(trans, 400, 0x7FFF);  // slot 0 refers to a group that cannot be
    WriteFileBytes(Program("trans.dat"), trans);
    for (const std::int16_t count : {32767, -7}) {
        SCOPED_TRACE(count);
        files::Bytes history = ReadFileBytes(Program("clip.dat"));
        files::WriteInt16(history, 0, count);
        WriteFileBytes(Program("clip.dat"), history);
        ASSERT_TRUE(Restart());
        EXPECT_EQ(app().clip.ClipboardClipCount, count > 0 ? 9 : 0);
        EXPECT_EQ(app().store.ClipPasteMode[0], store::kPasteModeNotSet);
        EXPECT_EQ(panels().Trans[0]->Caption(), "");
        EXPECT_EQ(app().store.TransSource[0], -1);
        EXPECT_EQ(ChangedBesides(), kNothing);
    }
}

TEST_F(CorruptFolder, AClipFileWithImpossibleSizesRestoresItsWholeRecordsOnly) {
    files::Bytes clip;
    files::WriteInt32(clip, 0, -1);
    files::WriteInt32(clip, 4, 1000000);  // records
    files::WriteInt32(clip, 8, 1);        // CF_TEXT, 3 bytes
    files::WriteInt32(clip, 12, 0);
    files::WriteInt32(clip, 16, 3);
    files::WriteText(clip, 20, std::string("ok\0", 3));
    files::WriteInt32(clip, 23, 13);  // CF_UNICODETEXT, two gigabytes
    files::WriteInt32(clip, 27, 0);
    files::WriteInt32(clip, 31, 0x7FFFFFF0);
    WriteFileBytes(Program("Lib1/group0.0"), clip);
    ASSERT_TRUE(Restart());
    ASSERT_TRUE(Loadclipboard(app(), ClipKind::Hot, 0));
    EXPECT_EQ(m_program->clipboard.formats.front(),
              (std::pair<std::uint32_t, std::vector<std::uint8_t>>{1, {'o', 'k', 0}}));
    EXPECT_FALSE(m_program->clipboard.IsFormatAvailable(13));
    EXPECT_EQ(ChangedBesides(), kNothing);
}

TEST_F(CorruptFolder, AFolderWhereADataFileShouldBeEndsWithTheFatalMessage) {
    for (const char* file :
         {kSettingsPath, "program/Lib.dat", "program/Lib1/Groups.dat", "program/Lib1/groups.clr",
          "program/Lib1/group0.dat", "program/clip.dat", "program/trans.dat"}) {
        SCOPED_TRACE(file);
        const std::string path = m_root.Path() + file;
        const files::Bytes saved = ReadFileBytes(path);
        MakeFolder(path);
        ExpectFatalEnd(Restart());
        fsys::remove_all(path);
        WriteFileBytes(path, saved);
    }
}

TEST_F(CorruptFolder, AFileWhereTheLibraryFolderShouldBeEndsWithTheFatalMessage) {
    fsys::remove_all(Program("Lib1"));
    WriteFileBytes(Program("Lib1"), {'n', 'o', 't', ' ', 'a', ' ', 'f', 'o', 'l', 'd', 'e', 'r'});
    ExpectFatalEnd(Restart());
}

}  // namespace
}  // namespace mirvo
