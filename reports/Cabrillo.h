#pragma once
// The contest entry as a Cabrillo 2.0 file: the header lines from the station profile and the
// summary form, one QSO line per contact of the log in memory, and "END-OF-LOG:".
//
// The text is made whole first (CabrilloText, no widgets) and then written in one atomic replace,
// so a failure never leaves part of a file behind.
//
// QSO lines put their fields at fixed columns (QSOLine). A field that reaches or passes the column
// of the next one is followed by one blank and the line goes on, so no two values ever run
// together and a contact always stays on one line. No value is ever written with a line end or
// another control character in it, so every line of the file is whole.
#include <QByteArray>
#include <QString>
#include <QPair>
#include <QStringList>
#include <QVector>

namespace Cabrillo {

enum class Category { SingleOp, MultiOp, Mobile };
enum class Power { High, Low, QRP };

// What the summary form adds to the log: its option groups and boxes, as typed (written without
// the blanks around them and without control characters).
struct Summary {
    Category category = Category::SingleOp;
    Power power = Power::Low;
    QString club;        // CLUB-NAME, left out when empty
    QString operators;   // OPERATORS; the own call when empty
    QString name;
    QString address1, address2, email;
    QString soapbox;
};

// "SINGLE-OP LOW" and the like: the category text and the power text with its own leading blank.
QString categoryText(Category c, Power p);

// The claimed score, G.QSOPoints x G.MultiplierCount, in the printed-number form: a blank in place
// of the sign (a minus for a negative score), the digits, and one trailing blank (" 12345 ").
QString claimedScoreText();

// The frequency field of a band, five wide: the lower band edge in kHz below 30 MHz ("20" gives
// "14000", "30" gives "10100"), the format's band name from 50 MHz up ("6" gives "   50", "440"
// gives "  432", "1.24" gives " 1.2G"). Empty for a name the band table does not hold.
QString bandFrequency(const QString& band);

// The SOAPBOX lines' texts for the soapbox box: without control characters and the blanks around
// it, in pieces of at most SoapboxWidth characters broken at blanks (a longer word is cut), so a
// long comment never makes one overlong line. One empty piece for an empty box.
constexpr int SoapboxWidth = 70;
QStringList soapboxLines(const QString& soapbox);

// Lays fields out at their columns (column 1 = first character). Before each field, blanks fill
// the line up to one short of its column; when the line already reaches that far and does not end
// in a blank, one blank is added instead.
QString placeAtColumns(const QString& start, const QVector<QPair<int, QString>>& fields);

// The QSO line of record i (without line end). Every value is written without the blanks around
// it; county names as stored ("La Porte"), the sent one cut to 8 ("St. Jose"). An empty text and a
// message naming the record instead when its date is not a "yyyy/mm/dd" calendar date, when its
// band has no Cabrillo frequency, when the call, mode, time, either report or the own call is
// then empty or still holds a blank (those fields are one word each), when an exchange is empty,
// or when any value holds a control character. `outOfState` chooses the sent exchange: the own
// state or province for a station outside the contest state (an empty one is refused with where
// to enter it), the record's sent county for one inside it. Reads G.OwnStateProvince.
QString QSOLine(int i, const QString& ownCall, bool outOfState, QString* error = nullptr);

// The whole file, CR LF line ends: the header, a QSO line for each record 1 to G.QSOCount of
// G.ContactArrays and "END-OF-LOG:". Header values, the profile's included, are written without
// control characters and the blanks around them; the soapbox on the lines soapboxLines gives.
// False with the message of the first record that cannot be written. Reads G.OwnCall (trimmed here, without changing it), G.OwnSection, G.PartyState,
// G.ProgramVersion, G.OutOfStateFlag and the score counters.
bool CabrilloText(const Summary& summary, QByteArray& out, QString* error = nullptr);

}   // namespace Cabrillo
