#pragma once
// The band map's drawing decisions, without widgets: the band's edges, the zoom to the spots, the
// five tick captions and where each recent spot's label goes, with which text and colour. The main
// window's panel applies them to its labels.
#include <QColor>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

#include "spots/SpotStore.h"

namespace Spots {

struct BandRange {
    double low = 0, high = 0;
};

// The edges of a band name ("160" .. "440", ignoring case); 0 to 0 for any other name.
BandRange bandEdges(const QString& band);
// The range the map shows: the band's edges, or 1 kHz beyond the lowest and highest spot strictly
// inside them when there are at least two different ones. Every slot 0..49 counts, so no drawn
// spot lies outside the zoomed range.
BandRange zoomRange(const SpotStoreT& store, BandRange edges);
// SetBandMapRange's five tick captions for a range: low + k/4 of the span, "#.000" (".500" below 1).
QStringList tickCaptions(BandRange range);
// A number as "#.000": three decimals, no leading zero below 1.
QString format3(double v);

// A spot label's tool tip on both maps: the call, the frequency "#.000" and the UTC time of receipt
// (SpotTime moved by `utcOffsetHours`, in whole minutes) as "hh:mm:ss", separated by two blanks.
QString spotToolTip(const Spot& spot, float utcOffsetHours);
// A spot label's text colour on both maps by the spot's age in seconds: pale yellow under 600,
// white under 1800, silver under 3600. An older spot is not drawn (the caller stops before asking).
QColor spotAgeColor(qint64 ageSeconds);

// One spot label to show.
struct LabelPlacement {
    int slot = 0;
    QString caption;       // SpotPrefix
    QString toolTip;       // call, f "#.000", UTC time "hh:mm:ss", separated by two blanks
    QColor color;          // by age: pale yellow under 10 min, white under 30, silver under 60
    double position = 0;   // 0..1 along the ruler
};

// DisplayBandMapLabels' walk from slot 49 down to 0 over the range `low`..`high` (as read back from
// the tick captions): spots strictly inside are placed; the walk ends at the first in-range spot an
// hour old or older. Reads the store; changes nothing.
std::vector<LabelPlacement> placeLabels(const SpotStoreT& store, double low, double high, const QDateTime& now,
                                        float utcOffsetHours);

}   // namespace Spots
