#include "core/Format.h"

#include "core/ListFormat.h"

#include <QVector>

#include <cmath>

namespace Format {

QString trimBlanks(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == QLatin1Char(' '))
        ++b;
    while (e > b && s[e - 1] == QLatin1Char(' '))
        --e;
    return s.mid(b, e - b);
}

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
    // A damaged saved value (negative, beyond any contest, not a number) is clamped, so every
    // conversion below stays within a 64-bit integer: 2^53 s is where whole seconds end in a double.
    constexpr double MaxSeconds = 9007199254740992.0;
    if (!(seconds > 0))
        seconds = 0;
    else if (seconds > MaxSeconds)
        seconds = MaxSeconds;
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

namespace {
// Splits "a/b/c" into 2 or 3 whole numbers of digits only; the digit counts go to `widths`.
bool typedNumbers(const QString& s, QChar sep1, QChar sep2, QVector<int>& values, QVector<int>& widths)
{
    const QString t = s.trimmed();
    QString part;
    auto flush = [&]() {
        if (part.isEmpty() || part.size() > 4)
            return false;
        values.append(part.toInt());
        widths.append(int(part.size()));
        part.clear();
        return true;
    };
    for (QChar c : t) {
        if (c.unicode() >= '0' && c.unicode() <= '9')
            part.append(c);
        else if (c == sep1 || c == sep2 || c == QLatin1Char('.')) {
            if (!flush())
                return false;
        } else
            return false;
    }
    return flush();
}
}   // namespace

std::optional<QDate> parseTypedDate(const QString& s, const QDate& today)
{
    QVector<int> v, w;
    if (!typedNumbers(s, QLatin1Char('/'), QLatin1Char('-'), v, w) || v.size() < 2 || v.size() > 3)
        return std::nullopt;
    int y, m, d;
    if (v.size() == 3 && w[0] == 4) {
        y = v[0], m = v[1], d = v[2];
    } else if (v.size() == 3) {
        m = v[0], d = v[1], y = v[2];
        if (w[2] <= 2)
            y += y < 30 ? 2000 : 1900;
        else if (w[2] != 4)
            return std::nullopt;
    } else {
        m = v[0], d = v[1], y = today.year();
    }
    const QDate date(y, m, d);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QDate> parseLogDate(const QString& s)
{
    const QString t = s.trimmed();
    if (t.size() != 10 || t[4] != QLatin1Char('/') || t[7] != QLatin1Char('/'))
        return std::nullopt;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (t[i] < QLatin1Char('0') || t[i] > QLatin1Char('9'))
            return std::nullopt;
    const QDate date(t.left(4).toInt(), t.mid(5, 2).toInt(), t.mid(8, 2).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QTime> parseTypedTime(const QString& s)
{
    QVector<int> v, w;
    if (!typedNumbers(s, QLatin1Char(':'), QLatin1Char(':'), v, w) || v.size() < 2 || v.size() > 3 ||
        s.contains(QLatin1Char('.')))
        return std::nullopt;
    if (w[0] > 2 || w[1] != 2 || (v.size() == 3 && w[2] != 2))
        return std::nullopt;
    const QTime t(v[0], v[1], v.size() == 3 ? v[2] : 0);
    if (!t.isValid())
        return std::nullopt;
    return t;
}

}   // namespace Format
