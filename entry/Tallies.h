#pragma once
// Points, contacts by mode, worked multipliers, score and QSO rates of both main windows.
//
// The counters live in the shared state G (QSOPoints, PHContactCount, CWContactCount,
// DGContactCount, MultiplierCount, CountyModeMatrix). They are advanced contact by contact when a
// contact is logged (addContact) and rebuilt from the whole log by Recount (the log reload); both
// paths run the same per-contact code, so a reload always gives what logging the same contacts
// one by one gave.
//
// Scoring: a phone ("PH") contact earns 1 point, every other contact 2. A multiplier is a cell of
// CountyModeMatrix: a state or province of G.StateProvinceTable (not the contest state "IN") or a
// county of G.CountyNames, once on CW and once on phone; other modes earn no multiplier. Mode,
// state and county comparisons ignore case. The out-of-state window leaves the state table empty,
// so there only counties count: no window switch is needed here.
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QVector>

#include <cstdint>
#include <optional>

namespace Tallies {

enum class ModeKind { CW, PH, Other };
ModeKind modeKind(const QString& mode);
// 1 for "PH", 2 for anything else (CW, DG, unknown or empty).
int pointsFor(const QString& mode);

// Slots of G.CountyModeMatrix.
constexpr int SlotStateCW = 1, SlotStatePH = 2, SlotCountyCW = 3, SlotCountyPH = 4;
// Highest row of the matrix; counties beyond it cannot be counted.
constexpr int MaxMatrixRow = 170;

// First row of a table whose entry equals a text, ignoring case; 0 when there is none.
class RowLookup {
public:
    // G.StateProvinceTable rows 1 to G.StateProvinceCount, the contest state "IN" left out.
    static RowLookup states();
    // G.CountyNames as rows 1 to CountyCount (at most MaxMatrixRow).
    static RowLookup counties();
    int row(const QString& text) const;

private:
    void add(const QString& entry, int row);
    QHash<QString, int> rows_;            // folded entry -> first row
    QHash<QString, QString> spellings_;   // entry as the table spells it -> its folded form
};

// The counters as the score labels show them.
struct Figures {
    int32_t QSOPoints = 0;
    int32_t PHContactCount = 0, CWContactCount = 0, DGContactCount = 0;
    int32_t MultiplierCount = 0;
    double score = 0;   // QSOPoints x MultiplierCount
};
Figures figures();

// Texts of the four score labels: lblTotCon (phone contacts), lblsectogo (CW contacts), lblTotSec
// (multipliers) and lblTotScore (score), thousands grouped by commas ("0", "1,234").
struct ScoreTexts {
    QString lblTotCon, lblsectogo, lblTotSec, lblTotScore;
};
ScoreTexts scoreTexts(const Figures& f);

// --- One contact (logging) -------------------------------------------------------------------

// Adds the points and the mode count of record i.
void countContact(int i);

// Marks the multiplier cells of record i (its state or province, its county) in the slots of its
// mode and raises MultiplierCount by one for each cell that was not yet set. Returns the rows it
// newly set (0 for none): the in-state window colours grid label Label10(stateRow) worked.
struct NewCells {
    int stateRow = 0;
    int countyRow = 0;
};
NewCells TallyLastContact(int i);

// What logging record i adds: countContact then TallyLastContact.
NewCells addContact(int i);

// --- Whole log (reload) ----------------------------------------------------------------------

// Clears the points, mode counts, every cell and MultiplierCount, then counts records 1 to
// G.QSOCount; MultiplierCount ends as the number of set cells.
void Recount();

// --- Worked-states grid of the in-state window ------------------------------------------------

// The view button Command1: "Crnt Mode" (any case) shows the current mode only, any other
// caption every mode.
enum class GridView { AllModes, CurrentMode };
GridView gridViewFromCaption(const QString& caption);

// Which grid labels show WorkedColor after a reload, index = row (0 unused), 1 to
// G.StateProvinceCount. AllModes: states worked on CW or phone. CurrentMode: states worked on
// currentMode when it is "CW" or "PH", none for any other mode.
QVector<bool> workedGrid(GridView view, const QString& currentMode);

// Hovering over grid label Label10(row): two blanks, the state's full name, "    Total =" and the
// number of logged contacts (all bands and modes) whose state field equals the label's caption,
// ignoring case, after one blank: "  Ohio    Total = 3". lblDupe shows it at
// gridHoverFontPoints: 8 points on the 9600-twip design screen at full size, in proportion.
QString stateTotalText(const QString& caption, const QString& name);
double gridHoverFontPoints(int screenWidthTwips, int formSizePercent);

// --- QSO rates -------------------------------------------------------------------------------

// The contest clock as contacts are stamped: the PC's local time plus G.UtcOffsetHours (as whole
// minutes), cut to whole seconds.
QDateTime utcNow();

// Contacts per hour for lblAQSO60 (contacts of the last 3600 seconds) and lblAQSO20 (3 times the
// contacts of the last 1200 seconds). The scan runs from the newest record back and stops at the
// first one an hour old or older; a time in the future counts in both.
struct Rates {
    int perHour60 = 0;
    int perHour20 = 0;
};
// No value when a record met by the scan has a date or time that cannot be read: the labels then
// keep what they show.
std::optional<Rates> QSORates(const QDateTime& now);
inline std::optional<Rates> QSORates() { return QSORates(utcNow()); }

// A record's date and time ("yyyy/mm/dd" and "hh:mm:ss" or "hh:mm", or the forms an operator
// types: month/day/year, month/day of this year, h:mm) as one UTC instant; invalid when either
// cannot be read.
QDateTime contactDateTime(const QString& date, const QString& time);

}   // namespace Tallies
