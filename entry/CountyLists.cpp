#include "entry/CountyLists.h"

#include "core/Globals.h"
#include "entry/DupeCheck.h"

#include <QSet>

#include <algorithm>

namespace CountyLists {

namespace {

const QString AllModes = QStringLiteral("All Modes");
const QString CurrentModeCaption = QStringLiteral("Crnt Mode");

bool lessIgnoringCase(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; }

// Adds to a sorted list, as a sorted list control does.
void insertSorted(QStringList& list, const QString& entry)
{
    list.insert(std::upper_bound(list.begin(), list.end(), entry, lessIgnoringCase), entry);
}

int indexIgnoringCase(const QStringList& list, const QString& entry)
{
    for (int k = 0; k < list.size(); ++k)
        if (DupeCheck::sameText(list[k], entry))
            return k;
    return -1;
}

}   // namespace

Model::Model(Entry::Window w) : window(w), filterCaption(AllModes)
{
    if (window == Entry::Window::Out) {
        workedHeader = QStringLiteral("Counties Worked");
        toGoHeader = QStringLiteral("Counties To Go");
    } else {
        workedHeader = QStringLiteral("Cnty Wkd - 0");
        toGoHeader = QStringLiteral("Cnty Rem - 0");
    }
}

const char* Model::toGoListName() const { return window == Entry::Window::Out ? "List1" : "List3"; }
int Model::workedHeaderIndex() const { return window == Entry::Window::Out ? 5 : 8; }
int Model::toGoHeaderIndex() const { return 7; }

void Model::addWorked(const QString& county)
{
    if (indexIgnoringCase(worked, county) < 0)
        insertSorted(worked, county);
    const int k = indexIgnoringCase(toGo, county);
    if (k >= 0)
        toGo.removeAt(k);
}

void Model::setHeaders()
{
    const bool out = window == Entry::Window::Out;
    workedHeader =
        (out ? QStringLiteral("Counties Worked - ") : QStringLiteral("Cnty Wkd - ")) + QString::number(worked.size());
    toGoHeader =
        (out ? QStringLiteral("Counties To Go - ") : QStringLiteral("Cnty Rem - ")) + QString::number(toGo.size());
}

void Model::FillCountyLists()
{
    toGo.clear();
    for (const QString& name : G.CountyNames)
        insertSorted(toGo, name);
    worked.clear();
    const bool allModes = filterCaption == AllModes;
    // Spellings whose next addWorked would change nothing: the worked list holds them and no
    // county of the to-go list is left for them. Lists only grow (worked) or shrink (to go), so
    // a spelling stays here once it is; the log's many repeats then cost a lookup each.
    QSet<QString> settled;
    const auto& a = G.ContactArrays;
    for (int i = 1; i <= G.QSOCount; ++i) {
        const QString& county = a.ContactCounty[i];
        if (county.isEmpty() || settled.contains(county))
            continue;
        if (allModes || DupeCheck::sameText(a.ContactMode[i], G.CurrentMode)) {
            addWorked(county);
            if (indexIgnoringCase(toGo, county) < 0)
                settled.insert(county);
        }
    }
    setHeaders();
}

void Model::UpdateCountyLists()
{
    if (G.QSOCount < 1)
        return;
    addWorked(G.ContactArrays.ContactCounty[G.QSOCount]);
    setHeaders();
}

bool Model::Command1_Click()
{
    filterCaption = filterCaption.compare(AllModes, Qt::CaseInsensitive) != 0 ? AllModes : CurrentModeCaption;
    if (window == Entry::Window::In)
        return true;
    FillCountyLists();
    return false;
}

Click countyClicked(Entry::Window window, const QString& entry)
{
    Click c;
    c.county = entry;
    if (window == Entry::Window::In) {
        c.state = G.PartyState;
        c.focus = Entry::Field::Sec;
    }
    return c;
}

}   // namespace CountyLists
