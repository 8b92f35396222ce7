#include "startup/Main.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "doubles/TestApp.h"
#include "files/Paths.h"
#include "mainwindow/Edit.h"
#include "startup/Instance.h"

namespace mirvo {
namespace {

using forms::WindowState;
using test::FileExists;
using test::ReadFileBytes;
using test::WriteFileBytes;

constexpr char kSep = files::kPathSeparator;

files::Bytes SettingsBytes(test::TestApp& t) {
    return ReadFileBytes(t.PrivateFolder() + "mirvo.ini");
}

AppSettings StoredSettings(test::TestApp& t) {
    return DecodeSettings(SettingsBytes(t));
}

AppSettings CurrentDefaults() {
    AppSettings s = DecodeSettings({});
    UpgradeSettings(s, {15360, 11520});
    return s;
}

TEST(Startup, FirstStartCreatesTheSettingsFileAndShowsTheWindowRestored) {
    test::TestApp t;
    App& app = t.Start();
    ASSERT_TRUE(Main(app));

    const files::Bytes stored = SettingsBytes(t);
    ASSERT_EQ(stored.size(), 145u);
    const AppSettings s = DecodeSettings(stored);
    EXPECT_EQ(s.Version, "VERFOUR");
    EXPECT_EQ(s.DataOption, 1);
    EXPECT_EQ(s.PrivateLibrary, 1);
    EXPECT_EQ(s.CommonLibrary, 1);
    EXPECT_EQ(s.BackgroundColor, 0xC0C0C0);
    EXPECT_EQ(s.ClipboardClipColor, 0xFFFFC0);
    EXPECT_EQ(s.GroupClipColor, 0xC0E0FF);
    EXPECT_EQ(s.GroupNameColor, 0xC0FFC0);
    EXPECT_EQ(s.DisplayMode, 5);

    MainForm& edit = app.MainWindow();
    EXPECT_TRUE(edit.Visible());
    EXPECT_EQ(edit.WindowState(), WindowState::Normal);
    EXPECT_EQ(edit.Caption(), app.MainTitle);
    EXPECT_EQ(app.MainTitle, MainWindowTitle("Monday  7th Dec 26   9:19"));
    EXPECT_TRUE(edit.Timer1.Enabled());
    EXPECT_TRUE(edit.TimerEdge.Enabled());

    // The first-run page goes to the launcher; the flag reaches the file with the next save.
    ASSERT_EQ(t.shell.started.size(), 1u);
    EXPECT_NE(t.shell.started[0].commandLine.find("lnch2.exe"), std::string::npos);
    const files::Bytes handOver = ReadFileBytes(t.PrivateFolder() + "lnch.dat");
    EXPECT_EQ(std::string(handOver.begin(), handOver.end()),
              app.ProgramFolder + "tutorial" + kSep + "Firstoptions.htm");
    EXPECT_EQ(app.settings.FirstRunDone, 1);
    EXPECT_EQ(StoredSettings(t).FirstRunDone, 0);
}

TEST(Startup, FoldersAreResolvedAndTheCaptionHeightMeasured) {
    test::TestApp t;
    App& app = t.Start();
    ASSERT_TRUE(Main(app));
    EXPECT_EQ(app.PrivateDataFolder, t.PrivateFolder());
    EXPECT_TRUE(std::filesystem::is_directory(t.PrivateFolder()));
    EXPECT_EQ(app.ProgramFolder, t.temp.Path() + "program" + kSep);
    EXPECT_EQ(app.WindowsFolder, t.temp.Path() + "windows" + kSep);
    EXPECT_EQ(app.UserName, "tester");
    EXPECT_EQ(app.CaptionHeight, t.host.captionTwips + 2 * t.host.borderTwips);
    // The common data option puts the data in the program folder.
    EXPECT_EQ(app.DataFolder, app.ProgramFolder);
    EXPECT_EQ(app.LibraryFolder, app.ProgramFolder + "Lib1" + kSep);
}

TEST(Startup, LaterStartsAreMinimizedAndTheSettingsAreRepairedAndSavedOnClose) {
    test::TestApp t;
    AppSettings s = CurrentDefaults();
    s.FirstRunDone = 1;
    s.DisplayMode = 4;
    s.LastOptionsPage = 6;
    s.CurrentGroup = 40;
    s.BulkSpacing = 9;
    s.WindowTop = 1200;
    s.WindowLeft = 2400;
    t.StoreSettings(s);

    App& app = t.Start();
    ASSERT_TRUE(Main(app));
    MainForm& edit = app.MainWindow();
    EXPECT_EQ(edit.WindowState(), WindowState::Minimized);
    EXPECT_TRUE(t.shell.started.empty());
    EXPECT_EQ(edit.Top(), 1200);
    EXPECT_EQ(edit.Left(), 2400);

    // The user closes the main window: the settings are saved and the program ends.
    EXPECT_TRUE(t.host.CloseByUser(edit));
    EXPECT_TRUE(t.host.ended);
    const AppSettings stored = StoredSettings(t);
    EXPECT_EQ(stored.DisplayMode, 5);
    EXPECT_EQ(stored.LastOptionsPage, 0);
    EXPECT_EQ(stored.CurrentGroup, 0);
    EXPECT_EQ(stored.BulkSpacing, 1);
    EXPECT_EQ(stored.PasteModeOverride, 3);
    EXPECT_EQ(stored.WindowTop, 1200);
}

TEST(Startup, AnOlderSettingsFileIsUpgraded) {
    test::TestApp t;
    files::Bytes older(120, 0);
    std::memcpy(older.data(), "CCV2.00", 7);
    older[7] = 4;  // bulk count
    std::filesystem::create_directories(t.PrivateFolder());
    WriteFileBytes(t.PrivateFolder() + "mirvo.ini", older);
    // The four items of that bulk cache, in the data folder.
    WriteFileBytes(t.temp.Path() + "program" + files::kPathSeparator + "bulk.dat",
                   files::Bytes(4 * 50, ' '));

    ASSERT_TRUE(Main(t.Start()));
    const files::Bytes stored = SettingsBytes(t);
    ASSERT_EQ(stored.size(), 145u);
    const AppSettings s = DecodeSettings(stored);
    EXPECT_EQ(s.Version, "VERFOUR");
    EXPECT_EQ(s.BulkCount, 4);
    EXPECT_EQ(s.DisplayMode, 5);
}

TEST(Startup, ASecondInstanceBringsTheRunningWindowForwardAndEnds) {
    struct Case {
        const char* what;
        std::string runningTitle;
    };
    const std::string now = MainWindowTitle("Monday  7th Dec 26   9:19");
    const Case cases[] = {
        {"same minute", now},
        {"running window shows the minute before", MainWindowTitle("Monday  7th Dec 26   9:18")},
        {"running window's clock stands still", MainWindowTitle("Monday  7th Dec 26   8:02")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TestApp t;
        t.desktop.instanceLockHeld = true;
        t.desktop.windows[0x500] = {c.runningTitle, true, false};
        App& app = t.Start();
        EXPECT_FALSE(Main(app));
        ASSERT_EQ(t.desktop.showCalls.size(), 1u);
        EXPECT_EQ(t.desktop.showCalls[0].window, 0x500u);
        EXPECT_EQ(t.desktop.showCalls[0].command, platform::ShowCommand::Normal);
        EXPECT_EQ(t.desktop.foregroundCalls, std::vector<platform::WindowHandle>{0x500});
        // No file is touched by the second instance.
        EXPECT_FALSE(FileExists(t.temp.Path() + "appdata" + kSep + "Talbrook Software"));
        EXPECT_FALSE(app.HasMainWindow());
    }
}

TEST(Startup, TheWindowsFolderProbeNeverTouchesOtherFiles) {
    test::TestApp t;
    const std::string windows = t.temp.Path() + "windows" + kSep;
    WriteFileBytes(windows + "User.txt", {'u', 's', 'e', 'r'});
    App& app = t.Start();
    ASSERT_TRUE(Main(app));
    EXPECT_EQ(app.LimitedUser, 0);
    EXPECT_EQ(t.fs.ListFiles(windows), std::vector<std::string>{"User.txt"});
    EXPECT_EQ(ReadFileBytes(windows + "User.txt"), (files::Bytes{'u', 's', 'e', 'r'}));
}

TEST(Startup, AnUnwritableWindowsFolderForcesPrivateData) {
    test::TestApp t;
    t.desktop.windowsFolder = t.temp.Path() + "no-such-windows";
    App& app = t.Start();
    ASSERT_TRUE(Main(app));
    EXPECT_EQ(app.LimitedUser, 1);
    EXPECT_EQ(app.settings.DataOption, 0);
    EXPECT_EQ(StoredSettings(t).DataOption, 0);
    EXPECT_EQ(app.DataFolder, app.PrivateDataFolder);
}

// Runs a block with the working folder set to a temporary one.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::string& path) : m_old(std::filesystem::current_path()) {
        std::filesystem::current_path(path);
    }
    ~WorkingFolder() { std::filesystem::current_path(m_old); }

private:
    std::filesystem::path m_old;
};

TEST(Startup, WithoutAnApplicationDataFolderThePathIsBuiltByHand) {
    for (const std::string user : {"Ann", ""}) {
        SCOPED_TRACE(user);
        test::TestApp t;
        t.desktop.specialFolders.clear();
        t.desktop.userName = user;
        t.temp.Sub("C:");  // the system drive of the built path
        WorkingFolder cwd(t.temp.Path());
        App& app = t.Start();
        ASSERT_TRUE(Main(app));
        const std::string expected = std::string("C:") + kSep + "Documents and Settings" + kSep +
                                     (user.empty() ? "All Users" : user) + kSep +
                                     "Application Data" + kSep + "Talbrook Software" + kSep +
                                     "Mirvo_Data" + kSep;
        EXPECT_EQ(app.PrivateDataFolder, expected);
        EXPECT_TRUE(FileExists(t.temp.Path() + expected + "mirvo.ini"));
    }
}

TEST(Startup, ASettingsFileHeldByAnotherProgramEndsWithTheFatalMessage) {
    test::TestApp t;
    t.fs.lockedPaths.insert(t.PrivateFolder() + "mirvo.ini");
    App& app = t.Start();
    EXPECT_FALSE(Main(app));
    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].text,
              "Error - One of the program's data files cannot be opened !   \r\n\r\n"
              "Either another application has opened it or there is a fault in the Windows "
              "file locking system.    \r\n\r\nPlease restart your computer.    ");
    EXPECT_EQ(t.host.messages[0].style, 48);
    EXPECT_TRUE(t.host.ended);
    EXPECT_FALSE(app.MainWindow().Visible());
}

TEST(Startup, ASettingsFileThatAnotherProgramOnlySharesStartsAsUsual) {
    test::TestApp t;
    t.fs.sharedHeldPaths.insert(t.PrivateFolder() + "mirvo.ini");
    App& app = t.Start();
    EXPECT_TRUE(Main(app));
    EXPECT_TRUE(t.host.messages.empty());
    EXPECT_TRUE(app.MainWindow().Visible());
    EXPECT_EQ(test::ReadFileBytes(t.PrivateFolder() + "mirvo.ini").size(), 145u);
}

TEST(Startup, TheClipboardIsMarkedAsSeenAtStart) {
    test::TestApp t;
    t.clipboard.PutFromOtherProgram({{1, {'h', 'i', 0}}});
    App& app = t.Start();
    ASSERT_TRUE(Main(app));
    EXPECT_NE(app.MarkerFormats[0], 0u);
    EXPECT_NE(app.MarkerFormats[1], app.MarkerFormats[0]);
    EXPECT_FALSE(t.clipboard.isOpen);
    EXPECT_TRUE(t.clipboard.IsFormatAvailable(app.MarkerFormats[0]));
    EXPECT_FALSE(t.clipboard.IsFormatAvailable(app.MarkerFormats[1]));
    EXPECT_TRUE(t.clipboard.IsFormatAvailable(1)) << "the content itself stays";
    EXPECT_EQ(t.clipboard.RegisterFormat("QuilletData"), app.MarkerFormats[1]);
    EXPECT_EQ(t.clipboard.RegisterFormat("PictavoData"), app.MarkerFormats[2]);
}

TEST(Startup, AClipboardThatStaysHeldDoesNotStopTheStart) {
    test::TestApp t;
    t.clipboard.heldByOtherForOpens = 1000;
    ASSERT_TRUE(Main(t.Start()));
    EXPECT_LT(t.clipboard.openAttempts, 100);
    EXPECT_TRUE(t.Start().MainWindow().Visible());
}

}  // namespace
}  // namespace mirvo
