// The fuzz targets' readers and checks, run by the native tests: over the files the program's own
// writers produce, and over every input that once made a reader fail (tests/fuzz/regressions/
// <target>/, one file per finding).

#include <gtest/gtest.h>

#include <filesystem>

#include "doubles/TempFolder.h"
#include "fuzz/FuzzTargets.h"

#ifndef MIRVO_SOURCE_DIR
#define MIRVO_SOURCE_DIR "../.."
#endif

namespace mirvo::fuzz {
namespace {

void ExpectReadSafely(const FuzzTarget& target, const files::Bytes& input) {
    try {
        Feed(target, input);
    } catch (const std::exception& e) {
        ADD_FAILURE() << target.name << ": " << e.what();
    }
}

TEST(FuzzTargets, EveryReaderTakesTheFilesTheProgramWrites) {
    for (const FuzzTarget& target : AllFuzzTargets()) {
        SCOPED_TRACE(target.name);
        const std::vector<files::Bytes> seeds = Seeds(target);
        EXPECT_FALSE(seeds.front().empty()) << "the program wrote no " << target.name << " file";
        for (const files::Bytes& seed : seeds) {
            ExpectReadSafely(target, seed);
        }
    }
}

TEST(FuzzTargets, InputsThatOnceBrokeAReaderAreReadSafely) {
    const std::filesystem::path root =
        std::filesystem::path(MIRVO_SOURCE_DIR) / "tests" / "fuzz" / "regressions";
    if (!std::filesystem::is_directory(root)) {
        GTEST_SKIP() << "no input has broken a reader yet";
    }
    for (const auto& folder : std::filesystem::directory_iterator(root)) {
        if (!folder.is_directory()) {
            continue;
        }
        const FuzzTarget& target = FuzzTargetNamed(folder.path().filename().string());
        for (const auto& input : std::filesystem::directory_iterator(folder.path())) {
            SCOPED_TRACE(input.path().string());
            ExpectReadSafely(target, test::ReadFileBytes(input.path().string()));
        }
    }
}

}  // namespace
}  // namespace mirvo::fuzz
