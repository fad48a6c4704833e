#pragma once
// A pty pair standing in for a serial device: the program opens the slave's path as its port, the
// test plays the device on the master side.
#include <QByteArray>
#include <QString>

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

// The master stays here, the slave's path is the device the program opens. A second descriptor on
// the slave is held open so the master never sees a hang-up while the program has its port closed
// (between End Test and Test). closeMaster() is the device going away under the program (a USB
// adapter pulled out): the slave's reads and writes fail from then on.
class PtyPair {
public:
    PtyPair()
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
            return;
        slavePath_ = QString::fromLatin1(ptsname(master_));
        hold_ = ::open(slavePath_.toLatin1().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    }
    ~PtyPair()
    {
        if (hold_ >= 0)
            ::close(hold_);
        if (master_ >= 0)
            ::close(master_);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return master_ >= 0 && hold_ >= 0; }
    int master() const { return master_; }
    void closeMaster()
    {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }
    const QString& slavePath() const { return slavePath_; }
    // A descriptor on the slave side: the line settings the program gave its port read through it.
    int slave() const { return hold_; }

    void write(const QByteArray& b)
    {
        if (master_ < 0)
            return;
        qsizetype done = 0;
        for (int tries = 0; done < b.size() && tries < 1000; ++tries) {
            const ssize_t n = ::write(master_, b.constData() + done, size_t(b.size() - done));
            if (n > 0)
                done += n;
            else
                usleep(1000);
        }
    }
    QByteArray readAvailable()
    {
        QByteArray out;
        char buf[4096];
        for (;;) {
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n <= 0)
                break;
            out.append(buf, n);
        }
        return out;
    }

private:
    int master_ = -1;
    int hold_ = -1;
    QString slavePath_;
};
