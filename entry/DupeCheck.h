#pragma once
// The out-of-state window's three duplicate checks against the log (G.ContactArrays, records 1 to
// G.QSOCount, oldest first):
// - PartialDupeCheck, on every key typed into the call field: the logged calls of the current band
//   and mode that begin with what has been typed;
// - DupCheck2, on leaving the call field: a warning when the call was worked on the current band
//   and mode, an empty county filled from the oldest contact with the call, and the earlier
//   contacts to list in the contact list;
// - LogDupeCheck, when the contact is logged: the same call, band, mode and county as an earlier
//   record refuses it.
// Only the last one refuses; its key holds the county because a rover may be worked again from
// each new county. All comparisons ignore case and compare whole texts.
//
// The checks decide; they do not touch widgets, beep or play sounds. Their results say what the
// window shows (captions, colours, beeps, the spoken "Dupe").
#include "entry/EntryKeys.h"

#include <QString>
#include <QVector>

#include <optional>

namespace DupeCheck {

// Equal ignoring case (whole texts).
bool sameText(const QString& a, const QString& b);

// The record number as the duplicate messages write it: one leading blank, then the digits.
QString recordNumberText(int record);

// --- Partial check -----------------------------------------------------------------------------

struct PartialResult {
    // Whether the log was searched (a key from "." to "Z" with partial duplicates shown); only
    // then do lblDupe's caption and colour follow `matches`. Otherwise lblDupe is emptied.
    bool searched = false;
    // The matching calls, newest first, each followed by a blank (lblDupe's caption).
    QString matches;
    // lblDialog's caption when the check sets it.
    std::optional<QString> dialog;
    bool beep = false;
};

// `call` is the call field's text before the key, `keyAscii` the key's code after the call
// field's own handling (upper-cased; 0 for a key it consumed). Reads G.ShowPartialsFlag,
// G.LoggedOnFlag, G.CurrentBand, G.CurrentMode. The search stops once the list passes 100
// characters. With `sentCounty` (the in-state window's own county) only the contacts sent from
// that county are listed.
PartialResult PartialDupeCheck(const QString& call, int keyAscii, const QString* sentCounty = nullptr);

// Shows a partial check's result on the status labels: lblDialog teal (with the check's caption
// when it gives one), lblDupe the matches (teal) or empty (button face). Beeps when the result
// says so.
void showPartial(Entry::StatusLabels& labels, const PartialResult& p);

// --- Leaving the call field --------------------------------------------------------------------

struct DupCheck2Result {
    // With listing on: the records of the call, oldest first, for the contact list (which is
    // emptied first, even when there are none).
    bool listed = false;
    QVector<int> records;
    // The county field afterwards; `countyFilled` when it was empty and took the county of the
    // oldest contact with the call (the window selects it whole).
    QString county;
    bool countyFilled = false;
    // One per earlier contact on the current band and mode met by the search (each beeps and turns
    // lblDialog red and lblDupe to the button face); `warning` is the last one's message.
    int warnings = 0;
    QString warning;
};

// `call` and `county` are the texts of txtCall and txtSec, `listPrevious` the tick of
// "&List Previous Contacts". Without listing the search ends at the first contact on the current
// band and mode.
DupCheck2Result DupCheck2(const QString& call, const QString& county, bool listPrevious);

// --- At logging time ---------------------------------------------------------------------------

struct LogDupeResult {
    QString county;              // the county field afterwards
    bool countyFilled = false;   // filled from the oldest contact with the call (select it whole)
    int dupeRecord = 0;          // the earlier record it duplicates, 0 for none
    // When a duplicate: lblDialog's caption (red), one beep, the spoken "Dupe", and the entry
    // emptied with the focus in the call field.
    QString message;
    bool duplicate() const { return dupeRecord > 0; }
};

// Sets G.DupeFlag (0, or 1 for a duplicate) and, for a duplicate, G.DupeTime to the local time.
LogDupeResult LogDupeCheck(const QString& call, const QString& county);

// --- The on/off button of the partial check ----------------------------------------------------

// Toggles G.ShowPartialsFlag and gives cmdDup's new caption ("On" or "Off"). The window also
// sets lblDupe's background to the button face and the focus to the call field.
QString cmdDup_Click();

}   // namespace DupeCheck
