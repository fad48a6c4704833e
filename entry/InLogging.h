#pragma once
// Logging a contact in the in-state window (Infrm.Mains): the entry fields call, report
// received, state/province/country, county and report sent become one record of the log, sent
// from the own county (G.CurrentCounty), appended to log.txt at once; or the contact is refused
// with a message in lblDialog and a beep, the entry kept for correction.
//
// The in-state window works stations anywhere: a two-letter state field must be a state or
// province of G.StateProvinceTable; a county is asked for and kept only for a station of the
// contest state (G.PartyState), a county typed for any other is dropped before the checks.
// What is the same in both windows (post-contest date and time, required-field skeleton, storing
// and appending, county check, the spoken "Dupe") is in LogStore.
//
// Mains never lets the event loop run. It works on the row (Entry::InRow) and asks the row's host
// for Time On, the refreshes after a stored contact (contact list, county lists, grid label, DX
// list, score, rates) and the rover's county list.
//
// A rover on a county line is in several counties at once (the rover county window's list, entry
// 0 being G.CurrentCounty): after a stored contact the same contact is logged once more for each
// further county, as the stored record with only the county sent and its own clock reading
// changed, and skipped where it would duplicate a contact sent from that county.
#include "entry/InRow.h"
#include "entry/LogStore.h"

#include <QDateTime>
#include <QVector>

namespace InLogging {

// Logs the contact in `row`'s fields or refuses it, after dropping leading and trailing blanks
// from every field (EntryRow::trimBlanks); for a rover with more than one county in the
// list, then logs it for the further counties (LogRoverCountyLine). The date and time come from one
// reading of the clock (local time plus G.UtcOffsetHours), or in post-contest entry (the
// post-contest time box shown) from the two post-contest boxes. G.CurrentFrequency is emptied at
// the end of every attempt that got past the post-contest check.
Logging::MainsResult Mains(Entry::InRow& row);

// The checks, as Mains runs them; each failing one beeps, writes its message into lblDialog and
// moves the focus to its field.
// G.MissingFieldFlag: "Need County!" (state field = PartyState, county empty), "Report Received!",
// "Need Call Sign!" (fewer than 3 characters), "Need Country!", "Need Report Sent!".
void CheckRequiredFields(Entry::InRow& row);
// G.BadSectionFlag: 0 when the state field equals a row of G.StateProvinceTable (ignoring case),
// and then an empty continent label shows "NA"; else "Invald Section!".
void ValidateSection(Entry::InRow& row);
// G.BadCountyFlag: 0 when the county field holds a county name; else "<text> is not a valid county!".
void ValidateCounty(Entry::InRow& row);

// One further county of the rover repeat.
struct RoverLine {
    QString county;
    int record = 0;        // the record stored for it; 0 when skipped or refused
    int duplicateOf = 0;   // the record it would have duplicated
    Logging::Ending ending = Logging::Ending::Logged;
};

// Logs record `record` again for the rover's counties 1 to n - 1 (host().roverCounties()), each
// time with G.CurrentCounty and Label25 at that county; afterwards, and after any failure,
// G.CurrentCounty and Label25 are back at entry 0. A failed store (full log, failed append) ends
// the repeat after its message box.
QVector<RoverLine> LogRoverCountyLine(Entry::InRow& row, int record);

}   // namespace InLogging
