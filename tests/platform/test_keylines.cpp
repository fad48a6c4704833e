// The key lines on this machine's devices: a pty as the serial port (it refuses the modem-line
// calls, which must not count as a failure), a port that is missing, and the parallel port found
// by its base address under a pretend /proc.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include "platform/KeyLines.h"

TEST(KeyLines, PtyOpensAndItsRefusedLinesAreNoFailure)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    grantpt(master);
    unlockpt(master);
    const QString slave = QString::fromLocal8Bit(ptsname(master));

    QString error;
    auto port = Platform::keyLineHardware().openSerial(slave, &error);
    ASSERT_NE(port, nullptr) << error.toStdString();
    Platform::SerialKeyLine rts(*port, Platform::SerialLine::Rts);
    Platform::SerialKeyLine dtr(*port, Platform::SerialLine::Dtr);
    EXPECT_TRUE(rts.setKeyed(true));
    EXPECT_TRUE(rts.setKeyed(false));
    EXPECT_TRUE(dtr.setKeyed(true));
    EXPECT_TRUE(dtr.setKeyed(false));
    port.reset();
    ::close(master);

    EXPECT_EQ(Platform::keyLineHardware().openSerial(QStringLiteral("/dev/vqplog-no-such-port"), &error), nullptr);
    EXPECT_FALSE(error.isEmpty());
}

TEST(KeyLines, ParallelPortIsFoundByItsBaseAddress)
{
    QTemporaryDir proc;
    auto port = [&](const char* name, const QByteArray& baseAddr) {
        ASSERT_TRUE(QDir(proc.path()).mkpath(QString::fromLatin1(name)));
        QFile f(proc.filePath(QString::fromLatin1(name) + QStringLiteral("/base-addr")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(baseAddr);
    };
    port("parport0", "632\t1656\n");
    port("parport1", "888\t1912\n");
    struct Row {
        int base;
        const char* device;
    };
    const Row rows[] = {
        {888, "/dev/parport1"},   // 0x378 where /proc says it is
        {632, "/dev/parport0"},
        {0x3BC, ""},   // no such port
    };
    for (const Row& r : rows)
        EXPECT_EQ(Platform::parportDevice(r.base, proc.path()), QString::fromLatin1(r.device)) << r.base;
    // With nothing listed, the usual first port's address still means the first port.
    EXPECT_EQ(Platform::parportDevice(0x378, proc.filePath(QStringLiteral("none"))), QStringLiteral("/dev/parport0"));
    EXPECT_EQ(Platform::parportDevice(0x278, proc.filePath(QStringLiteral("none"))), QString());
}
