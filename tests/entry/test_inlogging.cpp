// Logging a contact in the in-state window: the checks and their messages, the record as log.txt
// holds it (the own county in field 7), points and multipliers, and the rover's repeat for each
// further county.
#include "InLoggingFixture.h"

#include <QDir>

#include "entry/InLogging.h"
#include "entry/Tallies.h"

using Entry::Field;
using Logging::Ending;

TEST_F(InLoggingTest, ContactIsOneLineOfLogTxtWithTheOwnCountySent)
{
    G.CurrentFrequency = QStringLiteral("14.025");
    fill(QStringLiteral("K9XYZ"), QStringLiteral("579"), QStringLiteral("IN"), QStringLiteral("mari"),
         QStringLiteral("599"));
    in.labels.countyCaptionEnabled = true;
    const auto r = InLogging::Mains(in);
    EXPECT_FALSE(in.labels.countyCaptionEnabled);

    ASSERT_EQ(r.ending, Ending::Logged);
    EXPECT_EQ(logText(), QByteArray("\"K9XYZ\",\"599\",\"579\",\"IN\",\"Marion\",\"\",\"Adams\",\"\",\"\",\"\",\"\","
                                    "\"2024/05/04\",\"14:02:11\",\"CW\",\"20\",0,\"\",\"\",\"14.025\"\r\n"));
    for (Field f : {Field::Call, Field::RSTR, Field::Cntry, Field::Sec, Field::RSTS})
        EXPECT_EQ(in.box(f).text, QString());
    EXPECT_EQ(in.focus, Field::Call);
    EXPECT_EQ(G.CurrentFrequency, QString());
    EXPECT_EQ(G.MultiplierCount, 1);   // Marion on CW
    EXPECT_EQ(inHost.calls,
              (QStringList{"UpdateCountyLists", "ListRecentContacts", "ShowScore", "hideEditButtons", "ShowQSORates"}));
    EXPECT_EQ(prompts.beeps(), 0);
}

// The frequency goes with a contact only when it lies in the contact's band, whatever the
// station worked.
TEST_F(InLoggingTest, FrequencyIsStoredOnlyWhenItLiesInTheContactsBand)
{
    struct Case {
        const char* band;
        const char* frequency;
        QStringList fields;   // call, report received, state, county, report sent
        const char* stored;
    };
    const Case cases[] = {
        {"80", "7.012", {"K9AA", "599", "IN", "Marion", "599"}, ""},
        {"80", "3.512", {"K9AB", "599", "IN", "Marion", "599"}, "3.512"},
        {"40", "7.012", {"W1AW", "599", "CT", "", "599"}, "7.012"},
        {"20", "7.012", {"DL1ABC", "599", "Germany", "", "599"}, ""},
        {"10", "10100.000", {"VE3XYZ", "599", "ON", "", "599"}, ""},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields[0].toStdString());
        G.CurrentBand = QString::fromLatin1(c.band);
        G.CurrentFrequency = QString::fromLatin1(c.frequency);
        fill(c.fields[0], c.fields[1], c.fields[2], c.fields[3], c.fields[4]);
        ASSERT_EQ(InLogging::Mains(in).ending, Ending::Logged);
        ++n;
        EXPECT_EQ(G.ContactArrays.ContactFrequency[n], QString::fromLatin1(c.stored));
        const QList<QByteArray> lines = logLines();
        ASSERT_EQ(lines.size(), n);
        EXPECT_TRUE(
            lines.last().endsWith(",\"" + QByteArray(c.band) + "\",0,\"\",\"\",\"" + QByteArray(c.stored) + "\"\r"))
            << lines.last().toStdString();
    }
}

// A blank at either end of a value is no part of it: the state field's check, the county's and
// the record see every value without it.
TEST_F(InLoggingTest, BlanksAtEitherEndOfEveryValueAreDropped)
{
    fill(QStringLiteral(" K9XYZ"), QStringLiteral("579 "), QStringLiteral(" IN "), QStringLiteral("\u00A0Dearborn "),
         QStringLiteral(" 599"));
    ASSERT_EQ(InLogging::Mains(in).ending, Ending::Logged);
    EXPECT_EQ(logText(), QByteArray("\"K9XYZ\",\"599\",\"579\",\"IN\",\"Dearborn\",\"\",\"Adams\",\"\",\"\",\"\",\"\","
                                    "\"2024/05/04\",\"14:02:11\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n"));
}

// Each row: the entry, the message that stays, the field with the focus, the beeps. Nothing is
// stored and the entry stays for correction.
TEST_F(InLoggingTest, RefusedEntries)
{
    struct Case {
        const char* name;
        QStringList fields;   // call, report received, state, county, report sent
        QString message;
        Field focus;
        int beeps;
    };
    const Case cases[] = {
        {"empty entry: four beeps, the county not asked", {"", "", "", "", ""}, "Need Report Sent!", Field::RSTS, 4},
        {"contest state without county", {"K9XYZ", "599", "IN", "", "599"}, "Need County!", Field::Sec, 1},
        {"short call and no state", {"K9", "599", "", "", "599"}, "Need Country!", Field::Cntry, 2},
        {"two letters that are no state", {"K9XYZ", "599", "XX", "", "599"}, "Invald Section!", Field::Cntry, 1},
        {"unknown county", {"K9XYZ", "599", "IN", "Nowhere", "599"}, "Nowhere is not a valid county!", Field::Sec, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        G.LoggedOnFlag = 0;
        G.MissingFieldFlag = G.BadSectionFlag = G.BadCountyFlag = 0;
        fill(c.fields[0], c.fields[1], c.fields[2], c.fields[3], c.fields[4]);
        const auto r = InLogging::Mains(in);
        EXPECT_EQ(r.ending, Ending::Refused);
        EXPECT_EQ(in.labels.lblDialog, c.message);
        EXPECT_EQ(in.focus, c.focus);
        EXPECT_EQ(prompts.beeps(), c.beeps);
        EXPECT_EQ(G.QSOCount, 0);
        EXPECT_FALSE(QFile::exists(logPath()));
        EXPECT_EQ(in.txtCall.text, c.fields[0]);
        EXPECT_EQ(G.LoggedOnFlag, 1);   // the first attempt starts the operating time
        prompts.clear();
    }
}

TEST_F(InLoggingTest, CountryNameAfterABadSectionIsStoredUnchecked)
{
    fill(QStringLiteral("DL1ABC"), QStringLiteral("599"), QStringLiteral("XX"), QString(), QStringLiteral("599"));
    EXPECT_EQ(InLogging::Mains(in).ending, Ending::Refused);
    EXPECT_EQ(in.labels.lblDialog, QStringLiteral("Invald Section!"));

    in.setText(Field::Cntry, QStringLiteral("Germany"));
    in.labels.Label3Visible = true;   // new on this band: the DX list takes it
    EXPECT_EQ(InLogging::Mains(in).ending, Ending::Logged);
    EXPECT_TRUE(inHost.calls.contains(QStringLiteral("AddBandDX 1")));
    EXPECT_EQ(G.ContactArrays.ContactSPC[1], QStringLiteral("Germany"));
    EXPECT_EQ(G.MultiplierCount, 0);   // a DX country is no multiplier
    EXPECT_EQ(G.QSOPoints, 2);
}

// A county typed for a station outside the contest state is dropped, and an earlier contact of the
// call with a county does not bring it back.
TEST_F(InLoggingTest, StationOutsideTheStateNeverStoresACounty)
{
    loggedIn(QStringLiteral("W9ABC"), QStringLiteral("IN"), QStringLiteral("Marion"), QStringLiteral("Adams"),
             QStringLiteral("40"));
    for (const QString& county : {QStringLiteral("Marion"), QString()}) {
        SCOPED_TRACE(county.toStdString());
        fill(QStringLiteral("W9ABC"), QStringLiteral("599"), QStringLiteral("OH"), county, QStringLiteral("599"));
        const auto r = InLogging::Mains(in);
        ASSERT_EQ(r.ending, Ending::Logged);
        EXPECT_EQ(G.ContactArrays.ContactCounty[r.record], QString());
        EXPECT_EQ(G.ContactArrays.ContactSPC[r.record], QStringLiteral("OH"));
        G.CurrentBand = QStringLiteral("15");   // the next one is no duplicate
    }
}

TEST_F(InLoggingTest, PointsByModeAndTheStateGrid)
{
    struct Step {
        const char* mode;
        const char* state;
        int points, multipliers;
        QVector<int> worked;   // grid labels turned worked so far, once per new state cell
    };
    const Step steps[] = {
        {"CW", "OH", 2, 1, {38}},     {"CW", "OH", 4, 1, {38}},   // Ohio again on CW: nothing new
        {"PH", "OH", 5, 2, {38, 38}},                             // on phone: one more multiplier
        {"DG", "TX", 7, 2, {38, 38}},                             // digital: points, no multiplier
        {"CW", "IN", 9, 3, {38, 38}},                             // Marion on CW, no grid label
    };
    int n = 0;
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << s.mode << " " << s.state);
        G.CurrentMode = QString::fromLatin1(s.mode);
        G.CurrentBand = QString::number(10 + n++);   // no duplicates
        fill(QStringLiteral("K9XYZ"), QStringLiteral("59"), QString::fromLatin1(s.state), QStringLiteral("Marion"),
             QStringLiteral("59"));
        ASSERT_EQ(InLogging::Mains(in).ending, Ending::Logged);
        EXPECT_EQ(G.QSOPoints, s.points);
        EXPECT_EQ(G.MultiplierCount, s.multipliers);
        EXPECT_EQ(inHost.workedRows, s.worked);
    }
    // A reload counts the same.
    const int multipliers = G.MultiplierCount;
    Tallies::Recount();
    EXPECT_EQ(G.MultiplierCount, multipliers);
    EXPECT_EQ(Tallies::scoreTexts(Tallies::figures()).lblTotScore, QStringLiteral("27"));
}

TEST_F(InLoggingTest, DateAndTimeAreUtcFromOneReading)
{
    // 21:30 on the PC, 5 hours to UTC: the next day's 02:30.
    clock.set(QDateTime(QDate(2024, 5, 5), QTime(2, 30, 0), Qt::UTC), -5 * 3600);
    fill(QStringLiteral("K9XYZ"), QStringLiteral("599"), QStringLiteral("OH"), QString(), QStringLiteral("599"));
    ASSERT_EQ(InLogging::Mains(in).ending, Ending::Logged);
    EXPECT_EQ(G.ContactArrays.ContactDate[1], QStringLiteral("2024/05/05"));
    EXPECT_EQ(G.ContactArrays.ContactTime[1], QStringLiteral("02:30:00"));
}

TEST_F(InLoggingTest, PostContestDateAndTime)
{
    in.txtPostConDate.visible = in.txtPostConTime.visible = true;
    in.txtPostConDate.setText(QStringLiteral("5/4/2024"));
    in.txtPostConTime.setText(QStringLiteral("930"));
    fill(QStringLiteral("K9XYZ"), QStringLiteral("599"), QStringLiteral("OH"), QString(), QStringLiteral("599"));
    ASSERT_EQ(InLogging::Mains(in).ending, Ending::Logged);
    EXPECT_EQ(G.ContactArrays.ContactDate[1], QStringLiteral("2024/05/04"));
    EXPECT_EQ(G.ContactArrays.ContactTime[1], QStringLiteral("09:30"));
    EXPECT_EQ(in.txtPostConTime.text, QStringLiteral("09:30"));   // never emptied

    // A time that does not read ends Mains before anything else, the clock button included.
    G.LoggedOnFlag = 0;
    in.txtPostConTime.setText(QStringLiteral("99:99"));
    fill(QStringLiteral("K9XYZ"), QStringLiteral("599"), QStringLiteral("IL"), QString(), QStringLiteral("599"));
    EXPECT_EQ(InLogging::Mains(in).ending, Ending::BadPostContest);
    EXPECT_EQ(in.labels.lblDialog, QStringLiteral("Invalid time format!"));
    EXPECT_EQ(G.LoggedOnFlag, 0);
    EXPECT_EQ(G.QSOCount, 1);
}

TEST_F(InLoggingTest, FailedAppendCountsNothingAndStartsNoRepeat)
{
    G.RoverFlag = 1;
    inHost.rover = {QStringLiteral("Adams"), QStringLiteral("Allen")};
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("log.txt")));
    fill(QStringLiteral("K9XYZ"), QStringLiteral("599"), QStringLiteral("OH"), QString(), QStringLiteral("599"));
    const auto r = InLogging::Mains(in);
    EXPECT_EQ(r.ending, Ending::WriteFailed);
    EXPECT_EQ(G.QSOCount, 0);
    EXPECT_EQ(G.MultiplierCount, 0);
    EXPECT_TRUE(inHost.workedRows.isEmpty());
    EXPECT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(in.txtCall.text, QStringLiteral("K9XYZ"));
    EXPECT_TRUE(inHost.ownCounty.isEmpty());
    EXPECT_EQ(G.CurrentCounty, QStringLiteral("Adams"));
}

TEST_F(InLoggingTest, FullLogIsRefusedWithAMessage)
{
    G.QSOCount = ContactArraysT::MaxContacts;
    fill(QStringLiteral("K9XYZ"), QStringLiteral("599"), QStringLiteral("OH"), QString(), QStringLiteral("599"));
    const auto r = InLogging::Mains(in);
    EXPECT_EQ(r.ending, Ending::LogFull);
    EXPECT_TRUE(r.messageBox.contains(QStringLiteral("11000")));
    EXPECT_EQ(G.QSOCount, ContactArraysT::MaxContacts);
    EXPECT_EQ(in.txtCall.text, QStringLiteral("K9XYZ"));
}

// ---- Rover on a county line -----------------------------------------------------------------

class RoverRepeatTest : public InLoggingTest {
protected:
    void SetUp() override
    {
        InLoggingTest::SetUp();
        G.RoverFlag = 1;
        inHost.rover = {QStringLiteral("Adams"), QStringLiteral("Marion")};
    }
};

TEST_F(RoverRepeatTest, OneContactIsLoggedOncePerCounty)
{
    fill(QStringLiteral("K9XYZ"), QStringLiteral("599"), QStringLiteral("OH"), QString(), QStringLiteral("599"));
    const auto r = InLogging::Mains(in);
    ASSERT_EQ(r.ending, Ending::Logged);

    const QList<QByteArray> lines = logLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QByteArray("\"K9XYZ\",\"599\",\"599\",\"OH\",\"\",\"\",\"Adams\",\"\",\"\",\"\",\"\","
                                   "\"2024/05/04\",\"14:02:11\",\"CW\",\"20\",0,\"\",\"\",\"\"\r"));
    EXPECT_EQ(lines[1], QByteArray("\"K9XYZ\",\"599\",\"599\",\"OH\",\"\",\"\",\"Marion\",\"\",\"\",\"\",\"\","
                                   "\"2024/05/04\",\"14:02:11\",\"CW\",\"20\",0,\"\",\"\",\"\"\r"));
    EXPECT_EQ(G.CurrentCounty, QStringLiteral("Adams"));
    EXPECT_EQ(inHost.ownCounty, (QStringList{"Marion", "Adams"}));
    EXPECT_EQ(G.QSOPoints, 4);
    EXPECT_EQ(G.MultiplierCount, 1);   // Ohio on CW, once
}

// A frequency the rig reports while the repeat runs goes only with a contact of its band.
TEST_F(RoverRepeatTest, AFrequencyReportedDuringTheRepeatIsStoredOnlyInItsBand)
{
    G.CurrentBand = QStringLiteral("80");
    const std::pair<const char*, const char*> cases[] = {{"7.012", ""}, {"3.512", "3.512"}};
    int n = 0;
    for (auto [reported, stored] : cases) {
        SCOPED_TRACE(reported);
        inHost.onOwnCounty = [reported = QString::fromLatin1(reported)](const QString& county) {
            if (county == QLatin1String("Marion"))
                G.CurrentFrequency = reported;
        };
        fill(QStringLiteral("K9XY") + QChar('A' + n), QStringLiteral("599"), QStringLiteral("OH"), QString(),
             QStringLiteral("599"));
        ASSERT_EQ(InLogging::Mains(in).ending, Ending::Logged);
        n += 2;
        ASSERT_EQ(G.QSOCount, n);
        EXPECT_EQ(G.ContactArrays.ContactSentCounty[n], QStringLiteral("Marion"));
        EXPECT_EQ(G.ContactArrays.ContactFrequency[n], QString::fromLatin1(stored));
        const QList<QByteArray> lines = logLines();
        ASSERT_EQ(lines.size(), n);
        EXPECT_TRUE(lines.last().endsWith(",\"80\",0,\"\",\"\",\"" + QByteArray(stored) + "\"\r"))
            << lines.last().toStdString();
    }
}

TEST_F(RoverRepeatTest, ADuplicateInAFurtherCountyIsSkipped)
{
    inHost.rover = {QStringLiteral("Adams"), QStringLiteral("Allen"), QStringLiteral("Marion")};
    loggedIn(QStringLiteral("K9XYZ"), QStringLiteral("OH"), QString(), QStringLiteral("Allen"));
    fill(QStringLiteral("K9XYZ"), QStringLiteral("599"), QStringLiteral("OH"), QString(), QStringLiteral("599"));
    ASSERT_EQ(InLogging::Mains(in).ending, Ending::Logged);

    EXPECT_EQ(G.QSOCount, 3);   // the earlier one, Adams and Marion
    EXPECT_EQ(G.ContactArrays.ContactSentCounty[2], QStringLiteral("Adams"));
    EXPECT_EQ(G.ContactArrays.ContactSentCounty[3], QStringLiteral("Marion"));
    EXPECT_EQ(logLines().size(), 2);
    EXPECT_TRUE(in.labels.lblDialog.startsWith(QStringLiteral("Duplicate K9XYZ 05/04 14:00:00  Rec#  1")));
    EXPECT_EQ(G.CurrentCounty, QStringLiteral("Adams"));
}

TEST_F(RoverRepeatTest, AFailedStepLeavesTheFirstCountyCurrent)
{
    inHost.rover = {QStringLiteral("Adams"), QStringLiteral("Allen"), QStringLiteral("Marion")};
    // After the first record is stored log.txt can no longer be written.
    inHost.afterScore = [this] {
        QFile::remove(logPath());
        QDir(dir.path()).mkdir(QStringLiteral("log.txt"));
    };
    fill(QStringLiteral("K9XYZ"), QStringLiteral("599"), QStringLiteral("OH"), QString(), QStringLiteral("599"));
    ASSERT_EQ(InLogging::Mains(in).ending, Ending::Logged);
    EXPECT_EQ(G.QSOCount, 1);
    EXPECT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(G.CurrentCounty, QStringLiteral("Adams"));
    EXPECT_EQ(inHost.ownCounty.last(), QStringLiteral("Adams"));
}

TEST_F(RoverRepeatTest, ARefusedContactStartsNoRepeatAndAFixedStationNone)
{
    fill(QStringLiteral("K9XYZ"), QString(), QStringLiteral("OH"), QString(), QStringLiteral("599"));
    EXPECT_EQ(InLogging::Mains(in).ending, Ending::Refused);
    EXPECT_EQ(G.QSOCount, 0);
    EXPECT_TRUE(inHost.ownCounty.isEmpty());

    G.RoverFlag = 0;
    fill(QStringLiteral("K9XYZ"), QStringLiteral("599"), QStringLiteral("OH"), QString(), QStringLiteral("599"));
    EXPECT_EQ(InLogging::Mains(in).ending, Ending::Logged);
    EXPECT_EQ(G.QSOCount, 1);
}
