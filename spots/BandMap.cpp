#include "spots/BandMap.h"

#include <cmath>

namespace Spots {

BandRange bandEdges(const QString& band)
{
    static const struct {
        const char* name;
        double low, high;
    } table[] = {{"160", 1.8, 2},  {"80", 3.5, 4}, {"40", 7, 7.3},  {"20", 14, 14.35},  {"15", 21, 21.45},
                 {"10", 28, 29.7}, {"6", 50, 54},  {"2", 144, 148}, {"1.25", 219, 225}, {"440", 420, 450}};
    for (const auto& row : table)
        if (band.compare(QLatin1String(row.name), Qt::CaseInsensitive) == 0)
            return {row.low, row.high};
    return {};
}

BandRange zoomRange(const SpotStoreT& store, BandRange edges)
{
    double lo = 0, hi = 0;
    bool any = false;
    for (int i = 0; i < SpotStoreT::Slots; ++i) {
        const double f = store.slot[i].frequency;
        if (f > edges.low && f < edges.high) {
            lo = any ? std::min(lo, f) : f;
            hi = any ? std::max(hi, f) : f;
            any = true;
        }
    }
    if (any && hi > lo)
        return {lo - 0.001, hi + 0.001};
    return edges;
}

QString format3(double v)
{
    // Rounded to 3 decimals, ties to even, as the tick captions are.
    const double scaled = std::nearbyint(v * 1000.0);
    QString s = QString::number(scaled / 1000.0, 'f', 3);
    if (s.startsWith(QStringLiteral("0.")))
        s.remove(0, 1);
    else if (s.startsWith(QStringLiteral("-0.")))
        s.remove(1, 1);
    return s;
}

QStringList tickCaptions(BandRange range)
{
    QStringList ticks;
    for (int k = 0; k <= 4; ++k)
        ticks << format3(range.low + k * (range.high - range.low) / 4);
    return ticks;
}

QString spotToolTip(const Spot& spot, float utcOffsetHours)
{
    const QDateTime utc = spot.time.addSecs(qint64(std::llround(utcOffsetHours * 60.0)) * 60);
    return spot.call + QStringLiteral("  ") + format3(spot.frequency) + QStringLiteral("  ") +
           utc.toString(QStringLiteral("HH:mm:ss"));
}

QColor spotAgeColor(qint64 ageSeconds)
{
    return ageSeconds < 600 ? QColor(255, 255, 128) : ageSeconds < 1800 ? QColor(255, 255, 255) : QColor(192, 192, 192);
}

std::vector<LabelPlacement> placeLabels(const SpotStoreT& store, double low, double high, const QDateTime& now,
                                        float utcOffsetHours)
{
    std::vector<LabelPlacement> out;
    if (!(high > low))
        return out;
    for (int i = SpotStoreT::Slots - 1; i >= 0; --i) {
        const Spot& s = store.slot[i];
        const double f = s.frequency;
        if (!(f > low && f < high))
            continue;
        const qint64 age = s.time.secsTo(now);
        if (age >= 3600)
            break;
        LabelPlacement p;
        p.slot = i;
        p.caption = s.prefix;
        p.toolTip = spotToolTip(s, utcOffsetHours);
        p.color = spotAgeColor(age);
        p.position = (f - low) / (high - low);
        out.push_back(p);
    }
    return out;
}

}   // namespace Spots
