// Module2::LoadLog of a full log.txt (11000 contacts); to be read against Yardstick, which reads
// and splits the same file: the load must stay within 3 times that figure.
#include <benchmark/benchmark.h>

#include "LogFixture.h"
#include "core/Globals.h"
#include "core/Module2Log.h"

static void LoadLog(benchmark::State& state)
{
    LogFixture log;
    resetGlobals();
    G.ProgramFolder = log.folder();
    for (auto _ : state) {
        if (!Module2::LoadLog()) {
            state.SkipWithError("LoadLog failed");
            break;
        }
    }
    if (G.QSOCount != LogFixture::Records)
        state.SkipWithError("LoadLog did not read every contact");
    state.SetBytesProcessed(state.iterations() * log.bytes());
    resetGlobals();
}
BENCHMARK(LoadLog)->Unit(benchmark::kMillisecond);
