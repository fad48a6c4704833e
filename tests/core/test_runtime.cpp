// Files, formats, colours, the clock and the prompt double.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <limits>

#include "core/Colors.h"
#include "core/Files.h"
#include "core/Format.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScriptedPrompts.h"
#include "test_store_fixture.h"

namespace {
QByteArray contents(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
}   // namespace

TEST(Files, ResolveIgnoresCaseAndReusesSpelling)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkdir("Backup");
    QFile f(dir.filePath("CW.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    EXPECT_EQ(Files::resolve(dir.path(), "cw.txt"), dir.filePath("CW.txt"));
    EXPECT_EQ(Files::resolve(dir.path(), "CW.TXT"), dir.filePath("CW.txt"));
    EXPECT_EQ(Files::resolve(dir.path(), "BACKUP/x.log"), dir.filePath("Backup/x.log"));
    EXPECT_EQ(Files::resolve(dir.path(), "new.txt"), dir.filePath("new.txt"));
    EXPECT_EQ(Files::resolve(dir.path(), "missing/deeper.txt"), dir.filePath("missing/deeper.txt"));
}

TEST(Files, AtomicWriteReplacesWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("QSOpref.txt");
    ASSERT_TRUE(Files::writeAtomic(path, "old content that is long\r\n"));
    ASSERT_TRUE(Files::writeAtomic(path, "new\r\n"));
    EXPECT_EQ(contents(path), QByteArray("new\r\n"));
    // No temporary files left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"QSOpref.txt"});
}

TEST(Files, FailuresAreReportedWithTheSystemText)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("log.txt");   // a folder where the file should be
    QString error;
    EXPECT_FALSE(Files::append(dir.filePath("log.txt"), "x\r\n", &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(Files::writeAtomic(dir.filePath("log.txt"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    QByteArray data;
    EXPECT_FALSE(Files::readAll(dir.filePath("none.txt"), data, &error));
    EXPECT_FALSE(Files::writeAtomic(dir.filePath("no/such/folder/f.txt"), "x", &error));
}

// A write the disk refuses part way (here the file size limit; a full disk behaves alike) names
// the system's reason, whichever way the file is written and however much was asked, and leaves
// the file as it was.
TEST(Files, ARefusedWriteNamesTheSystemsReason)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    const QByteArray before = "earlier\r\n";
    const QString tooLarge = QString::fromLocal8Bit(std::strerror(EFBIG));
    struct Case {
        const char* name;
        bool (*write)(const QString&, const QByteArray&, QString*);
        qint64 bytes;
    };
    const Case cases[] = {
        {"replace, a few bytes over", Files::writeAtomic, 1100},
        {"replace, far over", Files::writeAtomic, 1 << 20},
        {"append, a few bytes over", Files::append, 1100},
        {"append, far over", Files::append, 1 << 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(Files::writeAtomic(path, before));
        QString error;
        {
            FileSizeLimit limit(1000);
            EXPECT_FALSE(c.write(path, QByteArray(c.bytes, 'x'), &error));
        }
        EXPECT_EQ(error, tooLarge);
        EXPECT_EQ(contents(path), before);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.txt"});
    }
}

TEST(Files, AppendCreatesAndAppends)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("log.txt");
    ASSERT_TRUE(Files::append(path, "a\r\n"));
    ASSERT_TRUE(Files::append(path, "b\r\n"));
    EXPECT_EQ(contents(path), QByteArray("a\r\nb\r\n"));
    ASSERT_TRUE(Files::copyReplace(path, dir.filePath("copy.log")));
    EXPECT_EQ(contents(dir.filePath("copy.log")), contents(path));
}

TEST(Format, NumericTextsAndDates)
{
    EXPECT_TRUE(Format::isNumeric("5"));
    EXPECT_TRUE(Format::isNumeric(" -3.5 "));
    EXPECT_FALSE(Format::isNumeric(""));
    EXPECT_FALSE(Format::isNumeric("abc"));
    EXPECT_DOUBLE_EQ(Format::toNumber("x", 4), 4);
    EXPECT_DOUBLE_EQ(Format::roundTo(5.0 / 3.0, 2), 1.67);
    EXPECT_DOUBLE_EQ(Format::roundTo(20.0 / 60.0, 2), 0.33);
    EXPECT_EQ(Format::frequency(14.025), "14.025");
    EXPECT_EQ(Format::frequency(7), "7.000");
    const QDateTime dt(QDate(2024, 5, 4), QTime(7, 2, 9), Qt::UTC);
    EXPECT_EQ(Format::logDate(dt.date()), "2024/05/04");
    EXPECT_EQ(Format::logTime(dt.time()), "07:02:09");
    EXPECT_EQ(Format::hourMinute(dt.time()), "07:02");
    EXPECT_EQ(Format::monthDay(dt.date()), "05/04");
    EXPECT_EQ(Format::stamp(dt), "202405040702");
}

TEST(Format, OperatingTimeShowsTwoDigitsEach)
{
    struct Case {
        double seconds;
        const char* text;
    } cases[] = {
        {0, "00:00:00"},      {3725, "01:02:05"},   {59, "00:00:59"},
        {36000, "10:00:00"},  {359999, "99:59:59"}, {360000, "00:00:00"},   // 100 hours
        {363725, "01:02:05"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Format::operatingTime(c.seconds), QString::fromLatin1(c.text)) << c.seconds;
}

TEST(Colors, BgrNumbers)
{
    const QColor teal = Colors::fromNumber(0xC0C000);
    EXPECT_EQ(teal, QColor(0, 192, 192));
    EXPECT_EQ(Colors::fromNumber(0xFF), QColor(255, 0, 0));
    EXPECT_EQ(Colors::fromNumber(0xC0FFFF), QColor(255, 255, 192));
    EXPECT_EQ(Colors::toNumber(QColor(0, 192, 192)), 0xC0C000);
    EXPECT_EQ(Colors::toNumber(Colors::fromNumber(0x123456)), 0x123456);
}

TEST(Clock, OneReadingGivesLocalAndUtc)
{
    Platform::FakeClock fake;
    fake.set(QDateTime(QDate(2024, 5, 4), QTime(23, 59, 59), Qt::UTC), -5 * 3600);
    Platform::setClock(&fake);
    const Platform::TimeReading r = Platform::clock().read();
    EXPECT_EQ(r.utc.time(), QTime(23, 59, 59));
    EXPECT_EQ(r.local.time(), QTime(18, 59, 59));
    fake.advanceMs(1000);
    EXPECT_EQ(Platform::clock().read().utc.date(), QDate(2024, 5, 5));
    EXPECT_EQ(Platform::clock().monotonicMs(), 1000);
    Platform::setClock(nullptr);
    // The PC clock: local and UTC come from one instant.
    const Platform::TimeReading pc = Platform::clock().read();
    EXPECT_LT(std::abs(pc.local.secsTo(pc.utc)), 15 * 3600);
}

TEST(Prompts, ScriptedAnswersAndRecords)
{
    Platform::ScriptedPrompts fake;
    Platform::setPrompts(&fake);
    fake.answer(Platform::Answer::Yes);
    fake.answerInput("YES");
    EXPECT_TRUE(Platform::prompts().yesNo("Open existing log?"));
    EXPECT_FALSE(Platform::prompts().yesNo("Again?"));   // unscripted question: No
    EXPECT_EQ(Platform::prompts().inputBox("p", "t", "d"), "YES");
    EXPECT_EQ(Platform::prompts().inputBox("p", "t", "d"), "");   // Cancel gives an empty answer
    EXPECT_FALSE(Platform::prompts().chooseColor(Qt::red).has_value());
    Platform::prompts().beep();
    Platform::prompts().message("Error opening file.", "File Error");
    EXPECT_EQ(fake.beeps(), 1);
    EXPECT_EQ(fake.messages(), (QStringList{"Open existing log?", "Again?", "Error opening file."}));
    EXPECT_EQ(fake.callsOf("input").at(1).defaultText, "d");
    Platform::setPrompts(nullptr);
}

TEST(Format, OperatingTimeText)
{
    struct Case {
        double seconds;
        const char* text;
    };
    const Case cases[] = {
        {3725, "01:02:05"}, {754, "00:12:34"},
        {59, "00:00:59"},   {59.9, "00:00:59"},
        {0, "00:00:00"},    {100 * 3600 + 61, "00:01:01"},   // 100 hours and more: the last two digits of the hours
    };
    for (const Case& c : cases)
        EXPECT_EQ(Format::operatingTime(c.seconds), QString::fromLatin1(c.text)) << c.seconds;

    // A saved value far beyond any contest or below zero (a damaged QSOpref.txt) still gives two
    // digits a part.
    const QRegularExpression form(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"));
    for (double absurd : {1e30, -1e30, -5.0, 1e19, std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN(), double(std::numeric_limits<float>::max())}) {
        const QString text = Format::operatingTime(absurd);
        EXPECT_TRUE(form.match(text).hasMatch()) << absurd << " gives " << text.toStdString();
    }
}
