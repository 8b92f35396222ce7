// Capture and restore of clips of 1 KB, 1 MB and 64 MB through the clipboard test double, next to
// a plain copy of a file of the same size, and the cost of a clipboard poll that finds nothing new.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/ClipboardState.h"
#include "clipboard/Capture.h"
#include "clipboard/Monitor.h"
#include "clipboard/Restore.h"
#include "doubles/TestApp.h"
#include "files/DataFile.h"
#include "libraries/FolderWatch.h"
#include "mainwindow/Edit.h"
#include "startup/Main.h"

namespace mirvo {
namespace {

// The program started over a temporary folder, its clipboard holding one block of size bytes.
struct BenchApp {
    explicit BenchApp(std::size_t size) {
        Main(app);
        std::vector<std::uint8_t> block(size);
        for (std::size_t i = 0; i < size; ++i) {
            block[i] = static_cast<std::uint8_t>(i * 31);
        }
        t.clipboard.PutFromOtherProgram({{8, std::move(block)}});
    }
    test::TestApp t;
    App& app = t.Start();
};

void BM_CaptureClip(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    BenchApp b(size);
    for (auto _ : state) {
        b.t.clipboard.Open(0);
        CaptureClipboard(b.app);
        b.t.clipboard.Close();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void BM_RestoreClip(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    BenchApp b(size);
    b.t.clipboard.Open(0);
    CaptureClipboard(b.app);
    b.t.clipboard.Close();
    files::MoveDataFile(b.t.fs, CaptureFilePath(b.app), b.app.DataFolder + "clip.0");
    for (auto _ : state) {
        benchmark::DoNotOptimize(Loadclipboard(b.app, ClipKind::Clip, 0));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void BM_PlainFileCopy(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    test::TempFolder temp;
    const std::string from = temp.Path() + "from";
    test::WriteFileBytes(from, std::vector<std::uint8_t>(size, 7));
    for (auto _ : state) {
        std::filesystem::copy_file(from, temp.Path() + "to",
                                   std::filesystem::copy_options::overwrite_existing);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

// A fresh zeroed block of the clip's size, as the clipboard (and its double) hands a restore to
// fill: the share of a restore that is the clipboard's, which a file copy does not pay.
void BM_ClipboardBlock(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        std::vector<std::uint8_t> block(size);
        benchmark::DoNotOptimize(block.data());
    }
}

// One tick of the clipboard timer when the clipboard holds content already seen.
void BM_IdlePoll(benchmark::State& state) {
    BenchApp b(16);
    PollClipboard(b.app);  // captures and marks the content once
    const int opensBefore = b.t.clipboard.openAttempts;
    for (auto _ : state) {
        PollClipboard(b.app);
    }
    state.counters["opens_per_poll"] =
        static_cast<double>(b.t.clipboard.openAttempts - opensBefore) /
        static_cast<double>(state.iterations());
    state.counters["clips"] = b.app.clip.ClipboardClipCount;
}

// One capture as the clipboard timer makes it: a 1 KB clip copied in another program, saved,
// placed in a full history (the other eight move down one) and "clip.dat" rewritten.
void BM_CaptureIntoHistory(benchmark::State& state) {
    BenchApp b(1 << 10);
    std::vector<std::uint8_t> text(1 << 10, 'x');
    text.back() = 0;
    for (int i = 0; i < 9; ++i) {
        PollClipboard(b.app);  // fills the history
        b.t.clipboard.PutFromOtherProgram({{1, text}});
    }
    for (auto _ : state) {
        PollClipboard(b.app);
        state.PauseTiming();
        b.t.clipboard.PutFromOtherProgram({{1, text}});
        state.ResumeTiming();
    }
    state.counters["clips"] = b.app.clip.ClipboardClipCount;
}

// The look for other instances' changes that follows every poll: the data folder's change counter
// read, nothing else when it did not move.
void BM_LookForOthersChanges(benchmark::State& state) {
    BenchApp b(16);
    for (auto _ : state) {
        ShowOthersChanges(b.app);
    }
}

// Clip sizes in bytes: 1 KB, 1 MB, 64 MB.
void ClipSizes(benchmark::internal::Benchmark* b) {
    b->Arg(1 << 10)->Arg(1 << 20)->Arg(64 << 20)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_CaptureClip)->Apply(ClipSizes);
BENCHMARK(BM_RestoreClip)->Apply(ClipSizes);
BENCHMARK(BM_PlainFileCopy)->Apply(ClipSizes);
BENCHMARK(BM_ClipboardBlock)->Apply(ClipSizes);
BENCHMARK(BM_IdlePoll)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CaptureIntoHistory)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LookForOthersChanges)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mirvo
