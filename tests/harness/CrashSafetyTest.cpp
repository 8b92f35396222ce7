// A child process saves the store and the settings over and over, alternating between two known
// contents, and is killed (SIGKILL) at random moments: every file must then hold the one content
// or the other whole, never a file cut short or mixed from both.

#include <gtest/gtest.h>

#if defined(__unix__) || defined(__APPLE__)
#define MIRVO_HAVE_FORK 1
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "doubles/TempFolder.h"

namespace mirvo {
namespace {

#ifdef MIRVO_HAVE_FORK

namespace fsys = std::filesystem;
using Clock = std::chrono::steady_clock;

// At least this many kills, and more until enough of them have landed in the middle of a save
// (how many do depends on the machine's scheduling), up to a bound.
constexpr int kKills = 1000;
constexpr int kKillsInsideASave = 250;
constexpr int kMostKills = 12000;

// Every file the helper saves, relative to its root.
const char* const kSavedFiles[] = {
    "program/Lib1/group0.dat", "program/Lib1/group0.mod",
    "program/Lib1/Colr0.dat",  "program/Lib1/Groups.dat",
    "program/Lib1/Last.grp",   "program/trans.dat",
    "program/trans.mod",       "program/trans.clr",
    "program/Lib.dat",         "program/Last.Lib",
    "program/clip.dat",        "appdata/Talbrook Software/Mirvo_Data/mirvo.ini",
};

using Contents = std::map<std::string, files::Bytes>;

// A folder on a memory file system where there is one: the test is about a process dying, not
// the disk, and it saves thousands of files.
class ScratchFolder {
public:
    ScratchFolder() {
        const fsys::path base =
            fsys::is_directory("/dev/shm") ? "/dev/shm" : fsys::temp_directory_path();
        std::string pattern = (base / "mirvo-crash-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            throw std::runtime_error("no scratch folder");
        }
        m_path = pattern + "/";
    }
    ~ScratchFolder() {
        std::error_code ec;
        fsys::remove_all(m_path, ec);
    }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// The helper process, its standard output on a pipe.
class Saver {
public:
    Saver(const std::string& root, const char* mode) {
        int fds[2];
        if (pipe(fds) != 0) {
            throw std::runtime_error("no pipe");
        }
        m_pid = fork();
        if (m_pid == 0) {
            dup2(fds[1], STDOUT_FILENO);
            close(fds[0]);
            close(fds[1]);
            execl(MIRVO_SAVE_LOOP, MIRVO_SAVE_LOOP, root.c_str(), mode,
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        m_out = fds[0];
    }
    ~Saver() {
        if (m_pid > 0) {
            Kill();
        }
        close(m_out);
    }

    // Waits for the next byte the helper writes after a complete save.
    bool WaitForSave() {
        pollfd p{m_out, POLLIN, 0};
        char c;
        return poll(&p, 1, 20000) == 1 && read(m_out, &c, 1) == 1;
    }
    void Kill() {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }
    // The exit code of a helper that ends by itself.
    int Wait() {
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t m_pid = -1;
    int m_out = -1;
};

Contents ReadSavedFiles(const std::string& root) {
    Contents contents;
    for (const char* file : kSavedFiles) {
        contents[file] = test::ReadFileBytes(root + file);
    }
    return contents;
}

// The files as the helper leaves them after saving one content once, in a folder of its own.
Contents SavedOnce(const char* content) {
    ScratchFolder folder;
    Saver saver(folder.Path(), content);
    EXPECT_EQ(saver.Wait(), 0) << "the helper could not save content " << content;
    return ReadSavedFiles(folder.Path());
}

// Temporary files that a save left behind when it was killed before its rename.
int LeftoverTemporaries(const std::string& root) {
    int count = 0;
    for (const auto& entry : fsys::recursive_directory_iterator(root)) {
        count += entry.path().string().ends_with(".new~") ? 1 : 0;
    }
    return count;
}

TEST(CrashSafety, SavesKilledAtRandomMomentsLeaveTheOldOrTheNewFileWhole) {
    const Contents a = SavedOnce("a");
    const Contents b = SavedOnce("b");
    for (const char* file : kSavedFiles) {
        ASSERT_FALSE(a.at(file).empty()) << file;
        ASSERT_NE(a.at(file), b.at(file)) << file << " must differ between the two contents";
    }

    ScratchFolder folder;
    // Two complete saves measured once: the kills fall anywhere within that span.
    Clock::duration twoSaves;
    {
        Saver saver(folder.Path(), "loop");
        ASSERT_TRUE(saver.WaitForSave());
        const Clock::time_point start = Clock::now();
        ASSERT_TRUE(saver.WaitForSave() && saver.WaitForSave());
        twoSaves = Clock::now() - start;
    }
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<long long> delay(
        0, std::chrono::duration_cast<std::chrono::microseconds>(twoSaves).count());

    int killsInsideASave = 0;
    int killsLeavingTemporaries = 0;
    int kills = 0;
    for (; kills < kMostKills && (kills < kKills || killsInsideASave < kKillsInsideASave);
         ++kills) {
        const int k = kills;
        {
            Saver saver(folder.Path(), "loop");
            ASSERT_TRUE(saver.WaitForSave()) << "the helper did not save (kill " << k << ")";
            std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
            saver.Kill();
        }
        const Contents found = ReadSavedFiles(folder.Path());
        int asA = 0;
        int asB = 0;
        for (const char* file : kSavedFiles) {
            const files::Bytes& bytes = found.at(file);
            asA += bytes == a.at(file) ? 1 : 0;
            asB += bytes == b.at(file) ? 1 : 0;
            ASSERT_TRUE(bytes == a.at(file) || bytes == b.at(file))
                << file << " holds neither content after kill " << k << " (" << bytes.size()
                << " bytes; random seed " << seed << ")";
        }
        killsInsideASave += asA > 0 && asB > 0 ? 1 : 0;
        killsLeavingTemporaries += LeftoverTemporaries(folder.Path()) > 0 ? 1 : 0;
    }
    RecordProperty("kills", kills);
    RecordProperty("files_checked", kills * static_cast<int>(std::size(kSavedFiles)));
    RecordProperty("kills_inside_a_save", killsInsideASave);
    RecordProperty("kills_leaving_temporaries", killsLeavingTemporaries);
    // Enough kills must land while the helper is between its first and last file, or the test
    // would prove nothing.
    EXPECT_GE(killsInsideASave, kKillsInsideASave) << "after " << kills << " kills";
}

#else

TEST(CrashSafety, SavesKilledAtRandomMomentsLeaveTheOldOrTheNewFileWhole) {
    GTEST_SKIP() << "needs fork and kill";
}

#endif

}  // namespace
}  // namespace mirvo
