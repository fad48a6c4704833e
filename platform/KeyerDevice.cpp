#include "platform/KeyerDevice.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QSerialPort>

#include "platform/PlatformLog.h"

namespace Platform {

namespace {

constexpr char Admin = 0x00;
constexpr char AdminHostOpen = 0x02;
constexpr char AdminHostClose = 0x03;
constexpr char AdminEcho = 0x04;
constexpr char EchoByte = 0x55;
constexpr char CmdSpeed = 0x02;
constexpr char CmdWeight = 0x03;
constexpr char CmdLeadTail = 0x04;
constexpr char CmdBackspace = 0x08;
constexpr char CmdPinConfig = 0x09;
constexpr char CmdClearBuffer = 0x0A;
constexpr char CmdMode = 0x0E;
constexpr char CmdStatus = 0x15;
constexpr char CmdRatio = 0x17;

bool isStatusByte(uint8_t b) { return (b & 0xC0) == 0xC0; }

class HostModeKeyer : public KeyerDevice {
public:
    // Whatever runs the event loop meanwhile reads the device into the port's buffer: never
    // beyond the bound, the rest waits in the system's buffers.
    HostModeKeyer() { port_.setReadBufferSize(InputLimit); }
    ~HostModeKeyer() override { close(); }

    int32_t open(const QString& path, uint8_t& version) override
    {
        if (port_.isOpen())
            return AlreadyOpen;
        port_.setPortName(path);
        if (!port_.open(QIODevice::ReadWrite)) {
            qCWarning(lcPlatform) << "keyer device: cannot open" << path << port_.errorString();
            return ComOpenFailed;
        }
        watch_.opened();
        if (!port_.setBaudRate(1200) || !port_.setDataBits(QSerialPort::Data8) ||
            !port_.setParity(QSerialPort::NoParity) || !port_.setStopBits(QSerialPort::TwoStop) ||
            !port_.setFlowControl(QSerialPort::NoFlowControl)) {
            qCWarning(lcPlatform) << "keyer device: line settings refused on" << path << port_.errorString();
            port_.close();
            return SetComStateFailed;
        }
        port_.clear();
        if (!write(QByteArray("\x00\x04\x55", 3))) {
            port_.close();
            return NoEchoResponse;
        }
        const QByteArray echo = readBytes(1, EchoWaitMs);
        if (echo.isEmpty()) {
            port_.close();
            return NoEchoResponse;
        }
        if (echo.at(0) != EchoByte) {
            port_.close();
            return EchoMismatch;
        }
        if (!write(QByteArray(1, Admin) + AdminHostOpen)) {
            port_.close();
            return NoOpenResponse;
        }
        const QByteArray reply = readBytes(1, OpenWaitMs);
        if (reply.isEmpty()) {
            port_.close();
            return NoOpenResponse;
        }
        version = uint8_t(reply.at(0));
        status_ = StatusIdle;
        lastDropWarning_.invalidate();
        droppedUnwarned_ = 0;
        return Ok;
    }

    void close() override
    {
        if (!port_.isOpen())
            return;
        write(QByteArray(1, Admin) + AdminHostClose);
        port_.close();
    }

    bool isOpen() const override { return port_.isOpen(); }

    void setSpeed(uint8_t wpm) override { command(CmdSpeed, wpm); }
    void setWeight(uint8_t weight) override { command(CmdWeight, weight); }
    void setPttLeadTail(uint8_t leadIn, uint8_t tail) override
    {
        write(QByteArray(1, CmdLeadTail) + char(leadIn) + char(tail));
    }
    void setRatio(uint8_t ratio) override { command(CmdRatio, ratio); }
    void setPinConfig(uint8_t config) override { command(CmdPinConfig, config); }
    void setMode(uint8_t mode) override { command(CmdMode, mode); }

    bool sendChar(uint8_t code) override
    {
        if (code < 0x20 || code > 0x7E) {
            qCWarning(lcPlatform) << "keyer device: character code" << code << "not sent";
            return false;
        }
        return write(QByteArray(1, char(code)));
    }

    int32_t status() override
    {
        if (!port_.isOpen())
            return StatusIdle;
        // The device answers a status request in order, after every character sent before it,
        // so the answer already counts those characters.
        takeInput();
        if (!write(QByteArray(1, CmdStatus)))
            return StatusIdle;
        QElapsedTimer t;
        t.start();
        bool answered = false;
        while (!answered && t.elapsed() < StatusWaitMs) {
            if (!port_.waitForReadyRead(int(StatusWaitMs - t.elapsed())))
                break;
            answered = takeInput();
        }
        if (!answered)
            qCWarning(lcPlatform) << "keyer device: no answer to a status request";
        return status_;
    }

    void clearBuffer() override { write(QByteArray(1, CmdClearBuffer)); }
    void backspace() override { write(QByteArray(1, CmdBackspace)); }
    qint64 inputHeld() const override { return port_.isOpen() ? port_.bytesAvailable() : 0; }

private:
    void command(char cmd, uint8_t value) { write(QByteArray(1, cmd) + char(value)); }

    bool write(const QByteArray& bytes)
    {
        if (!port_.isOpen())
            return false;
        if (port_.write(bytes) != bytes.size() || !port_.waitForBytesWritten(WriteWaitMs)) {
            if (port_.bytesToWrite() == 0 && port_.error() == QSerialPort::NoError)
                return true;   // written at once, nothing left to wait for
            watch_.giveUp();
            return false;
        }
        return true;
    }

    // Reads what the device sent, oldest first, and decodes its status bytes; true when a status
    // byte was among it. Takes in at most TakeLimit bytes, so a device that never stops sending
    // cannot hold the caller. A full buffer means the device sent more than it holds: those held
    // bytes are the oldest and are dropped unread, so the newer ones behind them can come in.
    bool takeInput()
    {
        static constexpr qint64 TakeLimit = 2 * InputLimit;
        bool sawStatus = false;
        for (qint64 taken = 0; taken < TakeLimit;) {
            if (port_.bytesAvailable() == 0 && !port_.waitForReadyRead(0))
                break;
            if (port_.bytesAvailable() >= InputLimit) {
                const qint64 n = port_.skip(port_.bytesAvailable());
                noteDropped(n);
                taken += n;
                continue;
            }
            const QByteArray in = port_.read(TakeLimit - taken);
            if (in.isEmpty())
                break;
            taken += in.size();
            for (char c : in) {
                const uint8_t b = uint8_t(c);
                if (!isStatusByte(b))
                    continue;   // speed-pot bytes and echoes
                sawStatus = true;
                status_ = (b & 0x01) ? StatusFull : (b & 0x04) ? StatusBusy : StatusIdle;
            }
        }
        return sawStatus;
    }

    // A flood is warned of when it starts and then at most every DropWarningMs, with the bytes
    // dropped since the last warning, so a device that keeps flooding does not flood the log too.
    void noteDropped(qint64 n)
    {
        static constexpr qint64 DropWarningMs = 10000;
        droppedUnwarned_ += n;
        if (lastDropWarning_.isValid() && lastDropWarning_.elapsed() < DropWarningMs)
            return;
        qCWarning(lcPlatform) << "keyer device: more than" << InputLimit << "bytes of input waiting, the oldest"
                              << droppedUnwarned_ << "dropped";
        droppedUnwarned_ = 0;
        lastDropWarning_.start();
    }

    // Up to n bytes within waitMs.
    QByteArray readBytes(int n, int waitMs)
    {
        QByteArray got;
        QElapsedTimer t;
        t.start();
        while (got.size() < n) {
            if (port_.bytesAvailable() == 0) {
                const qint64 left = waitMs - t.elapsed();
                if (left <= 0 || !port_.waitForReadyRead(int(left)))
                    break;
            }
            got += port_.read(n - got.size());
        }
        return got;
    }

    QSerialPort port_;
    // A device that fails under the open port, written to or not, closes it: with the event loop
    // reading the port, a pulled-out adapter would otherwise spin it.
    DeviceFailureWatch watch_{port_};
    int32_t status_ = StatusIdle;
    QElapsedTimer lastDropWarning_;
    qint64 droppedUnwarned_ = 0;
};

}   // namespace

std::unique_ptr<KeyerDevice> createKeyerDevice() { return std::make_unique<HostModeKeyer>(); }

}   // namespace Platform
