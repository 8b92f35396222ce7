// Loading and saving a full group: 96 titled clips with their colours and paste modes, the
// three record files of the group read into or written from the group clip panel.

#include <benchmark/benchmark.h>

#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "doubles/TestApp.h"
#include "mainwindow/Edit.h"
#include "panels/PanelColor.h"
#include "panels/Positions.h"
#include "startup/Main.h"
#include "store/Groups.h"

namespace mirvo {
namespace {

struct FullGroup {
    FullGroup() {
        Main(app);
        GroupPanels& panels = app.MainWindow().groupPanels;
        for (size_t n = 0; n < store::kSlotCount; ++n) {
            panels.item[n]->SetCaption("Clip number " + std::to_string(n) + " of the group");
            ShowTrueColor(app, kFirstGroupClipPos + static_cast<int>(n),
                          static_cast<forms::Color>(0x80A0C0 + n));
            app.store.ClipPasteMode[n] = static_cast<std::uint8_t>(n % 5);
        }
        SaveGroup(app);
    }
    test::TestApp t;
    App& app = t.Start();
};

void BM_LoadFullGroup(benchmark::State& state) {
    FullGroup group;
    for (auto _ : state) {
        LoadGroup(group.app);
    }
    state.counters["clips"] = store::kSlotCount;
}

// Each save replaces three files atomically, each flushed to the disk before its rename.
void BM_SaveFullGroup(benchmark::State& state) {
    FullGroup group;
    for (auto _ : state) {
        SaveGroup(group.app);
    }
    state.counters["clips"] = store::kSlotCount;
}

BENCHMARK(BM_LoadFullGroup)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveFullGroup)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mirvo
