// The lock of a shared data folder: exclusive between instances, also two in one process; a
// change waits a bounded time for a holder that hangs and then goes on; and the lock of a
// process that dies holding it is let go by the system at once.

#include <gtest/gtest.h>

#if defined(__unix__)
#define MIRVO_HAVE_FORK 1
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <string>

#include "app/FolderSync.h"
#include "app/StoreState.h"
#include "doubles/FaultyFileSystem.h"
#include "doubles/TempFolder.h"
#include "files/LockFile.h"
#include "harness/ProgramOver.h"
#include "mainwindow/Edit.h"
#include "store/Groups.h"
#include "store/RecordCodec.h"

namespace mirvo {
namespace {

TEST(FolderLock, IsExclusiveBetweenInstancesOfOneProcessAndTakenAgainOnceLetGo) {
    test::TempFolder folder;
    const std::string path = folder.Path() + kFolderLockFile;
    test::FaultyFileSystem first;
    test::FaultyFileSystem second;
    auto held = first.OpenLocked(path);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(second.OpenLocked(path), nullptr);
    EXPECT_EQ(files::TakeLock(second, path, std::chrono::milliseconds(50)), nullptr)
        << "the wait is bounded";
    held.reset();
    EXPECT_NE(second.OpenLocked(path), nullptr);

    // A lock file that cannot be opened is tried again like a held one, within the bound.
    second.lockedPaths = {path};
    EXPECT_EQ(files::TakeLock(second, path, std::chrono::milliseconds(50)), nullptr);
}

#ifdef MIRVO_HAVE_FORK

// Another process that takes the folder's lock and keeps it until it is killed: an instance
// that hangs, or crashes, while it holds the lock.
class LockHolder {
public:
    explicit LockHolder(const std::string& path) {
        int fds[2];
        if (pipe(fds) != 0) {
            throw std::runtime_error("no pipe");
        }
        m_pid = fork();
        if (m_pid == 0) {
            close(fds[0]);
            files::StdFileSystem fs;
            auto lock = fs.OpenLocked(path);
            const char taken = lock ? 'y' : 'n';
            if (write(fds[1], &taken, 1) != 1) {
                _exit(1);
            }
            for (;;) {
                pause();
            }
        }
        close(fds[1]);
        pollfd p{fds[0], POLLIN, 0};
        char taken = 'n';
        m_holds = poll(&p, 1, 10000) == 1 && read(fds[0], &taken, 1) == 1 && taken == 'y';
        close(fds[0]);
    }
    ~LockHolder() { Kill(); }
    bool Holds() const { return m_holds; }
    void Kill() {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
            m_pid = -1;
        }
    }

private:
    pid_t m_pid = -1;
    bool m_holds = false;
};

TEST(FolderLock, AChangeGoesOnWithoutAHungHolderAndTakesTheLockOfAKilledOne) {
    test::TempFolder root;
    test::ProgramOver program(root.Path());
    ASSERT_TRUE(program.Start());
    App& app = program.app();
    app.folder.lockWait = std::chrono::milliseconds(200);
    program.fs.watchedFolder = app.DataFolder;
    const std::string lockPath = app.DataFolder + kFolderLockFile;
    auto storedTitle = [&] {
        return store::DecodeTitles(test::ReadFileBytes(app.DataFolder + "Lib1" +
                                                       files::kPathSeparator + "group0.dat"),
                                   1)
            .front();
    };

    LockHolder holder(lockPath);
    ASSERT_TRUE(holder.Holds());
    files::StdFileSystem other;
    EXPECT_EQ(other.OpenLocked(lockPath), nullptr) << "the other process holds it";

    // The holder hangs: after the bounded wait the change is made all the same.
    app.MainWindow().groupPanels.item[0]->SetCaption("While it hangs");
    SaveGroup(app);
    EXPECT_EQ(storedTitle(), "While it hangs");
    EXPECT_FALSE(program.fs.changesWithoutLock.empty()) << "made without the lock";
    program.fs.changesWithoutLock.clear();

    // It dies holding the lock: the system lets go at once, the next change has it.
    holder.Kill();
    EXPECT_NE(other.OpenLocked(lockPath), nullptr);
    app.MainWindow().groupPanels.item[0]->SetCaption("After it died");
    SaveGroup(app);
    EXPECT_EQ(storedTitle(), "After it died");
    EXPECT_TRUE(program.fs.changesWithoutLock.empty());
    EXPECT_EQ(app.folder.lockDepth, 0);
}

#endif

}  // namespace
}  // namespace mirvo
