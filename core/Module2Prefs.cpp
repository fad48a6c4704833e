#include "core/Module2Prefs.h"

#include <QStringList>

#include "core/BandTable.h"
#include "core/CoreLog.h"
#include "core/Files.h"
#include "core/Format.h"
#include "core/Globals.h"
#include "core/ListFormat.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace Module2 {

namespace {

const QString FileName = QStringLiteral("QSOpref.txt");

QString prefsPath() { return Files::resolve(G.ProgramFolder, FileName); }

// One reader step per item kind; each returns false when the value is missing or does not fit.
bool readSingle(ListFormat::Reader& r, float& out)
{
    ListFormat::Value v;
    double d;
    if (!r.next(v) || !v.toNumber(d) || std::fabs(d) > FLT_MAX)
        return false;
    out = static_cast<float>(d);
    return true;
}

template<class Int>
bool readInteger(ListFormat::Reader& r, Int& out)
{
    static_assert(sizeof(Int) <= sizeof(int));
    ListFormat::Value v;
    const auto whole =
        r.next(v) ? v.toWhole(std::numeric_limits<Int>::min(), std::numeric_limits<Int>::max()) : std::nullopt;
    if (!whole)
        return false;
    out = static_cast<Int>(*whole);
    return true;
}

// The name of `names` that `text` equals ignoring case, spelled as in `names` ("cw" gives "CW");
// empty when it equals none.
QString knownName(const QStringList& names, const QString& text)
{
    for (const QString& n : names)
        if (n.compare(text, Qt::CaseInsensitive) == 0)
            return n;
    return QString();
}

// The known spelling of a band or mode read from the file, or `fallback`. Only a value the
// file gave is warned of: a file that ended earlier is reported by the station setup.
QString knownOrDefault(const QStringList& names, const QString& read, const QString& fallback, const char* item,
                       bool wholeFile)
{
    const QString known = knownName(names, read);
    if (!known.isEmpty())
        return known;
    if (!read.isEmpty() || wholeFile)
        qCWarning(lcCore) << "QSOpref.txt: the" << item << read << "is none of" << names.join(QLatin1Char(' '))
                          << "- taken as" << fallback;
    return fallback;
}

}   // namespace

const QStringList& ModeNames()
{
    static const QStringList names = {QStringLiteral("CW"), QStringLiteral("PH"), QStringLiteral("DG")};
    return names;
}

QByteArray QSOprefText()
{
    ListFormat::Writer w;
    w.text(G.OwnCall).endLine();
    w.text(G.OwnStateProvince).endLine();
    w.text(G.OwnCountry).endLine();
    w.text(G.OwnSection).endLine();
    w.text(G.OwnName).endLine();
    w.text(G.OwnCategory).endLine();
    w.text(G.CurrentCounty).endLine();
    w.text(G.OwnCity).endLine();
    w.text(G.CurrentMode).endLine();
    w.text(G.CurrentBand).endLine();
    w.single(G.UtcOffsetHours).endLine();
    w.single(G.OwnLongitude).endLine();
    w.single(G.OwnLatitude).endLine();
    w.text(G.OwnContinent).endLine();
    w.integer(G.FormSizePercent).endLine();
    w.integer(G.WorkedColor).endLine();
    w.integer(G.UnworkedColor).endLine();
    w.single(G.OpSecondsSaved).endLine();
    w.text(G.PartyState).endLine();
    w.integer(G.OutOfStateFlag).endLine();
    w.integer(G.RoverFlag).endLine();
    w.integer(G.VoiceNavLevel).endLine();
    w.text(G.RigType).endLine();
    w.integer(G.TaskbarOption).endLine();
    w.integer(G.ListPreviousFlag).endLine();
    return w.data();
}

bool ParseQSOpref(const QByteArray& data)
{
    ListFormat::Reader r(data);
    // Each item goes straight into its variable, so a failure leaves the earlier ones read.
    return r.nextText(G.OwnCall) && r.nextText(G.OwnStateProvince) && r.nextText(G.OwnCountry) &&
           r.nextText(G.OwnSection) && r.nextText(G.OwnName) && r.nextText(G.OwnCategory) &&
           r.nextText(G.CurrentCounty) && r.nextText(G.OwnCity) && r.nextText(G.CurrentMode) &&
           r.nextText(G.CurrentBand) && readSingle(r, G.UtcOffsetHours) && readSingle(r, G.OwnLongitude) &&
           readSingle(r, G.OwnLatitude) && r.nextText(G.OwnContinent) && readInteger(r, G.FormSizePercent) &&
           readInteger(r, G.WorkedColor) && readInteger(r, G.UnworkedColor) && readSingle(r, G.OpSecondsSaved) &&
           r.nextText(G.PartyState) && readInteger(r, G.OutOfStateFlag) && readInteger(r, G.RoverFlag) &&
           readInteger(r, G.VoiceNavLevel) && r.nextText(G.RigType) && readInteger(r, G.TaskbarOption) &&
           readInteger(r, G.ListPreviousFlag);
}

bool ReadQSOpref()
{
    QByteArray data;
    const bool ok = Files::readAll(prefsPath(), data) && ParseQSOpref(data);
    // The window always shows a band and a mode, and every contact stores them: a profile that
    // did not give them, or gave damaged ones, takes the installed ones rather than logging them.
    G.CurrentBand = knownOrDefault(Bands::names(), G.CurrentBand, DefaultBand, "band", ok);
    G.CurrentMode = knownOrDefault(ModeNames(), G.CurrentMode, DefaultMode, "mode", ok);
    return ok;
}

bool WriteQSOpref()
{
    // Replaced through a temporary file: a failed write leaves the previous file whole.
    QString error;
    if (Files::writeAtomic(prefsPath(), QSOprefText(), &error))
        return true;
    qCWarning(lcCore) << "QSOpref.txt not written:" << prefsPath() << error;
    return false;
}

float RecommendedUTCOffset(const QDateTime& local, const QDateTime& utc)
{
    // Minute boundaries from the local time to UTC: both taken to the whole minute.
    auto wholeMinutes = [](const QDateTime& t) { return std::floor(double(t.toSecsSinceEpoch()) / 60.0); };
    const QDateTime localAsUtc(local.date(), local.time(), Qt::UTC);
    const QDateTime utcAsUtc(utc.date(), utc.time(), Qt::UTC);
    const double minutes = wholeMinutes(utcAsUtc) - wholeMinutes(localAsUtc);
    return static_cast<float>(Format::roundTo(minutes / 60.0, 2));
}

void CheckUTCOffset()
{
    const float current = G.UtcOffsetHours;
    // One reading: UTC and local time can never straddle a minute boundary between two reads.
    const Platform::TimeReading now = Platform::clock().read();
    const float recommended = RecommendedUTCOffset(now.local, now.utc);
    if (G.UtcOffsetHours == recommended)
        return;

    const QString crlf2 = QStringLiteral("\r\n\r\n");
    const QString prompt =
        QStringLiteral("Would you like to adjust the UTC offset in this program for your local time setting?") + crlf2 +
        QStringLiteral("Current System Time: ") + Format::hourMinute(now.utc.time()) + crlf2 +
        QStringLiteral("Current Local Time: ") + Format::hourMinute(now.local.time()) + crlf2 +
        QStringLiteral("Recommended Offset Setting: ") + Format::single(recommended) + crlf2 +
        QStringLiteral("Current Offset Setting: ") + Format::single(current) + crlf2 +
        QStringLiteral("Please click OK to accept the recommended change or Cancel to keep the current setting.");
    const QString answer = Platform::prompts().inputBox(prompt, QStringLiteral("Update the Local Time / UTC Offset?"),
                                                        Format::single(recommended));
    if (!Format::isNumeric(answer))
        return;
    const double value = Format::toNumber(answer);
    if (std::fabs(value) > FLT_MAX) {
        G.UtcOffsetHours = current;
        return;
    }
    G.UtcOffsetHours = static_cast<float>(value);
    WriteQSOpref();
}

}   // namespace Module2
