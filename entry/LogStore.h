#pragma once
// What logging a contact does the same way in both main windows (OutLogging, InLogging): how a
// call of Mains ends, the post-contest date and time, the required-field skeleton, the county
// check, the spoken "Dupe", and storing the new record with its append to log.txt.
//
// Storing is all or nothing: the record becomes G.QSOCount + 1 only when log.txt took its line.
// A full log (11000 contacts) or a failed append shows a message box naming the reason, and
// memory, QSOCount and every tally stay as they were, so nothing is counted or shown that the
// file does not hold.
#include "entry/EntryKeys.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <functional>
#include <initializer_list>

namespace Logging {

// How one call of Mains ended.
enum class Ending {
    Logged,           // stored, appended to log.txt, entry emptied
    Refused,          // a failed check: message in lblDialog, entry kept
    Duplicate,        // refused as a duplicate: red message, entry emptied
    BadPostContest,   // the post-contest date or time could not be read: nothing else was done
    LogFull,          // the log holds 11000 contacts already: message box, entry kept
    WriteFailed,      // log.txt could not be appended to: message box, nothing counted, entry kept
};

struct MainsResult {
    Ending ending = Ending::Refused;
    int record = 0;       // the new record (Logged)
    QString messageBox;   // LogFull, WriteFailed: the text shown
};

// The longest wait for the spoken "Dupe" to end, in milliseconds, when Dupe.wav's length cannot
// be read; otherwise the wait lasts at most that length and a short margin.
constexpr qint64 DupePromptWaitMs = 3000;

// The fields of a record that logging writes; the record's other fields stay empty.
struct NewRecord {
    QString call, rstSent, rstRcvd, spc, county, sentCounty, date, time, mode, band, frequency;
};

// Stores `rec` as record G.QSOCount + 1 and appends it to log.txt. Logged (with the record
// number), or LogFull / WriteFailed after the message box, with G.ContactArrays and G.QSOCount as
// before. Counts nothing: the caller adds the tallies of a stored record. The frequency is stored
// only when it lies in the record's band (Bands::frequencyInBand); otherwise the field stays empty.
MainsResult storeRecord(const NewRecord& rec);

// The record of the row's entry as both windows fill it: call, reports and county as typed; date
// and time from the post-contest boxes when they show, else from `utc`; G.CurrentMode,
// G.CurrentBand and G.CurrentFrequency. The caller adds what only its window logs (SPC, county
// sent).
NewRecord recordOf(const Entry::EntryRow& row, const QDateTime& utc);

// storeRecord, and after a stored contact the row's status labels back to rest: both lines empty,
// the dialog line teal, the duplicate line ButtonFace. Counts nothing.
MainsResult storeEntry(Entry::EntryRow& row, const NewRecord& rec);

// The post-contest boxes checked and rewritten as "yyyy/mm/dd" and "hh:mm" (a numeric time of 3 or
// 4 characters gets its colon first: 930 is 9:30). False after "Invalid date format!" or
// "Invalid time format!" written into `dialog` (with a beep); the boxes then keep what was typed
// (the date box its rewritten form when only the time failed).
bool checkPostContest(Entry::TextBox& date, Entry::TextBox& time, QString& dialog, const QDate& today);

// One required field: `fails` looks at the row when its turn comes (an earlier refusal may have
// moved the focus and so filled fields).
struct RequiredField {
    std::function<bool()> fails;
    const char* message;
    Entry::Field field;
};
// Runs every test in order: G.MissingFieldFlag is 1 when any failed; each failing one is refused
// (below), so the last failure's message and field stay.
void checkRequired(Entry::EntryRow& row, std::initializer_list<RequiredField> fields);

// A failed check: a beep, `message` in the row's lblDialog, the focus to `field` (its handlers run).
void refuse(Entry::EntryRow& row, const QString& message, Entry::Field field);

// Whether `text` is a county name of G.CountyNames, ignoring case and otherwise exactly.
bool isCountyName(const QString& text);
// G.BadCountyFlag: 0 when the row's county field holds a county name; else 1 and the field is
// refused with "<text> is not a valid county!".
void validateCounty(Entry::EntryRow& row);

// The spoken "Dupe": started and, with voice navigation on, waited for at most its length and a
// short margin (DupePromptWaitMs when that is unknown)
// without letting input in; the window is repainted first so the red message shows meanwhile.
void sayDupe(Entry::EntryHost& host);

}   // namespace Logging
