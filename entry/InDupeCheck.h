#pragma once
// The in-state window's three duplicate checks against the log (G.ContactArrays, records 1 to
// G.QSOCount, oldest first). A rover may work a station again from each new county, so every
// check keeps to the contacts sent from the own county (ContactSentCounty = G.CurrentCounty):
// - PartialDupeCheck, on every key typed into the call field: the logged calls of the current band
//   and mode that begin with what has been typed;
// - DupCheck2, on leaving the call field: fills empty state and county fields from the oldest
//   contact with the call, warns "Dupe if not rover!" for a contact on this band and mode, and for
//   a station outside the contest state runs the log-time check at once;
// - LogDupeCheck, when the contact is logged: the same call, band, mode, worked county and own
//   county refuses it (red message, beep, spoken "Dupe", entry emptied, G.DupeFlag 1).
// After a duplicate refused at logging, HoldDupeFlag holds the call field for 3 seconds.
//
// A county belongs only to a station of the contest state: the fill-ins bring a county back only
// when the state field (after its own fill-in) holds G.PartyState, so a contact with "OH" never
// gets one. All comparisons ignore case and compare whole texts.
//
// The checks work on the row (Entry::InRow: its fields, focus and status labels) and ask its host
// for the list of previous contacts, the spoken prompt and a repaint before they wait.
#include "entry/DupeCheck.h"
#include "entry/InRow.h"

namespace InDupeCheck {

// The partial check's result for the call field's text `call` and the key `keyAscii` (already
// upper-cased; 0 for a key the field consumed), only contacts sent from G.CurrentCounty listed.
DupeCheck::PartialResult partial(const QString& call, int keyAscii);

// The call field's key handler runs this at the end of every key (after upper-casing it): the
// result of `partial` on the row's call field shown on its status labels.
void PartialDupeCheck(Entry::InRow& row, int keyAscii);

// Leaving a non-empty call field. Sets G.DupeFlag to 0 (1 when the log-time check it may run finds
// a duplicate). With "&List Previous Contacts" ticked (host().listPreviousChecked()) the contact
// list shows every earlier contact of the call, oldest first, and the warning names the newest one
// on this band and mode; without it the search ends at the first such contact. The warning beeps
// once per contact it names and leaves G.DupeFlag alone: the contact can still be logged.
void DupCheck2(Entry::InRow& row);

// The log-time check, run by logging. Reads the row's call, state and county (filling the empty
// ones first), G.CurrentBand, G.CurrentMode, G.CurrentCounty. A duplicate: lblDialog red
// "Duplicate <call> <mm/dd> <time>  Rec#  <n>" naming the oldest duplicate record, lblDupe
// emptied, a beep, the spoken "Dupe" (waited for with voice navigation on), G.DupeFlag 1,
// G.DupeTime now (local, whole seconds), focus to the call field and the entry emptied. True for
// a duplicate.
bool LogDupeCheck(Entry::InRow& row);

// The earliest record that a contact with `call`, worked county `county` and own county
// `sentCounty` on band `band` and mode `mode` would duplicate; 0 when none.
int findDuplicate(const QString& call, const QString& county, const QString& sentCounty, const QString& band,
                  const QString& mode);

// Announces a duplicate of record `record` as LogDupeCheck does (message, colours, beep, "Dupe",
// G.DupeFlag, G.DupeTime, entry emptied).
void announceDuplicate(Entry::InRow& row, int record);

// The longest hold, in milliseconds of the monotonic clock, whatever the wall clock does.
constexpr qint64 HoldMaxMs = 3000;

// The hold after a duplicate: the call field's key handler runs it at the end of a key while
// G.DupeFlag is 1. Waits without letting input in until the clock (whole seconds) reaches
// G.DupeTime + 3 seconds, at most HoldMaxMs, repainting the window meanwhile; then G.DupeFlag 0.
void HoldDupeFlag(Entry::EntryHost& host);

}   // namespace InDupeCheck
