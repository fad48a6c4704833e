#include "spots/PacketEngineTraffic.h"

#include "spots/SpotLine.h"

namespace Spots {

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString crLfLines(const QString& s)
{
    QString out;
    out.reserve(s.size() + s.size() / 8);
    for (QChar c : s) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            out += CrLf;
        else
            out += c;
    }
    return out;
}

bool isMonitorCopy(int kind) { return kind == 'U' || kind == 'I' || kind == 'S' || kind == 'T'; }

bool sameCall(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}   // namespace

EngineFrameEffect takeEngineFrame(Reception& r, QString& linkedCall, const QString& fromCall, const QString& data,
                                  int kind)
{
    EngineFrameEffect effect;
    const bool linked = !linkedCall.isEmpty();
    const QString monitorText = crLfLines(QString(QChar(kind)) + fromCall + QLatin1Char(' ') + data);
    QString frameText = crLfLines(data);
    if (!linked) {
        const qsizetype lf = frameText.indexOf(QLatin1Char('\n'));
        frameText = trimBlanks(lf < 0 ? frameText : frameText.mid(lf + 1));
    }
    if (frameText == CrLf)
        frameText.clear();
    if (frameText.size() > 4 && frameText.endsWith(CrLf + CrLf))
        frameText.chop(2);

    const bool seen = frameText.isEmpty() || r.terminal.showsRecently(frameText);
    const qsizetype p = frameText.indexOf(QLatin1String("DX"), 0, Qt::CaseInsensitive) + 1;
    const bool startsDx = isSpotLine(frameText);

    if (!seen && (p == 1 || p == 2)) {
        r.terminal.append(frameText);
        r.PostSpotToMain(spotFrequency(frameText), spotCall(frameText), frameText);
    }
    if (linked && sameCall(fromCall, linkedCall) && !isMonitorCopy(kind) && !r.listDxOnly && !startsDx)
        r.terminal.append(frameText);
    if (!linked && !r.listDxOnly && !monitorText.contains(QLatin1String("DX "), Qt::CaseInsensitive) && !startsDx)
        r.terminal.append(monitorText);

    if (kind == 'd' && linked && sameCall(fromCall, linkedCall)) {
        effect.beeps = 2;
        r.terminal.append(CrLf + QStringLiteral("** Disconnected from ") + linkedCall + QStringLiteral(" **") + CrLf);
        effect.caption = QStringLiteral("DX Spotting Setup");
        linkedCall.clear();
    } else if (kind == 'c' && !linked) {
        linkedCall = fromCall;
        r.terminal.append(QStringLiteral("** Connected to ") + fromCall + QStringLiteral(" **"));
        effect.caption = QStringLiteral("DX Spotting Setup - Connected to ") + fromCall;
        effect.beeps = 1;
    }
    return effect;
}

EngineSend planEngineSend(const QString& text, const QString& linkedCall)
{
    EngineSend send;
    if (text.startsWith(QLatin1Char(':'))) {
        const QString letter = text.mid(1, 1).toUpper();
        const QString argument = trimBlanks(text.mid(2));
        if (letter == QLatin1String("D")) {
            if (!linkedCall.isEmpty())
                send.frames.push_back({linkedCall, QString(), 'd'});
        } else if (letter == QLatin1String("C")) {
            const QString target = argument.toUpper();
            if (target.isEmpty())
                send.callRequired = true;
            else
                send.frames << EngineSend::Frame{target, QString(), 'c'} << EngineSend::Frame{target, QString(), 'P'};
        }
    } else if (!linkedCall.isEmpty()) {
        send.frames.push_back({linkedCall, text + QLatin1Char('\r'), 'D'});
    }
    return send;
}

}   // namespace Spots
