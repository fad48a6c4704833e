#include "mainwindow/BandMode.h"

#include <QStringList>

namespace BandMode {

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

QString bandOfFrequency(float mhz)
{
    for (const BandRow& r : bandTable())
        if (r.lower < mhz && mhz < r.upper)
            return QString::fromLatin1(r.name);
    return {};
}

bool isContestBand(const QString& band)
{
    static const QStringList contest = {QStringLiteral("160"), QStringLiteral("80"), QStringLiteral("40"),
                                        QStringLiteral("20"),  QStringLiteral("15"), QStringLiteral("10")};
    return contest.contains(band);
}

QString bandCommandFor(float mhz, const QString& currentBand)
{
    const QString band = bandOfFrequency(mhz);
    if (band.isEmpty() || band.compare(currentBand, Qt::CaseInsensitive) == 0 || !isContestBand(band))
        return {};
    return band;
}

QString frequencyText(float mhz)
{
    QString s = QString::number(double(mhz), 'f', 3);
    if (s.startsWith(QLatin1String("0.")))
        s.remove(0, 1);
    else if (s.startsWith(QLatin1String("-0.")))
        s.remove(1, 1);
    return s;
}

QString modeCommandFor(const QString& rigMode, const QString& currentMode)
{
    if (rigMode.isEmpty() || rigMode.compare(currentMode, Qt::CaseInsensitive) == 0)
        return {};
    if (rigMode.compare(QLatin1String("PH"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("PH");
    if (rigMode.compare(QLatin1String("CW"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("CW");
    return {};
}

QString nextBand(const QString& currentBand)
{
    static const QStringList cycle = {QStringLiteral("160"), QStringLiteral("80"), QStringLiteral("40"),
                                      QStringLiteral("20"),  QStringLiteral("15"), QStringLiteral("10")};
    for (int i = 0; i < cycle.size(); ++i)
        if (currentBand.compare(cycle[i], Qt::CaseInsensitive) == 0)
            return cycle[(i + 1) % cycle.size()];
    return {};
}

QString nextMode(const QString& currentMode)
{
    return currentMode.compare(QLatin1String("CW"), Qt::CaseInsensitive) == 0 ? QStringLiteral("PH")
                                                                              : QStringLiteral("CW");
}

}   // namespace BandMode
