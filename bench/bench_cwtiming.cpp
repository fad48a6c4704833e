// CW element timing on this machine: "PARIS PARIS" keyed at 40 WPM (30 ms units) on a recording
// key line with the real monotonic clock, character by character as the send loop does.
// Counters, over all iterations:
//   max_edge_err_us: the largest distance of a key edge (a change of the line) from its place in
//     its character (the character's first element + units x 30 ms): what the element timing owes;
//   max_drift_us: the same against the ideal timeline of the whole text (first edge of the text
//     + units x 30 ms), which adds what passes between characters (a late last wake-up);
//   median_edge_err_us, p99_edge_err_us: the middle and 99th-percentile edge errors in the
//     character, which show the timing apart from the rare scheduling delay;
//   cpu_ms_per_s: the processor time the keying thread used per second of keying.
// Both errors include the machine's scheduling delays: read them with the load they ran under.
#include <benchmark/benchmark.h>

#include <QString>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <vector>

#include "keying/CwEngine.h"
#include "platform/KeyLines.h"
#include "platform/Monotonic.h"

namespace {

struct RecordingLine : Platform::KeyLine {
    QVector<qint64> at;
    QVector<bool> state;
    QVector<int> charStart;   // index of each character's first element
    bool setKeyed(bool down) override
    {
        at.push_back(Platform::monotonic().nowNs());
        state.push_back(down);
        return true;
    }
};

qint64 threadCpuNs()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

}   // namespace

static void CwTiming(benchmark::State& state)
{
    const QString text = QStringLiteral("PARIS PARIS");
    const double wpm = 40;
    const double unitNs = CwEngine::unitMs(wpm) * 1e6;
    double maxErrorNs = 0, maxDriftNs = 0;
    std::vector<double> errors;
    qint64 cpuNs = 0, wallNs = 0;
    for (auto _ : state) {
        RecordingLine line;
        const qint64 cpu0 = threadCpuNs();
        const qint64 wall0 = Platform::monotonic().nowNs();
        for (QChar c : text) {
            line.charStart.push_back(int(line.at.size()));
            const QString elements = c == QLatin1Char(' ') ? CwEngine::spaceElements(0) : CwEngine::elements(c);
            CwEngine::keyElements(elements, {wpm, CwEngine::Timing::Timer, 0}, &line, Platform::monotonic());
        }
        wallNs += Platform::monotonic().nowNs() - wall0;
        cpuNs += threadCpuNs() - cpu0;
        int ch = 0;
        for (int i = 1; i < line.at.size(); ++i) {
            while (ch + 1 < line.charStart.size() && line.charStart[ch + 1] <= i)
                ++ch;
            if (line.state[i] == line.state[i - 1])
                continue;   // not an edge
            const int first = line.charStart[ch];
            const double inChar = double(line.at[first]) + (i - first) * unitNs;
            const double inText = double(line.at[0]) + i * unitNs;
            errors.push_back(std::abs(double(line.at[i]) - inChar));
            maxErrorNs = std::max(maxErrorNs, errors.back());
            maxDriftNs = std::max(maxDriftNs, std::abs(double(line.at[i]) - inText));
        }
    }
    std::sort(errors.begin(), errors.end());
    if (!errors.empty()) {
        state.counters["median_edge_err_us"] = errors[errors.size() / 2] / 1000.0;
        state.counters["p99_edge_err_us"] = errors[std::min(errors.size() - 1, errors.size() * 99 / 100)] / 1000.0;
    }
    state.counters["max_edge_err_us"] = maxErrorNs / 1000.0;
    state.counters["max_drift_us"] = maxDriftNs / 1000.0;
    state.counters["cpu_ms_per_s"] = wallNs > 0 ? double(cpuNs) / 1e6 / (double(wallNs) / 1e9) : 0;
}
BENCHMARK(CwTiming)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
