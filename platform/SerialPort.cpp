#include "platform/SerialPort.h"

#include "platform/PlatformLog.h"

#include <QSerialPort>
#include <QStringList>
#include <QTimer>

namespace Platform {

DeviceFailureWatch::DeviceFailureWatch(QSerialPort& port) : port_(port)
{
    QObject::connect(&port, &QSerialPort::errorOccurred, &context_, [this](QSerialPort::SerialPortError e) {
        if (!port_.isOpen())
            return;
        switch (e) {
        case QSerialPort::ResourceError: giveUp(); break;
        case QSerialPort::ReadError:
        case QSerialPort::WriteError:
            if (++failures_ >= FailuresToLose)
                giveUp();
            break;
        default: break;   // a read that found nothing, a refused modem line
        }
    });
    QObject::connect(&port, &QSerialPort::readyRead, &context_, [this] { failures_ = 0; });
    QObject::connect(&port, &QSerialPort::bytesWritten, &context_, [this] { failures_ = 0; });
}

DeviceFailureWatch::~DeviceFailureWatch() = default;

void DeviceFailureWatch::opened()
{
    failures_ = 0;
    ++opening_;
}

void DeviceFailureWatch::giveUp()
{
    if (!port_.isOpen())
        return;
    failure_ = port_.errorString();
    qCWarning(lcPlatform) << "serial device" << port_.portName() << "failed, port closed:" << failure_;
    // Closed at once: the failed device's notifications would otherwise come back without pause.
    port_.close();
    failures_ = 0;
    if (lostHandler_)
        QTimer::singleShot(0, &context_, [this, opening = opening_] {
            if (opening == opening_ && !port_.isOpen() && lostHandler_)
                lostHandler_();
        });
}

SerialPort::SerialPort() : port_(std::make_unique<QSerialPort>()), watch_(*port_)
{
    port_->setReadBufferSize(InputLimit);
    watch_.setLostHandler([this] {
        error_ = watch_.failure();
        if (lostHandler_)
            lostHandler_();
    });
}

SerialPort::~SerialPort() { close(); }

bool SerialPort::parseSettings(const QString& settings, qint32& baud, char& parity, int& dataBits, double& stopBits)
{
    const QStringList parts = settings.split(QLatin1Char(','));
    if (parts.size() != 4)
        return false;
    bool ok = false;
    const QString b = parts[0].trimmed();
    baud = b.toInt(&ok);
    if (!ok || baud <= 0)
        return false;
    if (baud == 56000)
        baud = 57600;
    const QString p = parts[1].trimmed().toUpper();
    if (p.size() != 1 || !QStringLiteral("NOEMS").contains(p))
        return false;
    parity = p.at(0).toLatin1();
    dataBits = parts[2].trimmed().toInt(&ok);
    if (!ok || dataBits < 5 || dataBits > 8)
        return false;
    const QString s = parts[3].trimmed();
    if (s == QLatin1String("1"))
        stopBits = 1;
    else if (s == QLatin1String("1.5"))
        stopBits = 1.5;
    else if (s == QLatin1String("2"))
        stopBits = 2;
    else
        return false;
    return true;
}

bool SerialPort::open(const QString& devicePath, const QString& settings, Handshake handshake)
{
    close();
    qint32 baud = 0;
    char parity = 'N';
    int dataBits = 8;
    double stopBits = 1;
    if (!parseSettings(settings, baud, parity, dataBits, stopBits)) {
        error_ = QStringLiteral("Invalid line settings: %1").arg(settings);
        return false;
    }
    port_->setPortName(devicePath);
    if (!port_->open(QIODevice::ReadWrite)) {
        error_ = port_->errorString();
        return false;
    }
    const auto parityOf = [](char p) {
        switch (p) {
        case 'O': return QSerialPort::OddParity;
        case 'E': return QSerialPort::EvenParity;
        case 'M': return QSerialPort::MarkParity;
        case 'S': return QSerialPort::SpaceParity;
        default: return QSerialPort::NoParity;
        }
    };
    const auto flowOf = [](Handshake h) {
        switch (h) {
        case Handshake::XonXoff: return QSerialPort::SoftwareControl;
        case Handshake::RtsCts:
        case Handshake::Both: return QSerialPort::HardwareControl;
        default: return QSerialPort::NoFlowControl;
        }
    };
    const bool ok = port_->setBaudRate(baud) && port_->setParity(parityOf(parity)) &&
                    port_->setDataBits(static_cast<QSerialPort::DataBits>(dataBits)) &&
                    port_->setStopBits(stopBits == 2     ? QSerialPort::TwoStop
                                       : stopBits == 1.5 ? QSerialPort::OneAndHalfStop
                                                         : QSerialPort::OneStop) &&
                    port_->setFlowControl(flowOf(handshake));
    if (!ok) {
        error_ = port_->errorString();
        port_->close();
        return false;
    }
    if (flowOf(handshake) != QSerialPort::HardwareControl)
        setRts(false);
    setDtr(false);
    port_->clearError();
    watch_.opened();
    return true;
}

void SerialPort::close()
{
    if (port_->isOpen())
        port_->close();
}

bool SerialPort::isOpen() const { return port_->isOpen(); }

namespace {
// What a modem-line change came to: a refusal (ptys, some adapters) is logged and cleared, so the
// port stays usable.
bool lineSet(QSerialPort& port, bool done, const char* line)
{
    if (done)
        return true;
    qCWarning(lcPlatform) << line << "refused on" << port.portName() << port.errorString();
    port.clearError();
    return false;
}
}   // namespace

bool SerialPort::setDtr(bool on) { return port_->isOpen() && lineSet(*port_, port_->setDataTerminalReady(on), "DTR"); }

bool SerialPort::setRts(bool on) { return port_->isOpen() && lineSet(*port_, port_->setRequestToSend(on), "RTS"); }

void SerialPort::pull()
{
    // Takes in what the device has sent since the event loop last looked, without waiting.
    if (port_->bytesAvailable() < InputLimit && !port_->waitForReadyRead(0))
        port_->clearError();
}

qint64 SerialPort::bytesWaiting()
{
    if (!port_->isOpen()) {
        error_ = QStringLiteral("Port is not open");
        return -1;
    }
    pull();
    return port_->bytesAvailable();
}

bool SerialPort::write(const QByteArray& bytes)
{
    if (!port_->isOpen()) {
        error_ = QStringLiteral("Port is not open");
        return false;
    }
    if (bytes.isEmpty())
        return true;
    if (port_->write(bytes) != bytes.size()) {
        error_ = port_->errorString();
        return false;
    }
    // Out at once as far as the device takes it; what it holds back goes out from the event loop.
    port_->waitForBytesWritten(100);
    if (!port_->isOpen()) {
        error_ = watch_.failure();   // the device failed under the write
        return false;
    }
    port_->clearError();
    return true;
}

QByteArray SerialPort::read(qint64 maxBytes)
{
    if (!port_->isOpen() || maxBytes <= 0)
        return {};
    pull();
    return port_->read(maxBytes);
}

}   // namespace Platform
