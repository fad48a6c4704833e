// The keyer device layer against a device that floods the line: what the program holds of the
// device's input stays within the bound while the event loop reads the port, the oldest is dropped
// with one warning, and the device's status reads again once the flood ends.
#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/KeyerDevice.h"
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
