#include "mainwindow/BandMode.h"

#include <QStringList>

namespace BandMode {

bool isContestBand(const QString& band)
{
    static const QStringList contest = {QStringLiteral("160"), QStringLiteral("80"), QStringLiteral("40"),
                                        QStringLiteral("20"),  QStringLiteral("15"), QStringLiteral("10")};
    return contest.contains(band);
}

QString bandCommandFor(float mhz, const QString& currentBand)
{
    const QString band = Bands::bandOf(mhz);
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
