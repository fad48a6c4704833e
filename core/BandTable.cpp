#include "core/BandTable.h"

#include "core/Format.h"

namespace Bands {

const QVector<BandRow>& bandTable()
{
    static const QVector<BandRow> rows = {
        {1.7999f, 2.0001f, "160"},     {3.4999f, 4.0001f, "80"},      {6.9999f, 7.3001f, "40"},
        {13.9999f, 14.3501f, "20"},    {20.9999f, 21.4501f, "15"},    {27.9999f, 29.7001f, "10"},
        {49.9999f, 54.0001f, "6"},     {143.9999f, 148.0001f, "2"},   {218.9999f, 225.0001f, "1.25"},
        {419.9999f, 450.0001f, "440"}, {901.9999f, 928.0001f, "902"}, {1239.9999f, 1300.0001f, "1.24"},
        {2300.0f, 2450.0f, "2.3"},     {3300.0f, 3500.0f, "3.3"},     {5650.0f, 5925.0f, "5.6"},
        {10000.0f, 10500.0f, "10G"},   {10.0999f, 10.1501f, "30"},    {18.0679f, 18.1681f, "17"},
        {24.8899f, 24.9901f, "12"},
    };
    return rows;
}

const QStringList& names()
{
    static const QStringList n = [] {
        QStringList out;
        for (const BandRow& r : bandTable())
            out << QString::fromLatin1(r.name);
        return out;
    }();
    return n;
}

QString bandOf(float mhz)
{
    for (const BandRow& r : bandTable())
        if (r.lower < mhz && mhz < r.upper)
            return QString::fromLatin1(r.name);
    return {};
}

bool frequencyInBand(const QString& mhzText, const QString& band)
{
    if (!Format::isNumeric(mhzText))
        return false;
    const QString of = bandOf(float(Format::toNumber(mhzText)));
    return !of.isEmpty() && of.compare(band, Qt::CaseInsensitive) == 0;
}

}   // namespace Bands
