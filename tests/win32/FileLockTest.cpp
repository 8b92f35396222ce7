// The data folder's lock on Windows: a byte-range lock that another process respects, that a
// change waits for only a bounded time, and that the system lets go when its holder is killed.

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>

#include "files/LockFile.h"
#include "win32/WinTestSupport.h"
#include "win32/WindowsApp.h"
#include "win32/platform/Win32FileSystem.h"

namespace mirvo {
namespace {

class LockHolder {
public:
    explicit LockHolder(const std::string& path) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string command =
            "\"" + wintest::TestProgramFolder() + "locktool.exe\" \"" + path + "\"";
        m_started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &m_process) != FALSE;
    }
    ~LockHolder() { Kill(); }
    bool Started() const { return m_started; }
    // The holder dies as a crash ends a process.
    void Kill() {
        if (m_started) {
            TerminateProcess(m_process.hProcess, 99);
            WaitForSingleObject(m_process.hProcess, 10000);
            CloseHandle(m_process.hThread);
            CloseHandle(m_process.hProcess);
            m_started = false;
        }
    }

private:
    PROCESS_INFORMATION m_process{};
    bool m_started = false;
};

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WaitForFile(const std::string& path, int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += 20) {
        if (Exists(path)) {
            return true;
        }
        Sleep(20);
    }
    return Exists(path);
}

TEST(FileLockOnWindows, AnotherProcessesLockIsWaitedForBoundedlyAndGoesWithItsProcess) {
    wintest::TempFolder folder;
    const std::string path = folder.Path() + "\\mirvo.lck";
    win32::Win32FileSystem fs;

    {
        // In one process too, a second opening waits for the first.
        auto first = fs.OpenLocked(path);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(fs.OpenLocked(path), nullptr);
        // The locked file reads and writes, also through another handle.
        first->WriteAt(0, "12345678", 8);
        auto reader = fs.Open(path, platform::OpenMode::ReadOnly);
        char counters[8] = {};
        EXPECT_EQ(reader->ReadAt(0, counters, 8), 8u);
        EXPECT_EQ(std::string(counters, 8), "12345678");
    }

    LockHolder holder(path);
    ASSERT_TRUE(holder.Started());
    ASSERT_TRUE(WaitForFile(path + ".held", 10000));
    EXPECT_EQ(fs.OpenLocked(path), nullptr) << "the other process holds it";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(files::TakeLock(fs, path, std::chrono::milliseconds(300)), nullptr);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << "the wait ends";

    holder.Kill();
    EXPECT_NE(fs.OpenLocked(path), nullptr) << "the system let go of the dead holder's lock";
}

}  // namespace
}  // namespace mirvo
