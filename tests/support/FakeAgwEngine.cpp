#include "tests/support/FakeAgwEngine.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

uint32_t readLe32(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(u[0]) | uint32_t(u[1]) << 8 | uint32_t(u[2]) << 16 | uint32_t(u[3]) << 24;
}

QByteArray callField(const char* p)
{
    int n = 0;
    while (n < 10 && p[n])
        ++n;
    return QByteArray(p, n);
}

bool waitFor(const std::function<bool()>& done, int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

}   // namespace

FakeAgwEngine::FakeAgwEngine(Registration r) : registration_(r)
{
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::listen(listener_, 4);
    socklen_t len = sizeof a;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
    thread_ = std::thread([this] { serve(); });
}

FakeAgwEngine::~FakeAgwEngine()
{
    stop_ = true;
    thread_.join();
    if (client_ >= 0)
        ::close(client_);
    ::close(listener_);
}

QByteArray FakeAgwEngine::frame(char kind, const QByteArray& from, const QByteArray& to, const QByteArray& data,
                                uint8_t pid, uint8_t port)
{
    QByteArray h(36, '\0');
    h[0] = char(port);
    h[4] = kind;
    h[6] = char(pid);
    for (int i = 0; i < from.size() && i < 10; ++i)
        h[8 + i] = from[i];
    for (int i = 0; i < to.size() && i < 10; ++i)
        h[18 + i] = to[i];
    const uint32_t n = uint32_t(data.size());
    for (int i = 0; i < 4; ++i)
        h[28 + i] = char((n >> (8 * i)) & 0xff);
    return h + data;
}

void FakeAgwEngine::serve()
{
    QByteArray pending;
    while (!stop_) {
        pollfd fds[2] = {{listener_, POLLIN, 0}, {client_, POLLIN, 0}};
        if (::poll(fds, client_ >= 0 ? 2 : 1, 20) <= 0)
            continue;
        if (fds[0].revents & POLLIN) {
            const int c = ::accept(listener_, nullptr, nullptr);
            const int old = client_.exchange(c);
            if (old >= 0)
                ::close(old);
            gone_ = false;
            pending.clear();
            continue;
        }
        char buf[4096];
        const ssize_t n = ::read(client_, buf, sizeof buf);
        if (n <= 0) {
            gone_ = true;
            ::close(client_.exchange(-1));
            continue;
        }
        std::lock_guard lock(mutex_);
        received_.append(buf, n);
        pending.append(buf, n);
        while (pending.size() >= 36) {
            const uint32_t length = readLe32(pending.constData() + 28);
            if (pending.size() < 36 + qsizetype(length))
                break;
            Frame f;
            f.port = uint8_t(pending[0]);
            f.kind = pending[4];
            f.pid = uint8_t(pending[6]);
            f.from = callField(pending.constData() + 8);
            f.to = callField(pending.constData() + 18);
            f.data = pending.mid(36, length);
            pending.remove(0, 36 + length);
            frames_.push_back(f);
            if (f.kind == 'X' && registration_ != Registration::Silent) {
                const QByteArray reply =
                    frame('X', f.from, {}, QByteArray(1, registration_ == Registration::Accept ? '\1' : '\0'));
                (void)!::write(client_, reply.constData(), size_t(reply.size()));
            }
        }
    }
}

std::vector<FakeAgwEngine::Frame> FakeAgwEngine::frames() const
{
    std::lock_guard lock(mutex_);
    return frames_;
}

QByteArray FakeAgwEngine::bytes() const
{
    std::lock_guard lock(mutex_);
    return received_;
}

bool FakeAgwEngine::waitForFrames(size_t n, int ms) const
{
    return waitFor([&] { return frames().size() >= n; }, ms);
}

bool FakeAgwEngine::waitForClient(int ms) const
{
    return waitFor([&] { return client_ >= 0; }, ms);
}

void FakeAgwEngine::send(const QByteArray& raw)
{
    const int c = client_;
    if (c >= 0)
        (void)!::write(c, raw.constData(), size_t(raw.size()));
}

void FakeAgwEngine::closeClient()
{
    // The serving thread sees the end and closes the socket itself.
    const int c = client_;
    if (c >= 0)
        ::shutdown(c, SHUT_RDWR);
}
