#include "entry/CountryLookup.h"

#include <algorithm>
#include <array>

namespace CountryLookup {

namespace {

// The sort key of a prefix's first character: capitals, so "a" and "A" fall together.
ushort firstKey(const QString& s) { return s.isEmpty() ? 0 : s.at(0).toUpper().unicode(); }

bool isUsaOrCanada(const QString& country)
{
    return country.compare(QLatin1String("USA"), Qt::CaseInsensitive) == 0 ||
           country.compare(QLatin1String("Canada"), Qt::CaseInsensitive) == 0;
}

}   // namespace

QString lookupCall(const QString& call)
{
    const qsizetype slash = call.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return call;
    const qsizetype rest = call.size() - slash - 1;
    // Half the length is not rounded: 3 characters after the slash of a 7-character call are
    // fewer than 3.5.
    if (rest > 1 && double(rest) < double(call.size()) / 2)
        return call.right(rest);
    return call;
}

int bestRow(const QString& lookup)
{
    const QVector<CountryRow>& table = G.CountryTable;
    if (lookup.isEmpty() || table.isEmpty())
        return -1;
    const ushort key = firstKey(lookup);
    // The group of prefixes beginning with the call's first character.
    const auto first = std::partition_point(table.begin(), table.end(),
                                            [key](const CountryRow& r) { return firstKey(r.prefix) < key; });
    int best = -1;
    qsizetype bestLength = 0;
    for (auto it = first; it != table.end() && firstKey(it->prefix) == key; ++it) {
        const qsizetype n = it->prefix.size();
        if (n > bestLength && n <= lookup.size() && lookup.startsWith(it->prefix, Qt::CaseInsensitive)) {
            best = int(it - table.begin());
            bestLength = n;
        }
    }
    return best;
}

Result lookup(const QString& call)
{
    Result r;
    G.LookupCall = lookupCall(call);
    if (G.LookupCall.isEmpty())
        return r;
    const int row = bestRow(G.LookupCall);
    if (row < 0) {
        r.kind = Result::Kind::NotFound;
        return r;
    }
    const QString& country = G.CountryTable[row].country;
    if (isUsaOrCanada(country)) {
        r.kind = Result::Kind::UsaOrCanada;
        return r;
    }

    r.kind = Result::Kind::Country;
    r.row = row;
    if (call.startsWith(QLatin1String("KG4"), Qt::CaseInsensitive) && (call.size() == 4 || call.size() > 5)) {
        // Guantanamo Bay calls have 5 characters: the others are stations in the USA.
        r.row = -1;
        for (int k = 0; k < G.CountryTable.size(); ++k)
            if (G.CountryTable[k].country.compare(QLatin1String("USA"), Qt::CaseInsensitive) == 0) {
                r.row = k;
                break;
            }
        return r;
    }
    if (country.compare(QLatin1String("Alaska"), Qt::CaseInsensitive) == 0)
        r.text = QStringLiteral("AK");
    else if (country.compare(QLatin1String("Hawaii"), Qt::CaseInsensitive) == 0)
        r.text = QStringLiteral("HI");
    else
        r.text = country;
    return r;
}

QString canadianProvince(const QString& call)
{
    struct Prefix {
        const char* prefix;
        const char* province;
    };
    static const std::array<Prefix, 13> table{{
        {"VE1", "NS"},
        {"VE2", "QC"},
        {"VE3", "ON"},
        {"VE4", "MB"},
        {"VE5", "SK"},
        {"VE6", "AB"},
        {"VE7", "BC"},
        {"VE8", "YT"},
        {"VE9", "NB"},
        {"VO1", "NL"},
        {"VO2", "NL"},
        {"VY1", "YT"},
        {"VY2", "PE"},
    }};
    const QString first3 = call.left(3);
    for (const Prefix& p : table)
        if (first3.compare(QLatin1String(p.prefix), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(p.province);
    return QString();
}

const StatePosition* statePosition(const QString& abbrev)
{
    for (int k = 1; k < G.StatePositions.size(); ++k) {
        const StatePosition& s = G.StatePositions[k];
        if (!s.abbrev.isEmpty() && s.abbrev.compare(abbrev, Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

}   // namespace CountryLookup
