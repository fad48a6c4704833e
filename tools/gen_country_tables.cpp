// Builds the installed country tables arrlpre2.txt and ADIFCnt.txt from the country file cty.csv
// (Debian package hamradio-files).
//
//   gen_country_tables <output folder> [cty.csv]
//
// cty.csv has one line per entity: primary prefix, name, DXCC number, continent, CQ zone, ITU
// zone, latitude, longitude, UTC offset, and a blank-separated list of prefixes ended by ";".
// Its longitudes already count positive toward the west, as every position in this program
// does, so they are taken unchanged.
//
// arrlpre2.txt: one row per call-sign prefix: prefix, country, continent, longitude, latitude,
// then the entity's CQ zone, ITU zone and DXCC number (read and dropped by the program).
// The country lookup jumps into the table by the call's first character and scans one
// first-character group, so the rows are sorted by prefix (digits before letters) and every
// prefix appears once.
//
// ADIFCnt.txt: one row per DXCC entity: country name and DXCC number, sorted by name.
//
// Rules:
// - "United States" is written "USA"; "Canada", "Alaska" and "Hawaii" keep their names, which
//   the program's own rules test.
// - Entries of one exact call ("=CALL") are not prefixes and are left out.
// - Entities marked "*" count for another DXCC entity (their DXCC number is the parent's); they
//   are left out, so their calls fall to the parent's shorter prefix.
// - Zone marks "(n)" and "[n]" and the time-offset mark "~n~" are dropped; a continent "{XX}"
//   or position "<lat/lon>" given for one prefix is kept on that prefix's row.
// - A prefix whose nearest shorter prefix in the table already gives the same row (country,
//   continent and position) is left out: the longest-prefix lookup reaches the same answer
//   without it.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>

#include "core/Files.h"
#include "core/ListFormat.h"

namespace {

const char* const kDefaultInput = "/usr/share/hamradio-files/cty.csv";
constexpr int kMaxPrefixRows = 10000;   // the country table's room
constexpr int kMaxDxccRows = 1000;      // what the ADIF export reads

struct Entity {
    QString name;
    QString continent;
    int dxcc = 0;
    int cqZone = 0;
    int ituZone = 0;
    float latitude = 0;
    float longitude = 0;
};

struct PrefixRow {
    QString prefix;
    int entity = 0;   // index into the entity list
    QString continent;
    float latitude = 0;
    float longitude = 0;

    bool sameAnswer(const PrefixRow& o, const QList<Entity>& entities) const
    {
        return entities[entity].name == entities[o.entity].name && continent == o.continent && latitude == o.latitude &&
               longitude == o.longitude;
    }
};

void fail(const QString& message) { std::fprintf(stderr, "gen_country_tables: %s\n", qPrintable(message)); }

bool toInt(const QString& s, int& out)
{
    bool ok = false;
    out = s.trimmed().toInt(&ok);
    return ok;
}

bool toFloat(const QString& s, float& out)
{
    double d = 0;
    if (!ListFormat::parseNumber(s, d))
        return false;
    out = static_cast<float>(d);
    return true;
}

// Splits one prefix token ("K0(4)[7]", "UA9{AS}<55.0/-73.0>") into the prefix and its marks.
// False when the token is malformed.
bool parseToken(const QString& token, PrefixRow& row, const Entity& entity)
{
    qsizetype i = 0;
    while (i < token.size() && (token[i].isLetterOrNumber() || token[i] == QLatin1Char('/')))
        ++i;
    if (i == 0)
        return false;
    row.prefix = token.left(i).toUpper();
    row.continent = entity.continent;
    row.latitude = entity.latitude;
    row.longitude = entity.longitude;
    while (i < token.size()) {
        const QChar open = token[i];
        QChar close;
        if (open == QLatin1Char('('))
            close = QLatin1Char(')');
        else if (open == QLatin1Char('['))
            close = QLatin1Char(']');
        else if (open == QLatin1Char('{'))
            close = QLatin1Char('}');
        else if (open == QLatin1Char('<'))
            close = QLatin1Char('>');
        else if (open == QLatin1Char('~'))
            close = QLatin1Char('~');
        else
            return false;
        const qsizetype end = token.indexOf(close, i + 1);
        if (end < 0)
            return false;
        const QString inner = token.mid(i + 1, end - i - 1);
        if (open == QLatin1Char('{')) {
            row.continent = inner;
        } else if (open == QLatin1Char('<')) {
            const QStringList parts = inner.split(QLatin1Char('/'));
            if (parts.size() != 2 || !toFloat(parts[0], row.latitude) || !toFloat(parts[1], row.longitude))
                return false;
        }
        i = end + 1;
    }
    return true;
}

bool readCountryFile(const QString& path, QList<Entity>& entities, QList<PrefixRow>& rows)
{
    QByteArray data;
    QString error;
    if (!Files::readAll(path, data, &error)) {
        fail(QStringLiteral("cannot read %1: %2").arg(path, error));
        return false;
    }
    const QList<QByteArray> lines = data.split('\n');
    QHash<QString, int> seen;   // prefix -> row index
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = QString::fromLatin1(lines[n]).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList f = line.split(QLatin1Char(','));
        const QString where = QStringLiteral("%1 line %2").arg(path).arg(n + 1);
        if (f.size() != 10) {
            fail(where + QStringLiteral(": expected 10 fields, found %1").arg(f.size()));
            return false;
        }
        if (f[0].startsWith(QLatin1Char('*')))
            continue;
        Entity e;
        e.name = f[1].trimmed();
        if (e.name == QLatin1String("United States"))
            e.name = QStringLiteral("USA");
        e.continent = f[3].trimmed();
        if (e.name.isEmpty() || e.name.contains(QLatin1Char('"')) || !toInt(f[2], e.dxcc) || !toInt(f[4], e.cqZone) ||
            !toInt(f[5], e.ituZone) || !toFloat(f[6], e.latitude) || !toFloat(f[7], e.longitude)) {
            fail(where + QStringLiteral(": malformed entity"));
            return false;
        }
        const int index = static_cast<int>(entities.size());
        entities.append(e);

        QString list = f[9].trimmed();
        if (list.endsWith(QLatin1Char(';')))
            list.chop(1);
        const QStringList tokens = list.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& token : tokens) {
            if (token.startsWith(QLatin1Char('=')))
                continue;   // one exact call, not a prefix
            PrefixRow row;
            if (!parseToken(token, row, e)) {
                fail(where + QStringLiteral(": malformed prefix \"%1\"").arg(token));
                return false;
            }
            row.entity = index;
            if (seen.contains(row.prefix)) {
                // Keep the first entity that names a prefix; say so, as the file should not
                // give one prefix twice.
                const PrefixRow& first = rows[seen.value(row.prefix)];
                fail(QStringLiteral("warning: prefix %1 of %2 already belongs to %3; kept there")
                         .arg(row.prefix, e.name, entities[first.entity].name));
                continue;
            }
            seen.insert(row.prefix, static_cast<int>(rows.size()));
            rows.append(row);
        }
    }
    if (entities.isEmpty()) {
        fail(path + QStringLiteral(": no entities"));
        return false;
    }
    return true;
}

// Leaves out every prefix whose nearest shorter prefix gives the same answer. Judged against
// the whole set: when that shorter prefix is itself left out, its own nearest shorter one gives
// the same answer again, so every call still ends on an equal row.
QList<PrefixRow> withoutRedundant(const QList<PrefixRow>& rows, const QList<Entity>& entities)
{
    QHash<QString, int> byPrefix;
    for (int i = 0; i < rows.size(); ++i)
        byPrefix.insert(rows[i].prefix, i);
    QList<PrefixRow> kept;
    for (const PrefixRow& row : rows) {
        int parent = -1;
        for (qsizetype len = row.prefix.size() - 1; len > 0 && parent < 0; --len)
            parent = byPrefix.value(row.prefix.left(len), -1);
        if (parent >= 0 && row.sameAnswer(rows[parent], entities))
            continue;
        kept.append(row);
    }
    return kept;
}

bool lessIgnoringCase(const QString& a, const QString& b)
{
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

}   // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: gen_country_tables <output folder> [cty.csv]\n");
        return 1;
    }
    const QString outFolder = args[1];
    const QString input = args.size() == 3 ? args[2] : QString::fromLatin1(kDefaultInput);

    QList<Entity> entities;
    QList<PrefixRow> rows;
    if (!readCountryFile(input, entities, rows))
        return 2;

    QList<PrefixRow> table = withoutRedundant(rows, entities);
    std::sort(table.begin(), table.end(),
              [](const PrefixRow& a, const PrefixRow& b) { return lessIgnoringCase(a.prefix, b.prefix); });
    if (table.size() > kMaxPrefixRows) {
        fail(QStringLiteral("%1 prefixes, more than the table's %2").arg(table.size()).arg(kMaxPrefixRows));
        return 2;
    }

    ListFormat::Writer prefixes;
    for (const PrefixRow& row : table) {
        const Entity& e = entities[row.entity];
        prefixes.text(row.prefix).text(e.name).text(row.continent);
        prefixes.single(row.longitude).single(row.latitude);
        prefixes.integer(e.cqZone).integer(e.ituZone).integer(e.dxcc).endLine();
    }

    QList<Entity> byName = entities;
    std::stable_sort(byName.begin(), byName.end(),
                     [](const Entity& a, const Entity& b) { return lessIgnoringCase(a.name, b.name); });
    if (byName.size() > kMaxDxccRows) {
        fail(QStringLiteral("%1 entities, more than the export reads").arg(byName.size()));
        return 2;
    }
    ListFormat::Writer dxcc;
    for (const Entity& e : byName)
        dxcc.text(e.name).integer(e.dxcc).endLine();

    QString error;
    if (!Files::makeFolder(outFolder, &error)) {
        fail(QStringLiteral("cannot make %1: %2").arg(outFolder, error));
        return 2;
    }
    const QString prefixPath = Files::resolve(outFolder, QStringLiteral("arrlpre2.txt"));
    const QString dxccPath = Files::resolve(outFolder, QStringLiteral("ADIFCnt.txt"));
    if (!Files::writeAtomic(prefixPath, prefixes.data(), &error) ||
        !Files::writeAtomic(dxccPath, dxcc.data(), &error)) {
        fail(QStringLiteral("cannot write: %1").arg(error));
        return 2;
    }
    std::printf("%lld prefixes, %lld entities\n", static_cast<long long>(table.size()),
                static_cast<long long>(byName.size()));
    return 0;
}
