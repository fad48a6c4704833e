#include "tests/support/FakeKeyerDevice.h"

#include <QElapsedTimer>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {
// Argument bytes after each command byte (admin commands: the sub-command, then its own).
int argumentsOf(uint8_t cmd)
{
    switch (cmd) {
    case 0x00: return 1;
    case 0x02:
    case 0x03:
    case 0x09:
    case 0x0E:
    case 0x17: return 1;
    case 0x04: return 2;
    default: return 0;
    }
}
}   // namespace

FakeKeyerDevice::FakeKeyerDevice()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    grantpt(master_);
    unlockpt(master_);
    slavePath_ = QString::fromLocal8Bit(ptsname(master_));
    termios t;
    tcgetattr(master_, &t);
    cfmakeraw(&t);
    tcsetattr(master_, TCSANOW, &t);
    // Never blocks on a full line: a flood waits for room, and the device is always stoppable.
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    thread_ = std::thread([this] { run(); });
}

FakeKeyerDevice::~FakeKeyerDevice()
{
    stop_ = true;
    thread_.join();
    ::close(master_);
}

void FakeKeyerDevice::run()
{
    while (!stop_) {
        const bool flooding = flood;
        {
            std::lock_guard<std::mutex> lock(m_);
            advanceSending();
        }
        pollfd p{master_, short(flooding ? POLLIN | POLLOUT : POLLIN), 0};
        const int r = ::poll(&p, 1, flooding || msPerChar > 0 ? 1 : 20);
        if (flooding && r > 0 && (p.revents & POLLOUT))
            sendFlood();
        if (r <= 0 || !(p.revents & POLLIN)) {
            if (r > 0 && (p.revents & (POLLHUP | POLLERR)))
                std::this_thread::sleep_for(std::chrono::milliseconds(5));   // no one on the slave side
            continue;
        }
        uint8_t buf[256];
        const ssize_t n = ::read(master_, buf, sizeof buf);
        if (n <= 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        for (ssize_t i = 0; i < n; ++i)
            take(buf[i]);
    }
}

void FakeKeyerDevice::reply(uint8_t b)
{
    if (silent)
        return;
    QByteArray out = beforeReply_;
    beforeReply_.clear();
    out += char(b);
    // In order after whatever the line still holds (a flood): waits for room.
    for (qsizetype at = 0; at < out.size() && !stop_;) {
        const ssize_t n = ::write(master_, out.constData() + at, size_t(out.size() - at));
        if (n > 0) {
            at += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void FakeKeyerDevice::sendBeforeNextReply(const QByteArray& bytes)
{
    std::lock_guard<std::mutex> lock(m_);
    beforeReply_ += bytes;
}

void FakeKeyerDevice::sendFlood()
{
    static const QByteArray chunk(4096, char(0x80));
    const ssize_t n = ::write(master_, chunk.constData(), size_t(chunk.size()));
    if (n > 0)
        floodSent_ += n;
}

qint64 FakeKeyerDevice::elapsedMs() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_).count();
}

void FakeKeyerDevice::advanceSending()
{
    const int per = msPerChar;
    if (per <= 0 || held_ == 0)
        return;
    const qint64 now = elapsedMs();
    while (held_ > 0 && now >= sentAtMs_) {
        --held_;
        if (held_ > 0)
            sentAtMs_ += per;
    }
    if (held_ == 0) {
        idleTimes_ << now;
        reply(0xC0);   // unasked: no longer busy
    }
}

void FakeKeyerDevice::take(uint8_t b)
{
    std::lock_guard<std::mutex> lock(m_);
    if (pending_.isEmpty()) {
        if (b >= 0x20) {
            text_ += char(b);
            textTimes_ << elapsedMs();
            charSinceStatus_ = true;
            if (msPerChar > 0 && held_++ == 0) {
                sentAtMs_ = elapsedMs() + msPerChar;
                reply(0xC4);   // unasked: busy
            }
            return;
        }
        pending_ += char(b);
    } else {
        pending_ += char(b);
    }
    const uint8_t cmd = uint8_t(pending_.at(0));
    int need = 1 + argumentsOf(cmd);
    if (cmd == 0x00 && pending_.size() >= 2 && uint8_t(pending_.at(1)) == 0x04)
        need = 3;   // echo test carries one byte more
    if (pending_.size() < need)
        return;
    const QByteArray c = pending_;
    pending_.clear();
    auto arg = [&](int i) { return QString::number(uint8_t(c.at(i))); };
    switch (cmd) {
    case 0x00:
        switch (uint8_t(c.at(1))) {
        case 0x02:
            commands_ << QStringLiteral("open");
            reply(uint8_t(version.load()));
            break;
        case 0x03: commands_ << QStringLiteral("close"); break;
        case 0x04:
            commands_ << QStringLiteral("echo ") + arg(2);
            reply(uint8_t(c.at(2)));
            break;
        default: commands_ << QStringLiteral("admin ") + arg(1); break;
        }
        break;
    case 0x02: commands_ << QStringLiteral("wpm ") + arg(1); break;
    case 0x03: commands_ << QStringLiteral("weight ") + arg(1); break;
    case 0x04: commands_ << QStringLiteral("leadtail ") + arg(1) + QLatin1Char(' ') + arg(2); break;
    case 0x08: commands_ << QStringLiteral("backspace"); break;
    case 0x09: commands_ << QStringLiteral("pincfg ") + arg(1); break;
    case 0x0A:
        commands_ << QStringLiteral("clear");
        if (held_ > 0) {
            held_ = 0;
            idleTimes_ << elapsedMs();
            reply(0xC0);
        }
        break;
    case 0x0E: commands_ << QStringLiteral("mode ") + arg(1); break;
    case 0x15:
        commands_ << QStringLiteral("status");
        reply(fullAfterEachChar && charSinceStatus_ ? uint8_t(0xC5)
              : held_ > 0                           ? uint8_t(0xC4)
                                                    : uint8_t(statusByte.load()));
        charSinceStatus_ = false;
        break;
    case 0x17: commands_ << QStringLiteral("ratio ") + arg(1); break;
    default: commands_ << QStringLiteral("unknown ") + QString::number(cmd, 16); break;
    }
}

QStringList FakeKeyerDevice::commands() const
{
    std::lock_guard<std::mutex> lock(m_);
    return commands_;
}

QStringList FakeKeyerDevice::settingCommands() const
{
    QStringList out = commands();
    out.removeAll(QStringLiteral("status"));
    return out;
}

QByteArray FakeKeyerDevice::text() const
{
    std::lock_guard<std::mutex> lock(m_);
    return text_;
}

bool FakeKeyerDevice::waitForText(int n, int ms) const
{
    QElapsedTimer t;
    t.start();
    while (text().size() < n) {
        if (t.elapsed() > ms)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

bool FakeKeyerDevice::waitForCommand(const QString& c, int ms) const
{
    QElapsedTimer t;
    t.start();
    while (!commands().contains(c)) {
        if (t.elapsed() > ms)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

QVector<qint64> FakeKeyerDevice::textTimes() const
{
    std::lock_guard<std::mutex> lock(m_);
    return textTimes_;
}

QVector<qint64> FakeKeyerDevice::idleTimes() const
{
    std::lock_guard<std::mutex> lock(m_);
    return idleTimes_;
}

void FakeKeyerDevice::clearRecord()
{
    std::lock_guard<std::mutex> lock(m_);
    commands_.clear();
    text_.clear();
    textTimes_.clear();
    idleTimes_.clear();
    charSinceStatus_ = false;
    beforeReply_.clear();
}
