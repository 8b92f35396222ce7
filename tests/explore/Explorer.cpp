#include "explore/Explorer.h"

#include <algorithm>
#include <chrono>
#include <iomanip>
#include <random>

namespace mirvo::explore {

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// Random steps from what the session offers, closing a modal form after a while.
class RandomSource : public StepSource {
public:
    RandomSource(std::uint64_t seed, int budget) : m_random(seed), m_budget(budget) {}

    std::optional<Step> Next(Session& session, const forms::Form* modal,
                             int stepsInModal) override {
        if (m_taken >= m_budget) {
            return std::nullopt;
        }
        ++m_taken;
        const bool leave = modal && (stepsInModal > 30 || (stepsInModal > 6 && Coin(0.4)));
        std::vector<Candidate> candidates =
            leave ? session.Closers(*modal) : session.Candidates(modal);
        const int chosen = Choose(candidates);
        if (chosen < 0) {
            return std::nullopt;
        }
        return candidates[static_cast<size_t>(chosen)].step;
    }
    bool Replaying() const override { return false; }
    int Choose(const std::vector<Candidate>& choices) override {
        double total = 0;
        for (const Candidate& c : choices) {
            total += c.weight;
        }
        if (choices.empty() || total <= 0) {
            return -1;
        }
        double at = std::uniform_real_distribution<double>(0, total)(m_random);
        for (size_t i = 0; i < choices.size(); ++i) {
            at -= choices[i].weight;
            if (at <= 0) {
                return static_cast<int>(i);
            }
        }
        return static_cast<int>(choices.size()) - 1;
    }

private:
    bool Coin(double p) { return std::uniform_real_distribution<double>(0, 1)(m_random) < p; }

    std::mt19937_64 m_random;
    int m_budget;
    int m_taken = 0;
};

// The steps of a script, in order.
class ScriptSource : public StepSource {
public:
    explicit ScriptSource(std::vector<Step> steps) : m_steps(std::move(steps)) {}
    std::optional<Step> Next(Session&, const forms::Form*, int) override {
        if (m_next >= m_steps.size()) {
            return std::nullopt;
        }
        return m_steps[m_next++];
    }
    void PutBack() override { --m_next; }
    bool Replaying() const override { return true; }
    int Choose(const std::vector<Candidate>&) override { return -1; }

private:
    std::vector<Step> m_steps;
    size_t m_next = 0;
};

bool SameFault(const Violation& a, const Violation& b) {
    return a.invariant == b.invariant && a.kind == b.kind;
}

// The violation a script meets, if any; an exception of the explorer itself meets none.
std::optional<Violation> RunScript(const std::vector<Step>& steps, int machines,
                                   const std::function<void(App&)>& afterStart,
                                   std::vector<Step>* executed = nullptr) {
    ScriptSource source(steps);
    Session::Options options;
    options.machines = machines;
    options.afterStart = afterStart;
    Session session(source, options);
    std::optional<Violation> violation;
    try {
        violation = session.Run();
    } catch (const std::exception&) {
        violation.reset();
    }
    if (executed) {
        *executed = session.Executed();
        if (violation && violation->step <= executed->size()) {
            executed->resize(violation->step);
        }
    }
    return violation;
}

}  // namespace

const std::vector<KnownFault>& KnownFaults() {
    // Faults that are being fixed elsewhere and must not fail the run meanwhile: none.
    static const std::vector<KnownFault> known;
    return known;
}

const KnownFault* MatchKnownFault(const Violation& violation) {
    for (const KnownFault& fault : KnownFaults()) {
        if (violation.invariant == fault.invariant && violation.kind == fault.kind &&
            violation.detail.find(fault.detailContains) != std::string::npos) {
            return &fault;
        }
    }
    return nullptr;
}

int RunReport::NewFaults() const {
    return explorerErrors +
           static_cast<int>(std::count_if(findings.begin(), findings.end(),
                                          [](const Finding& f) { return !f.known; }));
}

std::optional<Violation> Replay(const std::vector<std::string>& lines, int machines,
                                const std::function<void(App&)>& afterStart) {
    ScriptSource source(ParseSteps(lines));
    Session::Options options;
    options.machines = machines;
    options.afterStart = afterStart;
    Session session(source, options);
    return session.Run();
}

std::vector<std::string> Transcript(const std::vector<Step>& steps, int machines,
                                    const std::function<void(App&)>& afterStart) {
    std::vector<Step> executed;
    RunScript(steps, machines, afterStart, &executed);
    std::vector<std::string> lines;
    for (const Step& step : executed) {
        lines.push_back(step.ToString());
    }
    return lines;
}

std::vector<Step> Shrink(std::vector<Step> steps, const Violation& violation, double seconds,
                         int machines, const std::function<void(App&)>& afterStart) {
    const Clock::time_point start = Clock::now();
    auto fails = [&](const std::vector<Step>& candidate) {
        const std::optional<Violation> v = RunScript(candidate, machines, afterStart);
        return v && SameFault(*v, violation);
    };
    // Delta debugging: remove ever smaller chunks while the fault stays.
    size_t parts = 2;
    while (steps.size() >= 2 && Since(start) < seconds) {
        const size_t chunk = (steps.size() + parts - 1) / parts;
        bool reduced = false;
        for (size_t begin = 0; begin < steps.size() && Since(start) < seconds; begin += chunk) {
            std::vector<Step> rest(steps.begin(), steps.begin() + static_cast<long>(begin));
            rest.insert(rest.end(),
                        steps.begin() + static_cast<long>(std::min(steps.size(), begin + chunk)),
                        steps.end());
            if (fails(rest)) {
                steps = std::move(rest);
                parts = std::max<size_t>(parts - 1, 2);
                reduced = true;
                break;
            }
        }
        if (!reduced) {
            if (parts >= steps.size()) {
                break;
            }
            parts = std::min(steps.size(), parts * 2);
        }
    }
    // Then every single step, last first; a step that names a later entry of a control array
    // (the seventh clipboard clip) may do with an earlier one, and need fewer steps before it.
    for (int round = 0; round < 2; ++round) {
        for (size_t i = steps.size(); i-- > 0 && Since(start) < seconds;) {
            std::vector<Step> rest = steps;
            rest.erase(rest.begin() + static_cast<long>(i));
            if (fails(rest)) {
                steps = std::move(rest);
            }
        }
        bool simpler = false;
        for (size_t i = 0; i < steps.size() && Since(start) < seconds; ++i) {
            std::vector<Step> tried = steps;
            const size_t open = tried[i].target.find('(');
            if (open == std::string::npos || tried[i].target.compare(open, 3, "(0)") == 0) {
                continue;
            }
            const int index = std::stoi(tried[i].target.substr(open + 1));
            const std::string name = tried[i].target.substr(0, open);
            for (int lower = 0; lower < index && Since(start) < seconds; ++lower) {
                tried[i].target = name + "(" + std::to_string(lower) + ")";
                if (fails(tried)) {
                    steps = tried;
                    simpler = true;
                    break;
                }
            }
        }
        if (!simpler) {
            break;
        }
    }
    return steps;
}

RunReport Explore(const RunOptions& options) {
    RunReport report;
    const Clock::time_point start = Clock::now();
    double shrinking = 0;
    std::mt19937_64 lengths(Mix(options.seed));
    for (int n = 0; Since(start) - shrinking < options.seconds &&
                    (options.maxSessions == 0 || n < options.maxSessions);
         ++n) {
        const std::uint64_t seed = Mix(options.seed * 1000003u + static_cast<std::uint64_t>(n));
        const int budget =
            std::uniform_int_distribution<int>(options.minSteps, options.maxSteps)(lengths);
        RandomSource source(seed, budget);
        Session::Options sessionOptions;
        sessionOptions.machines = options.machines;
        sessionOptions.afterStart = options.afterStart;
        Session session(source, sessionOptions, &report.coverage);
        std::optional<Violation> violation;
        try {
            violation = session.Run();
        } catch (const std::exception& e) {
            // A fault of the explorer itself: it is reported, and the run goes on.
            ++report.explorerErrors;
            if (options.log) {
                *options.log << "the explorer failed in session " << n << " (seed " << seed
                             << "): " << e.what() << "; its steps:\n";
                for (const Step& step : session.Executed()) {
                    *options.log << "  " << step.ToString() << "\n";
                }
            }
        }
        report.steps += static_cast<long long>(session.Executed().size());
        ++report.sessions;
        if (!violation) {
            continue;
        }
        auto same =
            std::find_if(report.findings.begin(), report.findings.end(),
                         [&](const Finding& f) { return SameFault(f.violation, *violation); });
        if (same != report.findings.end()) {
            ++same->times;
            continue;
        }
        Finding finding;
        finding.violation = *violation;
        finding.seed = seed;
        finding.foundAfter = violation->step;
        finding.known = MatchKnownFault(*violation);
        if (options.log) {
            *options.log << "found after " << violation->step << " steps of session " << n << ": "
                         << violation->Describe() << (finding.known ? " [known]" : "") << "\n";
        }
        if (finding.known && options.stopAtFirst) {
            report.findings.push_back(std::move(finding));
            continue;  // looking for a new one
        }
        const Clock::time_point shrinkStart = Clock::now();
        std::vector<Step> steps(
            session.Executed().begin(),
            session.Executed().begin() +
                static_cast<long>(std::min(violation->step, session.Executed().size())));
        steps = Shrink(std::move(steps), *violation, options.shrinkSeconds, options.machines,
                       options.afterStart);
        finding.steps = Transcript(steps, options.machines, options.afterStart);
        if (const auto shrunk = RunScript(steps, options.machines, options.afterStart)) {
            finding.violation = *shrunk;
        }
        shrinking += Since(shrinkStart);
        report.findings.push_back(std::move(finding));
        if (options.stopAtFirst) {
            break;  // the first new fault
        }
    }
    report.seconds = Since(start) - shrinking;
    return report;
}

void PrintReport(const RunReport& report, const RunOptions& options, std::ostream& out) {
    out << "explore: seed " << options.seed << ", " << report.sessions << " sessions, "
        << report.steps << " steps in " << std::fixed << std::setprecision(1) << report.seconds
        << " s (" << std::setprecision(0)
        << (report.seconds > 0 ? static_cast<double>(report.steps) / report.seconds : 0)
        << " steps/s)\n";
    out << "handlers reached, by form (a control array counts once):\n";
    size_t connected = 0;
    size_t reached = 0;
    for (const auto& [form, names] : report.coverage.connected) {
        size_t hit = 0;
        auto seen = report.coverage.reached.find(form);
        for (const std::string& name : names) {
            hit += seen != report.coverage.reached.end() && seen->second.count(name) ? 1 : 0;
        }
        connected += names.size();
        reached += hit;
        out << "  " << std::left << std::setw(14) << form << std::right << std::setw(4) << hit
            << " of " << std::setw(4) << names.size();
        std::string missed;
        for (const std::string& name : names) {
            if (seen == report.coverage.reached.end() || !seen->second.count(name)) {
                missed += (missed.empty() ? "   not reached: " : ", ") + name;
            }
        }
        out << missed << "\n";
    }
    out << "  " << std::left << std::setw(14) << "all" << std::right << std::setw(4) << reached
        << " of " << std::setw(4) << connected << "\n";
    for (const Finding& f : report.findings) {
        out << (f.known ? "known fault (issue " + std::string(f.known->issue) + ")" : "FAULT")
            << ": " << f.violation.Describe() << "\n"
            << "  met " << f.times << " time(s); session seed " << f.seed << ", after "
            << f.foundAfter << " steps; shrunk to " << f.steps.size() << " steps:\n";
        for (const std::string& step : f.steps) {
            out << "    \"";
            for (const char c : step) {
                out << (c == '"' || c == '\\' ? "\\" : "") << c;
            }
            out << "\",\n";
        }
    }
    if (report.explorerErrors > 0) {
        out << "explore: the explorer itself failed in " << report.explorerErrors
            << " session(s)\n";
    }
    out << "explore: " << report.NewFaults() << " new fault(s), "
        << report.findings.size() - static_cast<size_t>(report.NewFaults() - report.explorerErrors)
        << " known\n";
}

}  // namespace mirvo::explore
