#include "core/StationSetup.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "core/Files.h"
#include "core/Format.h"
#include "core/Globals.h"
#include "core/ListFormat.h"
#include "core/Module2County.h"
#include "core/Module2Prefs.h"
#include "core/modGlobalPreferences.h"
#include "platform/Prompts.h"

namespace StationSetup {

// ---- Key filters -------------------------------------------------------------------------------

int Cap3(int keyAscii) { return Module2::UpperCaseKey(keyAscii); }

int NumBerr(int keyAscii)
{
    if (keyAscii == KeyBackspace || (keyAscii >= '-' && keyAscii <= '9'))
        return keyAscii;
    return 0;
}

Filter filterOf(int box)
{
    switch (box) {
    case 3:
    case 4:
    case 6: return Filter::NumBerr;
    default: return Filter::Cap3;
    }
}

KeyResult boxKey(int box, int keyAscii)
{
    KeyResult r;
    r.key = keyAscii;
    if (r.key == KeyEnter) {
        r.key = 0;
        r.runDone = true;
    }
    r.key = filterOf(box) == Filter::NumBerr ? NumBerr(r.key) : Cap3(r.key);
    return r;
}

int utcBoxRoom(int textLength, int selectionLength)
{
    return std::max(0, UtcBoxMaxLength - (textLength - selectionLength));
}

KeyResult countyKey(const QString& text, int caret, int keyAscii)
{
    KeyResult r;
    r.key = keyAscii;
    if (r.key == '"')
        r.key = 0;
    if (r.key > 0 && (text.isEmpty() || caret == 0 || text.endsWith(QLatin1Char(' '))))
        r.key = Module2::UpperCaseKey(r.key);
    if (r.key == KeyEnter) {
        r.key = 0;
        r.runDone = true;
    }
    return r;
}

CountryKeyResult countryKey(const QString& text, int caret, int keyAscii)
{
    CountryKeyResult r;
    r.key = keyAscii;
    if (caret <= 0)
        r.key = Cap3(r.key);
    if (r.key == '"')
        r.key = 0;
    if (r.key <= 0)
        return r;

    const QString typed = text.left(caret) + QChar(r.key);
    for (qsizetype i = G.CountryTable.size() - 1; i >= 0; --i) {
        const CountryRow& row = G.CountryTable[i];
        if (!row.country.startsWith(typed, Qt::CaseInsensitive))
            continue;
        Completion c;
        c.text = typed + row.country.mid(typed.size());
        c.selectionStart = int(typed.size());
        c.selectionLength = int(row.country.size() - typed.size());
        c.longitude = Format::single(static_cast<float>(row.longitude));
        c.latitude = Format::single(static_cast<float>(row.latitude));
        c.continent = row.continent;
        r.key = 0;
        r.completion = c;
        return r;
    }
    return r;
}

// ---- Loading -----------------------------------------------------------------------------------

namespace {

constexpr int MaxCountryRows = 10000;
constexpr int StateRows = 50;

bool isFile(const QString& path) { return QFileInfo(path).isFile(); }

}   // namespace

QString CountryTablePath()
{
    for (const QString& folder : {G.SharedFolder, G.DataFolder, G.ProgramFolder}) {
        if (folder.isEmpty())
            continue;
        const QString path = Files::resolve(folder, QStringLiteral("arrlpre2.txt"));
        if (isFile(path))
            return path;
    }
    return QString();
}

bool LoadCountryTable()
{
    const QString path = CountryTablePath();
    if (path.isEmpty())
        return true;
    QByteArray data;
    if (!Files::readAll(path, data))
        return false;

    ListFormat::Reader r(data);
    ListFormat::Value v;
    while (!r.atEnd()) {
        if (G.CountryTable.size() >= MaxCountryRows)
            return false;
        CountryRow row;
        double lon = 0, lat = 0;
        if (!r.next(v))
            return false;
        row.prefix = v.toText();
        if (!r.next(v))
            return false;
        row.country = v.toText();
        if (!r.next(v))
            return false;
        row.continent = v.toText();
        if (!r.next(v) || !v.toNumber(lon))
            return false;
        if (!r.next(v) || !v.toNumber(lat))
            return false;
        for (int k = 0; k < 3; ++k)
            if (!r.next(v))
                return false;
        // Positions are single-precision degrees.
        row.longitude = static_cast<float>(lon);
        row.latitude = static_cast<float>(lat);
        G.CountryTable.append(row);
    }
    return true;
}

bool LoadStatePositions()
{
    if (G.StatePositions.size() < StateRows + 1)
        G.StatePositions.resize(StateRows + 1);
    QByteArray data;
    if (!Files::readAll(Files::resolve(G.ProgramFolder, QStringLiteral("states.txt")), data))
        return false;
    ListFormat::Reader r(data);
    ListFormat::Value v;
    for (int i = 1; i <= StateRows; ++i) {
        StatePosition row;
        double lat = 0, lon = 0;
        if (!r.next(v))
            return false;
        row.abbrev = v.toText();
        if (!r.next(v) || !v.toNumber(lat))
            return false;
        if (!r.next(v) || !v.toNumber(lon))
            return false;
        row.latitude = static_cast<float>(lat);
        row.longitude = static_cast<float>(lon);
        G.StatePositions[i] = row;
    }
    return true;
}

const std::array<const char*, 50> PartyStateCaptions = {
    "AK", "AL", "AR", "AZ", "CA", "CO", "CT", "DE", "FL", "GA", "HI", "IA", "ID", "IL", "IN", "KS", "KY",
    "LA", "MA", "MD", "ME", "MI", "MN", "MO", "MS", "MT", "NC", "ND", "NE", "NH", "NJ", "NM", "NV", "NY",
    "OH", "OK", "OR", "PA", "RI", "SC", "SD", "TN", "TX", "UT", "VA", "VT", "WA", "WI", "WV", "WY"};

int partyStateIndex(const QString& partyState)
{
    for (int i = 0; i < int(PartyStateCaptions.size()); ++i)
        if (partyState.compare(QLatin1String(PartyStateCaptions[i]), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Answers answersFor(bool outOfStateRead, bool roverRead, uint8_t outOfStateFlag, uint8_t roverFlag)
{
    Answers a;
    if (outOfStateRead) {
        a.inStateNo = outOfStateFlag != 0;
        a.inStateYes = !a.inStateNo;
    }
    if (roverRead) {
        a.roverYes = roverFlag == 1;
        a.roverNo = !a.roverYes;
    }
    return a;
}

int itemOfBox(int box)
{
    // Boxes 1..12: call, country, longitude, latitude, state, UTC offset, continent, county,
    // section, name, category, city.
    using Item = Module2::PrefItem;
    static constexpr std::array<Item, 12> items = {
        Item::OwnCall,          Item::OwnCountry,     Item::OwnLongitude, Item::OwnLatitude,
        Item::OwnStateProvince, Item::UtcOffsetHours, Item::OwnContinent, Item::CurrentCounty,
        Item::OwnSection,       Item::OwnName,        Item::OwnCategory,  Item::OwnCity,
    };
    return box >= 1 && box <= 12 ? int(items[size_t(box - 1)]) : 0;
}

Boxes boxesFromProfile()
{
    Boxes b;
    b[1] = G.OwnCall;
    b[5] = G.OwnStateProvince;
    b[6] = Format::single(G.UtcOffsetHours);
    b[2] = G.OwnCountry;
    b[3] = Format::single(G.OwnLongitude);
    b[4] = Format::single(G.OwnLatitude);
    b[7] = G.OwnContinent;
    b[8] = G.CurrentCounty;
    b[9] = G.OwnSection;
    b[10] = G.OwnName;
    b[11] = G.OwnCategory;
    b[12] = G.OwnCity;
    return b;
}

namespace {
KeyerSteps& installedKeyerSteps()
{
    static KeyerSteps steps;
    return steps;
}
}   // namespace

void setKeyerSteps(KeyerSteps steps) { installedKeyerSteps() = std::move(steps); }
const KeyerSteps& keyerSteps() { return installedKeyerSteps(); }

LoadResult loadData()
{
    LoadResult res;
    // `details` follows the box's first line: which file and which of its items failed.
    auto step = [&res](bool ok, const QString& details = QString()) {
        if (ok || res.failed)
            return ok;
        res.failed = true;
        Platform::prompts().messageBox(
            details.isEmpty() ? LoadErrorText : LoadErrorText + QStringLiteral("\r\n\r\n") + details, LoadErrorTitle);
        return ok;
    };

    // A profile item that does not read costs that item only: it has its installed value, and
    // the box names the file and the item. A missing file (a first run) shows the plain box.
    const Module2::PrefsReading prefs = Module2::ReadQSOpref();
    res.profileFound = prefs.fileRead;
    res.outOfStateRead = prefs.itemRead(int(Module2::PrefItem::OutOfStateFlag));
    res.roverRead = prefs.itemRead(int(Module2::PrefItem::RoverFlag));
    const QString path = QDir::toNativeSeparators(Module2::QSOprefPath());
    QString details;
    if (prefs.fileRead)
        details = path + QStringLiteral("\r\n") + prefs.describe();
    else if (!prefs.error.isEmpty())
        details = QStringLiteral("%1 cannot be read: %2.").arg(path, prefs.error);
    res.profileRead = step(prefs.whole(), details);
    Module2::CheckUTCOffset();
    res.countryTableLoaded = step(LoadCountryTable());
    res.statesLoaded = step(LoadStatePositions());
    res.keyerFilesRead = step(!keyerSteps().readFiles || keyerSteps().readFiles());
    return res;
}

// ---- Done --------------------------------------------------------------------------------------

bool isStorableNumber(const QString& text)
{
    double v = 0;
    return ListFormat::parseNumber(text, v) && std::fabs(v) <= FLT_MAX;
}

bool isUtcOffsetText(const QString& text)
{
    double v = 0;
    return ListFormat::parseNumber(text, v) && Module2::isUtcOffset(v);
}

std::optional<MainWindows::Which> done(Boxes& boxes, bool inStateYes, bool roverYes, const Typed& typed)
{
    // An offset outside the zones would store every contact hours away: refused where it was
    // typed, before anything is stored. Text that is no number becomes 0 below.
    if (double typedOffset = 0; ListFormat::parseNumber(boxes[6], typedOffset) && !Module2::isUtcOffset(typedOffset)) {
        Platform::prompts().messageBox(Module2::UtcOffsetRefusedText(boxes[6]), Module2::UtcOffsetRefusedTitle(),
                                       Platform::Buttons::Ok);
        return std::nullopt;
    }
    for (int box : {6, 3, 4})
        if (!isStorableNumber(boxes[box]))
            boxes[box] = QStringLiteral("0");

    G.PartyState = QStringLiteral("IN");
    G.OutOfStateFlag = inStateYes ? 0 : 1;
    G.RoverFlag = roverYes ? 1 : 0;

    G.OwnCall = boxes[1];
    G.OwnStateProvince = boxes[5];
    G.UtcOffsetHours = static_cast<float>(Format::toNumber(boxes[6]));
    G.OwnCountry = boxes[2];
    G.OwnLongitude = static_cast<float>(Format::toNumber(boxes[3]));
    G.OwnLatitude = static_cast<float>(Format::toNumber(boxes[4]));
    G.OwnContinent = boxes[7];
    G.CurrentCounty = boxes[8];
    G.OwnSection = boxes[9];
    G.OwnName = boxes[10];
    G.OwnCategory = boxes[11];
    G.OwnCity = boxes[12];

    // What the operator typed is theirs, and so are the answers and the contest state that Done
    // sets: written even where it equals what a damaged line took instead.
    for (int box = 1; box <= 12; ++box)
        if (typed[size_t(box)])
            Module2::MarkPrefStored(itemOfBox(box));
    for (Module2::PrefItem item :
         {Module2::PrefItem::PartyState, Module2::PrefItem::OutOfStateFlag, Module2::PrefItem::RoverFlag})
        Module2::MarkPrefStored(item);

    Module2::WriteQSOpref();

    // Eight tags held in memory, the ninth writes the file once.
    const std::array<std::pair<const char*, int>, 9> tags = {{{"OWN_CALL", 1},
                                                              {"OWN_SPC", 5},
                                                              {"OWN_UTC", 6},
                                                              {"OWN_COUNTY", 8},
                                                              {"OWN_COUNTRY", 2},
                                                              {"OWN_LONGITUDE", 3},
                                                              {"OWN_LATITUDE", 4},
                                                              {"OWN_CONTINENT", 7},
                                                              {"OWN_ARRL_SECTION", 9}}};
    for (size_t i = 0; i < tags.size(); ++i) {
        QString tag = QLatin1String(tags[i].first);
        modGlobalPreferences::SetGlobalPreference(tag, boxes[tags[i].second], i + 1 == tags.size() ? 1 : 0);
    }

    return MainWindows::chooseMainWindow();
}

}   // namespace StationSetup
