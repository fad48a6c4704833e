// libFuzzer target over the rig reply decoders and the radio's status file: every model's decoder
// is given the input as a reply (in both halves of the query toggle), and the Pegasus decoder as
// the status file.
//
// Besides the sanitizers' findings it stops on a broken promise: a frequency that is negative or
// not a finite number, a mode other than the four the decoders name, or a VFO outside 0..9. The
// model's set-frequency command is made for every frequency decoded, as a click on it would.
#include <QByteArray>
#include <QString>

#include <cmath>
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "rig/RigProtocol.h"

namespace {

[[noreturn]] void broken(const char* what, const QString& model)
{
    std::fprintf(stderr, "%s: ", qPrintable(model));
    Fuzz::broken(what);
}

void check(const Rig::Reading& r, const QString& model)
{
    // 0 is what a radio reports while it has no frequency to give; the poll never passes it on.
    if (r.freq && (!std::isfinite(*r.freq) || *r.freq < 0))
        broken("a decoded frequency is negative or not a finite number", model);
    if (r.mode && *r.mode != QLatin1String("CW") && *r.mode != QLatin1String("PH") &&
        *r.mode != QLatin1String("AM") && *r.mode != QLatin1String("FM"))
        broken("a decoded mode is not one of CW, PH, AM, FM", model);
    if (r.vfo && (*r.vfo < 0 || *r.vfo > 9))
        broken("a decoded VFO is outside 0..9", model);
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    Fuzz::quietMessages();
    const QByteArray reply(reinterpret_cast<const char*>(bytes), qsizetype(size));
    for (const Rig::Model& m : Rig::models()) {
        for (int toggle : {0, 1}) {
            const Rig::Reading r = Rig::decodeReply(m.name, reply, toggle, m.freqQuery, m.modeQuery);
            check(r, m.name);
            // A frequency the radio reported is one the program may send back to it.
            if (r.freq)
                (void)Rig::frequencyCommand(m.name, *r.freq, m.freqQuery, 0);
        }
    }
    check(Rig::Pegasus::parseStatus(reply), QStringLiteral("Pegasus"));
    return 0;
}
