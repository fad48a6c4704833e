#include "rig/PrivilegeChart.h"

#include "core/ListFormat.h"
#include "rig/RigLog.h"

#include <QLocale>

namespace Rig {

BandPlanFile readBandPlanFile(const QByteArray& data)
{
    BandPlanFile file;
    ListFormat::Reader r(data);
    ListFormat::Value v[5];
    if (!r.next(v[0])) {
        qCWarning(lcRig) << "BandPlan.txt holds no date";
        return file;
    }
    file.dateRead = true;
    file.date = v[0].toText();
    for (;;) {
        int got = 0;
        while (got < 5 && r.next(v[got]))
            ++got;
        if (got == 0) {
            file.complete = true;
            return file;
        }
        double low = 0, high = 0;
        if (got < 5 || !v[3].toNumber(low) || !v[4].toNumber(high)) {
            qCWarning(lcRig) << "BandPlan.txt: a damaged record after row" << file.rows.size();
            return file;
        }
        if (file.rows.size() >= MaxPlanRows) {
            qCWarning(lcRig) << "BandPlan.txt holds more than" << MaxPlanRows << "rows";
            return file;
        }
        file.rows.append({v[0].toText(), v[1].toText(), v[2].toText(), float(low), float(high)});
    }
}

BandPlanFile loadBandPlanFile(const QString& folder)
{
    const auto data = readBandPlanData(folder);
    return data ? readBandPlanFile(*data) : BandPlanFile();
}

QString privilegeFrequencyText(double mhz)
{
    static const QLocale grouped(QLocale::English, QLocale::UnitedStates);
    return grouped.toString(mhz, 'f', 3);
}

namespace {

QString rangeText(const BandPlanRow& r)
{
    return privilegeFrequencyText(r.low) + QStringLiteral(" - ") + privilegeFrequencyText(r.high);
}

}   // namespace

QVector<ChartItem> privilegeChart(const QVector<BandPlanRow>& rows, const QString& cls, double width, double height,
                                  double lineTop)
{
    static const QString whole = QStringLiteral("O");
    QVector<ChartItem> items;
    // Bars of the qualifying bands, in file order.
    QVector<int> bandRows;   // the "O" row of each bar
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].cls != whole)
            continue;
        bool qualifies = false;
        for (int j = i + 1; j < rows.size() && rows[j].band == rows[i].band; ++j)
            if (rows[j].cls == cls) {
                qualifies = true;
                break;
            }
        if (qualifies)
            bandRows.append(i);
    }
    const int n = bandRows.size();
    for (int k = 0; k < n; ++k) {
        const BandPlanRow& o = rows[bandRows[k]];
        ChartItem bar;
        bar.kind = ChartItem::Bar;
        bar.name = QStringLiteral("blbl%1").arg(k + 1);
        bar.rect = QRectF(0.1 * width, (k + 1) * 0.05 * height, 0.85 * width, 0.04 * height);
        bar.caption = o.band;
        bar.toolTip = o.band + QStringLiteral("  ") + rangeText(o);
        items.append(bar);
    }
    if (n > MaxChartBands) {
        qCWarning(lcRig) << "privileges chart:" << n << "bands, only bars are drawn";
        return items;
    }
    if (n == 0)
        return items;
    const double pitch = 0.8 * (height - lineTop) / n;
    for (int i = 0; i < n; ++i)
        items[i].rect.moveTop(lineTop + (i + 1) * pitch);
    for (int i = 0; i < n; ++i) {
        ChartItem tag = items[i];
        tag.kind = ChartItem::NameTag;
        tag.name = QStringLiteral("bnlb%1").arg(i + 1);
        tag.rect.setLeft(0.04 * width);
        tag.rect.setWidth(0.05 * width);
        items.append(tag);
    }
    // A band's edges are those of its first row in the file.
    QVector<const BandPlanRow*> edges(n);
    for (int i = 0; i < n; ++i)
        for (const BandPlanRow& r : rows)
            if (r.band == items[i].caption) {
                edges[i] = &r;
                break;
            }
    int m = 0;
    for (const BandPlanRow& r : rows) {
        if (r.cls != cls)
            continue;
        for (int i = 0; i < n; ++i) {
            if (items[i].caption != r.band)
                continue;
            const double bandLow = edges[i]->low, span = double(edges[i]->high) - bandLow;
            if (span == 0) {
                qCWarning(lcRig) << "privileges chart: band" << r.band << "has equal edges";
                return items;
            }
            const QRectF& bar = items[i].rect;
            ChartItem seg;
            seg.kind = ChartItem::Segment;
            seg.name = QStringLiteral("priv%1").arg(++m);
            seg.rect = QRectF(bar.left() + bar.width() * (double(r.low) - bandLow) / span, bar.top(),
                              bar.width() * (double(r.high) - double(r.low)) / span, bar.height());
            seg.caption = rangeText(r);
            seg.cw = r.mode == QLatin1String("CW");
            seg.toolTip = (seg.cw ? QStringLiteral("CW  ") : QStringLiteral("PH  ")) + seg.caption;
            items.append(seg);
        }
    }
    return items;
}

}   // namespace Rig
