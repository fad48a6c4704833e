#include "rig/RigPoll.h"

#include "platform/SerialPort.h"
#include "rig/RigLog.h"
#include "rig/RigProtocol.h"

namespace Rig {

namespace {

// The bytes of the send step, in the writes they go out as; no value when a hexadecimal query
// does not convert (the step then fails and is tried again on the next tick).
std::optional<QVector<QByteArray>> queries(const PollSettings& s, uint8_t& toggle)
{
    QVector<QByteArray> out;
    const QByteArray fq = s.freqQuery.toLatin1(), mq = s.modeQuery.toLatin1();
    auto inTurn = [&](int minLength, int count) -> bool {
        const bool freqTurn = toggle == 0;
        const QString& q = freqTurn ? s.freqQuery : s.modeQuery;
        if (q.size() > minLength) {
            const auto bytes = spacedQueryBytes(q, count);
            if (!bytes)
                return false;
            out.append(*bytes);
        }
        toggle = freqTurn ? 1 : 0;
        return true;
    };
    switch (familyOf(s.rigType)) {
    case Family::Kenwood:
    case Family::KenwoodIF:
        if (!fq.isEmpty())
            out.append(fq);
        if (!mq.isEmpty())
            out.append(mq);
        break;
    case Family::Icom:
        if (!inTurn(16, 6))
            return std::nullopt;
        break;
    case Family::Yaesu:
    case Family::Yaesu757:
    case Family::Yaesu890:
    case Family::Yaesu920:
    case Family::Yaesu990:
    case Family::Yaesu1000:
        if (s.freqQuery.size() > 13) {
            const auto bytes = spacedQueryBytes(s.freqQuery, 5);
            if (!bytes)
                return std::nullopt;
            out.append(*bytes);
        }
        break;
    case Family::FTdx9000: {
        const bool freqTurn = toggle == 0;
        const QByteArray& q = freqTurn ? fq : mq;
        if (q.size() > 1)
            out.append(q);
        toggle = freqTurn ? 1 : 0;
        break;
    }
    case Family::TenTecPanel:
        if (!inTurn(6, 3))
            return std::nullopt;
        break;
    case Family::Orion:
        if (!fq.isEmpty())
            out.append(fq + '\r');
        if (!mq.isEmpty())
            out.append(mq + '\r');
        break;
    case Family::Other:
        if (s.convToHex) {
            if (!fq.isEmpty())
                out.append(HexTextToBytes(s.freqQuery));
            if (!mq.isEmpty())
                out.append(HexTextToBytes(s.modeQuery));
        } else {
            if (!fq.isEmpty())
                out.append(fq);
            if (!mq.isEmpty())
                out.append(mq);
        }
        break;
    case Family::Pegasus:
    case Family::None: break;
    }
    return out;
}

}   // namespace

std::optional<int> pollInterval(const QString& letter)
{
    if (letter == QLatin1String("F"))
        return 50;
    if (letter == QLatin1String("M"))
        return 250;
    if (letter == QLatin1String("S"))
        return 1000;
    if (letter == QLatin1String("R"))
        return 5000;
    return std::nullopt;
}

QString RigPoll::frequencyLabel(float mhz)
{
    QString s = QString::number(double(mhz), 'f', 5);
    if (s.startsWith(QLatin1String("0.")))
        s.remove(0, 1);
    return s;
}

Shown RigPoll::tick(const PollSettings& s, Platform::SerialLine* line)
{
    if (RigPollPhase == 0) {
        sendStep(s, line);
        return {};
    }
    return readStep(s, line);
}

bool RigPoll::sendStep(const PollSettings& s, Platform::SerialLine* line)
{
    const bool pegasus = familyOf(s.rigType) == Family::Pegasus;
    if (!pegasus) {
        if (!line)
            return false;
        const qint64 waiting = line->bytesWaiting();
        if (waiting < 0)
            return false;
        if (waiting > 0) {
            // Bytes already wait: the next read step takes them as the reply.
            RigPollPhase = 1;
            return true;
        }
        uint8_t toggle = RigQueryToggle;
        const auto out = queries(s, toggle);
        if (!out) {
            qCWarning(lcRig) << "poll query is not hexadecimal pairs:" << s.freqQuery << s.modeQuery;
            return false;
        }
        for (const QByteArray& bytes : *out)
            if (!bytes.isEmpty() && !line->write(bytes)) {
                qCWarning(lcRig) << "poll query not sent:" << line->errorText();
                return false;
            }
        RigQueryToggle = toggle;
    }
    RigPollPhase = 1;
    RigReply.clear();
    return true;
}

Shown RigPoll::readStep(const PollSettings& s, Platform::SerialLine* line)
{
    Shown shown;
    const Family family = familyOf(s.rigType);
    Reading r;
    if (family == Family::Pegasus) {
        if (readPegasusStatus)
            if (const auto data = readPegasusStatus())
                r = Pegasus::parseStatus(*data);
    } else {
        if (!line || !line->isOpen())
            return shown;   // the step fails; the next tick reads again
        RigReply = line->read(MaxReadPerTick);
        if (RigReply.isEmpty()) {
            RigPollPhase = 0;
            return shown;
        }
        r = decodeReply(s.rigType, RigReply, RigQueryToggle, s.freqQuery, s.modeQuery);
    }
    if (r.freq)
        RigFreq = *r.freq;
    if (r.mode)
        RigMode = *r.mode;
    if (r.vfo)
        RigVFO = *r.vfo;

    if (s.modeSource == ModeSource::Frequency)
        if (const auto m = modeFromFrequency(RigFreq))
            RigMode = *m;

    if (s.windowVisible) {
        if (RigFreq > 0)
            shown.lblFreq = frequencyLabel(RigFreq);
        shown.lblMode = RigMode;
        const QString raw = s.hexDisplay ? BytesToHexText(RigReply) : QString::fromLatin1(RigReply);
        shown.lblUnProcess = raw;
    }

    // A frequency is passed on only once one has been decoded: 0 would log a contact without one.
    if (s.useFrequency && RigFreq > 0 && bandFreqConversion) {
        float f = RigFreq;
        bandFreqConversion(f);
    }
    if (s.modeSource != ModeSource::DontUse && modeSelection) {
        QString m = RigMode;
        modeSelection(m);
    }
    RigReply.clear();
    RigPollPhase = 0;
    return shown;
}

}   // namespace Rig
