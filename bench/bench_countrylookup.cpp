// The country lookup of the in-state call field, run on every change of the call while it is typed:
// one lookup in the full installed country table (data/arrlpre2.txt), read beside "CallPass" (one
// pass over a full log's calls, bench_dupe.cpp). The calls cycle through short and long prefixes,
// digits first, portable forms and a call that matches nothing.
#include <benchmark/benchmark.h>

#include <QStringList>

#include "core/Globals.h"
#include "core/StationSetup.h"
#include "entry/CountryLookup.h"

static void countryLookupBench(benchmark::State& state)
{
    resetGlobals();
    G.ProgramFolder = QStringLiteral(VQPLOG_SOURCE_DIR "/data");
    if (!StationSetup::LoadCountryTable() || G.CountryTable.size() < 1000)
        state.SkipWithError("the country table did not load");
    const QStringList calls = {
        QStringLiteral("DL1ABC"), QStringLiteral("VP2EAB"), QStringLiteral("W9ABC"),      QStringLiteral("JA1XYZ"),
        QStringLiteral("9A1A"),   QStringLiteral("KG4ABC"), QStringLiteral("DL1ABC/VE3"), QStringLiteral("ZZ9ZZ"),
    };
    qsizetype k = 0;
    for (auto _ : state) {
        const CountryLookup::Result r = CountryLookup::lookup(calls[k]);
        benchmark::DoNotOptimize(r.row);
        k = (k + 1) % calls.size();
    }
    state.SetItemsProcessed(state.iterations());
    resetGlobals();
}
// Registered under the procedure's name, which the namespace of the lookup already takes in C++.
static benchmark::internal::Benchmark* const registered =
    benchmark::RegisterBenchmark("CountryLookup", countryLookupBench)->Unit(benchmark::kMicrosecond);
