#include "rig/BandPlan.h"

#include "core/Files.h"
#include "core/ListFormat.h"
#include "rig/RigLog.h"

namespace Rig {

QVector<BandPlanRow> extraPlanRows(const QByteArray& data)
{
    QVector<BandPlanRow> rows;
    ListFormat::Reader r(data);
    ListFormat::Value v[5];
    if (!r.next(v[0]))   // the effective date
        return rows;
    for (;;) {
        int got = 0;
        while (got < 5 && r.next(v[got]))
            ++got;
        if (got < 5)
            break;
        double low = 0, high = 0;
        if (!v[3].toNumber(low) || !v[4].toNumber(high)) {
            qCWarning(lcRig) << "BandPlan.txt: a record without numeric edges is skipped";
            continue;
        }
        if (v[1].toText() != QLatin1String("E") || rows.size() >= MaxExtraPlanRows)
            continue;
        rows.append({v[0].toText(), v[1].toText(), v[2].toText(), float(low), float(high)});
    }
    return rows;
}

std::optional<QByteArray> readBandPlanData(const QString& folder)
{
    QByteArray data;
    QString error;
    if (!Files::readAll(Files::resolve(folder, QStringLiteral("BandPlan.txt")), data, &error)) {
        qCWarning(lcRig) << "BandPlan.txt not read:" << error;
        return std::nullopt;
    }
    return data;
}

QVector<BandPlanRow> loadExtraPlanRows(const QString& folder)
{
    const auto data = readBandPlanData(folder);
    return data ? extraPlanRows(*data) : QVector<BandPlanRow>();
}

std::optional<QString> bandPlanMode(const QVector<BandPlanRow>& rows, float mhz)
{
    for (const BandPlanRow& row : rows) {
        if (!(row.low < mhz && mhz < row.high))
            continue;
        if (row.band == QLatin1String("160"))
            return QString();
        if (row.mode == QLatin1String("PH")) {
            const bool lower =
                row.band == QLatin1String("80") || row.band == QLatin1String("60") || row.band == QLatin1String("40");
            return lower ? QStringLiteral("LSB") : QStringLiteral("USB");
        }
        return row.mode;
    }
    return std::nullopt;
}

}   // namespace Rig
