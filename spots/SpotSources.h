#pragma once
// The two spot sources the DX-spotting window opens itself: a DX cluster over telnet and a packet
// TNC on a serial port. Both live on the GUI thread and never block.
//
// TelnetSource: QTcpSocket; every arrival goes through a LineCutter, so the window sees whole
// lines whatever way TCP cut them. Lines are handed on in slices of at most SliceLines per turn
// of the event loop, each slice closed by onSliceEnd: a burst of thousands of spots never holds
// the loop longer than one slice, so a key typed meanwhile is handled between two slices, and the
// window shows what a slice brought once. The socket holds at most ReadBuffer bytes unread, so a
// peer sending faster than the slices take is held back by TCP itself. A trailing part that is
// not a spot line and gets no line end within IdleMs (a login prompt) is passed on as it is. A
// refused, failed, reset or closed connection is reported once through onError with the socket
// error number the terminal texts are keyed by (or ClosedByPeer), after every line received
// before it; after that the source is closed.
//
// TncPort: a Platform::SerialPort opened from a port number (Platform::comPortPath), a settings
// text ("9600,N,8,1"), a handshaking choice 1..4 and a power line "N"/"R"/"D". Reads are bounded.
// A device that fails under the open port (the adapter pulled out) closes it; onLost then runs
// once, from the event loop.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

#include "platform/SerialPort.h"
#include "spots/SpotLine.h"

class QTcpSocket;

namespace Spots {

// The terminal text for a socket error number ("Error number N" for numbers without a text).
QString winsockErrorText(int number);

class TelnetSource : public QObject {
public:
    static constexpr int IdleMs = 500;
    static constexpr int ClosedByPeer = -1;   // onError: the cluster ended the connection
    static constexpr int SliceLines = 200;    // lines handed on per turn of the event loop at most
    static constexpr qint64 ReadChunk = 16384, ReadBuffer = 4 * ReadChunk;

    TelnetSource();
    ~TelnetSource() override;

    std::function<void(const QString& line)> onLine;
    std::function<void()> onSliceEnd;   // after the last line of each slice
    std::function<void(const QString& text)> onPartial;
    std::function<void(int number)> onError;

    // Drops any connection and starts a new one; the outcome comes later (lines or onError).
    void connectTo(const QString& host, quint16 port);
    void close();
    bool isConnected() const;
    // Sends the text's characters (Latin-1); false when not connected.
    bool send(const QString& text);

private:
    // Asks for one slice on the next turn of the event loop (once, however often asked).
    void queueSlice();
    // Hands on up to SliceLines lines, reading the socket as the cut lines run out; queues the
    // next slice while lines or bytes are left, else starts the idle wait or reports the error.
    void takeSlice();
    void flushIdle();
    std::unique_ptr<QTcpSocket> socket_;
    LineCutter cutter_;
    QStringList lines_;        // cut, not yet handed on, from lineAt_
    qsizetype lineAt_ = 0;
    bool sliceQueued_ = false;
    std::optional<int> error_;   // the error to report once every line before it is handed on
    QTimer idle_;
    bool reported_ = false;
    int generation_ = 0;
};

class TncPort {
public:
    static constexpr qint64 ReadLimit = 16384;   // bytes taken per read at most

    TncPort();
    ~TncPort();
    // Closes any open port first. False (errorText() says why) when the device is missing, in use
    // or refuses the settings. Parity other than O and E is N, data bits other than 7 are 8, stop
    // bits other than 2 are 1; a handshaking choice outside 1..4 is none.
    bool open(int portNumber, const QString& settings, int handshaking, const QString& powerLine);
    void close();
    bool isOpen() const;
    QByteArray read();
    bool write(const QByteArray& bytes);
    QString errorText() const { return error_.isEmpty() ? port_.errorText() : error_; }
    QString devicePath() const { return path_; }

    std::function<void()> onLost;

private:
    Platform::SerialPort port_;
    QString error_, path_;
};

}   // namespace Spots
