// Runs a program while nothing happens, for a measure of what it costs then: it is started, its
// window minimized, and after a few seconds to settle it is left alone for the given seconds:
// idle_cpu <program.exe> [seconds]. The program is closed with WM_CLOSE afterwards.
// Prints "idle from here" when the quiet time starts and "idle to here" when it ends, at once,
// and the CPU time (user and kernel) the system reports for that time. Under Wine the system
// reports none for another process: there the caller reads it where the host keeps it.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ShownWindow.h"

namespace {

constexpr DWORD kSettleMs = 5000;
constexpr DWORD kReadMs = 2000;

// User and kernel time of a process, in 100 ns units.
ULONGLONG CpuTime(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        return 0;
    }
    const auto value = [](FILETIME t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return value(kernel) + value(user);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: idle_cpu <program.exe> [seconds]\n");
        return 2;
    }
    char full[MAX_PATH] = {};
    GetFullPathNameA(argv[1], MAX_PATH, full, nullptr);
    const std::string program = full;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + program + "\"";
    const std::string folder = program.substr(0, program.find_last_of('\\'));
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        return 1;
    }
    HWND found = nullptr;
    const DWORD deadline = GetTickCount() + 60000;
    while (!found && GetTickCount() < deadline &&
           WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
        found = mirvo::bench::ShownWindowOf(info.dwProcessId);
        Sleep(10);
    }
    int result = 1;
    if (found) {
        if (!IsIconic(found)) {
            ShowWindow(found, SW_MINIMIZE);
        }
        Sleep(kSettleMs);
        const ULONGLONG before = CpuTime(info.hProcess);
        std::printf("idle from here\n");
        std::fflush(stdout);
        Sleep(static_cast<DWORD>(seconds) * 1000);
        const ULONGLONG after = CpuTime(info.hProcess);
        std::printf("idle to here\n");
        const double ms = static_cast<double>(after - before) / 10000.0;
        std::printf("%s: %.0f ms of CPU time in %d s idle (%.3f %% of a CPU)\n", program.c_str(),
                    ms, seconds, 100.0 * ms / (seconds * 1000.0));
        std::fflush(stdout);
        Sleep(kReadMs);  // the caller reads the process's time at the marks, while it runs
        PostMessageA(found, WM_CLOSE, 0, 0);
        result = 0;
    }
    if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 1);
        WaitForSingleObject(info.hProcess, 5000);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return result;
}
