// 1000 cluster spot lines through what a received spot costs before any widget: the line is cut
// into whole lines, its columns read, the call's country looked up in the installed country table
// and the spot taken into the SpotStore (shift, same-call search, list row). Reported beside
// "Yardstick"; one intake of 1000 spots should stay well under one Yardstick.
#include <benchmark/benchmark.h>

#include "SpotFixture.h"

static void SpotIntake(benchmark::State& state)
{
    if (!SpotFixture::loadCountryTable()) {
        state.SkipWithError("arrlpre2.txt not readable");
        return;
    }
    const QByteArray text = SpotFixture::clusterText();
    const QDateTime now(QDate(2024, 5, 4), QTime(12, 0, 0));
    int taken = 0;
    for (auto _ : state) {
        Spots::SpotStoreT store;
        taken = SpotFixture::takeIn(text, store, now);
        benchmark::DoNotOptimize(store);
    }
    if (taken != SpotFixture::Lines)
        state.SkipWithError("not every spot line was taken in");
    state.SetItemsProcessed(state.iterations() * SpotFixture::Lines);
    G.CountryTable.clear();
}
BENCHMARK(SpotIntake)->Unit(benchmark::kMillisecond);
