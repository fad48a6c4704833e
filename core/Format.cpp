#include "core/Format.h"

#include "core/ListFormat.h"

#include <cmath>

namespace Format {

bool isNumeric(const QString& s)
{
    double d;
    return ListFormat::parseNumber(s, d);
}

double toNumber(const QString& s, double fallback)
{
    double d;
    return ListFormat::parseNumber(s, d) ? d : fallback;
}

QString number(double v) { return ListFormat::formatDouble(v); }
QString single(float v) { return ListFormat::formatSingle(v); }

double roundTo(double v, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(v * scale) / scale;
}

QString frequency(double mhz) { return QString::number(mhz, 'f', 3); }

QString logDate(const QDate& d) { return d.toString(QStringLiteral("yyyy/MM/dd")); }
QString logTime(const QTime& t) { return t.toString(QStringLiteral("HH:mm:ss")); }
QString hourMinute(const QTime& t) { return t.toString(QStringLiteral("HH:mm")); }
QString monthDay(const QDate& d) { return d.toString(QStringLiteral("MM/dd")); }
QString stamp(const QDateTime& dt) { return dt.toString(QStringLiteral("yyyyMMddHHmm")); }

QString grouped(double v)
{
    const double r = std::round(v);
    QString digits = QString::number(std::fabs(r), 'f', 0);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return r < 0 ? QLatin1Char('-') + digits : digits;
}

QString operatingTime(double seconds)
{
    const double t = std::floor(seconds);
    const long long h = (long long)std::floor(t / 3600);
    const long long m = (long long)std::floor(t / 60 - double(h) * 60);
    const long long s = (long long)(t - std::floor(t / 60) * 60);
    auto part = [](long long v) {
        const QString digits = QString::number(v);
        return v < 10 ? QStringLiteral("0") + digits : digits.right(2);
    };
    return part(h) + QLatin1Char(':') + part(m) + QLatin1Char(':') + part(s);
}

} // namespace Format
