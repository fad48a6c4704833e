// The plain cost of the list format: read an 11000-line log.txt and split it into its values.
// Speed budgets of the program's loaders are stated as multiples of this figure.
#include <benchmark/benchmark.h>

#include "LogFixture.h"
#include "core/Files.h"
#include "core/ListFormat.h"

static void Yardstick(benchmark::State& state)
{
    LogFixture log;
    int values = 0;
    for (auto _ : state) {
        QByteArray data;
        Files::readAll(log.path(), data);
        ListFormat::Reader reader(std::move(data));
        ListFormat::Value v;
        values = 0;
        while (reader.next(v)) {
            benchmark::DoNotOptimize(v);
            ++values;
        }
    }
    if (values != LogFixture::Records * 19)
        state.SkipWithError("the log did not split into 19 values a line");
    state.SetBytesProcessed(state.iterations() * log.bytes());
}
BENCHMARK(Yardstick)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
