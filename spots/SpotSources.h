#pragma once
// The two spot sources the DX-spotting window opens itself: a DX cluster over telnet and a packet
// TNC on a serial port. Both live on the GUI thread and never block.
//
// TelnetSource: QTcpSocket; every arrival goes through a LineCutter, so the window sees whole
// lines whatever way TCP cut them. A trailing part that is not a spot line and gets no line end
// within IdleMs (a login prompt) is passed on as it is. A refused, failed, reset or closed
// connection is reported once through onError with the socket error number the terminal texts
// are keyed by (or ClosedByPeer), after which the source is closed.
//
// TncPort: QSerialPort opened from a port number (Platform::comPortPath), a settings text
// ("9600,N,8,1"), a handshaking choice 1..4 and a power line "N"/"R"/"D". Reads are bounded.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

#include "spots/SpotLine.h"

class QSerialPort;
class QTcpSocket;

namespace Spots {

// The terminal text for a socket error number ("Error number N" for numbers without a text).
QString winsockErrorText(int number);

class TelnetSource : public QObject {
public:
    static constexpr int IdleMs = 500;
    static constexpr int ClosedByPeer = -1;   // onError: the cluster ended the connection

    TelnetSource();
    ~TelnetSource() override;

    std::function<void(const QString& line)> onLine;
    std::function<void(const QString& text)> onPartial;
    std::function<void(int number)> onError;

    // Drops any connection and starts a new one; the outcome comes later (lines or onError).
    void connectTo(const QString& host, quint16 port);
    void close();
    bool isConnected() const;
    // Sends the text's characters (Latin-1); false when not connected.
    bool send(const QString& text);

private:
    void readArrival();
    void flushIdle();
    std::unique_ptr<QTcpSocket> socket_;
    LineCutter cutter_;
    QTimer idle_;
    bool reported_ = false;
    int generation_ = 0;
};

class TncPort {
public:
    static constexpr qint64 ReadLimit = 16384;   // bytes taken per read at most

    TncPort();
    ~TncPort();
    // False (errorText() says why) when the device is missing, in use or refuses the settings.
    bool open(int portNumber, const QString& settings, int handshaking, const QString& powerLine);
    void close();
    bool isOpen() const;
    QByteArray read();
    bool write(const QByteArray& bytes);
    QString errorText() const { return error_; }
    QString devicePath() const { return path_; }

private:
    std::unique_ptr<QSerialPort> port_;
    QString error_, path_;
};

}   // namespace Spots
