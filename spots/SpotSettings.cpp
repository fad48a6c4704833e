#include "spots/SpotSettings.h"

#include <QFile>

#include "core/Files.h"
#include "core/ListFormat.h"
#include "spots/SpotsLog.h"

namespace Spots {

namespace {

bool readWhole(ListFormat::Reader& r, int lo, int hi, int& out)
{
    ListFormat::Value v;
    const auto whole = r.next(v) ? v.toWhole(lo, hi) : std::nullopt;
    if (!whole)
        return false;
    out = *whole;
    return true;
}

}   // namespace

int readSpotSettings(const QByteArray& data, SpotSettings& s)
{
    ListFormat::Reader r(data);
    int n = 0;
    if (!r.nextText(s.TNCBaudRate))
        return n;
    ++n;
    if (!r.nextText(s.TNCParity))
        return n;
    ++n;
    if (!r.nextText(s.TNCDataBits))
        return n;
    ++n;
    if (!r.nextText(s.TNCStopBits))
        return n;
    ++n;
    if (!readWhole(r, 0, 255, s.TNCCommPort))
        return n;
    ++n;
    if (!r.nextText(s.TNCPowerLine))
        return n;
    ++n;
    if (!r.nextText(s.SpotSource))
        return n;
    ++n;
    if (!readWhole(r, -32768, 32767, s.reserved))
        return n;
    ++n;
    if (!readWhole(r, 0, 255, s.TNCHandshaking))
        return n;
    ++n;
    {
        ListFormat::Value v;   // "List DX Only": read as any value and discarded
        if (!r.next(v))
            return n;
    }
    ++n;
    {
        ListFormat::Value v;
        if (!r.next(v))
            return n;
        double d = 0;
        if (v.kind == ListFormat::Value::Kind::Bool)
            s.optList = v.boolean;
        else if (v.toNumber(d))
            s.optList = d != 0;
        else
            s.optList = v.toText().compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0;
    }
    ++n;
    if (!r.nextText(s.txtHex))
        return n;
    ++n;
    if (!r.nextText(s.txtTelnetPort))
        return n;
    ++n;
    if (!r.nextText(s.txtTelnetHost))
        return n;
    return ++n;
}

QByteArray writeSpotSettings(const SpotSettings& s)
{
    ListFormat::Writer w;
    w.text(s.TNCBaudRate).endLine().text(s.TNCParity).endLine().text(s.TNCDataBits).endLine();
    w.text(s.TNCStopBits).endLine().integer(s.TNCCommPort).endLine().text(s.TNCPowerLine).endLine();
    w.text(s.SpotSource).endLine().integer(s.reserved).endLine().integer(s.TNCHandshaking).endLine();
    w.integer(s.listDxOnly).endLine().boolean(s.optList).endLine().text(s.txtHex).endLine();
    w.text(s.txtTelnetPort).endLine().text(s.txtTelnetHost).endLine();
    return w.data();
}

int loadSpotSettings(const QString& folder, SpotSettings& s)
{
    QFile f(Files::resolve(folder, QStringLiteral("PackSpot.txt")));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return readSpotSettings(f.readAll(), s);
}

bool saveSpotSettings(const QString& folder, const SpotSettings& s, QString* error)
{
    const bool ok =
        Files::writeAtomic(Files::resolve(folder, QStringLiteral("PackSpot.txt")), writeSpotSettings(s), error);
    if (!ok)
        qCWarning(lcSpots) << "PackSpot.txt not written:" << (error ? *error : QString());
    return ok;
}

}   // namespace Spots
