#include "entry/Tallies.h"

#include "core/Format.h"
#include "core/Globals.h"
#include "platform/Clock.h"

#include <algorithm>
#include <cmath>

namespace Tallies {

namespace {

const QLatin1String ContestState("IN");

bool equalsIgnoringCase(const QString& s, QLatin1String word) { return s.compare(word, Qt::CaseInsensitive) == 0; }

QString key(const QString& s) { return s.toCaseFolded(); }

// Sets cell (slot, row) when it is clear; true when it was newly set.
bool markCell(int slot, int row)
{
    if (row < 1 || row > MaxMatrixRow)
        return false;
    uint8_t& cell = G.CountyModeMatrix[slot][row];
    if (cell != 0)
        return false;
    cell = 1;
    return true;
}

NewCells tally(int i, const RowLookup& states, const RowLookup& counties)
{
    NewCells made;
    const ModeKind kind = modeKind(G.ContactArrays.ContactMode[i]);
    if (kind == ModeKind::Other)
        return made;
    const bool cw = kind == ModeKind::CW;
    const int stateRow = states.row(G.ContactArrays.ContactSPC[i]);
    if (stateRow && markCell(cw ? SlotStateCW : SlotStatePH, stateRow)) {
        made.stateRow = stateRow;
        ++G.MultiplierCount;
    }
    const int countyRow = counties.row(G.ContactArrays.ContactCounty[i]);
    if (countyRow && markCell(cw ? SlotCountyCW : SlotCountyPH, countyRow)) {
        made.countyRow = countyRow;
        ++G.MultiplierCount;
    }
    return made;
}

// Reads "n<sep>n<sep>n" (or two parts when `parts` is 2) of 1 to 4 digits each.
bool readNumbers(const QString& s, QChar sep, int* out, int minParts, int maxParts, int& parts)
{
    parts = 0;
    int value = 0, digits = 0;
    for (qsizetype k = 0; k <= s.size(); ++k) {
        if (k == s.size() || s[k] == sep) {
            if (digits == 0 || parts == maxParts)
                return false;
            out[parts++] = value;
            value = digits = 0;
        } else if (s[k] >= QLatin1Char('0') && s[k] <= QLatin1Char('9') && digits < 4) {
            value = value * 10 + (s[k].unicode() - '0');
            ++digits;
        } else {
            return false;
        }
    }
    return parts >= minParts;
}

}   // namespace

ModeKind modeKind(const QString& mode)
{
    if (equalsIgnoringCase(mode, QLatin1String("CW")))
        return ModeKind::CW;
    if (equalsIgnoringCase(mode, QLatin1String("PH")))
        return ModeKind::PH;
    return ModeKind::Other;
}

int pointsFor(const QString& mode) { return modeKind(mode) == ModeKind::PH ? 1 : 2; }

void RowLookup::add(const QString& entry, int row)
{
    // The first of equal entries wins, as a scan from the top finds it.
    const QString folded = key(entry);
    rows_.insert(folded, row);
    spellings_.insert(entry, folded);
}

RowLookup RowLookup::states()
{
    RowLookup l;
    const int last = std::min<int>(G.StateProvinceCount, int(G.StateProvinceTable.size()) - 1);
    for (int row = last; row >= 1; --row)
        if (!equalsIgnoringCase(G.StateProvinceTable[row], ContestState))
            l.add(G.StateProvinceTable[row], row);
    return l;
}

RowLookup RowLookup::counties()
{
    RowLookup l;
    const int last = std::min<int>(int(G.CountyNames.size()), MaxMatrixRow);
    for (int row = last; row >= 1; --row)
        l.add(G.CountyNames[row - 1], row);
    return l;
}

int RowLookup::row(const QString& text) const
{
    if (text.isEmpty())
        return 0;
    // The log repeats the table's own spellings: those find their folded key without folding.
    const auto spelling = spellings_.constFind(text);
    return rows_.value(spelling != spellings_.cend() ? *spelling : key(text), 0);
}

Figures figures()
{
    Figures f;
    f.QSOPoints = G.QSOPoints;
    f.PHContactCount = G.PHContactCount;
    f.CWContactCount = G.CWContactCount;
    f.DGContactCount = G.DGContactCount;
    f.MultiplierCount = G.MultiplierCount;
    f.score = double(G.QSOPoints) * double(G.MultiplierCount);
    return f;
}

ScoreTexts scoreTexts(const Figures& f)
{
    return {Format::grouped(f.PHContactCount), Format::grouped(f.CWContactCount), Format::grouped(f.MultiplierCount),
            Format::grouped(f.score)};
}

void countContact(int i)
{
    const QString& mode = G.ContactArrays.ContactMode[i];
    switch (modeKind(mode)) {
    case ModeKind::PH: ++G.PHContactCount; break;
    case ModeKind::CW: ++G.CWContactCount; break;
    case ModeKind::Other: ++G.DGContactCount; break;
    }
    G.QSOPoints += pointsFor(mode);
}

NewCells TallyLastContact(int i) { return tally(i, RowLookup::states(), RowLookup::counties()); }

NewCells addContact(int i)
{
    countContact(i);
    return TallyLastContact(i);
}

void Recount()
{
    G.QSOPoints = 0;
    G.PHContactCount = G.CWContactCount = G.DGContactCount = 0;
    G.MultiplierCount = 0;
    for (auto& slot : G.CountyModeMatrix)
        slot.fill(0);
    const RowLookup states = RowLookup::states();
    const RowLookup counties = RowLookup::counties();
    for (int i = 1; i <= G.QSOCount; ++i) {
        countContact(i);
        tally(i, states, counties);
    }
}

GridView gridViewFromCaption(const QString& caption)
{
    return equalsIgnoringCase(caption, QLatin1String("Crnt Mode")) ? GridView::CurrentMode : GridView::AllModes;
}

QVector<bool> workedGrid(GridView view, const QString& currentMode)
{
    const int count = std::clamp<int>(G.StateProvinceCount, 0, MaxMatrixRow);
    QVector<bool> worked(count + 1, false);
    const ModeKind kind = modeKind(currentMode);
    for (int row = 1; row <= count; ++row) {
        const bool cw = G.CountyModeMatrix[SlotStateCW][row] != 0;
        const bool ph = G.CountyModeMatrix[SlotStatePH][row] != 0;
        if (view == GridView::AllModes)
            worked[row] = cw || ph;
        else
            worked[row] = (kind == ModeKind::CW && cw) || (kind == ModeKind::PH && ph);
    }
    return worked;
}

QString stateTotalText(const QString& caption, const QString& name)
{
    int total = 0;
    for (int i = 1; i <= G.QSOCount; ++i)
        if (G.ContactArrays.ContactSPC[i].compare(caption, Qt::CaseInsensitive) == 0 &&
            G.ContactArrays.ContactSPC[i].size() == caption.size())
            ++total;
    return QStringLiteral("  ") + name + QStringLiteral("    Total =") + QLatin1Char(' ') + QString::number(total);
}

double gridHoverFontPoints(int screenWidthTwips, int formSizePercent)
{
    return double(screenWidthTwips) * 8.0 / 9600.0 * formSizePercent / 100.0;
}

QDateTime utcNow()
{
    const QDateTime local = Platform::clock().read().local;
    const qint64 minutes = std::llround(double(G.UtcOffsetHours) * 60.0);
    const QDateTime t = local.addSecs(minutes * 60);
    return QDateTime(t.date(), QTime(t.time().hour(), t.time().minute(), t.time().second()), Qt::UTC);
}

namespace {

// contactDateTime with today's date read by the caller, once for a whole scan of the log.
QDateTime contactDateTimeOn(const QString& date, const QString& time, const QDate& today)
{
    // The log's own "yyyy/mm/dd", or a date as the operator typed it into a record edited by hand
    // (month/day/year, month/day of this year).
    const QDate day = Format::parseTypedDate(date.trimmed(), today).value_or(QDate());
    int t[3] = {0, 0, 0}, parts = 0;
    QTime clock;
    if (readNumbers(time.trimmed(), QLatin1Char(':'), t, 2, 3, parts) && QTime::isValid(t[0], t[1], t[2]))
        clock = QTime(t[0], t[1], t[2]);
    if (!clock.isValid())
        clock = Format::parseTypedTime(time.trimmed()).value_or(QTime());
    if (!day.isValid() || !clock.isValid())
        return {};
    return QDateTime(day, clock, Qt::UTC);
}

}   // namespace

QDateTime contactDateTime(const QString& date, const QString& time)
{
    return contactDateTimeOn(date, time, Platform::clock().read().local.date());
}

std::optional<Rates> QSORates(const QDateTime& now)
{
    int hourCount = 0, twentyCount = 0;
    // Reading the clock means a look at the time zone; once is enough for the whole scan.
    const QDate today = Platform::clock().read().local.date();
    for (int i = G.QSOCount; i >= 1; --i) {
        const QDateTime t = contactDateTimeOn(G.ContactArrays.ContactDate[i], G.ContactArrays.ContactTime[i], today);
        if (!t.isValid())
            return std::nullopt;
        const qint64 age = t.secsTo(now);
        if (age < 1200)
            ++twentyCount;
        if (age >= 3600)
            break;
        ++hourCount;
    }
    return Rates{hourCount, 3 * twentyCount};
}

}   // namespace Tallies
