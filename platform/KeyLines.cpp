#include "platform/KeyLines.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "platform/PlatformLog.h"

namespace Platform {

namespace {

// A refusal of the modem-line calls by a device that has no such lines (pty, some adapters),
// as opposed to a port that has gone away.
bool refusedByDevice(int err) { return err == ENOTTY || err == EINVAL || err == ENOTSUP; }

class PosixSerialLines : public SerialLines {
public:
    PosixSerialLines(int fd, QString path) : fd_(fd), path_(std::move(path)) {}
    ~PosixSerialLines() override
    {
        setDtr(false);
        setRts(false);
        ::close(fd_);
    }
    bool setDtr(bool on) override { return setLine(TIOCM_DTR, on); }
    bool setRts(bool on) override { return setLine(TIOCM_RTS, on); }

private:
    bool setLine(int bit, bool on)
    {
        if (::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bit) == 0)
            return true;
        const int err = errno;
        if (refusedByDevice(err)) {
            if (!refusalLogged_)
                qCWarning(lcPlatform) << "serial port" << path_ << "refuses its modem lines:" << std::strerror(err);
            refusalLogged_ = true;
            return true;
        }
        qCWarning(lcPlatform) << "serial port" << path_ << "line change failed:" << std::strerror(err);
        return false;
    }

    int fd_;
    QString path_;
    bool refusalLogged_ = false;
};

class LinuxKeyLines : public KeyLineHardware {
public:
    ~LinuxKeyLines() override
    {
        for (int fd : parports_)
            ::close(fd);
    }

    std::unique_ptr<SerialLines> openSerial(const QString& path, QString* error) override
    {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            if (error)
                *error = QString::fromLocal8Bit(std::strerror(errno));
            return nullptr;
        }
        auto lines = std::make_unique<PosixSerialLines>(fd, path);
        lines->setDtr(false);
        lines->setRts(false);
        return lines;
    }

    bool writeParallel(int address, uint8_t value) override
    {
        const int base = address - 2;
        int fd = parports_.value(base, -1);
        if (fd < 0) {
            const QString device = parportDevice(base);
            if (device.isEmpty()) {
                qCWarning(lcPlatform) << "no parallel port at base address" << Qt::hex << base;
                return false;
            }
            fd = ::open(QFile::encodeName(device).constData(), O_RDWR | O_CLOEXEC);
            if (fd < 0) {
                qCWarning(lcPlatform) << "cannot open" << device << std::strerror(errno);
                return false;
            }
            if (::ioctl(fd, PPCLAIM) != 0) {
                qCWarning(lcPlatform) << "cannot claim" << device << std::strerror(errno);
                ::close(fd);
                return false;
            }
            parports_.insert(base, fd);
        }
        unsigned char v = value;
        if (::ioctl(fd, PPWCONTROL, &v) == 0)
            return true;
        qCWarning(lcPlatform) << "parallel port write failed:" << std::strerror(errno);
        ::close(fd);
        parports_.remove(base);
        return false;
    }

private:
    QHash<int, int> parports_;   // base address -> claimed ppdev descriptor
};

KeyLineHardware* current = nullptr;

}   // namespace

KeyLineHardware& keyLineHardware()
{
    static LinuxKeyLines machine;
    return current ? *current : machine;
}

void setKeyLineHardware(KeyLineHardware* h) { current = h; }

QString parportDevice(int baseAddress, const QString& procRoot)
{
    const QDir root(procRoot);
    const QStringList ports = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : ports) {
        if (!name.startsWith(QLatin1String("parport")))
            continue;
        QFile f(root.filePath(name + QStringLiteral("/base-addr")));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        // "888\t1912": the first number is the base address, in decimal.
        const QList<QByteArray> parts = f.readAll().simplified().split(' ');
        bool ok = false;
        const int base = parts.isEmpty() ? -1 : parts.first().toInt(&ok);
        if (ok && base == baseAddress)
            return QStringLiteral("/dev/") + name;
    }
    if (baseAddress == 0x378)
        return QStringLiteral("/dev/parport0");
    return {};
}

}   // namespace Platform
