// Logging a contact in the out-of-state window: the checks, their messages and focus, the record
// as log.txt holds it, duplicates, post-contest entry, and the log that cannot take a contact.
#include "EntryFixture.h"

#include <QDir>

#include "core/Module2Log.h"
#include "platform/Sound.h"
#include "tests/keying/test_sound_wave.h"
#include "tests/support/LogCapture.h"

using Entry::Field;
using OutLogging::Ending;

namespace {
QByteArray fileText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
}   // namespace

class LoggingTest : public EntryTest {
protected:
    void SetUp() override
    {
        EntryTest::SetUp();
        // 09:02:11 on the PC, 5 hours to UTC.
        clock.set(QDateTime(QDate(2024, 5, 4), QTime(14, 2, 11), Qt::UTC), -5 * 3600);
        G.UtcOffsetHours = 5;
        host.logs = true;
    }
    void fill(const QString& call, const QString& rstr, const QString& county, const QString& rsts)
    {
        row.setText(Field::Call, call);
        row.setText(Field::RSTR, rstr);
        row.setText(Field::Sec, county);
        row.setText(Field::RSTS, rsts);
        row.focus = Field::RSTS;   // Enter is pressed in the report sent
    }
    QString logPath() const { return dir.filePath(QStringLiteral("log.txt")); }
};

TEST_F(LoggingTest, ContactIsOneLineOfLogTxtAndTheEntryEmpties)
{
    fill(QStringLiteral("K9XYZ"), QStringLiteral("599"), QStringLiteral("Marion"), QStringLiteral("599"));
    const auto r = OutLogging::Mains(row);

    EXPECT_EQ(r.ending, Ending::Logged);
    EXPECT_EQ(r.record, 1);
    EXPECT_EQ(G.QSOCount, 1);
    EXPECT_EQ(fileText(logPath()), QByteArray("\"K9XYZ\",\"599\",\"599\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"\",\"\","
                                              "\"2024/05/04\",\"14:02:11\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n"));
    for (Field f : {Field::Call, Field::RSTR, Field::Sec, Field::RSTS})
        EXPECT_EQ(row.box(f).text, QString());
    EXPECT_EQ(row.focus, Field::Call);
    EXPECT_EQ(row.labels.lblDialog, QString());
    EXPECT_EQ(row.labels.lblDialogBackColor, Entry::ColorTeal);
    EXPECT_EQ(G.QSOPoints, 2);
    EXPECT_EQ(G.CWContactCount, 1);
    EXPECT_EQ(G.MultiplierCount, 1);
    EXPECT_EQ(host.calls,
              (QStringList{"ListRecentContacts", "UpdateCountyLists", "ShowScore", "hideEditButtons", "ShowQSORates"}));
    EXPECT_EQ(prompts.beeps(), 0);
}

// A blank at either end of a value (pasted, or typed before a name that begins "De" or "La") is
// no part of it: the checks and the record see the value as typed without it.
TEST_F(LoggingTest, BlanksAtEitherEndOfEveryValueAreDropped)
{
    logged(QStringLiteral("K9ABC"), QStringLiteral("Marion"));
    fill(QStringLiteral(" K9ABC "), QStringLiteral(" 599"), QStringLiteral(" Marion\u00A0"), QStringLiteral("599 "));
    EXPECT_EQ(OutLogging::Mains(row).ending, Ending::Duplicate);
    EXPECT_EQ(G.QSOCount, 1);

    fill(QStringLiteral(" K9XYZ "), QStringLiteral(" 579"), QStringLiteral(" Dearborn "), QStringLiteral("599 "));
    ASSERT_EQ(OutLogging::Mains(row).ending, Ending::Logged);
    EXPECT_EQ(fileText(logPath()),
              QByteArray("\"K9XYZ\",\"599\",\"579\",\"\",\"Dearborn\",\"\",\"\",\"\",\"\",\"\",\"\","
                         "\"2024/05/04\",\"14:02:11\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n"));
}

TEST_F(LoggingTest, FrequencyIsStoredAndEmptiedAfterEveryEnter)
{
    G.CurrentFrequency = QStringLiteral("14.025");
    G.CurrentMode = QStringLiteral("PH");
    fill(QStringLiteral("K9XYZ"), QStringLiteral("59"), QStringLiteral("Lake"), QStringLiteral("59"));
    OutLogging::Mains(row);
    EXPECT_EQ(G.ContactArrays.ContactFrequency[1], QStringLiteral("14.025"));
    EXPECT_EQ(G.CurrentFrequency, QString());
    EXPECT_TRUE(fileText(logPath()).endsWith("\"PH\",\"20\",0,\"\",\"\",\"14.025\"\r\n"));
    EXPECT_EQ(G.QSOPoints, 1);   // phone earns 1
    EXPECT_EQ(G.PHContactCount, 1);

    G.CurrentFrequency = QStringLiteral("14.030");
    fill(QString(), QString(), QString(), QString());
    OutLogging::Mains(row);
    EXPECT_EQ(G.CurrentFrequency, QString());   // a refused contact empties it too
}

// A contact keeps the frequency the rig reported only when it lies in the contact's band: the
// band changed by hand after the radio was lost (or never followed it) must not leave a 40 m
// frequency on an 80 m contact, where a logbook that trusts the frequency would file it.
TEST_F(LoggingTest, FrequencyIsStoredOnlyWhenItLiesInTheContactsBand)
{
    struct Case {
        const char* band;
        const char* frequency;
        const char* stored;
    };
    const Case cases[] = {
        {"80", "7.012", ""},       {"40", "7.012", "7.012"},   {"20", "14.350", "14.350"}, {"20", "14.352", ""},
        {"160", "1.800", "1.800"}, {"160", ".500", ""},        {"10", "28.400", "28.400"}, {"10", "10100.000", ""},
        {"6", "50.125", "50.125"}, {"15", "21.200", "21.200"}, {"15", "14.025", ""},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.band) + " m at " + c.frequency);
        G.CurrentBand = QString::fromLatin1(c.band);
        G.CurrentFrequency = QString::fromLatin1(c.frequency);
        fill(QStringLiteral("K9A") + QChar('A' + n), QStringLiteral("599"), QStringLiteral("Marion"),
             QStringLiteral("599"));
        LogCapture log;
        ASSERT_EQ(OutLogging::Mains(row).ending, Ending::Logged);
        ++n;
        EXPECT_EQ(G.ContactArrays.ContactFrequency[n], QString::fromLatin1(c.stored));
        // A frequency left out is not shown to the operator, only logged.
        EXPECT_EQ(log.warnings("vqplog.entry").size(), *c.stored ? 0 : 1);
        EXPECT_TRUE(prompts.calls().isEmpty());
        EXPECT_EQ(G.CurrentFrequency, QString());
        const QList<QByteArray> lines = fileText(logPath()).split('\n');
        ASSERT_GT(lines.size(), n);
        EXPECT_TRUE(
            lines[n - 1].endsWith(",\"" + QByteArray(c.band) + "\",0,\"\",\"\",\"" + QByteArray(c.stored) + "\"\r"))
            << lines[n - 1].toStdString();
    }
}

namespace {
// A clock that moves on a second at every reading, so a date and a time taken from two readings
// around midnight would not belong together.
class TickingClock : public Platform::Clock {
public:
    explicit TickingClock(const QDateTime& start) : next_(start) {}
    Platform::TimeReading read() const override
    {
        Platform::TimeReading r{next_, next_};
        next_ = next_.addSecs(1);
        return r;
    }
    qint64 monotonicMs() const override { return 0; }

private:
    mutable QDateTime next_;
};
}   // namespace

TEST_F(LoggingTest, DateAndTimeComeFromOneReadingAcrossMidnight)
{
    G.UtcOffsetHours = 0;
    TickingClock ticking(QDateTime(QDate(2024, 5, 4), QTime(23, 59, 59), Qt::UTC));
    Platform::setClock(&ticking);
    fill(QStringLiteral("K9XYZ"), QStringLiteral("599"), QStringLiteral("Marion"), QStringLiteral("599"));
    OutLogging::Mains(row);
    Platform::setClock(&clock);
    const QString stamp = G.ContactArrays.ContactDate[1] + QLatin1Char(' ') + G.ContactArrays.ContactTime[1];
    EXPECT_TRUE(stamp == QStringLiteral("2024/05/04 23:59:59") || stamp == QStringLiteral("2024/05/05 00:00:00"))
        << stamp.toStdString();
}

TEST_F(LoggingTest, UtcOffsetIsAddedInWholeMinutes)
{
    G.UtcOffsetHours = 5.5f;
    clock.set(QDateTime(QDate(2024, 5, 5), QTime(0, 0, 0), Qt::UTC), -5 * 3600 - 1800);
    fill(QStringLiteral("K9XYZ"), QStringLiteral("599"), QStringLiteral("Lake"), QStringLiteral("599"));
    OutLogging::Mains(row);
    EXPECT_EQ(G.ContactArrays.ContactDate[1], QStringLiteral("2024/05/05"));
    EXPECT_EQ(G.ContactArrays.ContactTime[1], QStringLiteral("00:00:00"));
}

TEST_F(LoggingTest, EmptyEntryWithTheClockStoppedStartsItAndAsksForEveryField)
{
    G.LoggedOnFlag = 0;
    G.CurrentFrequency = QStringLiteral("7.010");
    row.focus = Field::RSTS;
    row.keyPress(Field::RSTS, '\r');

    EXPECT_EQ(host.calls.first(), QStringLiteral("Mains"));
    EXPECT_EQ(host.calls[1], QStringLiteral("cmdLogOn_Click"));
    EXPECT_EQ(G.LoggedOnFlag, 1);
    EXPECT_EQ(prompts.beeps(), 4);
    EXPECT_EQ(row.labels.lblDialog, QStringLiteral("Need Report Sent!"));
    EXPECT_EQ(row.focus, Field::RSTS);
    EXPECT_EQ(host.lastResult.ending, Ending::Refused);
    EXPECT_EQ(G.MissingFieldFlag, 1);
    EXPECT_EQ(G.QSOCount, 0);
    EXPECT_FALSE(QFile::exists(logPath()));
    EXPECT_EQ(G.CurrentFrequency, QString());
}

struct MissingCase {
    const char* call;
    const char* rstr;
    const char* county;
    const char* rsts;
    const char* message;
    Field focus;
    int beeps;
};

void PrintTo(const MissingCase& c, std::ostream* os)
{
    QString name = QString::fromLatin1(c.message);
    name.remove(QLatin1Char('!')).replace(QLatin1Char(' '), QLatin1Char('_'));
    *os << name.toStdString() << "_" << c.beeps;
}

class MissingField : public LoggingTest, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingField, LastFailingCheckKeepsMessageAndFocus)
{
    const MissingCase& c = GetParam();
    fill(QString::fromLatin1(c.call), QString::fromLatin1(c.rstr), QString::fromLatin1(c.county),
         QString::fromLatin1(c.rsts));
    const auto r = OutLogging::Mains(row);
    EXPECT_EQ(r.ending, Ending::Refused);
    EXPECT_EQ(row.labels.lblDialog, QString::fromLatin1(c.message));
    EXPECT_EQ(row.focus, c.focus);
    EXPECT_EQ(prompts.beeps(), c.beeps);
    EXPECT_EQ(G.QSOCount, 0);
    EXPECT_EQ(row.txtCall.text, QString::fromLatin1(c.call));   // kept for correction
}

INSTANTIATE_TEST_SUITE_P(Table, MissingField,
                         ::testing::Values(MissingCase{"K9XYZ", "599", "", "599", "Need County!", Field::Sec, 1},
                                           MissingCase{"K9XYZ", "", "Lake", "599", "Report Received!", Field::RSTR, 1},
                                           MissingCase{"K9", "599", "Lake", "599", "Need Call Sign!", Field::Call, 1},
                                           MissingCase{"K9XYZ", "599", "Lake", "", "Need Report Sent!", Field::RSTS, 1},
                                           MissingCase{"K9", "", "", "599", "Need Call Sign!", Field::Call, 3},
                                           MissingCase{"K9XYZ", "599", "Marrion", "599",
                                                       "Marrion is not a valid county!", Field::Sec, 1}));

TEST_F(LoggingTest, EnterInTheCallFieldChecksTheFieldsAsLeavingItLeavesThem)
{
    // Moving the focus to the missing county leaves the call field, whose defaults fill the
    // reports before their checks come.
    row.focus = Field::Call;
    row.setText(Field::Call, QStringLiteral("K9XYZ"));
    OutLogging::Mains(row);
    EXPECT_EQ(row.labels.lblDialog, QStringLiteral("Need County!"));
    EXPECT_EQ(row.focus, Field::Sec);
    EXPECT_EQ(prompts.beeps(), 1);
    EXPECT_EQ(row.txtRSTR.text, QStringLiteral("599"));
}

TEST_F(LoggingTest, AbbreviationIsStoredAsTheCountysName)
{
    fill(QStringLiteral("K9XYZ"), QStringLiteral("599"), QStringLiteral("mari"), QStringLiteral("599"));
    EXPECT_EQ(OutLogging::Mains(row).ending, Ending::Logged);
    EXPECT_EQ(G.ContactArrays.ContactCounty[1], QStringLiteral("Marion"));

    // A refused contact keeps the expanded name for the next Enter.
    fill(QStringLiteral("K9"), QStringLiteral("599"), QStringLiteral("LAKE"), QStringLiteral("599"));
    OutLogging::Mains(row);
    EXPECT_EQ(row.txtSec.text, QStringLiteral("Lake"));
}

TEST_F(LoggingTest, DuplicateIsRefusedInRedAndClearsTheEntry)
{
    fill(QStringLiteral("K9ABC"), QStringLiteral("599"), QStringLiteral("Marion"), QStringLiteral("599"));
    ASSERT_EQ(OutLogging::Mains(row).ending, Ending::Logged);
    host.prompts.clear();
    prompts.clear();

    fill(QStringLiteral("K9ABC"), QStringLiteral("579"), QStringLiteral("marion"), QStringLiteral("599"));
    const auto r = OutLogging::Mains(row);
    EXPECT_EQ(r.ending, Ending::Duplicate);
    EXPECT_EQ(row.labels.lblDialog, QStringLiteral("Duplicate K9ABC  2024/05/04  14:02:11   Rec#  1"));
    EXPECT_EQ(row.labels.lblDialogBackColor, Entry::ColorRed);
    EXPECT_EQ(prompts.beeps(), 1);
    EXPECT_EQ(host.prompts, QStringList{QStringLiteral("Dupe")});
    for (Field f : {Field::Call, Field::RSTR, Field::Sec, Field::RSTS})
        EXPECT_EQ(row.box(f).text, QString());
    EXPECT_EQ(row.focus, Field::Call);
    EXPECT_EQ(G.QSOCount, 1);

    // The same call from Hamilton is logged; on 40 m or on phone it is no duplicate either.
    fill(QStringLiteral("K9ABC"), QStringLiteral("599"), QStringLiteral("Hamilton"), QStringLiteral("599"));
    EXPECT_EQ(OutLogging::Mains(row).ending, Ending::Logged);
    G.CurrentBand = QStringLiteral("40");
    fill(QStringLiteral("K9ABC"), QStringLiteral("599"), QStringLiteral("Marion"), QStringLiteral("599"));
    EXPECT_EQ(OutLogging::Mains(row).ending, Ending::Logged);
    G.CurrentBand = QStringLiteral("20");
    G.CurrentMode = QStringLiteral("PH");
    fill(QStringLiteral("K9ABC"), QStringLiteral("59"), QStringLiteral("Marion"), QStringLiteral("59"));
    EXPECT_EQ(OutLogging::Mains(row).ending, Ending::Logged);
    EXPECT_EQ(G.QSOCount, 4);
}

TEST_F(LoggingTest, MissingCountyIsFilledFromTheLogForTheNextEnter)
{
    logged(QStringLiteral("K9ABC"), QStringLiteral("Hamilton"), QStringLiteral("40"));
    fill(QStringLiteral("K9ABC"), QStringLiteral("599"), QString(), QStringLiteral("599"));
    const auto r = OutLogging::Mains(row);
    EXPECT_EQ(r.ending, Ending::Refused);
    EXPECT_EQ(row.labels.lblDialog, QStringLiteral("Need County!"));
    EXPECT_EQ(row.txtSec.text, QStringLiteral("Hamilton"));
    EXPECT_EQ(row.txtSec.selLength, 8);
    EXPECT_EQ(OutLogging::Mains(row).ending, Ending::Logged);
}

TEST_F(LoggingTest, TheWaitForTheSpokenDupeIsBounded)
{
    logged(QStringLiteral("K9ABC"), QStringLiteral("Marion"));
    G.VoiceNavLevel = 1;
    host.playingPolls = -1;   // a device that never stops playing
    fill(QStringLiteral("K9ABC"), QStringLiteral("599"), QStringLiteral("Marion"), QStringLiteral("599"));
    const qint64 before = clock.monotonicMs();
    EXPECT_EQ(OutLogging::Mains(row).ending, Ending::Duplicate);
    const qint64 waited = clock.monotonicMs() - before;
    EXPECT_GE(waited, OutLogging::DupePromptWaitMs);
    EXPECT_LE(waited, OutLogging::DupePromptWaitMs + 100);

    // With Dupe.wav in the program folder the wait lasts at most its playing time and a margin.
    ASSERT_TRUE(TestWave::write(dir.filePath(QStringLiteral("DUPE.WAV")), TestWave::wave(1200, 8000)));
    fill(QStringLiteral("K9ABC"), QStringLiteral("599"), QStringLiteral("Marion"), QStringLiteral("599"));
    const qint64 beforeTimed = clock.monotonicMs();
    EXPECT_EQ(OutLogging::Mains(row).ending, Ending::Duplicate);
    const qint64 waitedTimed = clock.monotonicMs() - beforeTimed;
    EXPECT_GE(waitedTimed, 1200 + Platform::PlayWaitMarginMs);
    EXPECT_LE(waitedTimed, 1200 + Platform::PlayWaitMarginMs + 100);

    // A prompt that ends is waited for only as long as it plays.
    host.playingPolls = 3;
    fill(QStringLiteral("K9ABC"), QStringLiteral("599"), QStringLiteral("Marion"), QStringLiteral("599"));
    const qint64 before2 = clock.monotonicMs();
    OutLogging::Mains(row);
    EXPECT_EQ(clock.monotonicMs() - before2, 400);
}

TEST_F(LoggingTest, PostContestDateAndTimeAreCheckedAndStored)
{
    row.txtPostConTime.visible = row.txtPostConDate.visible = true;
    row.setText(Field::PostConDate, QStringLiteral("12/25/2020"));
    row.setText(Field::PostConTime, QStringLiteral("1845"));
    fill(QStringLiteral("K9XYZ"), QStringLiteral("599"), QStringLiteral("Marion"), QStringLiteral("599"));
    EXPECT_EQ(OutLogging::Mains(row).ending, Ending::Logged);
    EXPECT_EQ(G.ContactArrays.ContactDate[1], QStringLiteral("2020/12/25"));
    EXPECT_EQ(G.ContactArrays.ContactTime[1], QStringLiteral("18:45"));
    // The boxes keep their (rewritten) texts for the next contact.
    EXPECT_EQ(row.txtPostConDate.text, QStringLiteral("2020/12/25"));
    EXPECT_EQ(row.txtPostConTime.text, QStringLiteral("18:45"));

    row.setText(Field::PostConTime, QStringLiteral("930"));
    fill(QStringLiteral("K9XYZ"), QStringLiteral("599"), QStringLiteral("Lake"), QStringLiteral("599"));
    OutLogging::Mains(row);
    EXPECT_EQ(G.ContactArrays.ContactTime[2], QStringLiteral("09:30"));
}

TEST_F(LoggingTest, BadPostContestDateOrTimeRefusesBeforeAnyOtherCheck)
{
    G.LoggedOnFlag = 0;
    G.CurrentFrequency = QStringLiteral("7.010");
    row.txtPostConTime.visible = row.txtPostConDate.visible = true;
    fill(QStringLiteral("K9"), QString(), QString(), QString());
    auto r = OutLogging::Mains(row);
    EXPECT_EQ(r.ending, Ending::BadPostContest);
    EXPECT_EQ(row.labels.lblDialog, QStringLiteral("Invalid date format!"));
    EXPECT_EQ(prompts.beeps(), 1);
    EXPECT_EQ(G.LoggedOnFlag, 1);                             // the clock started first
    EXPECT_EQ(G.CurrentFrequency, QStringLiteral("7.010"));   // left before the end

    row.setText(Field::PostConDate, QStringLiteral("2024/5/4"));
    row.setText(Field::PostConTime, QString());
    r = OutLogging::Mains(row);
    EXPECT_EQ(r.ending, Ending::BadPostContest);
    EXPECT_EQ(row.labels.lblDialog, QStringLiteral("Invalid time format!"));
    EXPECT_EQ(row.txtPostConDate.text, QStringLiteral("2024/05/04"));
}

TEST_F(LoggingTest, FailedAppendCountsNothingAndKeepsTheEntry)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("log.txt")));   // a folder where the file goes
    fill(QStringLiteral("K9XYZ"), QStringLiteral("599"), QStringLiteral("Marion"), QStringLiteral("599"));
    const auto r = OutLogging::Mains(row);
    EXPECT_EQ(r.ending, Ending::WriteFailed);
    EXPECT_EQ(G.QSOCount, 0);
    EXPECT_EQ(G.ContactArrays.ContactCall[1], QString());
    EXPECT_EQ(G.QSOPoints, 0);
    EXPECT_EQ(G.MultiplierCount, 0);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages().first().contains(QStringLiteral("log.txt")));
    EXPECT_EQ(row.txtCall.text, QStringLiteral("K9XYZ"));
    EXPECT_EQ(row.txtSec.text, QStringLiteral("Marion"));
    EXPECT_FALSE(host.calls.contains(QStringLiteral("UpdateCountyLists")));

    // Another Enter once the file can be written logs it.
    ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("log.txt")));
    EXPECT_EQ(OutLogging::Mains(row).ending, Ending::Logged);
    EXPECT_EQ(G.QSOCount, 1);
}

TEST_F(LoggingTest, AFullLogRefusesTheNextContact)
{
    G.QSOCount = ContactArraysT::MaxContacts;
    fill(QStringLiteral("K9XYZ"), QStringLiteral("599"), QStringLiteral("Marion"), QStringLiteral("599"));
    const auto r = OutLogging::Mains(row);
    EXPECT_EQ(r.ending, Ending::LogFull);
    EXPECT_EQ(G.QSOCount, ContactArraysT::MaxContacts);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages().first(), r.messageBox);
    EXPECT_TRUE(r.messageBox.contains(QStringLiteral("11000")));
    EXPECT_EQ(row.txtCall.text, QStringLiteral("K9XYZ"));
    EXPECT_FALSE(QFile::exists(logPath()));
}

TEST_F(LoggingTest, AContactTypedKeyByKeyEndsInLogTxt)
{
    row.focus = Field::Call;
    typeAlong(QStringLiteral("k9xyz579 mari 5\r"));
    EXPECT_EQ(host.lastResult.ending, Ending::Logged);
    EXPECT_EQ(fileText(logPath()), QByteArray("\"K9XYZ\",\"5\",\"579\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"\",\"\","
                                              "\"2024/05/04\",\"14:02:11\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n"));
    EXPECT_EQ(row.focus, Field::Call);
    EXPECT_EQ(G.WildCall, QString());
}
