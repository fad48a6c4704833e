// The whole log reload of a main window: Module2::LoadLog of an 11000-contact log.txt and the
// recount of points, contacts by mode, multipliers, score, rates and the worked-states grid.
// Read against Yardstick (same file): the reload must stay within 3 times that figure.
#include <benchmark/benchmark.h>

#include "LogFixture.h"
#include "core/Globals.h"
#include "entry/ReloadLog.h"
#include "mainwindow/StateProvinces.h"

static void ReloadLog(benchmark::State& state)
{
    LogFixture log;
    resetGlobals();
    G.ProgramFolder = log.folder();
    // An in-state run: states, provinces and a county table of the contest state's size.
    StateProvinces::FillStateProvinceTable();
    G.CountyNames = {"Allen", "De Kalb", "Hamilton", "La Porte", "Lake", "Marion", "Monroe",
                     "St. Joseph", "Tippecanoe", "Vanderburgh"};
    for (int k = G.CountyNames.size() + 1; k <= 92; ++k)
        G.CountyNames.append(QStringLiteral("County %1").arg(k));
    G.CurrentMode = QStringLiteral("CW");
    for (auto _ : state) {
        const LogReload::Result r = LogReload::ReloadLog(Tallies::GridView::CurrentMode);
        if (!r.loaded) {
            state.SkipWithError("the reload failed");
            break;
        }
        benchmark::DoNotOptimize(r);
    }
    if (G.QSOCount != LogFixture::Records || G.MultiplierCount == 0)
        state.SkipWithError("the reload did not count the whole log");
    state.SetBytesProcessed(state.iterations() * log.bytes());
    resetGlobals();
}
BENCHMARK(ReloadLog)->Unit(benchmark::kMillisecond);
