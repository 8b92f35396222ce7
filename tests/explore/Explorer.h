#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "explore/Session.h"

namespace mirvo::explore {

// A fault already filed in an issue of its own and being fixed elsewhere: the explorer reports
// it as known and goes on. The list is temporary: it must be empty once those fixes are in.
struct KnownFault {
    const char* issue;
    int invariant;
    const char* kind;            // the violation's kind
    const char* detailContains;  // a piece of its detail ("" for any)
};
const std::vector<KnownFault>& KnownFaults();
const KnownFault* MatchKnownFault(const Violation& violation);

struct RunOptions {
    std::uint64_t seed = 1;
    double seconds = 60;
    int machines = 1;
    // Each session starts from a fresh folder and takes this many steps at most.
    int minSteps = 40;
    int maxSteps = 400;
    // Time for shrinking each new fault.
    double shrinkSeconds = 20;
    // Runs after every start of the program (a test plants a fault here).
    std::function<void(App&)> afterStart;
    // Progress lines go here when set.
    std::ostream* log = nullptr;
    // Ends the run at the first new fault found (known ones are noted unshrunk).
    bool stopAtFirst = false;
    // Ends the run after this many sessions, whatever the time (0: no limit).
    int maxSessions = 0;
};

struct Finding {
    Violation violation;
    std::uint64_t seed = 0;          // of the session that found it
    size_t foundAfter = 0;           // steps of that session up to the violation
    std::vector<std::string> steps;  // shrunk, as they replay
    const KnownFault* known = nullptr;
    int times = 1;  // how often the run met it
};

struct RunReport {
    long long steps = 0;
    double seconds = 0;
    int sessions = 0;
    Coverage coverage;
    std::vector<Finding> findings;
    int explorerErrors = 0;
    // Faults found that are not known, and failures of the explorer itself: the run fails.
    int NewFaults() const;
};

// Runs sessions of random steps from the seed until the time is up; shrinks each fault found.
RunReport Explore(const RunOptions& options);
// Replays steps in a fresh world; the violation they meet, if any.
std::optional<Violation> Replay(const std::vector<std::string>& steps, int machines = 1,
                                const std::function<void(App&)>& afterStart = {});
// The executed steps of a replay up to its violation (or all of them).
std::vector<std::string> Transcript(const std::vector<Step>& steps, int machines,
                                    const std::function<void(App&)>& afterStart);
// A shorter sequence that still breaks the same invariant the same way (delta debugging).
std::vector<Step> Shrink(std::vector<Step> steps, const Violation& violation, double seconds,
                         int machines, const std::function<void(App&)>& afterStart);

void PrintReport(const RunReport& report, const RunOptions& options, std::ostream& out);

}  // namespace mirvo::explore
