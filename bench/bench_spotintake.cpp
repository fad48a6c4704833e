// 1000 cluster spot lines through what a received spot costs before any widget: the line is cut
// into whole lines, its columns read, the call's country looked up in the installed country table
// and the spot taken into the SpotStore (shift, same-call search, list row). Reported beside
// "Yardstick"; one intake of 1000 spots should stay well under one Yardstick.
#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QFile>

#include "core/Globals.h"
#include "core/ListFormat.h"
#include "spots/SpotLine.h"
#include "spots/SpotStore.h"

namespace {

bool loadCountryTable()
{
    QFile f(QStringLiteral(VQPLOG_SOURCE_DIR "/data/arrlpre2.txt"));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    G.CountryTable.clear();
    ListFormat::Reader r(f.readAll());
    ListFormat::Value v[8];
    while (!r.atEnd()) {
        for (auto& x : v)
            r.next(x);
        CountryRow row;
        row.prefix = v[0].toText();
        row.country = v[1].toText();
        G.CountryTable.append(row);
    }
    return !G.CountryTable.isEmpty();
}

QByteArray clusterText()
{
    static const char* const calls[] = {"DL1ABC", "JA1XYZ", "VK2ABC", "K9AB",  "G4ABC", "ZS6AB", "4X1AB",
                                        "VE3XYZ", "PY2AA",  "LU1AA",  "OH2BH", "EA8AB", "KH6XX", "VP2V/K9AB"};
    QByteArray out;
    for (int i = 0; i < 1000; ++i) {
        const QByteArray call = calls[i % 14] + QByteArray::number(i % 7);
        const QByteArray freq = QByteArray::number(14000 + (i * 7) % 350) + ".0";
        QByteArray line = "DX de K9AB:      " + freq.rightJustified(9 - 2, ' ') + "  " + call.leftJustified(13, ' ') +
                          "CW 599 up 2                   1423Z IN\r\n";
        out += line;
    }
    return out;
}

}   // namespace

static void SpotIntake(benchmark::State& state)
{
    if (!loadCountryTable()) {
        state.SkipWithError("arrlpre2.txt not readable");
        return;
    }
    const QByteArray text = clusterText();
    const QDateTime now(QDate(2024, 5, 4), QTime(12, 0, 0));
    int taken = 0;
    for (auto _ : state) {
        Spots::SpotStoreT store;
        Spots::LineCutter cutter;
        taken = 0;
        // The cluster's text arrives in TCP-sized pieces that cut lines anywhere.
        for (qsizetype at = 0; at < text.size(); at += 1460) {
            for (const QString& line : cutter.feed(text.mid(at, 1460))) {
                if (!Spots::isSpotLine(line))
                    continue;
                QVariant call(Spots::spotCall(line)), freq(Spots::spotFrequency(line)), record(Spots::spotRecord(line));
                if (Spots::intake(store, call, freq, record, now))
                    ++taken;
            }
        }
        benchmark::DoNotOptimize(store);
    }
    if (taken != 1000)
        state.SkipWithError("not every spot line was taken in");
    state.SetItemsProcessed(state.iterations() * 1000);
    G.CountryTable.clear();
}
BENCHMARK(SpotIntake)->Unit(benchmark::kMillisecond);
