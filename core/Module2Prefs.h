#pragma once
// QSOpref.txt: the station profile and the main window's options, 25 values one per line in the
// program folder. The shared variables in G are the truth; the file is a copy rewritten whole
// after every change.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace Module2 {

// Writes all 25 items from G to QSOpref.txt in the program folder. The file is replaced through
// a temporary file, so it is never left half written. Failures are not reported.
bool WriteQSOpref();

// The band and mode of the installed QSOpref.txt (data/), which a profile starts from when its
// file does not give them.
inline const QString DefaultBand = QStringLiteral("40");
inline const QString DefaultMode = QStringLiteral("CW");

// The modes ("CW", "PH", "DG"): what a profile may hold as its mode; its band is one of
// Bands::names() (core/BandTable.h).
const QStringList& ModeNames();

// Reads the 25 items from QSOpref.txt in the program folder into G, in file order. Reading stops
// at the first failure (no file, fewer than 25 values, a number that does not read as one): the
// items read before it keep their new values, the others keep theirs. False on any failure.
// Whatever happened, G.CurrentBand and G.CurrentMode afterwards are names of Bands::names() and
// ModeNames() in their spelling: a band or mode that the file did not give, or gave as anything
// else (a damaged value), is DefaultBand / DefaultMode, so no contact is ever stored without them
// or with a damaged one. A damaged value, and an empty one in a file read whole, leave a warning.
bool ReadQSOpref();

// Compares UtcOffsetHours with the PC clock's offset and offers to correct it (one input box);
// an accepted numeric answer is stored and the file rewritten.
void CheckUTCOffset();

// The file's bytes for the present values of G (what WriteQSOpref writes).
QByteArray QSOprefText();
// Reads the 25 items from the given bytes into G; same stopping rule as ReadQSOpref.
bool ParseQSOpref(const QByteArray& data);

// The offset CheckUTCOffset recommends for a reading of the PC clock: the whole minutes from the
// local time to UTC, in hours rounded to 2 decimals.
float RecommendedUTCOffset(const QDateTime& local, const QDateTime& utc);

}   // namespace Module2
