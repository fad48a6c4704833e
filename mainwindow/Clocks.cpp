#include "mainwindow/Clocks.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace Clocks {

namespace {
// A damaged saved offset (1E+30, not a number) is bounded, so the whole-number arithmetic below
// stays within 64 bits; no real offset comes near the bound.
double bounded(double offsetHours)
{
    constexpr double Limit = 1e9;
    if (!std::isfinite(offsetHours))
        return 0;
    return std::clamp(offsetHours, -Limit, Limit);
}
}   // namespace

QString utcClock(const QDateTime& local, double offsetHours)
{
    offsetHours = bounded(offsetHours);
    const qint64 minutes = std::llround(offsetHours * 60.0);
    return local.time().addSecs(int(minutes * 60 % 86400)).toString(QStringLiteral("hh:mm:ss"));
}

QString localClock(const QDateTime& local)
{
    const QTime t = local.time();
    const int h12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    return QStringLiteral("%1:%2:%3")
        .arg(h12)
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.second(), 2, 10, QLatin1Char('0'));
}

QString amPm(const QDateTime& local)
{
    const QLocale l = QLocale::system();
    return local.time().hour() < 12 ? l.amText() : l.pmText();
}

float operatingSeconds(const QDateTime& logOnTime, const QDateTime& now, float savedSeconds)
{
    return float(std::fabs(double(logOnTime.secsTo(now)) + double(savedSeconds)));
}

QString loggedOffText(const QDateTime& local, double offsetHours)
{
    offsetHours = bounded(offsetHours);
    const QDateTime t = local.addSecs(qint64(std::llround(offsetHours)) * 3600);
    return QStringLiteral("Logged Off at ") + QLocale::system().toString(t.date(), QLocale::ShortFormat) +
           QLatin1Char(' ') + t.time().toString(QStringLiteral("hh:mm:ss"));
}

}   // namespace Clocks
