// The rate graph: the curve, strip and labels as a function of the log, and the window's
// message, labels and background switch.
#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include "core/Globals.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"
#include "reports/GraphQSO.h"
#include "reports/RateGraph.h"
#include "tests/entry/LogBuilder.h"
#include "tests/support/ScriptedPrompts.h"

namespace {

using RateGraph::Contact;

Contact at(const QTime& t, const char* band = "20", const QDate& d = QDate(2024, 5, 4))
{
    return {QDateTime(d, t, Qt::UTC), QLatin1String(band)};
}

// Ten contacts a minute apart from 14:00 (records 1-5 on 40 m, 6-10 on 6 m), then one at 16:30
// on 20 m: a span of 9000 s, 6 s per column, the first ten in columns 1, 10, 20 ... 90 and the
// last alone in column 1500.
QVector<Contact> fixture()
{
    QVector<Contact> log;
    for (int i = 0; i < 10; ++i)
        log << at(QTime(14, i, 0), i < 5 ? "40" : "6");
    log << at(QTime(16, 30, 0), "20");
    return log;
}

const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kRed(255, 0, 0), kYellow(255, 255, 0), kGreen(0, 255, 0);

}   // namespace

TEST(RateGraph, FewerThanSevenContactsAreNotGraphed)
{
    QVector<Contact> log = fixture().mid(0, 6);
    EXPECT_FALSE(RateGraph::compute(log, kBlack).enough);
    log << at(QTime(14, 30, 0));
    const RateGraph::Result r = RateGraph::compute(log, kBlack);
    EXPECT_TRUE(r.enough);
    EXPECT_TRUE(r.drawable);
}

TEST(RateGraph, RatesBridgedAndSmoothedOverTheFixtureLog)
{
    const RateGraph::Result r = RateGraph::compute(fixture(), kBlack);
    ASSERT_TRUE(r.drawable);
    // Six times the contacts in the ten minutes up to each: the tenth counts all ten.
    EXPECT_FLOAT_EQ(r.rawRate[10], 12);
    EXPECT_FLOAT_EQ(r.rawRate[90], 60);
    EXPECT_FLOAT_EQ(r.rawRate[1500], 6);   // alone, two hours later
    struct Row {
        int column;
        float plot;
        const char* why;
    };
    const Row rows[] = {
        {1, 6, "column 1 is always 6"},
        {2, 6, "the first bridged column repeats the value before the gap"},
        {5, 8.25f, "a straight line from 6 (column 1) to 12 (column 10), not smoothed before column 7"},
        {90, 58, "the mean of columns 84..90 (56 .. 60)"},
        {96, 60, "only column 90 is above 0 among 90..96"},
        {97, 0, "no value within the last seven columns"},
        {1000, 0, "a gap longer than 15 columns stays at 0"},
        {1485, 0, "the ramp to the lone contact starts at 0"},
        {1500, 4.8f, "the mean of the ramp 3.6 .. 5.6 and the 6 of columns 1494..1500"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        EXPECT_NEAR(r.plotRate[row.column], row.plot, 1e-4) << "column " << row.column;
    }
    EXPECT_FLOAT_EQ(r.minRate, 0);
    EXPECT_FLOAT_EQ(r.maxRate, 60);
    ASSERT_EQ(r.yLabels.size(), 17);
    EXPECT_EQ(r.yLabels[0], QStringLiteral("0.0"));
    EXPECT_EQ(r.yLabels[8], QStringLiteral("30.0"));
    EXPECT_EQ(r.yLabels[1], QStringLiteral("3.8"));
    EXPECT_EQ(r.yLabels[16], QStringLiteral("60.0"));
    // Fifteen moments 9000/14 s apart from the first contact.
    ASSERT_EQ(r.timeLabels.size(), 15);
    EXPECT_EQ(r.timeLabels[0], QStringLiteral("14:00"));
    EXPECT_EQ(r.timeLabels[1], QStringLiteral("14:10"));
    EXPECT_EQ(r.timeLabels[14], QStringLiteral("16:30"));
    EXPECT_EQ(r.dateLabels[7], QStringLiteral("05/04"));
}

TEST(RateGraph, StripCarriesTheBandOfTheRun)
{
    const RateGraph::Result black = RateGraph::compute(fixture(), kBlack);
    EXPECT_EQ(black.bandColor[1], kRed);
    EXPECT_EQ(black.bandColor[45], kRed);      // carried from column 40
    EXPECT_EQ(black.bandColor[50], kYellow);   // 6 m has no legend colour of its own
    EXPECT_EQ(black.bandColor[96], kYellow);
    EXPECT_EQ(black.bandColor[1490], kBlack);   // a run after a gap starts in the background
    EXPECT_EQ(black.bandColor[1500], kGreen);

    // On white, a 160 m column is the background colour and takes the carried one.
    QVector<Contact> log = fixture();
    log[3].band = QStringLiteral("160");
    const RateGraph::Result white = RateGraph::compute(log, kWhite);
    EXPECT_EQ(white.bandColor[30], kRed);
    EXPECT_EQ(RateGraph::compute(log, kBlack).bandColor[30], kWhite);
}

TEST(RateGraph, RecordsThatCannotBePlaced)
{
    // All in one second: the axis is labelled, no curve.
    QVector<Contact> same(7, at(QTime(14, 0, 0)));
    RateGraph::Result r = RateGraph::compute(same, kBlack);
    EXPECT_TRUE(r.enough);
    EXPECT_FALSE(r.drawable);
    EXPECT_EQ(r.timeLabels, QStringList(15, QStringLiteral("14:00")));

    // A record half a column or more before the first: column 0 at exactly half, outside after.
    QVector<Contact> log = fixture();
    log[4] = at(QTime(13, 59, 57));   // -3 s is half a column: column 0, not drawn
    r = RateGraph::compute(log, kBlack);
    EXPECT_TRUE(r.drawable);
    EXPECT_FLOAT_EQ(r.plotRate[1], 6);
    EXPECT_FLOAT_EQ(r.rawRate[0], 30);   // counts the later-stamped records before it
    log[4] = at(QTime(13, 59, 50));
    r = RateGraph::compute(log, kBlack);
    EXPECT_FALSE(r.drawable);
    EXPECT_EQ(r.stoppedAt, 5);

    // A time that cannot be read stops the drawing at that record instead of placing it anywhere.
    log = fixture();
    log[2].moment.reset();
    r = RateGraph::compute(log, kBlack);
    EXPECT_FALSE(r.drawable);
    EXPECT_EQ(r.stoppedAt, 3);
}

TEST(RateGraph, ReadsTheLogInMemory)
{
    resetGlobals();
    TestLog::add(
        {.date = QStringLiteral("2024/05/04"), .time = QStringLiteral("23:59:30"), .band = QStringLiteral("80")});
    TestLog::add({.date = QStringLiteral("2024/05/05"), .time = QStringLiteral("00:00:30")});
    TestLog::add({.time = QStringLiteral("bad")});
    const QVector<Contact> log = RateGraph::fromLog();
    ASSERT_EQ(log.size(), 3);
    EXPECT_EQ(log[0].moment->secsTo(*log[1].moment), 60);
    EXPECT_EQ(log[0].band, QStringLiteral("80"));
    EXPECT_FALSE(log[2].moment.has_value());
    resetGlobals();
}

class GraphQSOTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        Platform::setPrompts(&prompts);
        Platform::setScreenOverride(Platform::Screen::ofSize(9600, 7200));
    }
    void TearDown() override
    {
        Platform::setScreenOverride(std::nullopt);
        Platform::setPrompts(nullptr);
        resetGlobals();
    }
    Platform::ScriptedPrompts prompts;
};

TEST_F(GraphQSOTest, TooFewContactsGiveTheMessageAtOpeningAndAtEverySwitch)
{
    for (int i = 0; i < 6; ++i)
        TestLog::add({.time = QStringLiteral("14:0%1:00").arg(i)});
    GraphQSO w;
    w.Form_Load();
    w.Command1_Click();
    ASSERT_EQ(prompts.callsOf(QStringLiteral("message")).size(), 2);
    EXPECT_EQ(prompts.calls()[0].title, QStringLiteral("Not Enough Contacts to Graph."));
    EXPECT_EQ(prompts.calls()[0].text,
              QStringLiteral("The graph will not display with less than 7 contacts.  The graph becomes more "
                             "meaningful as several hours of contest logging are accumulated."));
    EXPECT_FALSE(w.graph().drawable);
}

TEST_F(GraphQSOTest, LabelsAndTheBackgroundSwitch)
{
    for (int i = 0; i < 10; ++i)
        TestLog::add({.time = QStringLiteral("14:0%1:00").arg(i)});
    TestLog::add({.time = QStringLiteral("16:30:00")});
    GraphQSO w;
    w.Form_Load();
    EXPECT_TRUE(prompts.calls().isEmpty());
    EXPECT_EQ(w.lblY[16]->text(), QStringLiteral("60.0"));
    EXPECT_EQ(w.lblTime[14]->text(), QStringLiteral("16:30"));
    EXPECT_EQ(w.lblDate[0]->text(), QStringLiteral("05/04"));
    EXPECT_EQ(w.Command1->text(), QStringLiteral("Black Background"));
    EXPECT_EQ(w.background(), kBlack);
    EXPECT_EQ(w.lines[4]->color(), QColor(128, 128, 128));   // Line5, a grid line
    EXPECT_TRUE(w.lines[7]->isHidden());                     // Line8, a bound of the strip

    w.Command1->click();
    EXPECT_EQ(w.Command1->text(), QStringLiteral("White Background"));
    EXPECT_EQ(w.background(), kWhite);
    EXPECT_EQ(w.lblY[3]->palette().color(QPalette::WindowText), kBlack);
    EXPECT_EQ(w.lblBnd[2]->palette().color(QPalette::WindowText), kRed);   // the legend keeps its colours

    w.Command1->click();
    EXPECT_EQ(w.Command1->text(), QStringLiteral("Black Background"));
    EXPECT_EQ(w.background(), kBlack);
    // The grid was grey at opening; after two switches every line is white.
    EXPECT_EQ(w.lines[4]->color(), kWhite);
    w.show();
    QApplication::processEvents();
    EXPECT_TRUE(w.grab().size().isValid());
}
