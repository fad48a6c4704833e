#pragma once
// The frequency-privileges chart, decided without widgets: BandPlan.txt read whole (every licence
// class), and for one class the labels of the chart as rectangles in window coordinates. The
// window (rig/BandPlanWindow.h) only creates a label per item.
//
// Chart: every band whose "O" row (the band's edges) is directly followed, before the next band
// starts, by a row of the chosen class gets a black bar; the bars stand evenly spaced below the
// window's divider line in file order. Each row of the class is a segment on its band's bar, placed
// and sized by its frequencies within the band's edges: blue for "CW", green for any other mode.
#include "rig/BandPlan.h"

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QVector>

namespace Rig {

// At most this many rows of BandPlan.txt are kept; at most this many bands are charted.
constexpr int MaxPlanRows = 200;
constexpr int MaxChartBands = 20;

struct BandPlanFile {
    bool dateRead = false;
    QString date;                // the effective date, as read
    QVector<BandPlanRow> rows;   // every class, file order, at most MaxPlanRows
    bool complete = false;       // false: missing, more rows than kept, or a damaged record
};

// Reads BandPlan.txt data: the date, then records of band, class, mode, low, high. Reading stops
// at the first record whose edges are not numbers or that is cut short, and after MaxPlanRows rows
// (complete is then false); the rows read before stay. Reads nothing else.
BandPlanFile readBandPlanFile(const QByteArray& data);
// The same for BandPlan.txt in `folder` (name found without regard to case); not complete and no
// rows when it is missing or unreadable.
BandPlanFile loadBandPlanFile(const QString& folder);

// "#,###.##0": digit groups and three decimals (1.8 -> "1.800", 1240 -> "1,240.000").
QString privilegeFrequencyText(double mhz);

struct ChartItem {
    enum Kind { Bar, NameTag, Segment };
    Kind kind = Bar;
    QString name;   // "blbl"/"bnlb"/"priv" followed by its number, counted from 1 per kind
    QRectF rect;    // window coordinates
    QString caption;
    QString toolTip;
    bool cw = false;   // Segment: drawn blue with white text; otherwise green with black text
};

// The chart of licence class `cls` (exact text, "E", "A" ...) for a window of `width` by `height`
// whose divider line stands at `lineTop`. Reads `rows` only. Bars, then tags, then segments.
// More than MaxChartBands qualifying bands give only bars, stacked at 5 % of the height each;
// a band whose edges are equal gets no segments and ends the segments there.
QVector<ChartItem> privilegeChart(const QVector<BandPlanRow>& rows, const QString& cls, double width, double height,
                                  double lineTop);

}   // namespace Rig
