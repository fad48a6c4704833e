// The duplicate checks of the entry row on a full log (11000 contacts), one keystroke each, beside
// "CallPass": the floor of that work, an ASCII case-folding equality test of every logged call
// with the typed one over the calls held in one contiguous array. Each
// check must stay within 3 times CallPass. The typed call is in no record, so every check scans the
// whole log (the partial list never fills up and stops early).
#include <benchmark/benchmark.h>

#include "LogFixture.h"
#include "core/Globals.h"
#include "core/Module2Log.h"
#include "entry/DupeCheck.h"
#include "entry/InDupeCheck.h"

#include <cstring>
#include <vector>

namespace {

const QString TypedCall = QStringLiteral("W9ZZQ");

// The full log loaded into memory, with the band and mode of most of its contacts.
class LoadedLog {
public:
    LoadedLog()
    {
        resetGlobals();
        G.ProgramFolder = log_.folder();
        loaded_ = Module2::LoadLog() && G.QSOCount == LogFixture::Records;
        G.CurrentBand = QStringLiteral("20");
        G.CurrentMode = QStringLiteral("CW");
        G.ShowPartialsFlag = 1;
        G.LoggedOnFlag = 1;
        G.CurrentCounty = QStringLiteral("Marion");
    }
    ~LoadedLog() { resetGlobals(); }
    bool loaded() const { return loaded_; }

private:
    LogFixture log_;
    bool loaded_ = false;
};

}   // namespace

static void CallPass(benchmark::State& state)
{
    LoadedLog log;
    if (!log.loaded())
        state.SkipWithError("the log did not load");
    // The logged calls as Latin-1 bytes in one contiguous array, fixed slots with their lengths.
    constexpr int Slot = 16;
    const int count = G.QSOCount;
    std::vector<char> calls(size_t(count) * Slot, 0);
    std::vector<unsigned char> lengths(size_t(count), 0);
    for (int i = 1; i <= count; ++i) {
        const QByteArray c = G.ContactArrays.ContactCall[i].toLatin1().left(Slot);
        std::memcpy(calls.data() + size_t(i - 1) * Slot, c.constData(), size_t(c.size()));
        lengths[size_t(i - 1)] = static_cast<unsigned char>(c.size());
    }
    const QByteArray typed = TypedCall.toLatin1();
    const auto fold = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; };
    for (auto _ : state) {
        int equal = 0;
        for (int i = 0; i < count; ++i) {
            if (lengths[size_t(i)] != typed.size())
                continue;
            const char* c = calls.data() + size_t(i) * Slot;
            int k = 0;
            while (k < typed.size() && fold(c[k]) == fold(typed[k]))
                ++k;
            if (k == typed.size())
                ++equal;
        }
        benchmark::DoNotOptimize(equal);
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(CallPass)->Unit(benchmark::kMicrosecond);

// The last key of "W9ZZQ" typed into the call field.
static void PartialDupe(benchmark::State& state)
{
    LoadedLog log;
    if (!log.loaded())
        state.SkipWithError("the log did not load");
    const QString call = TypedCall.left(4);
    const int key = TypedCall.back().unicode();
    for (auto _ : state)
        benchmark::DoNotOptimize(DupeCheck::PartialDupeCheck(call, key));
    state.SetItemsProcessed(state.iterations() * G.QSOCount);
}
BENCHMARK(PartialDupe)->Unit(benchmark::kMicrosecond);

// Leaving the call field with "W9ZZQ", listing the earlier contacts on.
static void DupCheck2(benchmark::State& state)
{
    LoadedLog log;
    if (!log.loaded())
        state.SkipWithError("the log did not load");
    for (auto _ : state)
        benchmark::DoNotOptimize(DupeCheck::DupCheck2(TypedCall, QString(), true));
    state.SetItemsProcessed(state.iterations() * G.QSOCount);
}
BENCHMARK(DupCheck2)->Unit(benchmark::kMicrosecond);

// The in-state window's partial check, which also compares the county each contact was sent from:
// the last key of "W9ZZQ" typed into the call field.
static void InStatePartial(benchmark::State& state)
{
    LoadedLog log;
    if (!log.loaded())
        state.SkipWithError("the log did not load");
    const QString call = TypedCall.left(4);
    const int key = TypedCall.back().unicode();
    for (auto _ : state)
        benchmark::DoNotOptimize(InDupeCheck::partial(call, key));
    state.SetItemsProcessed(state.iterations() * G.QSOCount);
}
BENCHMARK(InStatePartial)->Unit(benchmark::kMicrosecond);
