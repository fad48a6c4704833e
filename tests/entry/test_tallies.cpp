// Points, mode counts, multipliers, score texts, the worked-states grid and the QSO rates.
#include <gtest/gtest.h>

#include "core/Format.h"
#include "core/Globals.h"
#include "entry/Tallies.h"
#include "mainwindow/StateProvinces.h"
#include "platform/Clock.h"
#include "tests/entry/LogBuilder.h"
#include "tests/support/FakeClock.h"

#include <random>

using TestLog::Contact;

namespace {

class TalliesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        G.CountyNames = TestLog::someCounties();
    }
    void TearDown() override { Platform::setClock(nullptr); }

    static void inState() { StateProvinces::FillStateProvinceTable(); }
    static int cell(int slot, int row) { return G.CountyModeMatrix[slot][row]; }
    static int setCells()
    {
        int n = 0;
        for (const auto& slot : G.CountyModeMatrix)
            for (uint8_t c : slot)
                n += c;
        return n;
    }
};

TEST_F(TalliesTest, EmptyLogScoresZeroEverywhere)
{
    Tallies::Recount();
    const auto f = Tallies::figures();
    EXPECT_EQ(f.QSOPoints, 0);
    EXPECT_EQ(f.MultiplierCount, 0);
    EXPECT_EQ(f.score, 0);
    const auto t = Tallies::scoreTexts(f);
    EXPECT_EQ(t.lblTotCon, "0");
    EXPECT_EQ(t.lblsectogo, "0");
    EXPECT_EQ(t.lblTotSec, "0");
    EXPECT_EQ(t.lblTotScore, "0");
}

// Out-of-state log: counties only, the state field empty.
TEST_F(TalliesTest, OutOfStateLogCountedByHand)
{
    TestLog::add({"", "Marion", "CW"});
    TestLog::add({"", "Marion", "PH"});    // same county on phone: a second multiplier
    TestLog::add({"", "marion", "CW"});    // third Marion on CW: nothing new
    TestLog::add({"", "Allen", "cw"});     // lower-case mode counts as CW
    TestLog::add({"", "Nowhere", "PH"});   // not a county of the table: no multiplier
    TestLog::add({"", "Vigo", "DG"});      // digital: 2 points, no multiplier
    TestLog::add({"", "Adams", ""});       // empty mode: 2 points, counted as digital
    Tallies::Recount();

    const auto f = Tallies::figures();
    EXPECT_EQ(f.QSOPoints, 2 + 1 + 2 + 2 + 1 + 2 + 2);
    EXPECT_EQ(f.CWContactCount, 3);
    EXPECT_EQ(f.PHContactCount, 2);
    EXPECT_EQ(f.DGContactCount, 2);
    EXPECT_EQ(f.MultiplierCount, 3);
    EXPECT_EQ(f.score, 12.0 * 3);
    EXPECT_EQ(cell(Tallies::SlotCountyCW, 3), 1);   // Marion is row 3
    EXPECT_EQ(cell(Tallies::SlotCountyPH, 3), 1);
    EXPECT_EQ(cell(Tallies::SlotCountyCW, 2), 1);   // Allen
    EXPECT_EQ(cell(Tallies::SlotCountyCW, 5), 0);   // Vigo on digital marks nothing
    EXPECT_EQ(setCells(), 3);
}

TEST_F(TalliesTest, ThreeCwTwoPhoneOneDigitalGiveTenPoints)
{
    for (const char* mode : {"CW", "CW", "CW", "PH", "PH", "DG"})
        TestLog::add({"", "", mode});
    Tallies::Recount();
    const auto t = Tallies::scoreTexts(Tallies::figures());
    EXPECT_EQ(Tallies::figures().QSOPoints, 10);
    EXPECT_EQ(t.lblsectogo, "3");
    EXPECT_EQ(t.lblTotCon, "2");
}

// In-state log: states and provinces of the table and the contest state's counties.
TEST_F(TalliesTest, InStateLogCountedByHand)
{
    inState();
    TestLog::add({"OH", "", "CW"});         // Ohio on CW
    TestLog::add({"oh", "", "CW"});         // again: nothing new
    TestLog::add({"OH", "", "PH"});         // Ohio on phone: one more
    TestLog::add({"IN", "Marion", "CW"});   // a county; the contest state itself never counts
    TestLog::add({"IN", "Marion", "CW"});   // same county, same mode: nothing
    TestLog::add({"IN", "", "PH"});         // contest state without county: nothing
    TestLog::add({"ON", "", "PH"});         // a province
    TestLog::add({"Germany", "", "CW"});    // DX: points only
    TestLog::add({"TX", "", "DG"});         // digital: points only
    Tallies::Recount();

    const auto f = Tallies::figures();
    EXPECT_EQ(f.CWContactCount, 5);
    EXPECT_EQ(f.PHContactCount, 3);
    EXPECT_EQ(f.DGContactCount, 1);
    EXPECT_EQ(f.QSOPoints, 5 * 2 + 3 * 1 + 2);
    EXPECT_EQ(f.MultiplierCount, 4);
    EXPECT_EQ(f.score, 15.0 * 4);
    EXPECT_EQ(cell(Tallies::SlotStateCW, 38), 1);   // OH is row 38
    EXPECT_EQ(cell(Tallies::SlotStatePH, 38), 1);
    EXPECT_EQ(cell(Tallies::SlotStatePH, 54), 1);   // ON is row 54
    EXPECT_EQ(cell(Tallies::SlotStateCW, 41), 0);   // IN never
    EXPECT_EQ(cell(Tallies::SlotStatePH, 41), 0);
    EXPECT_EQ(cell(Tallies::SlotStateCW, 24), 0);   // TX on digital
    EXPECT_EQ(cell(Tallies::SlotCountyCW, 3), 1);
}

TEST_F(TalliesTest, LoggingOneContactReportsTheCellsItSets)
{
    inState();
    const auto first = Tallies::addContact(TestLog::add({"OH", "", "CW"}));
    EXPECT_EQ(first.stateRow, 38);
    EXPECT_EQ(G.MultiplierCount, 1);
    const auto again = Tallies::addContact(TestLog::add({"OH", "", "CW"}));
    EXPECT_EQ(again.stateRow, 0);
    EXPECT_EQ(G.MultiplierCount, 1);
    const auto county = Tallies::addContact(TestLog::add({"IN", "St. Joseph", "PH"}));
    EXPECT_EQ(county.stateRow, 0);
    EXPECT_EQ(county.countyRow, 4);
    EXPECT_EQ(G.MultiplierCount, 2);
    EXPECT_EQ(G.QSOPoints, 5);
}

TEST_F(TalliesTest, RecountStartsFromClearCounters)
{
    G.QSOPoints = 99;
    G.MultiplierCount = 7;
    G.CWContactCount = 3;
    G.CountyModeMatrix[3][150] = 1;   // left over from an earlier, larger table
    TestLog::add({"", "Adams", "CW"});
    Tallies::Recount();
    EXPECT_EQ(G.QSOPoints, 2);
    EXPECT_EQ(G.CWContactCount, 1);
    EXPECT_EQ(G.MultiplierCount, 1);
    EXPECT_EQ(setCells(), 1);
}

TEST_F(TalliesTest, FirstOfEqualCountyNamesTakesTheCell)
{
    G.CountyNames = {"Adams", "Jay", "JAY"};
    TestLog::add({"", "jay", "CW"});
    Tallies::Recount();
    EXPECT_EQ(cell(Tallies::SlotCountyCW, 2), 1);
    EXPECT_EQ(cell(Tallies::SlotCountyCW, 3), 0);
}

TEST_F(TalliesTest, ALaterEntrysExactSpellingStillFindsTheFirstEqualName)
{
    G.CountyNames = {"Adams", "Jay", "JAY"};
    TestLog::add({"", "JAY", "PH"});
    TestLog::add({"", "Jay", "CW"});
    Tallies::Recount();
    EXPECT_EQ(cell(Tallies::SlotCountyPH, 2), 1);
    EXPECT_EQ(cell(Tallies::SlotCountyPH, 3), 0);
    EXPECT_EQ(cell(Tallies::SlotCountyCW, 2), 1);
    EXPECT_EQ(G.MultiplierCount, 2);
}

TEST_F(TalliesTest, ScoreTextsGroupThousands)
{
    Tallies::Figures f;
    f.PHContactCount = 1234;
    f.CWContactCount = 999;
    f.MultiplierCount = 1000;
    f.score = 12345678;
    const auto t = Tallies::scoreTexts(f);
    EXPECT_EQ(t.lblTotCon, "1,234");
    EXPECT_EQ(t.lblsectogo, "999");
    EXPECT_EQ(t.lblTotSec, "1,000");
    EXPECT_EQ(t.lblTotScore, "12,345,678");
    EXPECT_EQ(Format::grouped(100), "100");
    EXPECT_EQ(Format::grouped(1000000), "1,000,000");
}

TEST_F(TalliesTest, GridShowsWorkedStatesByView)
{
    inState();
    TestLog::add({"OH", "", "PH"});         // Ohio only on phone
    TestLog::add({"TX", "", "CW"});         // Texas only on CW
    TestLog::add({"MI", "", "DG"});         // Michigan only digital
    TestLog::add({"IN", "Marion", "CW"});   // a county, no grid label
    Tallies::Recount();
    const int oh = 38, tx = 24, mi = 37, in = 41;

    const auto all = Tallies::workedGrid(Tallies::GridView::AllModes, "CW");
    ASSERT_EQ(all.size(), 64);
    EXPECT_TRUE(all[oh]);
    EXPECT_TRUE(all[tx]);
    EXPECT_FALSE(all[mi]);
    EXPECT_FALSE(all[in]);
    EXPECT_FALSE(all[3]);   // row 3 carries the county Marion's cells, not a state

    const auto cw = Tallies::workedGrid(Tallies::GridView::CurrentMode, "cw");
    EXPECT_FALSE(cw[oh]);
    EXPECT_TRUE(cw[tx]);
    const auto ph = Tallies::workedGrid(Tallies::GridView::CurrentMode, "PH");
    EXPECT_TRUE(ph[oh]);
    EXPECT_FALSE(ph[tx]);
    const auto dg = Tallies::workedGrid(Tallies::GridView::CurrentMode, "DG");
    EXPECT_EQ(dg.count(true), 0);

    // The view changes colours only.
    EXPECT_EQ(G.MultiplierCount, 3);
}

TEST_F(TalliesTest, GridViewFollowsTheButtonCaption)
{
    EXPECT_EQ(Tallies::gridViewFromCaption("Crnt Mode"), Tallies::GridView::CurrentMode);
    EXPECT_EQ(Tallies::gridViewFromCaption("crnt mode"), Tallies::GridView::CurrentMode);
    EXPECT_EQ(Tallies::gridViewFromCaption("All Modes"), Tallies::GridView::AllModes);
    EXPECT_EQ(Tallies::gridViewFromCaption(""), Tallies::GridView::AllModes);
}

// Adding contacts one by one through the logging path gives exactly what a full recount of the
// same log gives, for logs mixing every kind of record.
TEST_F(TalliesTest, ContactByContactEqualsFullRecount)
{
    const QStringList spcs = {"OH", "oh", "TX", "IN", "in", "ON", "NU", "CT", "Germany", "Japan", "", "XX", "ct"};
    const QStringList counties = {"Adams", "allen", "MARION", "St. Joseph", "Vigo", "", "Nowhere"};
    const QStringList modes = {"CW", "cw", "PH", "ph", "DG", "", "RTTY"};
    for (bool inStateRun : {true, false}) {
        for (unsigned seed = 1; seed <= 20; ++seed) {
            resetGlobals();
            G.CountyNames = TestLog::someCounties();
            if (inStateRun)
                inState();
            std::mt19937 rng(seed);
            auto pick = [&](const QStringList& l) { return l[int(rng() % l.size())]; };
            const int n = 1 + int(rng() % 300);
            for (int k = 0; k < n; ++k)
                Tallies::addContact(TestLog::add({pick(spcs), pick(counties), pick(modes)}));

            const auto incremental = Tallies::figures();
            const auto matrix = G.CountyModeMatrix;
            Tallies::Recount();
            const auto full = Tallies::figures();
            SCOPED_TRACE(QStringLiteral("seed %1, in-state %2").arg(seed).arg(inStateRun).toStdString());
            EXPECT_EQ(incremental.QSOPoints, full.QSOPoints);
            EXPECT_EQ(incremental.CWContactCount, full.CWContactCount);
            EXPECT_EQ(incremental.PHContactCount, full.PHContactCount);
            EXPECT_EQ(incremental.DGContactCount, full.DGContactCount);
            EXPECT_EQ(incremental.MultiplierCount, full.MultiplierCount);
            EXPECT_EQ(incremental.score, full.score);
            EXPECT_TRUE(matrix == G.CountyModeMatrix);
            EXPECT_EQ(full.MultiplierCount, setCells());
        }
    }
}

// --- QSO rates ---

class RatesTest : public TalliesTest {
protected:
    const QDateTime now{QDate(2024, 5, 4), QTime(15, 0, 0), Qt::UTC};
    void at(qint64 secondsAgo)
    {
        const QDateTime t = now.addSecs(-secondsAgo);
        TestLog::add({"", "", "CW", Format::logDate(t.date()), Format::logTime(t.time())});
    }
    Tallies::Rates rates()
    {
        const auto r = Tallies::QSORates(now);
        EXPECT_TRUE(r.has_value());
        return r.value_or(Tallies::Rates{-1, -1});
    }
};

TEST_F(RatesTest, EmptyLogGivesZero)
{
    const auto r = rates();
    EXPECT_EQ(r.perHour60, 0);
    EXPECT_EQ(r.perHour20, 0);
}

TEST_F(RatesTest, FiveContactsOverTheLastHour)
{
    for (qint64 ago : {67 * 60, 50 * 60, 25 * 60, 10 * 60, 5})
        at(ago);
    const auto r = rates();
    EXPECT_EQ(r.perHour20, 6);
    EXPECT_EQ(r.perHour60, 4);
}

TEST_F(RatesTest, FourteenContactsInTheHour)
{
    for (int k = 8; k >= 0; --k)
        at(1300 + k * 100);   // nine between 20 and 60 minutes ago, in time order
    for (int k = 0; k < 5; ++k)
        at(1000 - k * 100);   // five in the last 20 minutes
    const auto r = rates();
    EXPECT_EQ(r.perHour60, 14);
    EXPECT_EQ(r.perHour20, 15);
}

TEST_F(RatesTest, BoundariesOfTheTwoWindows)
{
    struct Case {
        qint64 ago;
        int perHour60, perHour20;
    };
    for (const Case& c : {Case{1199, 1, 3}, Case{1200, 1, 0}, Case{3599, 1, 0}, Case{3600, 0, 0}, Case{-60, 1, 3}}) {
        resetGlobals();
        at(c.ago);
        const auto r = rates();
        EXPECT_EQ(r.perHour60, c.perHour60) << c.ago;
        EXPECT_EQ(r.perHour20, c.perHour20) << c.ago;
    }
}

TEST_F(RatesTest, AnOldContactLoggedLastStopsTheCount)
{
    at(60);
    at(120);
    TestLog::add({"", "", "CW", "2024/05/01", "10:00"});   // entered after the contest
    const auto r = rates();
    EXPECT_EQ(r.perHour60, 0);
    EXPECT_EQ(r.perHour20, 0);
}

TEST_F(RatesTest, PostContestTimeWithoutSecondsIsRead)
{
    TestLog::add({"", "", "CW", "2024/05/04", "14:50"});
    const auto r = rates();
    EXPECT_EQ(r.perHour60, 1);
    EXPECT_EQ(r.perHour20, 3);
}

TEST_F(RatesTest, UnreadableDateOrTimeGivesNoRates)
{
    for (auto [date, time] :
         {std::pair{"2024/13/04", "14:50:00"}, std::pair{"", "14:50:00"}, std::pair{"2024/05/04", "25:00:00"},
          std::pair{"2024/05/04", "14.50"}, std::pair{"4/31/2024", "14:50:00"}}) {
        resetGlobals();
        at(30);
        TestLog::add({"", "", "CW", date, time});
        EXPECT_FALSE(Tallies::QSORates(now).has_value()) << date << " " << time;
    }
}

// A record edited by hand holds its date and time as they were typed; they still count.
TEST_F(RatesTest, TypedDateAndTimeFormsAreRead)
{
    Platform::FakeClock clock;
    Platform::setClock(&clock);
    clock.set(now, 0);
    struct Case {
        const char* date;
        const char* time;
        int perHour60, perHour20;
    };
    for (const Case& c : {Case{"5/4/2024", "14:50:00", 1, 3}, Case{"05/04/24", "14:50", 1, 3},
                          Case{"5/4", "9:05", 0, 0}, Case{"2024/5/4", "14:30", 1, 0}}) {
        resetGlobals();
        TestLog::add({"", "", "CW", c.date, c.time});
        const auto r = Tallies::QSORates(now);
        ASSERT_TRUE(r.has_value()) << c.date << " " << c.time;
        EXPECT_EQ(r->perHour60, c.perHour60) << c.date << " " << c.time;
        EXPECT_EQ(r->perHour20, c.perHour20) << c.date << " " << c.time;
    }
    Platform::setClock(nullptr);
}

TEST_F(RatesTest, UnreadableRecordBeyondTheHourIsNeverRead)
{
    TestLog::add({"", "", "CW", "garbage", ""});
    at(4000);
    at(30);
    EXPECT_EQ(rates().perHour60, 1);
}

TEST_F(RatesTest, ClockIsLocalTimePlusOffsetInWholeMinutes)
{
    Platform::FakeClock clock;
    Platform::setClock(&clock);
    // PC at UTC-5 (local = utc - 5 h), 21:30:17.600 local on 3 May.
    clock.set(QDateTime(QDate(2024, 5, 4), QTime(2, 30, 17, 600), Qt::UTC), -5 * 3600);
    G.UtcOffsetHours = 5;
    EXPECT_EQ(Tallies::utcNow(), QDateTime(QDate(2024, 5, 4), QTime(2, 30, 17), Qt::UTC));
    G.UtcOffsetHours = 5.5f;
    EXPECT_EQ(Tallies::utcNow(), QDateTime(QDate(2024, 5, 4), QTime(3, 0, 17), Qt::UTC));
    G.UtcOffsetHours = 0.33f;   // 19.8 minutes: 20
    EXPECT_EQ(Tallies::utcNow(), QDateTime(QDate(2024, 5, 3), QTime(21, 50, 17), Qt::UTC));
}

}   // namespace

TEST_F(TalliesTest, GridHoverCountsTheStateOverAllBandsAndModes)
{
    EXPECT_EQ(Tallies::stateTotalText(QStringLiteral("OH"), QStringLiteral("Ohio")),
              QStringLiteral("  Ohio    Total = 0"));
    TestLog::add({"OH", "", "CW"});
    TestLog::add({"oh", "", "PH"});   // typed in lower case: counts
    TestLog::Contact other{"OH", "", "DG"};
    other.band = QStringLiteral("80");
    TestLog::add(other);
    TestLog::add({"OHX", "", "CW"});
    TestLog::add({"IN", "Marion", "CW"});
    EXPECT_EQ(Tallies::stateTotalText(QStringLiteral("OH"), QStringLiteral("Ohio")),
              QStringLiteral("  Ohio    Total = 3"));
    // The contest state is counted too, though it is no multiplier.
    EXPECT_EQ(Tallies::stateTotalText(QStringLiteral("IN"), QStringLiteral("Vazazev")),
              QStringLiteral("  Vazazev    Total = 1"));
    EXPECT_DOUBLE_EQ(Tallies::gridHoverFontPoints(9600, 100), 8.0);
    EXPECT_DOUBLE_EQ(Tallies::gridHoverFontPoints(19200, 50), 8.0);
}
