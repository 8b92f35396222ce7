// The sequence explorer: random sessions of everything a user and the world around the program
// can do, through the headless host and the real program, with the invariants checked after
// every step.
//   mirvo_explore [--seconds S] [--seed N] [--machines M] [--replay FILE]
// Prints the figures, the handlers reached by form and every fault with its shrunk steps; ends
// with 1 when it found a fault that is not known, 0 otherwise.

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "explore/Explorer.h"

int main(int argc, char** argv) {
    using namespace mirvo::explore;
    RunOptions options;
    options.seed = static_cast<std::uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count() % 1000000007);
    std::string replay;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        const std::string value = argv[i + 1];
        if (flag == "--seconds") {
            options.seconds = std::stod(value);
        } else if (flag == "--seed") {
            options.seed = std::stoull(value);
        } else if (flag == "--machines") {
            options.machines = std::stoi(value);
        } else if (flag == "--replay") {
            replay = value;
        } else {
            std::cerr << "unknown option " << flag << "\n";
            return 2;
        }
    }
    try {
        if (!replay.empty()) {
            std::ifstream in(replay);
            std::vector<std::string> lines;
            for (std::string line; std::getline(in, line);) {
                if (!line.empty()) {
                    lines.push_back(line);
                }
            }
            const auto violation = Replay(lines, options.machines);
            std::cout << (violation ? violation->Describe() : "no invariant broken") << "\n";
            return violation ? 1 : 0;
        }
        options.log = &std::cerr;
        const RunReport report = Explore(options);
        PrintReport(report, options, std::cout);
        return report.NewFaults() > 0 ? 1 : 0;
    } catch (const std::exception& e) {
        std::cerr << "the explorer failed: " << e.what() << "\n";
        return 2;
    }
}
