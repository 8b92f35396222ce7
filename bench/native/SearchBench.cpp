// A clip search that finds nothing over 29 libraries of 32 groups of full titles (the worst
// case: every group names file and titles file read and scanned), next to reading the same
// files in a plain loop.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/App.h"
#include "app/SearchState.h"
#include "doubles/TestApp.h"
#include "search/Searchit.h"
#include "startup/Main.h"
#include "store/LibraryFiles.h"

namespace mirvo {
namespace {

struct FullLibraries {
    FullLibraries() {
        Main(app);
        for (int library = 1; library <= 29; ++library) {
            const std::string folder = LibraryFolderOf(app, library);
            std::filesystem::create_directories(folder);
            std::string names;
            for (int g = 0; g < 32; ++g) {
                names += Title("Group name number " + std::to_string(g));
            }
            std::ofstream(folder + "Groups.dat", std::ios::binary) << names;
            for (int g = 0; g < 32; ++g) {
                std::string titles;
                for (int n = 0; n < 96; ++n) {
                    titles += Title("A clip title of library " + std::to_string(library) +
                                    ", slot " + std::to_string(n));
                }
                std::ofstream(folder + "group" + std::to_string(g) + ".dat", std::ios::binary)
                    << titles;
            }
        }
        app.settings.LargeWindow = 1;
    }
    static std::string Title(std::string s) {
        s.resize(50, ' ');
        return s;
    }
    test::TestApp t;
    App& app = t.Start();
};

void BM_SearchFindingNothing(benchmark::State& state) {
    FullLibraries libraries;
    for (auto _ : state) {
        libraries.app.search.SearchTerm = "NOWHERE TO BE FOUND";
        Searchit(libraries.app, 1);
    }
    state.counters["files"] = 29 * 33;
}

void BM_ReadSameFilesPlainly(benchmark::State& state) {
    FullLibraries libraries;
    std::string buffer(4800, '\0');
    for (auto _ : state) {
        size_t bytes = 0;
        for (int library = 1; library <= 29; ++library) {
            const std::string folder = LibraryFolderOf(libraries.app, library);
            std::ifstream names(folder + "Groups.dat", std::ios::binary);
            names.read(buffer.data(), 1600);
            bytes += static_cast<size_t>(names.gcount());
            for (int g = 0; g < 32; ++g) {
                std::ifstream titles(folder + "group" + std::to_string(g) + ".dat",
                                     std::ios::binary);
                titles.read(buffer.data(), 4800);
                bytes += static_cast<size_t>(titles.gcount());
            }
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["files"] = 29 * 33;
}

BENCHMARK(BM_SearchFindingNothing)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadSameFilesPlainly)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace mirvo
