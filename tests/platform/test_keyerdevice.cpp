// The keyer device layer against a device that floods the line: what the program holds of the
// device's input stays within the bound while the event loop reads the port, the oldest is dropped
// with one warning, and the device's status reads again once the flood ends. And against a device
// that goes away under the open port.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "platform/KeyerDevice.h"
#include "tests/support/CpuTime.h"
#include "tests/support/FakeKeyerDevice.h"
#include "tests/support/LogCapture.h"

using Platform::KeyerDevice;

TEST(KeyerDevice, AFloodingDeviceIsHeldToTheBoundAndItsStatusReadsAgainAfterwards)
{
    FakeKeyerDevice fake;
    auto device = Platform::createKeyerDevice();
    uint8_t version = 0;
    ASSERT_EQ(device->open(fake.slavePath(), version), KeyerDevice::Ok);
    LogCapture log;

    // The operator does nothing meanwhile: only the event loop reads the port, until the hold
    // reaches the bound and for a while after.
    fake.flood = true;
    qint64 mostHeld = 0;
    auto pump = [&] {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        mostHeld = std::max(mostHeld, device->inputHeld());
    };
    QElapsedTimer t;
    t.start();
    while (mostHeld < KeyerDevice::InputLimit && t.elapsed() < 2000)
        pump();
    for (int i = 0; i < 20; ++i)
        pump();
    EXPECT_GT(mostHeld, 0);
    EXPECT_LE(mostHeld, KeyerDevice::InputLimit);

    // A sender polls the status through the flood: every read ends, the hold stays bounded, and
    // the device is not held back either: its oldest bytes are dropped, so new ones come in.
    const qint64 sentBefore = fake.floodSent();
    for (int i = 0; i < 20; ++i) {
        device->status();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_LE(device->inputHeld(), KeyerDevice::InputLimit);
    }
    EXPECT_GT(fake.floodSent() - sentBefore, 2 * KeyerDevice::InputLimit);
    EXPECT_TRUE(device->isOpen());

    // One flood, one warning.
    const QStringList drops = log.warnings("vqplog.platform").filter(QStringLiteral("dropped"));
    EXPECT_EQ(drops.size(), 1) << drops.join(QLatin1Char('\n')).toStdString();

    // Once the flood ends, the device's answer comes through behind what the line still held.
    fake.flood = false;
    fake.statusByte = 0xC5;
    int32_t status = KeyerDevice::StatusIdle;
    for (int attempt = 0; attempt < 50 && status != KeyerDevice::StatusFull; ++attempt)
        status = device->status();
    EXPECT_EQ(status, KeyerDevice::StatusFull);
    EXPECT_LT(device->inputHeld(), KeyerDevice::InputLimit);
    device->close();
    EXPECT_EQ(device->inputHeld(), 0);
}

namespace {

struct KeyerUnplugCase {
    const char* name;
    // What the program does with the device after it went away (every 50 ms, for 1.5 s).
    std::function<void(KeyerDevice&)> use;
};

void PrintTo(const KeyerUnplugCase& c, std::ostream* os) { *os << c.name; }

class KeyerUnplug : public ::testing::TestWithParam<KeyerUnplugCase> {};

}   // namespace

// The device's side of the line goes away under the open port (the adapter pulled out): the port
// closes itself whether the program writes to it or only its event loop reads it, the program goes
// idle, and the device plugged in again opens.
TEST_P(KeyerUnplug, PortClosesAndTheProgramGoesIdle)
{
    auto fake = std::make_unique<FakeKeyerDevice>();
    auto device = Platform::createKeyerDevice();
    uint8_t version = 0;
    ASSERT_EQ(device->open(fake->slavePath(), version), KeyerDevice::Ok);
    fake->statusByte = 0xC4;
    EXPECT_EQ(device->status(), KeyerDevice::StatusBusy);
    LogCapture log;

    fake.reset();
    const double before = processCpuSeconds();
    QTimer use;
    QObject::connect(&use, &QTimer::timeout, [&] { GetParam().use(*device); });
    use.start(50);
    QTest::qWait(1500);
    use.stop();
    const double used = processCpuSeconds() - before;

    EXPECT_LT(used, 0.2) << "the event loop spun on the failed device";
    EXPECT_FALSE(device->isOpen());
    EXPECT_EQ(device->status(), KeyerDevice::StatusIdle);
    EXPECT_EQ(device->inputHeld(), 0);
    EXPECT_FALSE(device->sendChar('E'));
    EXPECT_FALSE(log.warnings("vqplog.platform").filter(QStringLiteral("port closed")).isEmpty());

    fake = std::make_unique<FakeKeyerDevice>();
    version = 0;
    ASSERT_EQ(device->open(fake->slavePath(), version), KeyerDevice::Ok);
    EXPECT_EQ(version, 23);
    EXPECT_TRUE(device->sendChar('E'));
    EXPECT_TRUE(fake->waitForText(1));
}

INSTANTIATE_TEST_SUITE_P(
    Owners, KeyerUnplug,
    ::testing::Values(KeyerUnplugCase{"left_alone", [](KeyerDevice&) {}},
                      KeyerUnplugCase{"status_polled", [](KeyerDevice& d) { (void)d.status(); }},
                      KeyerUnplugCase{"characters_sent", [](KeyerDevice& d) { (void)d.sendChar('E'); }}),
    [](const ::testing::TestParamInfo<KeyerUnplugCase>& i) { return std::string(i.param.name); });
