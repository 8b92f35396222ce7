// lnch2.exe, the launcher that the program starts for web page and e-mail clips and for its
// tutorial pages: it opens the target handed over in "lnch.dat" of the private data folder with
// the system's default handler. A batch file as the target proves the opening: the system runs
// it, and it leaves a marker file.

#include <gtest/gtest.h>

#include "e2e/ProgramRun.h"

namespace mirvo::e2e {
namespace {

class Launcher : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Exists(BuiltLauncher())) << "lnch2.exe was not built beside mirvo.exe";
        const std::string folder =
            setup.PrivateFolder().substr(0, setup.PrivateFolder().size() - 1);
        CreateDirectoryA(folder.substr(0, folder.find_last_of('\\')).c_str(), nullptr);
        CreateDirectoryA(folder.c_str(), nullptr);
        // Targets live in a folder with a blank in its name, as under "Program Files".
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        // A folder of each test's own: a batch file of an earlier test may still be starting.
        static int tests = 0;
        work = std::string(temp) + "mirvo launch " + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(++tests) + "\\";
        CreateDirectoryA(work.c_str(), nullptr);
        WriteBytes(Batch(), Text("@echo opened> \"" + Marker() + "\"\r\n"));
    }
    void TearDown() override { RemoveTree(work.substr(0, work.size() - 1)); }

    std::string Program() const { return BuiltLauncher(); }
    std::string Batch() const { return work + "leave marker.bat"; }
    std::string Marker() const { return work + "opened.txt"; }
    void HandOver(const std::string& content) {
        WriteBytes(setup.PrivateFolder() + "lnch.dat", Text(content));
    }
    int RunLauncher() {
        ProgramProcess launcher(Program());
        return launcher.WaitForExit();
    }
    bool MarkerAppears(DWORD timeoutMs = 10000) {
        return WaitFor([&] { return Exists(Marker()); }, timeoutMs);
    }

    ProgramSetup setup;
    std::string work;
};

TEST_F(Launcher, OpensTheHandedOverTargetAndExitsZero) {
    // The target ends at a line break or a NUL, without the blanks around it.
    const std::string endings[] = {" \r\nC:\\second line.bat", std::string("\0C:\\after.bat", 13)};
    for (const std::string& ending : endings) {
        SCOPED_TRACE(ending.substr(0, 2) == " \r" ? "line break" : "NUL");
        DeleteFileA(Marker().c_str());
        HandOver(" \t" + Batch() + ending);
        EXPECT_EQ(RunLauncher(), 0);
        EXPECT_TRUE(MarkerAppears()) << "the batch file was not run";
    }
}

TEST_F(Launcher, WithoutAnOpenableTargetExitsNonZeroAndOpensNothing) {
    {
        SCOPED_TRACE("no lnch.dat");
        EXPECT_NE(RunLauncher(), 0);
    }
    {
        SCOPED_TRACE("empty lnch.dat");
        HandOver("");
        EXPECT_NE(RunLauncher(), 0);
    }
    {
        SCOPED_TRACE("a first line of blanks, even with a target after it");
        HandOver("   \r\n" + Batch());
        EXPECT_NE(RunLauncher(), 0);
    }
    {
        SCOPED_TRACE("a file that does not exist");
        HandOver(work + "missing.bat");
        EXPECT_NE(RunLauncher(), 0);
    }
    EXPECT_FALSE(MarkerAppears(1500));
}

TEST(LauncherHandOver, AFirstStartHandsTheLauncherATutorialPageThatShipsBesideTheProgram) {
    ProgramSetup setup;  // the launcher beside the program is the probe
    ProgramProcess program(setup.Executable());
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const std::string page = setup.ProgramFolder() + "tutorial\\Firstoptions.htm";
    EXPECT_TRUE(WaitFor([&] { return setup.Launched() == page + "\n"; }, 10000))
        << setup.Launched();
    const std::vector<std::uint8_t> handOver = ReadBytes(setup.PrivateFolder() + "lnch.dat");
    EXPECT_EQ(std::string(handOver.begin(), handOver.end()), page);
    EXPECT_TRUE(Exists(page));
    EXPECT_TRUE(Exists(setup.ProgramFolder() + "tutorial\\Tutorial.htm"));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
}  // namespace mirvo::e2e
