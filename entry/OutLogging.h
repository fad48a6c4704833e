#pragma once
// Logging a contact in the out-of-state window (Outfrm.Mains): the entry fields become one record
// of the log, appended to log.txt at once, or the contact is refused with a message in lblDialog
// and a beep, the entry kept for correction.
//
// The out-of-state window works stations inside the contest state: call, report received, county
// (always required) and report sent. Mains runs on the entry row model (Entry::OutEntry): it reads
// and changes the fields, their focus and the status labels there, and asks the row's host for
// the clock button, the spoken "Dupe" and the refreshes after a logged contact. It never lets the
// event loop run: no second Enter and no band change from the rig can start inside it.
#include "entry/EntryKeys.h"
#include "entry/LogStore.h"

#include <QDateTime>
#include <QString>

namespace OutLogging {

// How a call ends, and its result, as in the in-state window (entry/LogStore.h).
using Ending = Logging::Ending;
using MainsResult = Logging::MainsResult;
using Logging::DupePromptWaitMs;

// Logs the contact in `row`'s fields or refuses it. First drops leading and trailing blanks from
// every field (EntryRow::trimBlanks), so the checks and the record see the values as typed. Takes the date and the time from one reading
// of the clock (local time plus G.UtcOffsetHours), or in post-contest entry (txtPostConTime shown)
// from the two post-contest boxes.
MainsResult Mains(Entry::OutEntry& row);

// The checks, as Mains runs them. Each beeps and writes its message into the row's lblDialog.
// Sets G.MissingFieldFlag; the focus goes to each failing field in turn, the last one keeping it.
void CheckRequiredFields(Entry::OutEntry& row);
// Sets G.BadCountyFlag: 0 when the county field holds a name of the county table (ignoring case).
void ValidateCounty(Entry::OutEntry& row);

// The post-contest boxes checked and rewritten as "yyyy/mm/dd" and "hh:mm" (a numeric time of 3 or
// 4 characters gets its colon first). False after "Invalid date format!" or "Invalid time format!"
// (with a beep).
bool CheckPostContest(Entry::OutEntry& row, const QDate& today);

}   // namespace OutLogging
