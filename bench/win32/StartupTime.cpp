// Measures how long a program takes from being started to showing its first window, and on to
// waiting for input with nothing left to do (its window whole and ready), and its working set
// then: startup_time <program.exe> [runs]. Prints each run and the medians. The program is
// closed with WM_CLOSE after each run.

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "ShownWindow.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

struct Run {
    double ms = -1;
    double idleMs = -1;
    double workingSetMb = 0;
};

Run Measure(const std::string& program) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + program + "\"";
    const std::string folder = program.substr(0, program.find_last_of('\\'));
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        return {};
    }
    Run run;
    HWND found = nullptr;
    const DWORD deadline = GetTickCount() + 60000;
    while (!found && GetTickCount() < deadline &&
           WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
        found = mirvo::bench::ShownWindowOf(info.dwProcessId);
        if (!found) {
            Sleep(1);
        }
    }
    LARGE_INTEGER shown;
    QueryPerformanceCounter(&shown);
    if (found) {
        run.ms = Milliseconds(start, shown);
        if (WaitForInputIdle(info.hProcess, 10000) == 0) {
            LARGE_INTEGER idle;
            QueryPerformanceCounter(&idle);
            run.idleMs = Milliseconds(start, idle);
        }
        Sleep(500);  // let it settle before reading its memory
        PROCESS_MEMORY_COUNTERS counters{};
        if (GetProcessMemoryInfo(info.hProcess, &counters, sizeof counters)) {
            run.workingSetMb = static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
        }
        PostMessageA(found, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 1);
        WaitForSingleObject(info.hProcess, 5000);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_time <program.exe> [runs]\n");
        return 2;
    }
    char full[MAX_PATH] = {};
    GetFullPathNameA(argv[1], MAX_PATH, full, nullptr);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::vector<double> times;
    std::vector<double> idle;
    std::vector<double> memory;
    for (int i = 0; i < runs; ++i) {
        const Run run = Measure(full);
        std::printf("  run %d: %.1f ms, idle at %.1f ms, working set %.1f MB\n", i + 1, run.ms,
                    run.idleMs, run.workingSetMb);
        if (run.ms >= 0) {
            times.push_back(run.ms);
            idle.push_back(run.idleMs);
            memory.push_back(run.workingSetMb);
        }
    }
    std::printf(
        "%s: median %.1f ms to its window, median %.1f ms to idle, median working set %.1f MB "
        "(%zu of %d runs)\n",
        full, Median(times), Median(idle), Median(memory), times.size(), runs);
    return times.empty() ? 1 : 0;
}
