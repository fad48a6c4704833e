#include "rig/RigSettings.h"

#include "core/Files.h"
#include "core/ListFormat.h"
#include "rig/RigLog.h"

namespace Rig {

namespace {

const QString FileName = QStringLiteral("RigCntrl.txt");

}   // namespace

QString padBaud(const QString& baud) { return baud.left(5).leftJustified(5, QLatin1Char(' ')); }

RigSettings parseRigSettings(const QByteArray& data)
{
    RigSettings s;
    ListFormat::Reader r(data);
    ListFormat::Value v;
    auto text = [&](QString& into, int width) {
        if (!r.next(v))
            return false;
        into = width == 5 ? padBaud(v.toText()) : width == 1 ? v.toText().left(1) : v.toText();
        ++s.itemsRead;
        return true;
    };
    auto number = [&](int& into, int lo, int hi) {
        if (!r.next(v))
            return false;
        const auto whole = v.toWhole(lo, hi);
        if (!whole)
            return false;
        into = *whole;
        ++s.itemsRead;
        return true;
    };
    (void)(text(s.RigBaud, 5) && text(s.RigParity, 1) && text(s.RigDataBits, 1) && text(s.RigStopBits, 1) &&
           text(s.RigModeQuery, 0) && text(s.RigFreqQuery, 0) && text(s.RigCommSettings, 0) &&
           number(s.RigCommPort, 0, 255) && text(s.RigPowerLine, 1) && text(s.RigPollRate, 1) && text(s.RigType, 0) &&
           number(s.convToHex, -32768, 32767) && number(s.useFrequency, -32768, 32767) &&
           number(s.modeSource, -32768, 32767));
    return s;
}

RigSettings readRigSettings(const QString& folder)
{
    QByteArray data;
    QString error;
    if (!Files::readAll(Files::resolve(folder, FileName), data, &error)) {
        qCWarning(lcRig) << "RigCntrl.txt not read:" << error;
        return {};
    }
    const RigSettings s = parseRigSettings(data);
    if (!s.complete())
        qCWarning(lcRig) << "RigCntrl.txt: reading stopped after item" << s.itemsRead;
    return s;
}

QByteArray formatRigSettings(const RigSettings& s)
{
    ListFormat::Writer w;
    w.text(padBaud(s.RigBaud)).endLine();
    w.text(s.RigParity).endLine();
    w.text(s.RigDataBits).endLine();
    w.text(s.RigStopBits).endLine();
    w.text(s.RigModeQuery).endLine();
    w.text(s.RigFreqQuery).endLine();
    w.text(s.RigCommSettings).endLine();
    w.integer(s.RigCommPort).endLine();
    w.text(s.RigPowerLine).endLine();
    w.text(s.RigPollRate).endLine();
    w.text(s.RigType).endLine();
    w.integer(s.convToHex).endLine();
    w.integer(s.useFrequency).endLine();
    w.integer(s.modeSource).endLine();
    return w.data();
}

bool writeRigSettings(const QString& folder, const RigSettings& s)
{
    QString error;
    if (!Files::writeAtomic(Files::resolve(folder, FileName), formatRigSettings(s), &error)) {
        qCWarning(lcRig) << "RigCntrl.txt not written:" << error;
        return false;
    }
    return true;
}

}   // namespace Rig
