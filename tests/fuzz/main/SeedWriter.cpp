// Writes the seed corpus of every fuzz target: mirvo_fuzz_seeds <folder> makes
// <folder>/<target>/seed-<n> from the files the program's own writers produce.

#include <cstdio>
#include <filesystem>
#include <string>

#include "doubles/TempFolder.h"
#include "fuzz/FuzzTargets.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: mirvo_fuzz_seeds <folder>\n");
        return 2;
    }
    using namespace mirvo;
    for (const fuzz::FuzzTarget& target : fuzz::AllFuzzTargets()) {
        const std::filesystem::path folder = std::filesystem::path(argv[1]) / target.name;
        std::filesystem::create_directories(folder);
        int n = 0;
        for (const files::Bytes& seed : fuzz::Seeds(target)) {
            test::WriteFileBytes((folder / ("seed-" + std::to_string(n++))).string(), seed);
        }
        std::printf("%s: %d seeds\n", target.name, n);
    }
    return 0;
}
