#pragma once
// The contact-rate curve of the whole log, as the rate graph window GraphQSO draws it, computed
// without a widget. For every contact the rate is six times the number of contacts logged in
// the ten minutes up to and including it (an hourly rate); the rates are placed on 1500 time
// columns from the first to the last contact, short gaps are bridged and the curve is smoothed
// over seven columns. A strip under the curve shows the band of each column.
//
// Reads only the records given (in log order); changes nothing.
#include <QColor>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <optional>

namespace RateGraph {

constexpr int Columns = 1500;      // columns 1..1500 are drawn
constexpr int LastColumn = 1600;   // columns up to 1600 take values, the rest are never drawn
constexpr int MinContacts = 7;

// One record: its moment (no value when its date or time cannot be read) and its band.
struct Contact {
    std::optional<QDateTime> moment;
    QString band;
};

// The records 1..G.QSOCount of the log in memory, date "yyyy/mm/dd" and time "hh:mm:ss".
QVector<Contact> fromLog();

// The strip colour of a band: 160 white, 80 blue, 40 red, 20 green, 15 light cyan, 10 magenta,
// any other band yellow.
QColor bandColor(const QString& band);

struct Result {
    // False when the log holds fewer than MinContacts records: nothing is computed.
    bool enough = false;
    // The 15 time and date labels under the strip ("hh:mm" and "MM/DD"); filled when enough.
    QStringList timeLabels, dateLabels;
    // Index 0..LastColumn.
    std::array<float, LastColumn + 1> rawRate{};
    std::array<float, LastColumn + 1> plotRate{};
    std::array<QColor, LastColumn + 1> bandColor{};
    float minRate = 100000, maxRate = -1;
    // The 17 Y-axis labels, bottom (0) to top (16), "###0.0".
    QStringList yLabels;
    // True when the curve can be drawn: every record was placed, the span is not empty and the
    // curve is not flat. A record whose moment cannot be read or whose column lies outside
    // 0..LastColumn stops the computation there (stoppedAt names it, 1-based).
    bool drawable = false;
    int stoppedAt = 0;
};

// Computes the graph over `log` (record 1 first) on a background of colour `background`.
Result compute(const QVector<Contact>& log, const QColor& background);

}   // namespace RateGraph
