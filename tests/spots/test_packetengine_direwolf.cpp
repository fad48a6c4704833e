// The packet-engine source against a real engine: Debian's direwolf in a private network namespace
// (so its TCP port 8000 is nobody else's), fed no sound card: it hears the channel on its standard
// input and transmits into ALSA's null device. A DX spot made into a UI frame's audio by direwolf's
// packet generator is piped into it; the window, registered with monitoring on, takes the
// monitored frame and the spot reaches the band map. A connect request then goes to a station that
// never answers, and the engine's report of the failed attempt comes back to the terminal.
//
// The test runs itself again inside `unshare -rn` (a new user and network namespace) and passes or
// fails with that run. Every process it starts dies with it: direwolf is killed by the kernel when
// the test process ends (parent-death signal) and stopped explicitly at the end of the test.
#include "SpotWindowFixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpSocket>

#include <csignal>
#include <cstring>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/socket.h>

#include "platform/VbControls.h"

namespace {

constexpr const char* InsideVariable = "VQPLOG_TEST_IN_NETNS";

const QString SpotText = QStringLiteral("DX de K1ABC:     14025.0  DL1ABC       CW 599                     1423Z");

// Brings the namespace's loopback interface up (a new network namespace starts with it down).
bool loopbackUp()
{
    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (s < 0)
        return false;
    ifreq ifr{};
    std::strncpy(ifr.ifr_name, "lo", IFNAMSIZ - 1);
    bool ok = ::ioctl(s, SIOCGIFFLAGS, &ifr) == 0;
    ifr.ifr_flags |= IFF_UP;
    ok = ok && ::ioctl(s, SIOCSIFFLAGS, &ifr) == 0;
    ::close(s);
    return ok;
}

// A process that the kernel kills when the test process ends, whatever way it ends.
void dieWithParent(QProcess& p)
{
    p.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

class DirewolfTest : public SpotWindowTest {
protected:
    void TearDown() override
    {
        PacketSpotfrm::unload();
        stopEngine();
        SpotWindowTest::TearDown();
    }
    void stopEngine()
    {
        if (direwolf.state() == QProcess::NotRunning)
            return;
        direwolf.closeWriteChannel();   // end of its audio input ends it
        if (!direwolf.waitForFinished(5000)) {
            direwolf.kill();
            direwolf.waitForFinished(5000);
        }
    }
    // Waits until the engine takes TCP connections on 127.0.0.1:8000.
    static bool engineListening(int ms)
    {
        QDeadlineTimer deadline(ms);
        while (!deadline.hasExpired()) {
            QTcpSocket probe;
            probe.connectToHost(QStringLiteral("127.0.0.1"), 8000);
            if (probe.waitForConnected(200)) {
                probe.disconnectFromHost();
                return true;
            }
            QTest::qWait(100);
        }
        return false;
    }
    template<class Done>
    static bool tickUntil(PacketSpotfrm& w, Done done, int ms)
    {
        QDeadlineTimer deadline(ms);
        while (!done() && !deadline.hasExpired()) {
            QTest::qWait(20);
            w.Timer1_Timer();
        }
        return done();
    }

    QProcess direwolf;
};

TEST_F(DirewolfTest, SpotHeardByTheRealEngineReachesTheBandMap)
{
    if (!qEnvironmentVariableIsSet(InsideVariable)) {
        for (const char* tool : {"direwolf", "gen_packets", "unshare"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed (Debian packages direwolf, util-linux)";
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        QProcess inner;
        dieWithParent(inner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QLatin1String(InsideVariable), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        inner.setProcessEnvironment(env);
        inner.setProcessChannelMode(QProcess::MergedChannels);
        inner.start(QStringLiteral("unshare"),
                    {QStringLiteral("-rn"), QCoreApplication::applicationFilePath(),
                     QStringLiteral("--gtest_filter=%1.%2").arg(info->test_suite_name(), info->name())});
        const bool finished = inner.waitForFinished(120000);
        if (!finished) {
            inner.kill();
            inner.waitForFinished(5000);
        }
        const QString output = QString::fromLocal8Bit(inner.readAll());
        if (output.startsWith(QLatin1String("unshare:")))
            GTEST_SKIP() << "no private network namespace here: " << output.toStdString();
        ASSERT_TRUE(finished) << "the run inside the namespace did not end in 120 s\n" << output.toStdString();
        EXPECT_EQ(inner.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains(QLatin1String("[  PASSED  ] 1 test"))) << output.toStdString();
        return;
    }

    // Inside the namespace.
    ASSERT_TRUE(loopbackUp());
    const QString work = dir.path();
    {
        QFile conf(work + QStringLiteral("/direwolf.conf"));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        // Audio from standard input, transmissions into the null device; one try per connect.
        conf.write("ADEVICE stdin null\nARATE 44100\nCHANNEL 0\nMYCALL N0ENG\nMODEM 1200\n"
                   "AGWPORT 8000\nKISSPORT 0\nFRACK 1\nRETRY 1\n");
        QFile packet(work + QStringLiteral("/spot.txt"));
        ASSERT_TRUE(packet.open(QIODevice::WriteOnly));
        packet.write("K1ABC>DX:" + SpotText.toLatin1() + "<0x0d>");   // the info ends with a CR
    }
    QProcess gen;
    gen.setWorkingDirectory(work);
    gen.start(QStringLiteral("gen_packets"),
              {QStringLiteral("-o"), QStringLiteral("spot.wav"), QStringLiteral("spot.txt")});
    ASSERT_TRUE(gen.waitForFinished(30000));
    QFile wav(work + QStringLiteral("/spot.wav"));
    ASSERT_TRUE(wav.open(QIODevice::ReadOnly));
    const QByteArray audio = wav.readAll().mid(44);   // the samples behind the header
    ASSERT_GT(audio.size(), 10000);

    dieWithParent(direwolf);
    direwolf.setWorkingDirectory(work);
    direwolf.setProcessChannelMode(QProcess::MergedChannels);
    direwolf.start(QStringLiteral("direwolf"),
                   {QStringLiteral("-c"), QStringLiteral("direwolf.conf"), QStringLiteral("-t"), QStringLiteral("0")});
    ASSERT_TRUE(direwolf.waitForStarted(10000));
    ASSERT_TRUE(engineListening(15000)) << direwolf.readAll().toStdString();

    // The window on its default address, 127.0.0.1:8000.
    qunsetenv("VQPLOG_AGW_PORT");
    G.OwnCall = QStringLiteral("K9AB");
    writeSettings("\"\",\"\",\"\",\"\",0,\"\",\"AGW Packet Engine\",0,0,0,#FALSE#,\"\",\"\",\"\"\r\n");
    PacketSpotfrm& w = PacketSpotfrm::instance();   // opens the saved source
    ASSERT_TRUE(w.listening()) << terminal().toStdString();
    ASSERT_TRUE(terminal().contains(QStringLiteral("** Successfully connected to AGW Packet Engine **")));
    QTest::qWait(300);   // the engine takes the monitoring request before it hears the spot

    direwolf.write(audio);
    const bool heard = tickUntil(
        w, [&] { return !main.rows.isEmpty(); }, 20000);
    ASSERT_TRUE(heard) << "terminal:\n"
                       << terminal().toStdString() << "\ndirewolf:\n"
                       << direwolf.readAll().toStdString();
    EXPECT_EQ(main.rows[0].call, QStringLiteral("DL1ABC"));
    EXPECT_EQ(main.rows[0].qth, QStringLiteral("Germany"));
    EXPECT_EQ(drawnOn(QStringLiteral("20")), (QStringList{"DL1ABC"}));
    EXPECT_TRUE(terminal().contains(SpotText + QStringLiteral("\r\n"))) << terminal().toStdString();

    // A connect request to a station that never answers: the engine tries once and says so.
    w.txtSent->setText(QStringLiteral(":C W9XYZ"));
    int enter = 13;
    w.txtSent_KeyPress(enter);
    EXPECT_TRUE(tickUntil(
        w, [&] { return terminal().contains(QStringLiteral("W9XYZ *** DISCONNECTED")); }, 20000))
        << terminal().toStdString();
    EXPECT_TRUE(w.AGWLinkedCall.isEmpty());

    w.Command2_Click();
    EXPECT_FALSE(w.listening());
    stopEngine();
    EXPECT_EQ(direwolf.state(), QProcess::NotRunning);
}

}   // namespace
