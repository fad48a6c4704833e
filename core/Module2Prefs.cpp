#include "core/Module2Prefs.h"

#include <QFileInfo>
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
#include <array>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <variant>

// The built-in copy of the installed files (core/InstalledFiles.qrc) lives in a static library:
// registering it by hand keeps the linker from dropping it. Outside any namespace, as Qt asks.
static void registerInstalledFiles() { Q_INIT_RESOURCE(InstalledFiles); }

namespace Module2 {

namespace {

const QString FileName = QStringLiteral("QSOpref.txt");
// 25 short values: anything larger is not this file.
constexpr qint64 MaxPrefsBytes = 64 * 1024;
// Item 11, the UTC offset, in file order from 0.
constexpr int UtcOffsetIndex = int(PrefItem::UtcOffsetHours) - 1;

using Member = std::variant<QString Globals::*, float Globals::*, uint8_t Globals::*, int32_t Globals::*>;

// One item of the file, in file order: its variable, and for a number the range of what it can
// mean, for a text the names it may hold (none: any text).
struct Item {
    const char* name;
    Member member;
    double lo = -std::numeric_limits<double>::infinity();
    double hi = std::numeric_limits<double>::infinity();
    const QStringList& (*names)() = nullptr;
    const char* unknown = nullptr;   // what a text outside `names` is said to be
};

const QStringList& bandNames() { return Bands::names(); }

// A UTC offset beyond the earth's zones (MinUtcOffset to MaxUtcOffset) would store every contact
// hours or years away; a position beyond the globe, a form size above the screen or a negative
// operating time mean nothing either. Such a value is refused like text.
const std::array<Item, 25>& items()
{
    static const std::array<Item, 25> table = {{
        {"OwnCall", &Globals::OwnCall},
        {"OwnStateProvince", &Globals::OwnStateProvince},
        {"OwnCountry", &Globals::OwnCountry},
        {"OwnSection", &Globals::OwnSection},
        {"OwnName", &Globals::OwnName},
        {"OwnCategory", &Globals::OwnCategory},
        {"CurrentCounty", &Globals::CurrentCounty},
        {"OwnCity", &Globals::OwnCity},
        {"CurrentMode", &Globals::CurrentMode, 0, 0, &ModeNames, "is not CW, PH or DG"},
        {"CurrentBand", &Globals::CurrentBand, 0, 0, &bandNames, "names no band"},
        {"UtcOffsetHours", &Globals::UtcOffsetHours, MinUtcOffset, MaxUtcOffset},
        {"OwnLongitude", &Globals::OwnLongitude, -180, 180},
        {"OwnLatitude", &Globals::OwnLatitude, -90, 90},
        {"OwnContinent", &Globals::OwnContinent},
        {"FormSizePercent", &Globals::FormSizePercent, 0, 100},
        {"WorkedColor", &Globals::WorkedColor},
        {"UnworkedColor", &Globals::UnworkedColor},
        {"OpSecondsSaved", &Globals::OpSecondsSaved, 0},
        {"PartyState", &Globals::PartyState},
        {"OutOfStateFlag", &Globals::OutOfStateFlag},
        {"RoverFlag", &Globals::RoverFlag},
        {"VoiceNavLevel", &Globals::VoiceNavLevel},
        {"RigType", &Globals::RigType},
        {"TaskbarOption", &Globals::TaskbarOption},
        {"ListPreviousFlag", &Globals::ListPreviousFlag},
    }};
    return table;
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

// Takes `v` into the item's variable in G. Empty when taken, else why not.
QString take(const Item& item, const ListFormat::Value& v)
{
    const auto inRange = [&item](double d) { return d >= item.lo && d <= item.hi; };
    const auto range = [&item] {
        if (std::isinf(item.hi))
            return QStringLiteral("is below %1").arg(ListFormat::formatDouble(item.lo));
        return QStringLiteral("lies outside %1 to %2")
            .arg(ListFormat::formatDouble(item.lo), ListFormat::formatDouble(item.hi));
    };
    const QString unreadable = QStringLiteral("does not read");
    return std::visit(
        [&](auto member) -> QString {
            auto& var = G.*member;
            using T = std::decay_t<decltype(var)>;
            if constexpr (std::is_same_v<T, QString>) {
                if (!item.names) {
                    var = v.toText();
                    return QString();
                }
                const QString known = knownName(item.names(), v.toText());
                if (known.isEmpty())
                    return QLatin1String(item.unknown);
                var = known;
                return QString();
            } else if constexpr (std::is_same_v<T, float>) {
                double d = 0;
                if (!v.toNumber(d) || std::fabs(d) > FLT_MAX)
                    return unreadable;
                if (!inRange(d))
                    return range();
                var = static_cast<float>(d);
                return QString();
            } else {
                const int lo = int(std::max<double>(item.lo, std::numeric_limits<T>::min()));
                const int hi = int(std::min<double>(item.hi, std::numeric_limits<T>::max()));
                double d = 0;
                if (!v.toNumber(d))
                    return unreadable;
                const auto whole = v.toWhole(lo, hi);
                if (!whole)
                    return inRange(d) ? unreadable : range();
                var = static_cast<T>(*whole);
                return QString();
            }
        },
        item.member);
}

// The installed file's 25 values, read once from the built-in copy.
const QVector<ListFormat::Value>& installedValues()
{
    static const QVector<ListFormat::Value> values = [] {
        registerInstalledFiles();
        QVector<ListFormat::Value> out;
        QByteArray data;
        if (!Files::readAll(QStringLiteral(":/installed/QSOpref.txt"), data))
            qCWarning(lcCore) << "the built-in QSOpref.txt cannot be read";
        ListFormat::Reader r(data);
        ListFormat::Value v;
        while (out.size() < int(items().size()) && r.next(v))
            out.append(v);
        return out;
    }();
    return values;
}

// The item's installed value into G; the value as text, for the operator. The UTC offset takes
// the PC's own instead: the installed 0 would store local time as UTC on any PC not kept at UTC.
QString takeInstalled(int index, bool& pcOffset)
{
    pcOffset = index == UtcOffsetIndex;
    if (pcOffset) {
        G.UtcOffsetHours = PcUtcOffset();
        return Format::single(G.UtcOffsetHours);
    }
    const QVector<ListFormat::Value>& installed = installedValues();
    if (index >= installed.size() || !take(items()[index], installed[index]).isEmpty()) {
        qCWarning(lcCore) << "the built-in QSOpref.txt gives no value for item" << index + 1;
        return QString();
    }
    return installed[index].toText();
}

// A text as the operator may be shown it: control characters as "?", long ones cut.
QString shownText(const QString& text)
{
    QString t = text.left(40);
    for (QChar& c : t)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('?');
    if (text.size() > 40)
        t += QStringLiteral("...");
    return t;
}

// A value as the operator may be shown it: texts in quotes.
QString shown(const ListFormat::Value& v)
{
    const QString t = shownText(v.text);
    return v.kind == ListFormat::Value::Kind::Text ? QLatin1Char('"') + t + QLatin1Char('"') : t;
}

// With no file read, an item keeps what it had; but a band or mode that is not one of the known
// names would be stored into every contact, so it starts from the installed one.
void keepKnownOrInstalled(QString& var, const QStringList& names, const QString& installed, const char* item)
{
    const QString known = knownName(names, var);
    if (!known.isEmpty()) {
        var = known;
        return;
    }
    if (!var.isEmpty())
        qCWarning(lcCore) << "QSOpref.txt: the" << item << var << "is none of" << names.join(QLatin1Char(' '))
                          << "- taken as" << installed;
    var = installed;
}

// The item's value in G, written as the file holds it.
void writeItem(ListFormat::Writer& w, const Item& item)
{
    std::visit(
        [&w](auto member) {
            const auto& var = G.*member;
            using T = std::decay_t<decltype(var)>;
            if constexpr (std::is_same_v<T, QString>)
                w.text(var);
            else if constexpr (std::is_same_v<T, float>)
                w.single(var);
            else
                w.integer(var);
        },
        item.member);
}

QByteArray itemForm(const Item& item)
{
    ListFormat::Writer w;
    writeItem(w, item);
    return w.data();
}

// A value that did not fit its item, as a rewrite gives it back: a number as a number, anything
// else as a text.
QByteArray keptForm(const ListFormat::Value& v)
{
    ListFormat::Writer w;
    if (v.kind == ListFormat::Value::Kind::Number)
        w.number(v.number);
    else
        w.text(v.text);
    return w.data();
}

// The data without what follows its last value: a remainder of only blanks and line ends is the
// end of the file, not items of their own.
QByteArrayView withoutTrailingBlanks(QByteArrayView data)
{
    qsizetype n = data.size();
    while (n > 0 && (data[n - 1] == ' ' || data[n - 1] == '\t' || data[n - 1] == '\r' || data[n - 1] == '\n'))
        --n;
    return data.first(n);
}

}   // namespace

QString DefaultBand() { return installedValues().value(9).toText(); }
QString DefaultMode() { return installedValues().value(8).toText(); }

const QStringList& ModeNames()
{
    static const QStringList names = {QStringLiteral("CW"), QStringLiteral("PH"), QStringLiteral("DG")};
    return names;
}

QString QSOprefPath() { return Files::resolve(G.ProgramFolder, FileName); }

QByteArray QSOprefText()
{
    QByteArray out;
    for (size_t i = 0; i < items().size(); ++i) {
        // An item that did not read and still has the value it took instead keeps the file's own
        // line: a rewrite never replaces what the operator had with a value nobody chose. A kept
        // line never holds a line break, so every item stays on its own line.
        const std::optional<Globals::UnreadPref>& kept = G.UnreadPrefs[i];
        const QByteArray form = itemForm(items()[i]);
        const QByteArray keptLine = kept ? ListFormat::toFileBytes(kept->found) : QByteArray();
        if (kept && form == kept->takenForm && !keptLine.contains('\r') && !keptLine.contains('\n'))
            out += keptLine;
        else
            out += form;
        out += "\r\n";
    }
    return out;
}

PrefsReading ParseQSOpref(const QByteArray& data)
{
    PrefsReading res;
    res.fileRead = true;
    G.UnreadPrefs = {};
    // One item a line: a line that does not read as its item costs that item only, and every
    // later line is still the item of its number.
    ListFormat::LineReader lines(withoutTrailingBlanks(data));
    for (int i = 0; i < int(items().size()); ++i) {
        const Item& item = items()[i];
        UnreadItem u;
        QByteArray keptLine;
        QByteArrayView line;
        QVector<ListFormat::Value> values;
        if (!lines.next(line)) {
            u.missing = true;
            u.why = QStringLiteral("the file ends before it");
        } else if (!ListFormat::splitLine(line, values) || values.size() != 1) {
            // A quote that does not close, or more than one value: the line as it stands.
            keptLine = line.toByteArray();
            u.found = shownText(ListFormat::fromFileBytes(keptLine));
            u.why = QStringLiteral("is not one value");
        } else {
            u.why = take(item, values[0]);
            if (u.why.isEmpty())
                continue;
            u.found = shown(values[0]);
            keptLine = keptForm(values[0]);
        }
        u.number = i + 1;
        u.name = QLatin1String(item.name);
        u.installed = takeInstalled(i, u.pcOffset);
        if (!u.missing)
            G.UnreadPrefs[size_t(i)] = Globals::UnreadPref{ListFormat::fromFileBytes(keptLine), itemForm(item)};
        qCWarning(lcCore).noquote() << "QSOpref.txt: item" << u.number << u.name
                                    << (u.missing ? u.why : u.found + QLatin1Char(' ') + u.why) << "- taken as"
                                    << u.installed << (u.pcOffset ? "(the PC's own UTC offset)" : "");
        res.unread.append(u);
    }
    return res;
}

bool PrefsReading::itemRead(int number) const
{
    if (!fileRead)
        return false;
    for (const UnreadItem& u : unread)
        if (u.number == number)
            return false;
    return true;
}

void MarkPrefStored(int number)
{
    if (number >= 1 && number <= int(G.UnreadPrefs.size()))
        G.UnreadPrefs[size_t(number - 1)].reset();
}

void MarkPrefStored(PrefItem item) { MarkPrefStored(int(item)); }

bool isUtcOffset(double hours) { return hours >= MinUtcOffset && hours <= MaxUtcOffset; }

QString UtcOffsetRefusedText(const QString& typed)
{
    return QStringLiteral("%1 cannot be the hours added to the PC clock to get UTC: the time zones need %2 to %3 "
                          "(a PC at UTC+13 needs -13, one at UTC-5 needs 5). Nothing was stored.")
        .arg(typed.trimmed(), ListFormat::formatDouble(MinUtcOffset), ListFormat::formatDouble(MaxUtcOffset));
}

QString UtcOffsetRefusedTitle() { return QStringLiteral("Hours added for UTC"); }

float PcUtcOffset()
{
    const Platform::TimeReading now = Platform::clock().read();
    return RecommendedUTCOffset(now.local, now.utc);
}

QString PrefsReading::describe() const
{
    QStringList lines;
    for (const UnreadItem& u : unread) {
        if (u.missing) {
            const int last = unread.last().number;
            QString line = u.number == last
                               ? QStringLiteral("The file ends before item %1 (%2); it takes its installed value")
                                     .arg(u.number)
                                     .arg(u.name)
                               : QStringLiteral("The file ends before item %1 (%2); items %1 to %3 take their "
                                                "installed values")
                                     .arg(u.number)
                                     .arg(u.name)
                                     .arg(last);
            // The UTC offset among them (never the last item) takes the PC's own.
            for (const UnreadItem& o : unread)
                if (o.missing && o.pcOffset)
                    line += QStringLiteral(", and item %1 (%2) the PC's own UTC offset, %3")
                                .arg(o.number)
                                .arg(o.name, o.installed);
            lines << line + QLatin1Char('.');
            break;   // the items after a missing one are missing too
        }
        lines << (u.pcOffset ? QStringLiteral("Item %1 (%2): %3 %4; the PC's own UTC offset %5 is used.")
                             : QStringLiteral("Item %1 (%2): %3 %4; the installed value %5 is used."))
                     .arg(u.number)
                     .arg(u.name, u.found, u.why, u.installed.isEmpty() ? QStringLiteral("\"\"") : u.installed);
    }
    return lines.join(QStringLiteral("\r\n"));
}

PrefsReading ReadQSOpref()
{
    // Read as log.txt is read: a regular file of bounded size. A FIFO would block the start and a
    // device read without end.
    const QString path = QSOprefPath();
    QByteArray data;
    QString error;
    if (Files::readRegular(path, MaxPrefsBytes, data, &error))
        return ParseQSOpref(data);
    // No file (a first run) or one that cannot be read: nothing is taken from it.
    PrefsReading res;
    // A link whose target is gone is there too: it is not a first run.
    if (const QFileInfo info(path); info.exists() || info.isSymLink()) {
        res.error = error;
        qCWarning(lcCore) << "QSOpref.txt not read:" << path << error;
    }
    G.UnreadPrefs = {};
    keepKnownOrInstalled(G.CurrentBand, Bands::names(), DefaultBand(), "band");
    keepKnownOrInstalled(G.CurrentMode, ModeNames(), DefaultMode(), "mode");
    return res;
}

bool WriteQSOpref()
{
    const QString path = QSOprefPath();
    // What is there under the name and is not a file (a FIFO, a device or a link to one, a
    // folder) is not this program's to replace: the start said it cannot be read, and it stays.
    if (const QFileInfo info(path); (info.exists() || info.isSymLink()) && !Files::isRegularFile(path)) {
        qCWarning(lcCore) << "QSOpref.txt not written:" << path << "is not a regular file";
        return false;
    }
    // Replaced through a temporary file: a failed write leaves the previous file whole.
    QString error;
    if (Files::writeAtomic(path, QSOprefText(), &error))
        return true;
    qCWarning(lcCore) << "QSOpref.txt not written:" << path << error;
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
    for (;;) {
        const QString answer = Platform::prompts().inputBox(
            prompt, QStringLiteral("Update the Local Time / UTC Offset?"), Format::single(recommended));
        if (!Format::isNumeric(answer))
            return;
        const double value = Format::toNumber(answer);
        if (!isUtcOffset(value)) {
            // Refused where it was typed, and asked again; Cancel keeps the current setting.
            Platform::prompts().messageBox(UtcOffsetRefusedText(answer), UtcOffsetRefusedTitle(),
                                           Platform::Buttons::Ok);
            continue;
        }
        G.UtcOffsetHours = static_cast<float>(value);
        MarkPrefStored(PrefItem::UtcOffsetHours);
        WriteQSOpref();
        return;
    }
}

}   // namespace Module2
