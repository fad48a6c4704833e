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

// A UTC offset beyond the earth's zones (-12 to +14 hours) would store every contact days or
// years away; a position beyond the globe, a form size above the screen or a negative operating
// time mean nothing either. Such a value is refused like text.
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
        {"UtcOffsetHours", &Globals::UtcOffsetHours, -12, 14},
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

// The item's installed value into G; the value as text, for the operator.
QString takeInstalled(int index)
{
    const QVector<ListFormat::Value>& installed = installedValues();
    if (index >= installed.size() || !take(items()[index], installed[index]).isEmpty()) {
        qCWarning(lcCore) << "the built-in QSOpref.txt gives no value for item" << index + 1;
        return QString();
    }
    return installed[index].toText();
}

// A value as the operator may be shown it: texts in quotes, control characters as "?", long
// ones cut.
QString shown(const ListFormat::Value& v)
{
    QString t = v.text.left(40);
    for (QChar& c : t)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('?');
    if (v.text.size() > 40)
        t += QStringLiteral("...");
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
    ListFormat::Writer w;
    for (size_t i = 0; i < items().size(); ++i) {
        // An item that did not read and still has the value it took instead keeps the file's own
        // text: a rewrite never replaces what the operator had with a value nobody chose.
        const std::optional<Globals::UnreadPref>& kept = G.UnreadPrefs[i];
        if (kept && itemForm(items()[i]) == kept->takenForm) {
            if (kept->foundIsNumber)
                w.number(kept->foundNumber);
            else
                w.text(kept->found);
        } else {
            writeItem(w, items()[i]);
        }
        w.endLine();
    }
    return w.data();
}

PrefsReading ParseQSOpref(const QByteArray& data)
{
    PrefsReading res;
    res.fileRead = true;
    G.UnreadPrefs = {};
    ListFormat::Reader r(data);
    // Item by item: a value that does not fit its item costs that item only. Every value is
    // taken off the file whether it fits or not, so the later items stay in their places.
    for (int i = 0; i < int(items().size()); ++i) {
        const Item& item = items()[i];
        ListFormat::Value v;
        UnreadItem u;
        if (!r.next(v)) {
            u.missing = true;
            u.why = QStringLiteral("the file ends before it");
        } else {
            u.why = take(item, v);
            if (u.why.isEmpty())
                continue;
            u.found = shown(v);
        }
        u.number = i + 1;
        u.name = QLatin1String(item.name);
        u.installed = takeInstalled(i);
        if (!u.missing)
            G.UnreadPrefs[size_t(i)] =
                Globals::UnreadPref{v.text, v.kind == ListFormat::Value::Kind::Number, v.number, itemForm(item)};
        qCWarning(lcCore).noquote() << "QSOpref.txt: item" << u.number << u.name
                                    << (u.missing ? u.why : u.found + QLatin1Char(' ') + u.why) << "- taken as"
                                    << u.installed;
        res.unread.append(u);
    }
    return res;
}

QString PrefsReading::describe() const
{
    QStringList lines;
    for (const UnreadItem& u : unread) {
        if (u.missing) {
            const int last = unread.last().number;
            lines << (u.number == last
                          ? QStringLiteral("The file ends before item %1 (%2); it takes its installed value.")
                                .arg(u.number)
                                .arg(u.name)
                          : QStringLiteral("The file ends before item %1 (%2); items %1 to %3 take their "
                                           "installed values.")
                                .arg(u.number)
                                .arg(u.name)
                                .arg(last));
            break;   // the items after a missing one are missing too
        }
        lines << QStringLiteral("Item %1 (%2): %3 %4; the installed value %5 is used.")
                     .arg(u.number)
                     .arg(u.name, u.found, u.why, u.installed.isEmpty() ? QStringLiteral("\"\"") : u.installed);
    }
    return lines.join(QStringLiteral("\r\n"));
}

PrefsReading ReadQSOpref()
{
    QByteArray data;
    if (Files::readAll(QSOprefPath(), data))
        return ParseQSOpref(data);
    // No file (a first run) or one that cannot be read: nothing is taken from it.
    G.UnreadPrefs = {};
    keepKnownOrInstalled(G.CurrentBand, Bands::names(), DefaultBand(), "band");
    keepKnownOrInstalled(G.CurrentMode, ModeNames(), DefaultMode(), "mode");
    return PrefsReading();
}

bool WriteQSOpref()
{
    // Replaced through a temporary file: a failed write leaves the previous file whole.
    QString error;
    if (Files::writeAtomic(QSOprefPath(), QSOprefText(), &error))
        return true;
    qCWarning(lcCore) << "QSOpref.txt not written:" << QSOprefPath() << error;
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
