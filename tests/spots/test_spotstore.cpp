// The spot store's intake (slots, same-call removal, list rows), the label text of a call, the
// country lookup over a small table and the real one, and the band map's range and labels.
#include <gtest/gtest.h>

#include <QFile>

#include "core/Globals.h"
#include "core/ListFormat.h"
#include "spots/BandMap.h"
#include "spots/CountryyLookupForDXSpots.h"
#include "spots/SpotStore.h"

using namespace Spots;

namespace {

const QDateTime T0(QDate(2024, 5, 4), QTime(12, 0, 0));

void take(SpotStoreT& s, const QString& call, const QString& khz, const QDateTime& at = T0)
{
    QVariant c(call), f(khz), r(QStringLiteral("de K9AB:      ") + khz + QStringLiteral("  ") + call);
    intake(s, c, f, r, at);
}

void setTable(std::initializer_list<std::pair<const char*, const char*>> rows)
{
    G.CountryTable.clear();
    for (const auto& [prefix, country] : rows) {
        CountryRow row;
        row.prefix = QString::fromLatin1(prefix);
        row.country = QString::fromLatin1(country);
        G.CountryTable.append(row);
    }
}

}   // namespace

TEST(SpotIntake, FrequencyRecordAndListRow)
{
    SpotStoreT s;
    setTable({{"DL", "Germany"}});
    QVariant call(QStringLiteral("DL1ABC")), freq(QStringLiteral("14025.0"));
    QVariant record(QStringLiteral("de K9AB:      14025.0  DL1ABC     CW 599 up 2                DL    1423 IN\rjunk"));
    const auto row = intake(s, call, freq, record, T0);
    ASSERT_TRUE(row);
    EXPECT_DOUBLE_EQ(freq.toDouble(), 14.025);
    EXPECT_EQ(record.toString(),
              QStringLiteral("de K9AB:      14025.0  DL1ABC     CW 599 up 2                DL    1423 IN"));
    EXPECT_EQ(row->frequency, QStringLiteral("14.025"));
    EXPECT_EQ(row->qth, QStringLiteral("Germany"));
    EXPECT_EQ(row->comments, QStringLiteral("de K9AB:  CW 599 up 2"));
    EXPECT_EQ(row->prefix, QStringLiteral("DL"));
    EXPECT_EQ(row->time, QStringLiteral("1423"));
    EXPECT_EQ(row->from, QStringLiteral("IN"));
    EXPECT_EQ(row->status, QString());
    EXPECT_EQ(s.slot[49].call, QStringLiteral("DL1ABC"));
    EXPECT_FLOAT_EQ(s.slot[49].frequency, 14.025f);
    EXPECT_EQ(s.slot[49].time, T0);
    EXPECT_EQ(s.slot[49].prefix, QStringLiteral("DL1"));

    QVariant f2(QStringLiteral("144300"));
    EXPECT_EQ(intake(s, call, f2, record, T0)->frequency, QStringLiteral("144.3"));

    // A frequency that is not a number changes nothing, and neither does one no radio can be on:
    // below 0 (a click would tune there) or beyond single precision (it would be stored as
    // infinity).
    for (const QString& bad : {QString(), QStringLiteral("abc"), QStringLiteral("-#:14074."), QStringLiteral("nan"),
                               QStringLiteral("-7030.0"), QString(60, QLatin1Char('9'))}) {
        SpotStoreT before = s;
        QVariant f(bad), r(QStringLiteral("x\ry"));
        EXPECT_FALSE(intake(s, call, f, r, T0)) << bad.toStdString();
        EXPECT_EQ(r.toString(), QStringLiteral("x\ry"));
        for (int i = 0; i < 50; ++i)
            EXPECT_EQ(s.slot[i].call, before.slot[i].call);
    }
    // A 10 GHz spot is a spot like any other.
    QVariant f3(QStringLiteral("10368100."));
    ASSERT_TRUE(intake(s, call, f3, record, T0));
    EXPECT_DOUBLE_EQ(f3.toDouble(), 10368.1);
}

TEST(SpotIntake, FiftyFirstSpotShiftsOutTheFirstAndARepeatRemovesTheOlderCopy)
{
    SpotStoreT s;
    for (int i = 0; i < 51; ++i)
        take(s, QStringLiteral("K%1AA").arg(i), QStringLiteral("%1").arg(14001 + i));
    EXPECT_EQ(s.slot[0].call, QStringLiteral("K1AA"));
    EXPECT_EQ(s.slot[49].call, QStringLiteral("K50AA"));

    take(s, QStringLiteral("k40aa"), QStringLiteral("14100"));   // any case
    EXPECT_EQ(s.slot[38].call, QStringLiteral("K40AA"));
    EXPECT_EQ(s.slot[38].frequency, 0);
    EXPECT_FLOAT_EQ(s.slot[49].frequency, 14.1f);
    // The older copy keeps its call, time and prefix until shifted out.
    EXPECT_EQ(s.slot[38].prefix, QStringLiteral("K40"));
}

TEST(SpotIntake, ARepeatWhoseOlderCopyJustReachedSlotZeroIsRemovedToo)
{
    SpotStoreT s;
    take(s, QStringLiteral("VE3XYZ"), QStringLiteral("7010"));
    for (int i = 0; i < 48; ++i)
        take(s, QStringLiteral("W%1AA").arg(i), QStringLiteral("7020"));
    take(s, QStringLiteral("VE3XYZ"), QStringLiteral("7030"));
    ASSERT_EQ(s.slot[0].call, QStringLiteral("VE3XYZ"));
    EXPECT_EQ(s.slot[0].frequency, 0);   // not drawn beside its newer copy
}

TEST(CallPrefix, LabelTexts)
{
    const struct {
        const char* call;
        const char* prefix;
    } cases[] = {
        {"K9", ""},
        {"", ""},
        {"DL1ABC", "DL1"},
        {"ABCD", "ABCD"},
        {"VP2V/K9AB", "VP2V"},
        {"WA9XYZ/4", "WA4"},
        {"K9AB/MM", "MM"},
        {"DL1ABC/QRPP", "QRP"},
        {"K9AB/PORTABLE", "K9AB"},
        {"OH2/K9XYZ", "OH2"},
        {"K1ABC/KH6", "KH6"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CallPrefix(QString::fromLatin1(c.call)), QString::fromLatin1(c.prefix)) << c.call;
}

TEST(SpotCountryLookup, SmallTableCases)
{
    setTable({{"3A", "Monaco"},
              {"9A", "Croatia"},
              {"D", "Germany1"},
              {"DL", "Germany"},
              {"DL8", "Germany8"},
              {"DM", "Germany"},
              {"JA", "Japan"},
              {"K", "USA"},
              {"KG4", "Guantanamo Bay"},
              {"KH6", "Hawaii"},
              {"VE", "Canada"},
              {"W", "USA"},
              {"ZS", "South Africa"}});
    const struct {
        const char* call;
        const char* country;
        const char* searched;
    } cases[] = {
        {"DL8ABC", "Germany8", "DL8ABC"},   // the longest prefix wins
        {"DL1ABC", "Germany", "DL1ABC"},
        {"9A1AA", "Croatia", "9A1AA"},   // below "A": starts early and scans forward
        {"3A2MD", "Monaco", "3A2MD"},
        {"ZS6AB", "South Africa", "ZS6AB"},
        {"JA1XYZ", "Japan", "JA1XYZ"},
        {"K9AB/KH6", "Hawaii", "KH6"},          // 3 after the slash of 8: searched alone
        {"K9A/VE3A", "USA", "K9A/VE3A"},        // 4 of 8 is not under half: the whole call
        {"KH6/K9ABC", "Hawaii", "KH6/K9ABC"},   // 5 after the slash of 9 is over half
        {"K9AB/P", "USA", "K9AB/P"},            // one character after the slash
        {"KG4ABC", "USA", "KG4ABC"},            // KG4 longer than 5
        {"KG4AB", "Guantanamo Bay", "KG4AB"},
        {"dl1abc", "", "dl1abc"},   // case matters
        {"QQ1A", "", "QQ1A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call);
        EXPECT_EQ(CountryyLookupForDXSpots::SpotCountryLookup(QString::fromLatin1(c.call)).toString(),
                  QString::fromLatin1(c.country));
        EXPECT_EQ(CountryyLookupForDXSpots::LookupCall, QString::fromLatin1(c.searched));
    }
    EXPECT_FALSE(CountryyLookupForDXSpots::SpotCountryLookup(QString()).isValid());
    setTable({});
    EXPECT_EQ(CountryyLookupForDXSpots::SpotCountryLookup(QStringLiteral("DL1ABC")).toString(), QString());
}

TEST(SpotCountryLookup, InstalledTable)
{
    QFile f(QStringLiteral(VQPLOG_SOURCE_DIR "/data/arrlpre2.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    G.CountryTable.clear();
    ListFormat::Reader r(f.readAll());
    ListFormat::Value v[8];
    while (!r.atEnd()) {
        for (auto& x : v)
            r.next(x);
        CountryRow row;
        row.prefix = v[0].toText();
        row.country = v[1].toText();
        G.CountryTable.append(row);
    }
    const struct {
        const char* call;
        const char* country;
    } cases[] = {{"DL1ABC", "Fed. Rep. of Germany"},
                 {"JA1XYZ", "Japan"},
                 {"VK2ABC", "Australia"},
                 {"K9AB", "USA"},
                 {"G4ABC", "England"},
                 {"ZS6AB", "South Africa"},
                 {"4X1AB", "Israel"}};
    for (const auto& c : cases)
        EXPECT_EQ(CountryyLookupForDXSpots::SpotCountryLookup(QString::fromLatin1(c.call)).toString(),
                  QString::fromLatin1(c.country))
            << c.call;
    G.CountryTable.clear();
}

TEST(BandMap, RangeZoomAndTicks)
{
    EXPECT_EQ(bandEdges(QStringLiteral("20")).high, 14.35);
    EXPECT_EQ(bandEdges(QStringLiteral("1.25")).low, 219);
    EXPECT_EQ(bandEdges(QStringLiteral("30")).high, 0);

    SpotStoreT s;
    const BandRange edges = bandEdges(QStringLiteral("20"));
    EXPECT_EQ(tickCaptions(zoomRange(s, edges)),
              (QStringList{"14.000", "14.088", "14.175", "14.262", "14.350"}));   // 14.0875, 14.2625 to even
    take(s, QStringLiteral("DL1ABC"), QStringLiteral("14025"));
    take(s, QStringLiteral("JA1XYZ"), QStringLiteral("7025"));
    EXPECT_EQ(zoomRange(s, edges).low, 14);   // one spot on the band: no zoom
    take(s, QStringLiteral("VK2ABC"), QStringLiteral("14225"));
    EXPECT_EQ(tickCaptions(zoomRange(s, edges)), (QStringList{"14.024", "14.074", "14.125", "14.176", "14.226"}));
    EXPECT_EQ(tickCaptions(bandEdges(QStringLiteral("x"))).first(), QStringLiteral(".000"));
    EXPECT_EQ(format3(0.5), QStringLiteral(".500"));

    // A spot held only in slot 0 still widens the zoom, so it is never placed off the ruler.
    SpotStoreT t;
    take(t, QStringLiteral("OLD1"), QStringLiteral("14300"));
    for (int i = 0; i < 49; ++i)
        take(t, QStringLiteral("N%1X").arg(i), i % 2 ? QStringLiteral("14100") : QStringLiteral("14200"));
    const BandRange z = zoomRange(t, edges);
    EXPECT_NEAR(z.high, 14.301, 1e-6);
}

TEST(BandMap, LabelsByAgeRangeAndRemoval)
{
    SpotStoreT s;
    const QDateTime now = T0;
    take(s, QStringLiteral("OLD1AA"), QStringLiteral("14010"), now.addSecs(-3700));
    take(s, QStringLiteral("S1AA"), QStringLiteral("14020"), now.addSecs(-1800));
    take(s, QStringLiteral("W1AA"), QStringLiteral("14030"), now.addSecs(-600));
    take(s, QStringLiteral("Y1AA"), QStringLiteral("14040"), now.addSecs(-599));
    take(s, QStringLiteral("JA1XYZ"), QStringLiteral("7025"), now);
    take(s, QStringLiteral("EDGE1"), QStringLiteral("14000"), now);
    const auto labels = placeLabels(s, 14, 14.35, now, 5);
    ASSERT_EQ(labels.size(), 3u);   // the hour-old spot ends the walk; 7 MHz and the band edge are skipped
    EXPECT_EQ(labels[0].caption, QStringLiteral("Y1"));
    EXPECT_EQ(labels[0].color, QColor(255, 255, 128));
    EXPECT_EQ(labels[1].color, QColor(255, 255, 255));
    EXPECT_EQ(labels[2].color, QColor(192, 192, 192));
    EXPECT_EQ(labels[0].toolTip, QStringLiteral("Y1AA  14.040  16:50:01"));
    EXPECT_NEAR(labels[0].position, 40.0 / 350.0, 1e-5);

    s.slot[48].frequency = 0;   // a removed spot
    EXPECT_EQ(placeLabels(s, 14, 14.35, now, 5).size(), 3u);
    s.slot[47].frequency = 0;
    EXPECT_EQ(placeLabels(s, 14, 14.35, now, 5).size(), 2u);
}
