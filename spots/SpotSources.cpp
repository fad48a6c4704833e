#include "spots/SpotSources.h"

#include <QTcpSocket>

#include "core/Globals.h"
#include "core/ListFormat.h"
#include "platform/ComPorts.h"
#include "spots/SpotsLog.h"

namespace Spots {

QString winsockErrorText(int number)
{
    static const struct {
        int number;
        const char* text;
    } table[] = {
        {7, "ERROR: Out of memory."},
        {380, "ERROR: The property value is invalid."},
        {383, "ERROR: The property is read-only."},
        {394, "ERROR: The property can't be read."},
        {1004, "ERROR: The operation was canceled."},
        {10014, "ERROR: The requested address is a broadcast address, but flag is not set."},
        {10035, "ERROR: Socket is non-blocking and the specified operation will block."},
        {10036, "ERROR: A blocking Winsock operation in progress."},
        {10037, "ERROR: The operation is completed. No blocking operation in progress"},
        {10038, "ERROR: The descriptor is not a socket."},
        {10040, "ERROR: The datagram is too large to fit into the buffer and is truncated."},
        {10043, "ERROR: The specified port is not supported."},
        {10048, "ERROR: Address in use."},
        {10049, "ERROR: Address not available from the local machine."},
        {10050, "ERROR: Network subsystem failed."},
        {10051, "ERROR: The network cannot be reached from this host at this time."},
        {10052, "ERROR: Connection has timed out when SO_KEEPALIVE is set."},
        {10053, "ERROR: Connection is aborted due to timeout or other failure."},
        {10054, "ERROR: The connection is reset by remote side.!"},
        {10055, "ERROR: No buffer space is available."},
        {10056, "ERROR: Socket is already connected."},
        {10057, "ERROR: Socket is not connected."},
        {10058, "ERROR: Socket has been shut down."},
        {10060, "ERROR: Socket has been shut down."},
        {10061, "ERROR: Connection is forcefully rejected."},
        {10093, "ERROR: WinsockInit should be called first."},
        {11001, "ERROR: Authoritative answer: Host not found."},
        {11002, "ERROR: Non-Authoritative answer: Host not found."},
        {11003, "ERROR: Non-recoverable errors."},
        {11004, "ERROR: Valid name, no data record of requested type."},
    };
    for (const auto& row : table)
        if (row.number == number)
            return QString::fromLatin1(row.text);
    return QStringLiteral("Error number ") + QString::number(number);
}

namespace {

int errorNumberOf(QAbstractSocket::SocketError e)
{
    switch (e) {
    case QAbstractSocket::ConnectionRefusedError: return 10061;
    case QAbstractSocket::RemoteHostClosedError: return TelnetSource::ClosedByPeer;
    case QAbstractSocket::HostNotFoundError: return 11001;
    case QAbstractSocket::SocketTimeoutError: return 10060;
    case QAbstractSocket::NetworkError: return 10051;
    case QAbstractSocket::AddressInUseError: return 10048;
    case QAbstractSocket::SocketAddressNotAvailableError: return 10049;
    case QAbstractSocket::SocketResourceError: return 10055;
    case QAbstractSocket::UnsupportedSocketOperationError: return 10043;
    default: return 10053;
    }
}

}   // namespace

TelnetSource::TelnetSource() : socket_(std::make_unique<QTcpSocket>())
{
    idle_.setSingleShot(true);
    idle_.setInterval(IdleMs);
    socket_->setReadBufferSize(ReadBuffer);
    QObject::connect(&idle_, &QTimer::timeout, this, [this] { flushIdle(); });
    QObject::connect(socket_.get(), &QTcpSocket::readyRead, this, [this] { queueSlice(); });
    QObject::connect(socket_.get(), &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        if (reported_)
            return;
        reported_ = true;
        qCWarning(lcSpots) << "telnet:" << socket_->errorString();
        // Said by a slice from the event loop, never inside connectTo(), and only after the lines
        // that came before it: the opener finishes first, and the terminal shows what was sent.
        error_ = errorNumberOf(e);
        queueSlice();
    });
}

TelnetSource::~TelnetSource()
{
    socket_->disconnect(this);
    socket_->abort();
}

void TelnetSource::connectTo(const QString& host, quint16 port)
{
    close();
    reported_ = false;
    ++generation_;
    socket_->connectToHost(host, port);
}

void TelnetSource::close()
{
    idle_.stop();
    cutter_.clear();
    lines_.clear();
    lineAt_ = 0;
    sliceQueued_ = false;
    error_.reset();
    reported_ = true;   // an error of the connection being dropped is not reported
    ++generation_;      // nor is a slice queued for it taken
    socket_->abort();
}

bool TelnetSource::isConnected() const { return socket_->state() == QAbstractSocket::ConnectedState; }

bool TelnetSource::send(const QString& text)
{
    if (!isConnected())
        return false;
    return socket_->write(text.toLatin1()) >= 0;
}

void TelnetSource::queueSlice()
{
    if (sliceQueued_)
        return;
    sliceQueued_ = true;
    const int generation = generation_;
    QMetaObject::invokeMethod(
        this,
        [this, generation] {
            if (generation != generation_)
                return;   // queued for a connection since dropped; close() cleared the flag
            sliceQueued_ = false;
            takeSlice();
        },
        Qt::QueuedConnection);
}

void TelnetSource::takeSlice()
{
    const int generation = generation_;
    int handed = 0;
    while (handed < SliceLines) {
        if (lineAt_ == lines_.size()) {
            lines_.clear();
            lineAt_ = 0;
            if (socket_->bytesAvailable() <= 0)
                break;
            lines_ = cutter_.feed(socket_->read(ReadChunk));
            continue;
        }
        ++handed;
        if (onLine)
            onLine(lines_[lineAt_++]);
        if (generation != generation_)
            return;   // the line's handling closed the source
    }
    if (handed > 0 && onSliceEnd)
        onSliceEnd();
    if (generation != generation_)
        return;
    if (lineAt_ < lines_.size() || socket_->bytesAvailable() > 0) {
        queueSlice();
        return;
    }
    if (error_) {
        // Whatever is still held belongs to the terminal before the error does.
        const int number = *error_;
        error_.reset();
        flushIdle();
        if (generation == generation_ && onError)
            onError(number);
        return;
    }
    if (cutter_.hasPartial())
        idle_.start();
    else
        idle_.stop();
}

void TelnetSource::flushIdle()
{
    if (!cutter_.hasPartial())
        return;
    // An unfinished spot line waits for its line end; anything else (a prompt) is shown now.
    // The cutter's bound keeps a spot line that never ends from being held for ever.
    QString peek = cutter_.takePartial();
    if (isSpotLine(peek) && !reported_ && isConnected()) {
        cutter_.feed(peek.toLatin1());
        return;
    }
    if (onPartial)
        onPartial(peek);
}

TncPort::TncPort()
{
    port_.setLostHandler([this] {
        qCWarning(lcSpots) << "TNC port" << path_ << "lost:" << port_.errorText();
        if (onLost)
            onLost();
    });
}

TncPort::~TncPort() { close(); }

bool TncPort::open(int portNumber, const QString& settings, int handshaking, const QString& powerLine)
{
    close();
    error_.clear();
    path_ = Platform::comPortPath(portNumber, G.DataFolder);
    const QStringList parts = settings.split(QLatin1Char(','));
    double baud = 0;
    if (path_.isEmpty() || parts.size() != 4 || !ListFormat::parseNumber(parts[0], baud) || baud < 1 ||
        baud > 1e7) {
        error_ = QStringLiteral("invalid port or settings");
        return false;
    }
    const QString parity = parts[1].trimmed().toUpper();
    const QString line = QStringLiteral("%1,%2,%3,%4")
                             .arg(qint32(baud))
                             .arg(parity == QLatin1String("O") || parity == QLatin1String("E") ? parity
                                                                                                : QStringLiteral("N"))
                             .arg(parts[2].trimmed() == QLatin1String("7") ? 7 : 8)
                             .arg(parts[3].trimmed() == QLatin1String("2") ? 2 : 1);
    using Platform::Handshake;
    const Handshake handshake = handshaking == 2   ? Handshake::XonXoff
                                : handshaking == 3 ? Handshake::RtsCts
                                : handshaking == 4 ? Handshake::Both
                                                   : Handshake::None;
    // DTR and RTS are off when it opens, RTS under the handshake's control with RTS/CTS.
    if (!port_.open(path_, line, handshake))
        return false;
    if (powerLine.compare(QLatin1String("R"), Qt::CaseInsensitive) == 0 && handshake != Handshake::RtsCts &&
        handshake != Handshake::Both)
        port_.setRts(true);
    if (powerLine.compare(QLatin1String("D"), Qt::CaseInsensitive) == 0)
        port_.setDtr(true);
    return true;
}

void TncPort::close() { port_.close(); }

bool TncPort::isOpen() const { return port_.isOpen(); }

QByteArray TncPort::read() { return port_.read(ReadLimit); }

bool TncPort::write(const QByteArray& bytes) { return port_.write(bytes); }

}   // namespace Spots
