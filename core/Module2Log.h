#pragma once
// The log-file store: the contest log in memory (G.ContactArrays, records 1 to G.QSOCount) and on
// disk as log.txt in the program folder, one line of 19 list-format values per contact.
// Every logged contact is appended at once; deletions and edits rewrite the whole file from
// memory (atomically); every reload reads the whole file back.
#include <QByteArray>
#include <QString>

namespace Module2 {

// Reads log.txt into G.ContactArrays and clears the counters the reload recomputes (QSOCount,
// QSOPoints, MultiplierCount, the per-band DX counts and every cell of CountyModeMatrix).
// Slots above the loaded count are emptied. A missing log.txt is an empty log. Each record is one
// line of exactly 19 values; blank lines are passed over and a byte-order mark at the start is
// skipped. A file that is not a regular file, is larger than 11000 records can be, cannot be
// read, holds a line that is not one record, or holds more than 11000 records shows
// "Error opening file." titled "File Error" (for a bad line with a second paragraph naming it),
// leaves log.txt untouched, ends the program (Platform::endProgram) and, when the program goes
// on (tests), returns false with the memory log empty.
// Fixes LogCountAtLoad at the first load that finds any record.
bool LoadLog();

// Reads the file at `path` by the same rules as LoadLog without touching the log in memory or
// showing anything: true (with the number of records) when LoadLog would read it, false with the
// reason when it could not be read or is not a log.
bool CheckLogFile(const QString& path, int* records = nullptr, QString* error = nullptr);

// Appends record QSOCount to log.txt as one line (creating the file when missing), flushed to
// the disk before it reports success. Refuses a record number outside 1..11000. On failure the
// file keeps whole records only and `error` holds the reason; the caller rolls QSOCount back
// and shows LogWriteFailureText(error).
// Slot 11001 does not exist: a caller checks G.QSOCount < ContactArraysT::MaxContacts before it
// stores a new record, and when the log is full shows LogWriteFailureText(LogFullError()).
bool AppendContact(QString* error = nullptr);
QString LogFullError();

// Replaces log.txt by records 1 to QSOCount through a temporary file and a rename: on failure
// the old file stays whole and `error` holds the reason.
bool RewriteLog(QString* error = nullptr);

// Deletes record `index` (1..QSOCount): the later records move one place down, the freed last
// slot is emptied, QSOCount drops by one and the file is rewritten. An index outside
// 1..QSOCount changes nothing and returns true. When the rewrite fails the memory log is put
// back as it was and false is returned with the reason.
bool DeleteContact(int index, QString* error = nullptr);

// Asks for the typed YES confirmation and, when given, copies a non-empty log.txt into the
// backup folder, empties log.txt, clears the operating time, saves QSOpref.txt and reloads.
// A declined confirmation changes nothing and returns true. When log.txt cannot be emptied
// nothing else changes and false is returned with the reason. The caller redraws.
bool NewLog(QString* error = nullptr);

// Copies a non-empty log.txt into BACKUP under a name of its own, as BackupLog names it,
// whatever LogCountAtLoad says. Every operation that empties or replaces log.txt (new log,
// restore) calls it first and stops when it returns false (`error` then holds the reason). True
// when log.txt is missing or empty.
bool BackupLogBeforeErase(QString* error = nullptr);

// The folder of the automatic backups and archives: BACKUP in the data folder (found without
// regard to case).
QString BackupFolder();

// Copies log.txt into BACKUP in the data folder as yyyymmddhhnn.log (local time) when QSOCount is
// above 0 and differs from LogCountAtLoad. A backup never replaces another file: when the
// minute's name is taken the name gains the seconds (yyyymmddhhnnss.log), then a counter
// (yyyymmddhhnnss-2.log ...). Silent on failure.
void BackupLog();

// The path of log.txt in the program folder (found without regard to case).
QString LogPath();

// True when `path` names the working log log.txt (any spelling of it, through links too): exports
// and restore refuse it, so no other file ever replaces the working log by mistake.
bool IsWorkingLog(const QString& path);
// What a refused write over the working log says.
QString WorkingLogRefusal();

// The message box text every caller shows when writing log.txt failed.
QString LogWriteFailureText(const QString& error);

// One record as its log.txt line (CR LF included).
QByteArray LogRecordLine(int index);

}   // namespace Module2
