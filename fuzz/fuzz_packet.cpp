// libFuzzer target over the packet engine's frame reader and what the DX-spotting window makes
// of a frame: the input, cut into arrivals of the sizes it chooses, is read as the engine's TCP
// stream; every frame is encoded again and read back, and handed to the window's frame handling.
//
// Besides the sanitizers' findings it stops on a broken promise: a frame whose data is longer
// than the bound, a call field longer than 9 characters, a frame that does not read back the same
// after encoding, a reader that hands out frames after it failed, or a terminal grown past its
// bound.
#include <QByteArray>
#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "platform/PacketEngine.h"
#include "spots/PacketEngineTraffic.h"
#include "spots/SpotReception.h"

namespace {

using Fuzz::broken;

bool same(const Platform::AgwWireFrame& a, const Platform::AgwWireFrame& b)
{
    return a.port == b.port && a.kind == b.kind && a.pid == b.pid && a.callFrom == b.callFrom &&
           a.callTo == b.callTo && a.data == b.data;
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    using namespace Platform;
    Fuzz::quietMessages();
    FuzzedDataProvider in(bytes, size);
    AgwWire::Reader reader;
    Spots::Reception reception;
    QString linkedCall;
    while (in.remaining_bytes() > 0) {
        const size_t n = in.ConsumeIntegralInRange<size_t>(1, 200);
        const std::string chunk = in.ConsumeBytesAsString(n);
        const bool failedBefore = reader.failed();
        const QVector<AgwWireFrame> frames = reader.feed(QByteArray(chunk.data(), qsizetype(chunk.size())));
        if (failedBefore && !frames.isEmpty())
            broken("a failed reader handed out frames");
        for (const AgwWireFrame& f : frames) {
            if (uint32_t(f.data.size()) > AgwWire::MaxDataLength)
                broken("a frame's data is longer than the bound");
            if (f.callFrom.size() > AgwWire::CallField - 1 || f.callTo.size() > AgwWire::CallField - 1)
                broken("a call field is longer than 9 characters");
            AgwWire::Reader again;
            const QVector<AgwWireFrame> back = again.feed(AgwWire::encode(f));
            if (back.size() != 1 || !same(back.front(), f))
                broken("a frame does not read back the same after encoding");
            Spots::takeEngineFrame(reception, linkedCall, QString::fromLatin1(f.callFrom),
                                   QString::fromLatin1(f.data), f.kind);
            if (reception.terminal.text.size() > Spots::Terminal::Limit)
                broken("the terminal grew past its bound");
        }
    }
    return 0;
}
