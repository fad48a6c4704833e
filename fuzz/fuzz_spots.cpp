// libFuzzer target over the spot intake: the bytes a telnet cluster or a TNC sends, cut into
// arrivals of the sizes the input chooses, go through the line cutter, the telnet line handling,
// the TNC buffer and the spot store, as the DX-spotting window and the main window pass them on.
//
// Besides the sanitizers' findings it stops on a broken promise: an unfinished line held past the
// cutter's bound, a line handed out without its line end or holding a NUL or BEL byte,
// a terminal or TNC buffer grown past its bound, a spot stored with a negative frequency or one
// that is not a number, or a store whose newest slot is not the last spot taken in.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>

#include "core/Globals.h"
#include "fuzz/FuzzSupport.h"
#include "spots/SpotLine.h"
#include "spots/SpotReception.h"
#include "spots/SpotStore.h"

namespace {

using Fuzz::broken;

constexpr int CutterLimit = 512;

struct Intake {
    Spots::SpotStoreT store;
    Spots::Reception reception;
    QString lastCall;
    bool took = false;

    Intake()
    {
        reception.post = [this](const QString& call, const QString& freqKHz, const QString& record) {
            QVariant c(call), f(freqKHz), r(record);
            if (!Spots::intake(store, c, f, r, QDateTime(QDate(2026, 1, 1), QTime(12, 0))))
                return;
            const Spots::Spot& newest = store.slot[Spots::SpotStoreT::Slots - 1];
            // 0 is the store's mark of an empty slot: a spot on "0.0" is stored as one.
            if (!std::isfinite(newest.frequency) || newest.frequency < 0)
                broken("a spot was stored with a negative frequency or one that is not a number");
            if (newest.call != call)
                broken("the newest slot is not the spot just taken in");
        };
    }
};

void checkLine(const QString& line)
{
    if (!line.endsWith(QLatin1String("\r\n")))
        broken("a line was handed out without its line end");
    // A 255 may stand in a line (the escaped data byte IAC IAC); NUL and BEL never do.
    for (QChar c : line)
        if (c.unicode() == 0 || c.unicode() == 7)
            broken("a NUL or BEL byte reached a line");
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    static const bool once = [] {
        resetGlobals();
        Fuzz::quietMessages();
        return true;
    }();
    (void)once;

    FuzzedDataProvider in(bytes, size);
    Intake telnet;
    Intake tnc;
    Spots::LineCutter cutter(CutterLimit);
    while (in.remaining_bytes() > 0) {
        const size_t n = in.ConsumeIntegralInRange<size_t>(1, 300);
        const std::string chunk = in.ConsumeBytesAsString(n);
        const QByteArray arrival(chunk.data(), qsizetype(chunk.size()));

        for (const QString& line : cutter.feed(arrival)) {
            checkLine(line);
            telnet.reception.telnetLine(line);
        }
        // Now and then the peer falls idle and what it left unfinished is shown as a prompt.
        if (in.ConsumeBool() && cutter.hasPartial()) {
            const QString partial = cutter.takePartial();
            if (partial.size() > CutterLimit)
                broken("the cutter held more than its bound of an unfinished line");
            telnet.reception.telnetPartial(partial);
        }

        tnc.reception.ReadTNCPort(arrival);
        if (tnc.reception.TNCReceiveBuffer.size() > Spots::Reception::TncBufferLimit)
            broken("the TNC buffer grew past its bound");
        for (const Intake* i : {&telnet, &tnc})
            if (i->reception.terminal.text.size() > Spots::Terminal::Limit)
                broken("the terminal grew past its bound");
    }
    if (cutter.takePartial().size() > CutterLimit)
        broken("the cutter held more than its bound of an unfinished line");
    return 0;
}
