// The log reload: log.txt read back from a real file and every tally recomputed, for both windows.
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "core/ListFormat.h"
#include "entry/ReloadLog.h"
#include "entry/Tallies.h"
#include "mainwindow/StateProvinces.h"
#include "tests/core/test_store_fixture.h"
#include "tests/entry/LogBuilder.h"

namespace {

struct Line {
    const char* spc;
    const char* county;
    const char* mode;
    const char* time;
    const char* date = "2024/05/04";
};

class ReloadLogTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        G.CountyNames = TestLog::someCounties();
        // Contest clock 2024/05/04 15:00:00 (PC at UTC, no offset).
        clock.set(QDateTime(QDate(2024, 5, 4), QTime(15, 0, 0), Qt::UTC), 0);
    }

    void writeLines(std::initializer_list<Line> lines)
    {
        ListFormat::Writer w;
        int n = 0;
        for (const Line& l : lines) {
            ++n;
            w.text(QStringLiteral("W%1AB").arg(n % 10)).text("599").text("599").text(l.spc).text(l.county);
            w.text("").text("Marion").text("").text("").text("").text("");
            w.text(l.date).text(l.time).text(l.mode).text("20").number(0).text("").text("").text("");
            w.endLine();
        }
        writeLog(w.data());
    }
};

TEST_F(ReloadLogTest, OutOfStateLogCountedByHand)
{
    writeLines({
        {"", "Marion", "CW", "13:50:00"},    // older than an hour: stops the rate scan
        {"", "Marion", "PH", "14:05:00"},    // 55 minutes ago
        {"", "Allen", "CW", "14:30:00"},     // 30 minutes ago
        {"", "Allen", "cw", "14:45:00"},     // 15 minutes ago, same county and mode
        {"", "Nowhere", "CW", "14:50:00"},   // not a county of the table
        {"", "Vigo", "DG", "14:55:00"},      // digital
        {"", "Adams", "PH", "14:59:30"},     // 30 seconds ago
    });
    const auto r = LogReload::ReloadLog();
    ASSERT_TRUE(r.loaded);
    EXPECT_EQ(G.QSOCount, 7);
    EXPECT_EQ(r.figures.QSOPoints, 2 + 1 + 2 + 2 + 2 + 2 + 1);
    EXPECT_EQ(r.figures.CWContactCount, 4);
    EXPECT_EQ(r.figures.PHContactCount, 2);
    EXPECT_EQ(r.figures.DGContactCount, 1);
    // Marion CW, Marion PH, Allen CW, Adams PH.
    EXPECT_EQ(r.figures.MultiplierCount, 4);
    EXPECT_EQ(r.scoreTexts.lblTotCon, "2");
    EXPECT_EQ(r.scoreTexts.lblsectogo, "4");
    EXPECT_EQ(r.scoreTexts.lblTotSec, "4");
    EXPECT_EQ(r.scoreTexts.lblTotScore, "48");
    ASSERT_TRUE(r.rates.has_value());
    EXPECT_EQ(r.rates->perHour60, 6);
    EXPECT_EQ(r.rates->perHour20, 3 * 4);
    EXPECT_EQ(r.workedGrid.count(true), 0);
}

TEST_F(ReloadLogTest, InStateLogCountedByHand)
{
    StateProvinces::FillStateProvinceTable();
    G.CurrentMode = "PH";
    writeLines({
        {"OH", "", "CW", "14:00:00"},   // exactly an hour ago: counts in neither rate
        {"OH", "", "CW", "14:10:00"},
        {"OH", "", "PH", "14:20:00"},
        {"IN", "Marion", "CW", "14:30:00"},
        {"IN", "Marion", "PH", "14:40:00"},
        {"IN", "marion", "PH", "14:41:00"},
        {"ON", "", "PH", "14:45:00"},
        {"Germany", "", "CW", "14:50:00"},
        {"TX", "", "DG", "14:55:00"},
    });
    const auto r = LogReload::ReloadLog(Tallies::GridView::CurrentMode);
    ASSERT_TRUE(r.loaded);
    EXPECT_EQ(r.figures.CWContactCount, 4);
    EXPECT_EQ(r.figures.PHContactCount, 4);
    EXPECT_EQ(r.figures.DGContactCount, 1);
    EXPECT_EQ(r.figures.QSOPoints, 4 * 2 + 4 * 1 + 2);
    // OH CW, OH PH, ON PH, Marion CW, Marion PH.
    EXPECT_EQ(r.figures.MultiplierCount, 5);
    EXPECT_EQ(r.scoreTexts.lblTotScore, "70");
    ASSERT_TRUE(r.rates.has_value());
    EXPECT_EQ(r.rates->perHour60, 8);
    EXPECT_EQ(r.rates->perHour20, 3 * 4);   // 14:41 and later
    // Phone view: Ohio and Ontario; Texas only digital.
    ASSERT_EQ(r.workedGrid.size(), 64);
    EXPECT_TRUE(r.workedGrid[38]);
    EXPECT_TRUE(r.workedGrid[54]);
    EXPECT_FALSE(r.workedGrid[24]);
    EXPECT_FALSE(r.workedGrid[41]);
    EXPECT_EQ(r.workedGrid.count(true), 2);
}

TEST_F(ReloadLogTest, MissingLogIsEmpty)
{
    G.QSOPoints = 12;
    G.MultiplierCount = 3;
    const auto r = LogReload::ReloadLog();
    ASSERT_TRUE(r.loaded);
    EXPECT_EQ(r.figures.QSOPoints, 0);
    EXPECT_EQ(r.scoreTexts.lblTotScore, "0");
    ASSERT_TRUE(r.rates.has_value());
    EXPECT_EQ(r.rates->perHour60, 0);
    EXPECT_EQ(r.rates->perHour20, 0);
}

TEST_F(ReloadLogTest, ReloadReplacesWhatWasCountedBefore)
{
    writeLines({{"", "Adams", "CW", "14:59:00"}, {"", "Allen", "CW", "14:59:30"}});
    ASSERT_TRUE(LogReload::ReloadLog().loaded);
    EXPECT_EQ(G.MultiplierCount, 2);
    writeLines({{"", "Adams", "PH", "14:59:00"}});   // e.g. after an edit and a deletion
    const auto r = LogReload::ReloadLog();
    EXPECT_EQ(r.figures.MultiplierCount, 1);
    EXPECT_EQ(r.figures.QSOPoints, 1);
    EXPECT_EQ(r.figures.CWContactCount, 0);
    EXPECT_EQ(G.CountyModeMatrix[Tallies::SlotCountyCW][1], 0);
}

TEST_F(ReloadLogTest, UnreadableTimeKeepsRatesUnsetButCountsTheRest)
{
    writeLines({{"", "Adams", "CW", "14:59:00"}, {"", "Allen", "PH", "99:99"}});
    const auto r = LogReload::ReloadLog();
    ASSERT_TRUE(r.loaded);
    EXPECT_FALSE(r.rates.has_value());
    EXPECT_EQ(r.figures.MultiplierCount, 2);
}

TEST_F(ReloadLogTest, BrokenLogEndsTheProgramAndShowsNothing)
{
    writeLog("\"K9ABC\",\"599\"\r\n");
    const auto r = LogReload::ReloadLog();
    EXPECT_FALSE(r.loaded);
    EXPECT_EQ(programEnds, 1);
}

// The figures after a reload are those reached by logging the same contacts one by one.
TEST_F(ReloadLogTest, ReloadAgreesWithLoggingOneByOne)
{
    StateProvinces::FillStateProvinceTable();
    writeLines({
        {"OH", "", "CW", "14:00:00"},
        {"IN", "Vigo", "PH", "14:01:00"},
        {"oh", "", "CW", "14:02:00"},
        {"NU", "", "ph", "14:03:00"},
        {"IN", "Vigo", "PH", "14:04:00"},
        {"Japan", "", "CW", "14:05:00"},
        {"IN", "St. Joseph", "CW", "14:06:00"},
        {"CT", "", "DG", "14:07:00"},
        {"IN", "", "CW", "14:08:00"},
    });
    const auto reloaded = LogReload::ReloadLog();
    ASSERT_TRUE(reloaded.loaded);
    const auto matrix = G.CountyModeMatrix;

    const auto records = G.ContactArrays;
    const int count = G.QSOCount;
    resetGlobals();
    G.CountyNames = TestLog::someCounties();
    StateProvinces::FillStateProvinceTable();
    for (int i = 1; i <= count; ++i) {
        ++G.QSOCount;
        for (int k = 1; k <= ContactArraysT::FieldCount; ++k)
            if (k != 16)
                G.ContactArrays.text(k, i) = records.text(k, i);
        Tallies::addContact(i);
    }
    const auto logged = Tallies::figures();
    EXPECT_EQ(logged.QSOPoints, reloaded.figures.QSOPoints);
    EXPECT_EQ(logged.MultiplierCount, reloaded.figures.MultiplierCount);
    EXPECT_EQ(logged.CWContactCount, reloaded.figures.CWContactCount);
    EXPECT_EQ(logged.PHContactCount, reloaded.figures.PHContactCount);
    EXPECT_TRUE(matrix == G.CountyModeMatrix);
}

}   // namespace
