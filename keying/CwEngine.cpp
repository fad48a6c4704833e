#include "keying/CwEngine.h"

#include <QHash>

#include <cmath>
#include <limits>

#include "platform/KeyLines.h"
#include "platform/Monotonic.h"

namespace CwEngine {

namespace {

const QHash<QChar, QString>& table()
{
    static const QHash<QChar, QString> t = {
        {QLatin1Char('A'), QStringLiteral("10111000")},
        {QLatin1Char('B'), QStringLiteral("111010101000")},
        {QLatin1Char('C'), QStringLiteral("11101011101000")},
        {QLatin1Char('D'), QStringLiteral("1110101000")},
        {QLatin1Char('E'), QStringLiteral("1000")},
        {QLatin1Char('F'), QStringLiteral("101011101000")},
        {QLatin1Char('G'), QStringLiteral("111011101000")},
        {QLatin1Char('H'), QStringLiteral("1010101000")},
        {QLatin1Char('I'), QStringLiteral("101000")},
        {QLatin1Char('J'), QStringLiteral("1011101110111000")},
        {QLatin1Char('K'), QStringLiteral("111010111000")},
        {QLatin1Char('L'), QStringLiteral("101110101000")},
        {QLatin1Char('M'), QStringLiteral("1110111000")},
        {QLatin1Char('N'), QStringLiteral("11101000")},
        {QLatin1Char('O'), QStringLiteral("11101110111000")},
        {QLatin1Char('P'), QStringLiteral("10111011101000")},
        {QLatin1Char('Q'), QStringLiteral("1110111010111000")},
        {QLatin1Char('R'), QStringLiteral("1011101000")},
        {QLatin1Char('S'), QStringLiteral("10101000")},
        {QLatin1Char('T'), QStringLiteral("111000")},
        {QLatin1Char('U'), QStringLiteral("1010111000")},
        {QLatin1Char('V'), QStringLiteral("101010111000")},
        {QLatin1Char('W'), QStringLiteral("101110111000")},
        {QLatin1Char('X'), QStringLiteral("11101010111000")},
        {QLatin1Char('Y'), QStringLiteral("1110101110111000")},
        {QLatin1Char('Z'), QStringLiteral("11101110101000")},
        {QLatin1Char('0'), QStringLiteral("1110111011101110111000")},
        {QLatin1Char('1'), QStringLiteral("10111011101110111000")},
        {QLatin1Char('2'), QStringLiteral("101011101110111000")},
        {QLatin1Char('3'), QStringLiteral("1010101110111000")},
        {QLatin1Char('4'), QStringLiteral("10101010111000")},
        {QLatin1Char('5'), QStringLiteral("101010101000")},
        {QLatin1Char('6'), QStringLiteral("11101010101000")},
        {QLatin1Char('7'), QStringLiteral("1110111010101000")},
        {QLatin1Char('8'), QStringLiteral("111011101110101000")},
        {QLatin1Char('9'), QStringLiteral("11101110111011101000")},
        {QLatin1Char('.'), QStringLiteral("10111010111010111000")},
        {QLatin1Char(','), QStringLiteral("1110111010101110111000")},
        {QLatin1Char('?'), QStringLiteral("101011101110101000")},
        {QLatin1Char('/'), QStringLiteral("1110101011101000")},
        {QLatin1Char('['), QStringLiteral("1011101011101000")},            // AR
        {QLatin1Char(']'), QStringLiteral("101010111010111000")},          // SK
        {QLatin1Char(';'), QStringLiteral("111010111011101000")},          // KN
        {QLatin1Char('\\'), QStringLiteral("111010111010101110101000")},   // CL
        {QLatin1Char('='), QStringLiteral("1110101010111000")},            // BT
        {QLatin1Char('-'), QStringLiteral("111010101010111000")},
        {QLatin1Char(' '), QStringLiteral("00000000")},
    };
    return t;
}

constexpr int SpaceUnits = 8;

}   // namespace

QString elements(QChar c) { return table().value(c.toUpper()); }

QString spaceElements(int n)
{
    if (n >= 0)
        return QString(SpaceUnits + n, QLatin1Char('0'));
    return QString(std::max(0, SpaceUnits + n), QLatin1Char('0'));
}

double unitMs(double wpm) { return 60.0 / (wpm * 50.0) * 1000.0; }

void spinLoop(double turns)
{
    volatile double counter = 0;
    while (counter < turns)
        counter = counter + 1;
}

KeyResult keyElements(const QString& elementString, const CharacterTiming& t, Platform::KeyLine* line,
                      Platform::Monotonic& clock)
{
    if (elementString.isEmpty())
        return KeyResult::Keyed;
    // Below 1 WPM there is no sound unit length: the character keys nothing.
    if (!(t.wpm >= 1))
        return KeyResult::SpeedTooLow;
    const double unit = unitMs(t.wpm);
    const qint64 unitNs = qint64(std::llround(unit * 1e6));
    const qint64 sleepMs = qint64(std::nearbyint(unit));
    const double loopTurns = t.loopOffset * 20.0 / t.wpm;

    // The Loop method spins for the whole character: it gets no raised priority, which would
    // hold a processor from everything else for that long.
    std::optional<Platform::PreciseTiming> precise;
    if (t.timing != Timing::Loop)
        precise.emplace(clock);
    qint64 deadline = clock.nowNs();
    for (QChar e : elementString) {
        const bool down = e == QLatin1Char('1');
        if (line && !line->setKeyed(down)) {
            line->setKeyed(false);
            return KeyResult::LineFailed;
        }
        switch (t.timing) {
        case Timing::Timer:
            deadline += unitNs;
            clock.waitUntilNs(deadline);
            break;
        case Timing::Sleep: clock.sleepMs(sleepMs); break;
        case Timing::Loop: spinLoop(loopTurns); break;
        }
    }
    // Every character ends on key-up elements; make sure of it all the same.
    if (line && elementString.endsWith(QLatin1Char('1')))
        line->setKeyed(false);
    return KeyResult::Keyed;
}

std::optional<double> loopOffsetFrom(double turns, qint64 elapsedNs)
{
    if (elapsedNs <= 0)
        return std::nullopt;
    const double perMs = turns / (double(elapsedNs) / 1e6);
    return std::nearbyint(perMs * 60.0);
}

double literalValue(const QString& text)
{
    int i = 0;
    const int n = int(text.size());
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    if (i + 1 < n && text[i] == QLatin1Char('&')) {
        const QChar kind = text[i + 1].toUpper();
        const int radix = kind == QLatin1Char('H') ? 16 : kind == QLatin1Char('O') ? 8 : 0;
        if (radix) {
            double v = 0;
            for (i += 2; i < n; ++i) {
                const int d =
                    text[i].isDigit() ? text[i].digitValue()
                    : (radix == 16 && text[i].toUpper() >= QLatin1Char('A') && text[i].toUpper() <= QLatin1Char('F'))
                        ? text[i].toUpper().unicode() - 'A' + 10
                        : -1;
                if (d < 0 || d >= radix)
                    break;
                v = v * radix + d;
            }
            return v;
        }
    }
    // Decimal: the longest prefix that reads as a number.
    QString s;
    int j = i;
    if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
        s += text[j++];
    bool digits = false;
    while (j < n && text[j].isDigit()) {
        s += text[j++];
        digits = true;
    }
    if (j < n && text[j] == QLatin1Char('.')) {
        s += text[j++];
        while (j < n && text[j].isDigit()) {
            s += text[j++];
            digits = true;
        }
    }
    if (!digits)
        return 0;
    if (j < n && (text[j] == QLatin1Char('E') || text[j] == QLatin1Char('e'))) {
        QString e = QStringLiteral("e");
        int k = j + 1;
        if (k < n && (text[k] == QLatin1Char('+') || text[k] == QLatin1Char('-')))
            e += text[k++];
        bool expDigits = false;
        while (k < n && text[k].isDigit()) {
            e += text[k++];
            expDigits = true;
        }
        if (expDigits)
            s += e;
    }
    bool ok = false;
    const double v = s.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0;
}

std::optional<int> controlRegister(const QString& baseText)
{
    const double address = std::nearbyint(literalValue(baseText) + 2);
    if (address < std::numeric_limits<int16_t>::min() || address > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return int(address);
}

QString fillWildcard(const QString& text, QChar wildcard, const std::function<QString()>& value)
{
    QString out = text;
    int pos = 0;
    while (pos < out.size()) {
        if (out[pos] != wildcard) {
            ++pos;
            continue;
        }
        const QString v = value().trimmed();
        out = out.left(pos) + v + out.mid(pos + 1);
        pos += int(v.size());
    }
    return out;
}

}   // namespace CwEngine
