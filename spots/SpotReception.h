#pragma once
// What the DX-spotting window does with received text, without widgets: the terminal's text and
// its trim, the TNC receive buffer and its cutting into lines with the duplicate test, the
// handling of one telnet line, the "List DX Only" filter, the hand-over of spots and the timer's
// tick count. The window (PacketSpotfrm) shows `terminal` and feeds arrivals in.
#include <QByteArray>
#include <QString>

#include <functional>

namespace Spots {

// The terminal box's text: appended at the end, held to at most 10000 characters (cut to the last
// 9000 when longer), the caret kept at the end.
struct Terminal {
    static constexpr int Limit = 10000, Keep = 9000;
    QString text;
    int caret = 0;
    void append(const QString& s);
    void replace(const QString& s);
    void TrimTerminal();
    // True when `s` stands in the last 801 characters (from the length minus 800 on), ignoring
    // case: the duplicate test of received lines. Reads only the text.
    bool showsRecently(const QString& s) const;
};

class Reception {
public:
    // The spot's call, frequency text (kHz) and record (line less its first 3 characters,
    // trimmed); the window passes it on to the main window.
    using PostSpot = std::function<void(const QString& call, const QString& freqKHz, const QString& record)>;
    // The TNC buffer's bound: an unfinished line longer than this (a TNC at the wrong speed sends
    // no line ends) is dropped, never grown further.
    static constexpr int TncBufferLimit = 8192;

    Terminal terminal;
    bool listDxOnly = false;            // chkDX ticked
    float LabelUpdateTimeCounter = 0;   // ticks since the last spot handed on
    QString TNCReceiveBuffer = QStringLiteral("\n");
    PostSpot post;

    // ReadTNCPort with the bytes the port gave: appends them to the buffer and processes it.
    void ReadTNCPort(const QByteArray& input);
    // ProcessTNCBuffer: shows, filters and hands on every complete line of the buffer.
    void ProcessTNCBuffer();
    // One whole line from the cluster (with its line end): shown unless "List DX Only" hides it,
    // handed on when it is a spot.
    void telnetLine(const QString& line);
    // A trailing part the cluster left without a line end (a prompt): shown, never a spot.
    void telnetPartial(const QString& text);
    // PostSpotToMain: resets the tick count and hands the spot on.
    void PostSpotToMain(const QString& freq, const QString& call, const QString& line);
    // One timer tick: true when the band map should be redrawn now (more than 360 ticks without a
    // spot and the band map shown); the count restarts from 0 after 360 either way.
    bool tick(bool bandMapShown);
};

}   // namespace Spots
