#include "entry/DXLists.h"

#include "core/Globals.h"
#include "entry/DupeCheck.h"
#include "entry/EntryLog.h"

#include <algorithm>
#include <array>

namespace DXLists {

namespace {

const std::array<const char*, 7> Bands{{"160", "80", "40", "20", "15", "10", "6"}};

bool contains(const QStringList& list, const QString& text)
{
    for (const QString& s : list)
        if (DupeCheck::sameText(s, text))
            return true;
    return false;
}

void addToBandList(int band, const QString& country)
{
    QStringList& list = G.BandDXLists[band];
    if (contains(list, country))
        return;
    if (list.size() >= BandListCapacity) {
        qCWarning(lcEntry) << "DX list of band" << Bands[band] << "is full; not stored:" << country;
        return;
    }
    list.append(country);
    G.BandDXCounts[band] = int(list.size());
}

// Adds to a sorted list, as a sorted list box does, unless an equal entry is there.
void insertSorted(QStringList& list, const QString& entry)
{
    if (contains(list, entry))
        return;
    list.insert(
        std::upper_bound(list.begin(), list.end(), entry,
                         [](const QString& x, const QString& y) { return x.compare(y, Qt::CaseInsensitive) < 0; }),
        entry);
}

}   // namespace

int bandIndex(const QString& band)
{
    for (int k = 0; k < int(Bands.size()); ++k)
        if (band.compare(QLatin1String(Bands[k]), Qt::CaseInsensitive) == 0)
            return k;
    return -1;
}

bool isDX(const QString& spc) { return spc.size() > 2; }

bool isNewOnBand(const QString& text, const QString& band)
{
    if (!isDX(text))
        return false;
    for (const char* never : {"Not Found", "Hawaii", "Alaska", "Canada", "USA"})
        if (text.compare(QLatin1String(never), Qt::CaseInsensitive) == 0)
            return false;
    const int b = bandIndex(band);
    return b < 0 || !contains(G.BandDXLists[b], text);
}

void RebuildBandDXLists()
{
    for (int b = 0; b < int(Bands.size()); ++b) {
        G.BandDXLists[b].clear();
        G.BandDXCounts[b] = 0;
    }
    const auto& a = G.ContactArrays;
    for (int i = 1; i <= G.QSOCount; ++i) {
        if (!isDX(a.ContactSPC[i]))
            continue;
        const int b = bandIndex(a.ContactBand[i]);
        if (b >= 0)
            addToBandList(b, a.ContactSPC[i]);
    }
}

void addToBand(int record)
{
    if (record < 1 || record > G.QSOCount)
        return;
    const QString& s = G.ContactArrays.ContactSPC[record];
    const int b = bandIndex(G.ContactArrays.ContactBand[record]);
    if (isDX(s) && b >= 0)
        addToBandList(b, s);
}

void Model::setHeader() { header = QStringLiteral("DX All - ") + QString::number(entries.size()); }

void Model::FillDXList()
{
    entries.clear();
    const auto& a = G.ContactArrays;
    for (int i = 1; i <= G.QSOCount; ++i)
        if (isDX(a.ContactSPC[i]))
            insertSorted(entries, a.ContactSPC[i]);
    setHeader();
}

void Model::add(int record)
{
    if (record < 1 || record > G.QSOCount)
        return;
    const QString& s = G.ContactArrays.ContactSPC[record];
    if (isDX(s))
        insertSorted(entries, s);
    setHeader();
}

void Model::AddBandDX(int record)
{
    addToBand(record);
    add(record);
}

}   // namespace DXLists
