#pragma once
// A serial line as the device windows use it: open with a port's device path and a settings
// text ("4800,N,8,2"), the modem lines, bytes out, a count of bytes received and not yet read, a
// bounded read. No serial events are used: the owners poll it from their timers.
//
// Runs on the thread that made it (the GUI thread). No call blocks longer than a short bounded
// wait, whatever the device does: a silent device gives empty reads, a flooding one at most the
// asked number of bytes per read and at most `InputLimit` bytes held.
//
// A DTR or RTS change that the device refuses (a pty, some adapters) is not a failure: the line
// stays as it was and a warning is logged.
//
// A device that fails under the open line (a USB adapter pulled out, a pty whose other side
// closed) is given up at once: the system reports every later read and write as failed again
// without waiting, so a line kept open would spin the event loop. The line closes itself and
// tells its owner; only a new open() uses the device again.
#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QSerialPort;

namespace Platform {

enum class Handshake { None, XonXoff, RtsCts, Both };

// Gives up a QSerialPort whose device failed under it (a USB adapter pulled out, a pty whose other
// side closed): the system then reports every read and write as failed again without waiting, and
// Qt leaves the port open, so its notifiers would spin the event loop. The port is closed at once
// on a ResourceError, or after FailuresToLose read or write errors in a row with no byte moved
// between them, with a warning naming the device. Every serial device of the program is watched by
// one of these.
// Reads the port's errors and traffic (its signals); changes: closes the port. Lives no longer
// than the port; made after it.
class DeviceFailureWatch {
public:
    static constexpr int FailuresToLose = 3;

    explicit DeviceFailureWatch(QSerialPort& port);
    ~DeviceFailureWatch();
    DeviceFailureWatch(const DeviceFailureWatch&) = delete;
    DeviceFailureWatch& operator=(const DeviceFailureWatch&) = delete;

    // Counts afresh for a port just opened; a loss of an earlier opening is no longer told.
    void opened();
    // Closes the port now as failed (a caller that found the device gone itself), with the warning
    // and the lost handler as for a failure seen by the watch. Nothing when the port is closed.
    void giveUp();
    // What to run after a loss: once per loss, from the event loop, never inside a call on the
    // port, and not when the port was opened again first.
    void setLostHandler(std::function<void()> handler) { lostHandler_ = std::move(handler); }
    // The system's description of the failure that closed the port last.
    QString failure() const { return failure_; }

private:
    QSerialPort& port_;
    QObject context_;   // ends the signal connections and a queued lost call with the watch
    int failures_ = 0;
    int opening_ = 0;
    QString failure_;
    std::function<void()> lostHandler_;
};

// What the rig poll and the rig commands need of a serial line.
class SerialLine {
public:
    virtual ~SerialLine() = default;
    virtual bool isOpen() const = 0;
    // Bytes received and not yet read; -1 when the line is not open.
    virtual qint64 bytesWaiting() = 0;
    // Sends the bytes at once, in order; false (with errorText()) when the line is closed or the
    // write fails.
    virtual bool write(const QByteArray& bytes) = 0;
    // Takes at most `maxBytes` of the received bytes, oldest first; empty when none wait.
    virtual QByteArray read(qint64 maxBytes) = 0;
    // The system's description of the last failure.
    virtual QString errorText() const = 0;
};

class SerialPort : public SerialLine {
public:
    // Bytes held for reading at most; a device that sends more waits in the system's buffers.
    static constexpr qint64 InputLimit = 64 * 1024;

    SerialPort();
    ~SerialPort() override;

    // Parses "baud,parity,data,stop" (parity N, O, E, M, S; data 5-8; stop 1, 1.5, 2). A baud of
    // 56000 opens at 57600, the nearest rate the serial drivers offer. False for any other form.
    static bool parseSettings(const QString& settings, qint32& baud, char& parity, int& dataBits, double& stopBits);

    // Opens `devicePath` with the settings and handshake, DTR and RTS off. False with the
    // system's error text in errorText() when the device is missing, in use or refuses the
    // settings; the line is then closed.
    bool open(const QString& devicePath, const QString& settings, Handshake handshake);
    // What to run when the device fails under the open line: the device disappeared, or reads
    // and writes failed a few times in a row with no byte moving between them. By then the line
    // is closed (a warning logged, errorText() says what failed). Runs once per loss, from the
    // event loop, never inside a call of this line, and not when the line was opened again first.
    void setLostHandler(std::function<void()> handler) { lostHandler_ = std::move(handler); }
    void close();
    bool isOpen() const override;
    // Raises or drops a modem line; false when the device refused (logged, not an error).
    bool setDtr(bool on);
    bool setRts(bool on);

    qint64 bytesWaiting() override;
    bool write(const QByteArray& bytes) override;
    QByteArray read(qint64 maxBytes) override;
    QString errorText() const override { return error_; }

private:
    void pull();
    std::unique_ptr<QSerialPort> port_;
    DeviceFailureWatch watch_;   // after port_: gone before it
    QString error_;
    std::function<void()> lostHandler_;
};

}   // namespace Platform
