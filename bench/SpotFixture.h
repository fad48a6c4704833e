#pragma once
// Cluster spot lines for the spot benchmarks, the installed country table they look calls up in,
// and what a received spot costs before any widget (the floor the window's cost is read against).
#include <QByteArray>
#include <QDateTime>
#include <QVariant>

#include "core/Globals.h"
#include "core/StationSetup.h"
#include "spots/SpotLine.h"
#include "spots/SpotStore.h"

namespace SpotFixture {

constexpr int Lines = 1000;

// G.CountryTable from the installed arrlpre2.txt, read as the station setup reads it; false when
// it cannot be read. The folders the setup searches are put back afterwards.
inline bool loadCountryTable()
{
    const QString shared = G.SharedFolder, data = G.DataFolder, program = G.ProgramFolder;
    G.SharedFolder.clear();
    G.DataFolder.clear();
    G.ProgramFolder = QStringLiteral(VQPLOG_SOURCE_DIR "/data");
    G.CountryTable.clear();
    const bool ok = StationSetup::LoadCountryTable() && !G.CountryTable.isEmpty();
    G.SharedFolder = shared;
    G.DataFolder = data;
    G.ProgramFolder = program;
    return ok;
}

// Lines spot lines of a cluster on 20 m, calls coming back now and then.
inline QByteArray clusterText()
{
    static const char* const calls[] = {"DL1ABC", "JA1XYZ", "VK2ABC", "K9AB",  "G4ABC", "ZS6AB", "4X1AB",
                                        "VE3XYZ", "PY2AA",  "LU1AA",  "OH2BH", "EA8AB", "KH6XX", "VP2V/K9AB"};
    QByteArray out;
    for (int i = 0; i < Lines; ++i) {
        const QByteArray call = calls[i % 14] + QByteArray::number(i % 7);
        const QByteArray freq = QByteArray::number(14000 + (i * 7) % 350) + ".0";
        QByteArray line = "DX de K9AB:      " + freq.rightJustified(9 - 2, ' ') + "  " + call.leftJustified(13, ' ') +
                          "CW 599 up 2                   1423Z IN\r\n";
        out += line;
    }
    return out;
}

// The spot lines of `text`, arriving in TCP-sized pieces that cut lines anywhere, cut into lines,
// their columns read, the calls' countries looked up and the spots taken into `store` at `now`.
// Returns how many were taken in.
inline int takeIn(const QByteArray& text, Spots::SpotStoreT& store, const QDateTime& now)
{
    Spots::LineCutter cutter;
    int taken = 0;
    for (qsizetype at = 0; at < text.size(); at += 1460) {
        for (const QString& line : cutter.feed(text.mid(at, 1460))) {
            if (!Spots::isSpotLine(line))
                continue;
            QVariant call(Spots::spotCall(line)), freq(Spots::spotFrequency(line)), record(Spots::spotRecord(line));
            if (Spots::intake(store, call, freq, record, now))
                ++taken;
        }
    }
    return taken;
}

}   // namespace SpotFixture
