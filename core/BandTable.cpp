#include "core/BandTable.h"

#include "core/Format.h"

namespace Bands {

const QVector<BandRow>& bandTable()
{
    static const QVector<BandRow> rows = {
        {1.7999f, 2.0001f, "160", "1800", "160M"},      {3.4999f, 4.0001f, "80", "3500", "80M"},
        {6.9999f, 7.3001f, "40", "7000", "40M"},        {13.9999f, 14.3501f, "20", "14000", "20M"},
        {20.9999f, 21.4501f, "15", "21000", "15M"},     {27.9999f, 29.7001f, "10", "28000", "10M"},
        {49.9999f, 54.0001f, "6", "50", "6M"},          {143.9999f, 148.0001f, "2", "144", "2M"},
        {218.9999f, 225.0001f, "1.25", "222", "1.25M"}, {419.9999f, 450.0001f, "440", "432", "70cm"},
        {901.9999f, 928.0001f, "902", "902", "33cm"},   {1239.9999f, 1300.0001f, "1.24", "1.2G", "23cm"},
        {2300.0f, 2450.0f, "2.3", "2.3G", "13cm"},      {3300.0f, 3500.0f, "3.3", "3.4G", "9cm"},
        {5650.0f, 5925.0f, "5.6", "5.7G", "6cm"},       {10000.0f, 10500.0f, "10G", "10G", "3cm"},
        {10.0999f, 10.1501f, "30", "10100", "30M"},     {18.0679f, 18.1681f, "17", "18068", "17M"},
        {24.8899f, 24.9901f, "12", "24890", "12M"},
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

const BandRow* find(const QString& name)
{
    for (const BandRow& r : bandTable())
        if (name.compare(QLatin1String(r.name), Qt::CaseInsensitive) == 0)
            return &r;
    return nullptr;
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
