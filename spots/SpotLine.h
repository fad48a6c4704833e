#pragma once
// The DX spot line that the TNC, the telnet cluster and the packet engine share, and the cutting
// of received bytes into whole lines.
//
// Spot line columns (1-based): 1-2 "DX" in any case marks a spot; 27-39 the spotted call, trimmed
// of blanks. The frequency in kHz stands after the spotter ("DX de K9AB:      14025.0"); it is read
// whole, however wide, since a cluster lets a microwave frequency reach into the spotter's columns.
// Positions past a short line read as empty text.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "core/Format.h"

namespace Spots {

// True when the line's first two characters are "DX", ignoring case.
bool isSpotLine(const QString& line);
// The frequency (kHz, as text) of a spot line: the word after "DX de CALL:" (or after the spotter's
// call and a blank when it has no colon), up to the next blank. Only digits with at most one point
// count; anything else gives "" (not a number, so the spot is ignored). Reads only `line`.
QString spotFrequency(const QString& line);
// The spotted call cut from columns 27-39. Reads only `line`.
QString spotCall(const QString& line);
// The record handed on with a spot: the line without its first 3 characters, blanks trimmed from
// both ends (a CR or LF at its end stays).
QString spotRecord(const QString& line);
// Trims blanks (spaces only) from both ends, as the spot columns are trimmed.
using Format::trimBlanks;

// Cuts a byte stream from a network or serial peer into whole lines. A line ends at LF, at CR LF,
// or at a CR followed by anything else; each line is returned with "\r\n" as its end. Telnet
// command sequences (IAC ...) are removed, even when split across arrivals, and so are BEL and NUL.
// A sub-negotiation (IAC SB) that runs past SubLimit bytes without its IAC SE is given up with a
// warning: the rest of the line it stands in is dropped and the lines after it are read again, so
// a peer that never closes one cannot silence the source.
// At most `limit` characters of an unfinished line are held: a peer that never ends its line (a
// TNC at the wrong speed) has the excess cut off as a line of its own, so memory stays bounded.
class LineCutter {
public:
    static constexpr int SubLimit = 512;
    explicit LineCutter(int limit = 4096) : limit_(limit) {}
    // Takes one arrival; returns the lines it completed, oldest first.
    QStringList feed(const QByteArray& bytes);
    // The unfinished line held so far (without a line end), and its removal: an idle peer's
    // prompt ("login: ") is shown this way. Empty when nothing is held.
    QString takePartial();
    bool hasPartial() const { return !partial_.isEmpty(); }
    void clear();

private:
    enum class Iac { None, Command, Option, Sub, SubIac, SkipLine };
    QString partial_;
    int limit_;
    Iac iac_ = Iac::None;
    int subBytes_ = 0;   // bytes of the open sub-negotiation so far
    bool lastCr_ = false;
};

}   // namespace Spots
