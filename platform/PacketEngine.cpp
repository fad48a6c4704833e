#include "platform/PacketEngine.h"

#include <QDeadlineTimer>
#include <QPointer>
#include <QTcpSocket>
#include <QtEndian>

#include <deque>

#include "platform/PlatformLog.h"

namespace Platform {

namespace AgwWire {

namespace {

void putCall(QByteArray& out, const QByteArray& call)
{
    QByteArray field = call.left(CallField - 1);
    field.resize(CallField, '\0');
    out += field;
}

// A call is read up to its NUL, and never past the 9th byte: the 10th is the field's NUL, so an
// engine that fills the field gives the same call as one that ends it.
QByteArray takeCall(const char* field)
{
    int n = 0;
    while (n < CallField - 1 && field[n] != '\0')
        ++n;
    return QByteArray(field, n);
}

}   // namespace

QByteArray encode(const AgwWireFrame& frame)
{
    QByteArray out;
    out.reserve(HeaderSize + frame.data.size());
    out += char(frame.port);
    out += QByteArray(3, '\0');
    out += frame.kind;
    out += '\0';
    out += char(frame.pid);
    out += '\0';
    putCall(out, frame.callFrom);
    putCall(out, frame.callTo);
    char length[4];
    qToLittleEndian<quint32>(quint32(frame.data.size()), length);
    out.append(length, 4);
    out += QByteArray(4, '\0');
    out += frame.data;
    return out;
}

QVector<AgwWireFrame> Reader::feed(const QByteArray& bytes)
{
    QVector<AgwWireFrame> frames;
    if (failed_)
        return frames;
    pending_ += bytes;
    qsizetype at = 0;
    while (pending_.size() - at >= HeaderSize) {
        const char* h = pending_.constData() + at;
        const quint32 length = qFromLittleEndian<quint32>(h + 28);
        if (length > MaxDataLength) {
            failed_ = true;
            pending_.clear();
            return frames;
        }
        if (pending_.size() - at < HeaderSize + qsizetype(length))
            break;
        AgwWireFrame f;
        f.port = uint8_t(h[0]);
        f.kind = h[4];
        f.pid = uint8_t(h[6]);
        f.callFrom = takeCall(h + 8);
        f.callTo = takeCall(h + 18);
        f.data = QByteArray(h + HeaderSize, qsizetype(length));
        frames << f;
        at += HeaderSize + qsizetype(length);
    }
    pending_.remove(0, at);
    return frames;
}

}   // namespace AgwWire

namespace {

class TcpPacketEngine : public PacketEngine {
public:
    ~TcpPacketEngine() override
    {
        unregister();
        drop(true);
    }

    bool startPoll(const QString& call, const QString& application) override
    {
        close();
        lost_ = false;
        queue_.clear();
        const QByteArray own = call.trimmed().toLatin1();
        if (own.isEmpty() || own.size() > MaxCall || own.contains(' ')) {
            qCWarning(lcPlatform) << "packet engine: call" << call << "cannot be registered";
            return false;
        }
        QString host = qEnvironmentVariable("VQPLOG_AGW_HOST", QStringLiteral("127.0.0.1"));
        quint16 port = 8000;
        if (qEnvironmentVariableIsSet("VQPLOG_AGW_PORT")) {
            bool ok = false;
            const uint p = qEnvironmentVariable("VQPLOG_AGW_PORT").trimmed().toUInt(&ok);
            if (!ok || p == 0 || p > 65535) {
                qCWarning(lcPlatform) << "packet engine: VQPLOG_AGW_PORT is not a port number";
                return false;
            }
            port = quint16(p);
        }

        auto* socket = new QTcpSocket;
        socket_ = socket;
        reader_ = {};
        registration_ = Pending;
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { readArrival(socket); });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] { broken(socket, "closed"); });
        QObject::connect(socket, &QTcpSocket::errorOccurred, socket,
                         [this, socket](QAbstractSocket::SocketError) { broken(socket, "failed"); });

        socket->connectToHost(host, port);
        if (!socket->waitForConnected(ConnectWaitMs)) {
            qCWarning(lcPlatform) << "packet engine at" << host << port << "not reached:" << socket->errorString();
            drop();
            return false;
        }
        call_ = own;
        send({.kind = 'X', .callFrom = own});
        const QDeadlineTimer deadline(RegisterWaitMs);
        while (registration_ == Pending && socket_ && socket->state() == QAbstractSocket::ConnectedState &&
               !deadline.hasExpired())
            socket->waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
        if (registration_ != Accepted) {
            qCWarning(lcPlatform) << "packet engine at" << host << port << "did not accept the call" << own
                                  << (registration_ == Refused ? "(refused)" : "(no answer)") << "for" << application;
            drop();
            return false;
        }
        send({.kind = 'm'});
        return socket_ && socket->state() == QAbstractSocket::ConnectedState;
    }

    bool getData(Frame& frame) override
    {
        if (queue_.empty())
            return false;
        frame = std::move(queue_.front());
        queue_.pop_front();
        return true;
    }

    bool putData(const QString& toCall, const QString& data, int kind) override
    {
        if (!registered())
            return false;
        const QByteArray to = toCall.trimmed().toLatin1();
        if (to.isEmpty() || to.size() > MaxCall || to.contains(' ')) {
            qCWarning(lcPlatform) << "packet engine: no frame for the call" << toCall;
            return false;
        }
        switch (kind) {
        case 'c': send({.kind = 'C', .callFrom = call_, .callTo = to}); return true;
        case 'P': return true;
        case 'd': send({.kind = 'd', .callFrom = call_, .callTo = to}); return true;
        case 'D':
            send({.kind = 'D', .pid = 0xF0, .callFrom = call_, .callTo = to, .data = data.toLatin1()});
            return true;
        default: qCWarning(lcPlatform) << "packet engine: no frame of kind" << kind; return false;
        }
    }

    void close() override
    {
        unregister();
        drop();
    }

    bool lost() const override { return lost_; }

private:
    enum Registration { Pending, Accepted, Refused };

    bool registered() const
    {
        return socket_ && registration_ == Accepted && socket_->state() == QAbstractSocket::ConnectedState;
    }

    void send(const AgwWireFrame& frame)
    {
        if (socket_)
            socket_->write(AgwWire::encode(frame));
    }

    void unregister()
    {
        if (registered()) {
            send({.kind = 'x', .callFrom = call_});
            socket_->flush();
        }
    }

    // Ends the connection without a word to the engine; queued frames stay to be fetched. The
    // socket goes later when this runs inside one of its own signals.
    void drop(bool now = false)
    {
        if (QTcpSocket* s = socket_.data()) {
            socket_ = nullptr;
            QObject::disconnect(s, nullptr, s, nullptr);
            if (s->state() == QAbstractSocket::ConnectedState) {
                s->flush();
                s->disconnectFromHost();
            }
            if (s->state() != QAbstractSocket::UnconnectedState)
                s->abort();
            if (now)
                delete s;
            else
                s->deleteLater();
        }
        registration_ = Pending;
    }

    void broken(QTcpSocket* socket, const char* how)
    {
        if (socket != socket_)
            return;
        if (registration_ == Accepted) {
            qCWarning(lcPlatform) << "packet engine connection" << how << ":" << socket->errorString();
            lost_ = true;
        }
        drop();
    }

    void readArrival(QTcpSocket* socket)
    {
        if (socket != socket_)
            return;
        for (const AgwWireFrame& f : reader_.feed(socket->readAll()))
            take(f);
        if (reader_.failed() && socket == socket_) {
            qCWarning(lcPlatform) << "packet engine sent a frame longer than" << AgwWire::MaxDataLength
                                  << "bytes; connection dropped";
            broken(socket, "dropped");
        }
    }

    void take(const AgwWireFrame& f)
    {
        // The other station of a link is whichever call of the frame is not our own.
        const QByteArray other = f.callFrom.compare(call_, Qt::CaseInsensitive) == 0 ? f.callTo : f.callFrom;
        switch (f.kind) {
        case 'X':
            if (registration_ == Pending)
                registration_ = !f.data.isEmpty() && f.data[0] == 1 ? Accepted : Refused;
            return;
        case 'C': queue('c', other, f.data); return;
        case 'd':
        case 'D': queue(f.kind, other, f.data); return;
        case 'U':
        case 'I':
        case 'S':
        case 'T': queue(f.kind, f.callFrom, f.data); return;
        default: return;
        }
    }

    void queue(int kind, const QByteArray& from, const QByteArray& data)
    {
        if (int(queue_.size()) >= MaxQueued) {
            qCWarning(lcPlatform) << "packet engine: more than" << MaxQueued << "frames waiting; the oldest dropped";
            queue_.pop_front();
        }
        // Engines end their texts with a NUL, as C strings; it is no part of the text.
        qsizetype n = data.size();
        while (n > 0 && data[n - 1] == '\0')
            --n;
        queue_.push_back(
            {QString::fromLatin1(from), QString::fromLatin1(data.left(std::min<qsizetype>(n, MaxFrameData))), kind});
    }

    QPointer<QTcpSocket> socket_;
    AgwWire::Reader reader_;
    QByteArray call_;
    Registration registration_ = Pending;
    bool lost_ = false;
    std::deque<Frame> queue_;
};

}   // namespace

std::unique_ptr<PacketEngine> createPacketEngine() { return std::make_unique<TcpPacketEngine>(); }

}   // namespace Platform
