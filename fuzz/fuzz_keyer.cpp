// libFuzzer target over the keyer device's replies: the program's device layer, open on one end
// of a pty pair, talks to a device written from the host-mode protocol on the other end, which
// sends whatever the input says before its answers (stray echoes, speed-pot bytes, status bytes,
// floods of any length) and answers status requests with status bytes the input chooses, while
// the program sends characters, settings and status requests in the order the input gives.
//
// Besides the sanitizers' findings it stops on a broken promise: more input held than the layer's
// bound, a status other than idle, busy or full, a byte sent as text that the device reads as
// something else, or a device that cannot be opened again after it was closed.
#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <memory>

#include "fuzz/FuzzSupport.h"
#include "platform/KeyerDevice.h"
#include "tests/support/FakeKeyerDevice.h"

namespace {

using Fuzz::broken;
using Platform::KeyerDevice;

struct Line {
    Line()
    {
        Fuzz::quietMessages();
        static int argc = 1;
        static char name[] = "vqplog_fuzz_keyer";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QCoreApplication>(argc, argv);
        device = Platform::createKeyerDevice();
        open();
    }
    // Stray output still queued is dropped first: it would stand before the echo and be taken
    // for it. The open waits are bounded at a fraction of a second, so a loaded machine gets a
    // second try before the device counts as unable to open.
    void open()
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            fake.clearRecord();
            uint8_t version = 0;
            if (device->open(fake.slavePath(), version) == KeyerDevice::Ok)
                return;
        }
        broken("the device could not be opened");
    }
    std::unique_ptr<QCoreApplication> app;
    FakeKeyerDevice fake;
    std::unique_ptr<KeyerDevice> device;
};

Line& line()
{
    static Line l;
    return l;
}

void checkStatus(int32_t s)
{
    if (s != KeyerDevice::StatusIdle && s != KeyerDevice::StatusBusy && s != KeyerDevice::StatusFull)
        broken("a status other than idle, busy or full");
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    Line& l = line();
    l.fake.clearRecord();
    l.fake.statusByte = 0xC0;
    if (!l.device->isOpen())
        l.open();

    FuzzedDataProvider in(bytes, size);
    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange<int>(0, 5)) {
        case 0: {
            // Stray output before the next answer, repeated up to a flood past the input bound.
            const std::string noise = in.ConsumeRandomLengthString(512);
            const int times = in.ConsumeIntegralInRange<int>(1, 300);
            l.fake.sendBeforeNextReply(QByteArray(noise.data(), qsizetype(noise.size())).repeated(times));
            checkStatus(l.device->status());
            break;
        }
        case 1: l.fake.statusByte = 0xC0 | in.ConsumeIntegralInRange<int>(0, 0x3F); break;
        case 2: (void)l.device->sendChar(in.ConsumeIntegral<uint8_t>()); break;
        case 3: checkStatus(l.device->status()); break;
        case 4:
            switch (in.ConsumeIntegralInRange<int>(0, 5)) {
            case 0: l.device->setSpeed(in.ConsumeIntegral<uint8_t>()); break;
            case 1: l.device->setWeight(in.ConsumeIntegral<uint8_t>()); break;
            case 2: l.device->setRatio(in.ConsumeIntegral<uint8_t>()); break;
            case 3: l.device->setMode(in.ConsumeIntegral<uint8_t>()); break;
            case 4: l.device->clearBuffer(); break;
            default: l.device->backspace(); break;
            }
            break;
        default:
            l.device->close();
            l.open();
            break;
        }
        if (l.device->inputHeld() > KeyerDevice::InputLimit)
            broken("more input held than the bound");
    }
    // Everything the device was given as text is printable: control codes are its commands.
    checkStatus(l.device->status());
    for (char c : l.fake.text())
        if (uint8_t(c) < 0x20 || uint8_t(c) > 0x7E)
            broken("a byte outside the printable characters reached the device as text");
    for (const QString& c : l.fake.commands())
        if (c.startsWith(QLatin1String("unknown")) || c.startsWith(QLatin1String("admin ")))
            broken("a byte the program sent was read by the device as a command it never gives");
    return 0;
}
