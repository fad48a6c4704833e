#pragma once
// QSOpref.txt: the station profile and the main window's options, 25 values one per line in the
// program folder. The shared variables in G are the truth; the file is a copy rewritten whole
// after every change.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

namespace Module2 {

// Writes all 25 items from G to QSOpref.txt in the program folder, one a line. An item that did
// not read at the last reading and still has the value it took instead is written as the file
// held it (G.UnreadPrefs), so a rewrite never puts a value nobody chose in place of the
// operator's; once the operator stored a value (MarkPrefStored) that value is written. The
// file is replaced through a temporary file, so it is never left half written. Failures are not
// reported.
bool WriteQSOpref();

// The installed QSOpref.txt (data/, built into the program) is the one source of the values an
// item takes when the operator's file does not give it: DefaultBand and DefaultMode are its band
// and mode.
QString DefaultBand();
QString DefaultMode();

// The modes ("CW", "PH", "DG"): what a profile may hold as its mode; its band is one of
// Bands::names() (core/BandTable.h).
const QStringList& ModeNames();

// The UTC offset (item 11) is the hours added to the PC clock to get UTC: a PC at UTC+13 needs
// -13, one at UTC-5 needs 5. The earth's zones give -14 to +12; anything else would store every
// contact hours or days away.
constexpr double MinUtcOffset = -14;
constexpr double MaxUtcOffset = 12;
bool isUtcOffset(double hours);
// The message that refuses an offset typed outside the zones (`typed` as the operator typed it),
// and its title.
QString UtcOffsetRefusedText(const QString& typed);
QString UtcOffsetRefusedTitle();

// The PC's own UTC offset now, as CheckUTCOffset recommends it.
float PcUtcOffset();

// An item of QSOpref.txt that did not read: the file ended before it, its line does not hold one
// value, its value does not read as the item (text for a number, a band no band table names), or
// the value lies outside what the item can mean (a UTC offset beyond the earth's zones). It took
// the installed value instead; the UTC offset takes the PC's own offset.
struct UnreadItem {
    int number = 0;          // 1..25, in file order
    QString name;            // the variable's name (OwnLongitude)
    bool missing = false;    // the file ended before it
    QString found;           // the value as the file held it (for the operator to see)
    QString why;             // why it was not taken
    QString installed;       // the value it took
    bool pcOffset = false;   // that value is the PC's own UTC offset, not the installed one
};

// What reading QSOpref.txt found.
struct PrefsReading {
    bool fileRead = false;        // the file was there and could be read
    QString error;                // the file is there but was not read: why (not a regular file, ...)
    QVector<UnreadItem> unread;   // the items that did not read, in file order
    // The file was there and every item read.
    bool whole() const { return fileRead && unread.isEmpty(); }
    explicit operator bool() const { return whole(); }
    // Whether item `number` (1..25) was read from the file.
    bool itemRead(int number) const;
    // One line per item that did not read (items missing at the end share one), for the error
    // box; empty when all read.
    QString describe() const;
};

// Reads the 25 items from QSOpref.txt in the program folder into G, one item a line, in file
// order, each on its own: an item whose line reads is taken; one that does not takes the
// installed value (the UTC offset the PC's own) with a warning, and the lines after it are still
// read as their items. Only a regular file of bounded size is read: anything else (a FIFO, a
// device, a folder) reads nothing and says why in `error`. A missing or unread file leaves every
// item as it was, except that G.CurrentBand and G.CurrentMode are then names of Bands::names()
// and ModeNames() in their spelling (DefaultBand / DefaultMode when they are not), so no contact
// is ever stored without them.
PrefsReading ReadQSOpref();

// The items of QSOpref.txt by their number in the file.
enum class PrefItem {
    OwnCall = 1,
    OwnStateProvince,
    OwnCountry,
    OwnSection,
    OwnName,
    OwnCategory,
    CurrentCounty,
    OwnCity,
    CurrentMode,
    CurrentBand,
    UtcOffsetHours,
    OwnLongitude,
    OwnLatitude,
    OwnContinent,
    FormSizePercent,
    WorkedColor,
    UnworkedColor,
    OpSecondsSaved,
    PartyState,
    OutOfStateFlag,
    RoverFlag,
    VoiceNavLevel,
    RigType,
    TaskbarOption,
    ListPreviousFlag
};

// Item `number` (1..25) now holds a value the operator stored (a box of the station setup, the
// offset question, a command that sets the item): the next rewrite writes it, whatever it is,
// even when it equals the value the item took when its line did not read.
void MarkPrefStored(int number);
void MarkPrefStored(PrefItem item);

// The path ReadQSOpref and WriteQSOpref use.
QString QSOprefPath();

// Compares UtcOffsetHours with the PC clock's offset and offers to correct it (one input box);
// an accepted numeric answer is stored and the file rewritten. A numeric answer outside the
// zones is refused with a message and the question is asked again.
void CheckUTCOffset();

// The file's bytes for the present values of G (what WriteQSOpref writes).
QByteArray QSOprefText();
// Reads the 25 items from the given bytes into G, one item a line, as ReadQSOpref does.
PrefsReading ParseQSOpref(const QByteArray& data);

// The offset CheckUTCOffset recommends for a reading of the PC clock: the whole minutes from the
// local time to UTC, in hours rounded to 2 decimals.
float RecommendedUTCOffset(const QDateTime& local, const QDateTime& utc);

}   // namespace Module2
