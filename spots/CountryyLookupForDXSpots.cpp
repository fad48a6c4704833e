#include "spots/CountryyLookupForDXSpots.h"

#include "core/Globals.h"

#include <cmath>

namespace CountryyLookupForDXSpots {

QString LookupCall;

QVariant SpotCountryLookup(const QString& call)
{
    QString result;
    LookupCall = call;
    const qsizetype s = LookupCall.indexOf(QLatin1Char('/'));
    if (s >= 0) {
        const qsizetype t = LookupCall.size() - (s + 1);
        if (t < LookupCall.size() / 2.0 && t > 1)
            LookupCall = LookupCall.right(t);
    }
    if (LookupCall.isEmpty())
        return QVariant();

    const QVector<CountryRow>& table = G.CountryTable;
    const int count = int(table.size());
    // Rows are 1-based here: row r is table[r - 1]; rows outside 1..count hold no prefix.
    auto prefixAt = [&](int r) -> QString { return (r >= 1 && r <= count) ? table[r - 1].prefix : QString(); };
    const QChar first = LookupCall[0];
    auto firstOf = [&](int r) -> QChar {
        const QString p = prefixAt(r);
        return p.isEmpty() ? QChar() : p[0];
    };

    int c = first.unicode();
    if (c < 65)
        c = 65;
    int row = int(std::floor((c - 64) / 26.0 * count));
    do {
        if (firstOf(row) != first)
            break;
        row -= 5;
        if (row < 1)
            row = 1;
    } while (row > 1);

    const bool backwards = firstOf(row).unicode() > first.unicode();
    const int step = backwards ? -1 : 1;
    const int limit = backwards ? 1 : count;
    int bestLength = 0, found = 0;
    {
        for (int r = row; backwards ? r >= limit : r <= limit; r += step) {
            const QString p = prefixAt(r);
            if (!p.isEmpty() && LookupCall.startsWith(p) && p.size() > bestLength) {
                found = r;
                bestLength = int(p.size());
                result = table[r - 1].country;
            }
            const QChar f = firstOf(r);
            if (!backwards && f.unicode() > first.unicode())
                break;
            if (backwards && f.unicode() < first.unicode())
                break;
        }
    }
    if (found > 0 && LookupCall.startsWith(QStringLiteral("KG4")) && LookupCall.size() > 5)
        result = QStringLiteral("USA");
    return result;
}

}   // namespace CountryyLookupForDXSpots
