// The serial line against a pty whose device side goes away while the line is open, as a USB
// adapter pulled out: the line closes itself, tells its owner once, and the program goes idle.
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

#include "platform/SerialPort.h"
#include "tests/support/CpuTime.h"
#include "tests/support/PtyPair.h"

namespace {

// An open line on a pty, counting the losses it reports.
class SerialLineTest : public ::testing::Test {
protected:
    PtyPair pty;
    Platform::SerialPort port;
    int lost = 0;

    void SetUp() override
    {
        ASSERT_TRUE(pty.ok());
        port.setLostHandler([this] { ++lost; });
        ASSERT_TRUE(port.open(pty.slavePath(), QStringLiteral("4800,N,8,2"), Platform::Handshake::None));
    }
};

struct UnplugCase {
    const char* name;
    // What the owner does with the line after the device went away (every 50 ms, for 1 s).
    std::function<void(Platform::SerialPort&)> use;
};

void PrintTo(const UnplugCase& c, std::ostream* os) { *os << c.name; }

class SerialUnplug : public SerialLineTest, public ::testing::WithParamInterface<UnplugCase> {};

TEST_P(SerialUnplug, LineClosesItselfAndTheProgramGoesIdle)
{
    ASSERT_TRUE(port.write("FA;"));
    QTest::qWait(20);
    EXPECT_EQ(pty.readAvailable(), QByteArray("FA;"));
    pty.write("FA00014025000;");
    EXPECT_TRUE(QTest::qWaitFor([&] { return port.bytesWaiting() == 14; }, 1000));
    EXPECT_EQ(port.read(100), QByteArray("FA00014025000;"));

    pty.closeMaster();
    const double before = processCpuSeconds();
    QTimer use;
    QObject::connect(&use, &QTimer::timeout, [&] { GetParam().use(port); });
    use.start(50);
    QTest::qWait(1000);
    use.stop();
    const double used = processCpuSeconds() - before;

    EXPECT_LT(used, 0.2) << "the event loop spun on the failed device";
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(lost, 1);
    EXPECT_FALSE(port.errorText().isEmpty());
    EXPECT_FALSE(port.write("FA;"));
    EXPECT_EQ(port.bytesWaiting(), -1);
    EXPECT_TRUE(port.read(100).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Owners, SerialUnplug,
    ::testing::Values(UnplugCase{"left_alone", [](Platform::SerialPort&) {}},
                      UnplugCase{"polled_for_bytes", [](Platform::SerialPort& p) { (void)p.bytesWaiting(); }},
                      UnplugCase{"read", [](Platform::SerialPort& p) { (void)p.read(100); }},
                      UnplugCase{"written", [](Platform::SerialPort& p) { (void)p.write("FA;MD;"); }}),
    [](const ::testing::TestParamInfo<UnplugCase>& i) { return std::string(i.param.name); });

// A line whose device is there but says nothing, and whose modem lines the device refuses (a pty
// has none), is not lost: its empty reads and refused lines are no failure.
TEST_F(SerialLineTest, IdleDeviceIsNotLost)
{
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(port.bytesWaiting(), 0);
        EXPECT_TRUE(port.read(100).isEmpty());
        port.setDtr(i % 2 == 0);
        port.setRts(i % 2 == 0);
        QTest::qWait(5);
    }
    QTest::qWait(50);
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(lost, 0);
    ASSERT_TRUE(port.write("IF;"));
    QTest::qWait(20);
    EXPECT_EQ(pty.readAvailable(), QByteArray("IF;"));
}

}   // namespace
