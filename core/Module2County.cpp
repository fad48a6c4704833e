#include "core/Module2County.h"

#include "core/Files.h"
#include "core/Globals.h"
#include "core/ListFormat.h"

namespace Module2 {

namespace {
constexpr int MaxCounties = 1000;

QString valueText(const ListFormat::Value& v)
{
    // A bare value keeps its characters as written.
    return v.kind == ListFormat::Value::Kind::Bool ? v.toText() : v.text;
}
}   // namespace

bool LoadCountyList()
{
    G.CountyNames.clear();
    G.CountyAbbreviations.clear();
    QByteArray data;
    if (!Files::readAll(Files::resolve(G.ProgramFolder, QStringLiteral("county2.txt")), data))
        return false;
    ListFormat::Reader reader(std::move(data));
    ListFormat::Value first, second;
    while (!reader.atEnd()) {
        if (!reader.next(first) || !reader.next(second))
            return false;   // the file ends inside a row
        const QString stateAndName = valueText(first);
        if (stateAndName.left(2) != G.PartyState)
            continue;
        if (G.CountyNames.size() == MaxCounties)
            return false;
        G.CountyNames.append(stateAndName.mid(2));
        G.CountyAbbreviations.append(valueText(second));
    }
    // A table without a county of the state would refuse every county entered, with no word
    // why: the caller reports it as it reports a missing file.
    return !G.CountyNames.isEmpty();
}

QString CountyNameFromAbbrev(const QString& abbrev)
{
    const QString wanted = abbrev.toUpper();
    const qsizetype n = qMin(G.CountyNames.size(), G.CountyAbbreviations.size());
    for (qsizetype i = 0; i < n; ++i)
        if (G.CountyAbbreviations[i] == wanted)
            return G.CountyNames[i];
    return QString();
}

int UpperCaseKey(int keyAscii)
{
    if (keyAscii >= 'a' && keyAscii <= 'z')
        return keyAscii - 32;
    if (keyAscii == '"')
        return 0;
    return keyAscii;
}

int DigitsOnlyKey(int keyAscii)
{
    if (keyAscii == 8 || (keyAscii >= '0' && keyAscii <= '9'))
        return keyAscii;
    return 0;
}

}   // namespace Module2
