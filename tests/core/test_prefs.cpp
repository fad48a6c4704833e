// QSOpref.txt: the 25 items written and read back, short and damaged files, and the UTC offset check.
#include <gtest/gtest.h>

#include <optional>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/Files.h"
#include "core/Globals.h"
#include "core/ListFormat.h"
#include "core/Module2Prefs.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "tests/support/FakeClock.h"
#include "tests/support/LogCapture.h"
#include "tests/support/ScriptedPrompts.h"

namespace {

QByteArray readFile(const QString& path)
{
    QByteArray data;
    Files::readAll(path, data);
    return data;
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

class QSOprefTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        ASSERT_TRUE(dir.isValid());
        G.ProgramFolder = dir.path();
    }
    void TearDown() override
    {
        Platform::setPrompts(nullptr);
        Platform::setClock(nullptr);
    }
    QString path() const { return dir.filePath(QStringLiteral("QSOpref.txt")); }

    // A full in-state rover profile with every item set.
    static void fillProfile()
    {
        G.OwnCall = QStringLiteral("W9ABC");
        G.OwnStateProvince = QStringLiteral("IN");
        G.OwnCountry = QStringLiteral("USA");
        G.OwnSection = QStringLiteral("IN");
        G.OwnName = QString();
        G.OwnCategory = QStringLiteral("SINGLE-OP");
        G.CurrentCounty = QStringLiteral("Marion");
        G.OwnCity = QStringLiteral("Carmel");
        G.CurrentMode = QStringLiteral("CW");
        G.CurrentBand = QStringLiteral("20");
        G.UtcOffsetHours = 5;
        G.OwnLongitude = -86.15f;
        G.OwnLatitude = 39.77f;
        G.OwnContinent = QStringLiteral("NA");
        G.FormSizePercent = 80;
        G.WorkedColor = 65280;
        G.UnworkedColor = 255;
        G.OpSecondsSaved = 3725.5f;
        G.PartyState = QStringLiteral("IN");
        G.OutOfStateFlag = 0;
        G.RoverFlag = 1;
        G.VoiceNavLevel = 2;
        G.RigType = QStringLiteral("None");
        G.TaskbarOption = 1;
        G.ListPreviousFlag = 1;
    }

    QTemporaryDir dir;
};

const QByteArray FullProfileFile =
    "\"W9ABC\"\r\n\"IN\"\r\n\"USA\"\r\n\"IN\"\r\n\"\"\r\n\"SINGLE-OP\"\r\n\"Marion\"\r\n\"Carmel\"\r\n"
    "\"CW\"\r\n\"20\"\r\n5\r\n-86.15\r\n39.77\r\n\"NA\"\r\n80\r\n65280\r\n255\r\n3725.5\r\n\"IN\"\r\n"
    "0\r\n1\r\n2\r\n\"None\"\r\n1\r\n1\r\n";

TEST_F(QSOprefTest, WritesAllItemsLineByLine)
{
    fillProfile();
    Module2::WriteQSOpref();
    const QByteArray data = readFile(path());
    EXPECT_EQ(data, FullProfileFile);
    const QList<QByteArray> lines = data.split('\n');
    ASSERT_EQ(lines.size(), 26);   // 25 lines and nothing after the last CR LF
    EXPECT_EQ(lines[0], "\"W9ABC\"\r");
    EXPECT_EQ(lines[4], "\"\"\r");
    EXPECT_EQ(lines[10], "5\r");
    EXPECT_EQ(lines[11], "-86.15\r");
}

TEST_F(QSOprefTest, ReadsBackEveryValueUnchanged)
{
    fillProfile();
    G.UtcOffsetHours = 5.5f;
    Module2::WriteQSOpref();
    EXPECT_TRUE(readFile(path()).contains("\r\n5.5\r\n"));
    const Globals written = G;

    resetGlobals();
    G.ProgramFolder = dir.path();
    ASSERT_TRUE(Module2::ReadQSOpref());
    EXPECT_EQ(G.OwnCall, written.OwnCall);
    EXPECT_EQ(G.OwnStateProvince, written.OwnStateProvince);
    EXPECT_EQ(G.OwnCountry, written.OwnCountry);
    EXPECT_EQ(G.OwnSection, written.OwnSection);
    EXPECT_EQ(G.OwnName, written.OwnName);
    EXPECT_EQ(G.OwnCategory, written.OwnCategory);
    EXPECT_EQ(G.CurrentCounty, written.CurrentCounty);
    EXPECT_EQ(G.OwnCity, written.OwnCity);
    EXPECT_EQ(G.CurrentMode, written.CurrentMode);
    EXPECT_EQ(G.CurrentBand, written.CurrentBand);
    EXPECT_EQ(G.UtcOffsetHours, 5.5f);
    EXPECT_EQ(G.OwnLongitude, written.OwnLongitude);
    EXPECT_EQ(G.OwnLatitude, written.OwnLatitude);
    EXPECT_EQ(G.OwnContinent, written.OwnContinent);
    EXPECT_EQ(G.FormSizePercent, written.FormSizePercent);
    EXPECT_EQ(G.WorkedColor, written.WorkedColor);
    EXPECT_EQ(G.UnworkedColor, written.UnworkedColor);
    EXPECT_EQ(G.OpSecondsSaved, written.OpSecondsSaved);
    EXPECT_EQ(G.PartyState, written.PartyState);
    EXPECT_EQ(G.OutOfStateFlag, written.OutOfStateFlag);
    EXPECT_EQ(G.RoverFlag, written.RoverFlag);
    EXPECT_EQ(G.VoiceNavLevel, written.VoiceNavLevel);
    EXPECT_EQ(G.RigType, written.RigType);
    EXPECT_EQ(G.TaskbarOption, written.TaskbarOption);
    EXPECT_EQ(G.ListPreviousFlag, written.ListPreviousFlag);

    // Written again from what was read: the same bytes.
    const QByteArray first = readFile(path());
    Module2::WriteQSOpref();
    EXPECT_EQ(readFile(path()), first);
}

TEST_F(QSOprefTest, StartValuesGiveEmptyTextsAndZeros)
{
    Module2::WriteQSOpref();
    EXPECT_EQ(readFile(path()), QByteArray("\"\"\r\n").repeated(10) +
                                    "0\r\n0\r\n0\r\n\"\"\r\n0\r\n0\r\n0\r\n0\r\n\"\"\r\n0\r\n0\r\n0\r\n"
                                    "\"\"\r\n0\r\n0\r\n");
}

TEST_F(QSOprefTest, ShortFileKeepsTheItemsItHoldsAndReportsFailure)
{
    fillProfile();
    G.RigType = QStringLiteral("IC-746");
    G.TaskbarOption = 1;
    const QByteArray full = Module2::QSOprefText();
    resetGlobals();
    G.ProgramFolder = dir.path();
    QList<QByteArray> lines = full.split('\n');
    lines = lines.mid(0, 22);
    writeFile(path(), lines.join('\n') + '\n');

    const Module2::PrefsReading r = Module2::ReadQSOpref();
    EXPECT_FALSE(r);
    EXPECT_TRUE(r.fileRead);
    EXPECT_EQ(G.OwnCall, QStringLiteral("W9ABC"));
    EXPECT_EQ(G.UtcOffsetHours, 5.0f);
    EXPECT_EQ(G.PartyState, QStringLiteral("IN"));
    EXPECT_EQ(G.VoiceNavLevel, 2);   // item 22, the last one present
    // Items 23 to 25 take their installed values.
    EXPECT_EQ(G.RigType, QStringLiteral("None"));
    EXPECT_EQ(G.TaskbarOption, 0);
    EXPECT_EQ(G.ListPreviousFlag, 0);
    ASSERT_EQ(r.unread.size(), 3);
    EXPECT_EQ(r.unread[0].number, 23);
    EXPECT_TRUE(r.unread[2].missing);
    EXPECT_EQ(r.describe(),
              QStringLiteral("The file ends before item 23 (RigType); items 23 to 25 take their installed values."));
}

// A line that does not hold one value, a value that does not read as its item, or one that lies
// outside what the item can mean, costs that item only: it takes the installed value (the UTC
// offset the PC's own) with a warning, and every other line is read as its item.
TEST_F(QSOprefTest, AValueThatDoesNotFitItsItemCostsThatItemOnly)
{
    // The PC runs 5 hours behind UTC, as the profile's offset says.
    Platform::FakeClock clock;
    clock.set(QDateTime(QDate(2024, 5, 4), QTime(14, 2, 11), Qt::UTC), -5 * 3600);
    Platform::setClock(&clock);
    fillProfile();
    G.RigType = QStringLiteral("IC-7300");
    const QByteArray good = Module2::QSOprefText();
    struct Case {
        int item;
        QByteArray value;        // the line as the file holds it
        const char* kept;        // the line a rewrite gives back while the item keeps the value it took
        const char* installed;   // the item's value afterwards, as the file would hold it
        const char* shownAs;     // the line of the box, after "Item n (Name): "
    };
    const Case cases[] = {
        {12, "abc", "\"abc\"", "0", "\"abc\" does not read; the installed value 0 is used."},
        {11, "1000000", "1000000", "5", "1000000 lies outside -14 to 12; the PC's own UTC offset 5 is used."},
        {11, "-14.5", "-14.5", "5", "-14.5 lies outside -14 to 12; the PC's own UTC offset 5 is used."},
        {11, "12.25", "12.25", "5", "12.25 lies outside -14 to 12; the PC's own UTC offset 5 is used."},
        {11, "\"abc\"", "\"abc\"", "5", "\"abc\" does not read; the PC's own UTC offset 5 is used."},
        {11, "5,5", "5,5", "5", "5,5 is not one value; the PC's own UTC offset 5 is used."},
        {13, "90.5", "90.5", "0", "90.5 lies outside -90 to 90; the installed value 0 is used."},
        {12, "-180.01", "-180.01", "0", "-180.01 lies outside -180 to 180; the installed value 0 is used."},
        {15, "\"big\"", "\"big\"", "100", "\"big\" does not read; the installed value 100 is used."},
        {15, "300", "300", "100", "300 lies outside 0 to 100; the installed value 100 is used."},
        {15, "101", "101", "100", "101 lies outside 0 to 100; the installed value 100 is used."},
        {16, "1e12", "1000000000000", "255", "1e12 does not read; the installed value 255 is used."},
        {18, "-60", "-60", "0", "-60 is below 0; the installed value 0 is used."},
        {18, "3600x", "\"3600x\"", "0", "\"3600x\" does not read; the installed value 0 is used."},
        {10, "\"XX\"", "\"XX\"", "\"40\"", "\"XX\" names no band; the installed value 40 is used."},
        {9, "\"SSB\"", "\"SSB\"", "\"CW\"", "\"SSB\" is not CW, PH or DG; the installed value CW is used."},
        {20, "#TRUE#x", "\"#TRUE#x\"", "0", nullptr},
        // A line that is not one value stays as it stands: a quote that does not close takes no
        // later line with it, and a rewrite keeps the file 25 lines.
        {9, "\"CW", "\"CW", "\"CW\"", "\"CW is not one value; the installed value CW is used."},
        {1, "\"W9ABC", "\"W9ABC", "\"\"", "\"W9ABC is not one value; the installed value \"\" is used."},
        {4, "\"IN\",\"OH\"", "\"IN\",\"OH\"", "\"\"", nullptr},
        {23, "\"IC-7300\" x", "\"IC-7300\" x", "\"None\"", nullptr},
        {12, "-86.15\"", "-86.15\"", "0", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        QList<QByteArray> lines = good.split('\n');
        lines[c.item - 1] = c.value + '\r';
        writeFile(path(), lines.join('\n'));
        resetGlobals();
        G.ProgramFolder = dir.path();
        LogCapture log;

        const Module2::PrefsReading r = Module2::ReadQSOpref();
        EXPECT_FALSE(r);
        ASSERT_EQ(r.unread.size(), 1);
        EXPECT_EQ(r.unread[0].number, c.item);
        if (c.shownAs) {
            EXPECT_EQ(r.describe(), QStringLiteral("Item %1 (%2): ").arg(c.item).arg(r.unread[0].name) +
                                        QString::fromLatin1(c.shownAs));
        }
        EXPECT_EQ(log.warnings("vqplog.core").size(), 1);
        // Written again: the good file with the item as the file held it, for nobody chose the
        // value it took; that value is the installed one.
        QList<QByteArray> expected = good.split('\n');
        expected[c.item - 1] = QByteArray(c.kept) + '\r';
        EXPECT_EQ(Module2::QSOprefText(), expected.join('\n'));
        EXPECT_EQ(Module2::QSOprefText().count("\r\n"), 25);
        G.UnreadPrefs = {};
        expected[c.item - 1] = QByteArray(c.installed) + '\r';
        EXPECT_EQ(Module2::QSOprefText(), expected.join('\n'));
    }

    // Once the item has a value of its own (the operator typed a longitude), that is written;
    // a new reading forgets what the last one kept.
    {
        QList<QByteArray> lines = good.split('\n');
        lines[11] = "abc\r";
        writeFile(path(), lines.join('\n'));
        ASSERT_FALSE(Module2::ReadQSOpref());
        G.OwnLongitude = 86.25f;
        lines[11] = "86.25\r";
        EXPECT_EQ(Module2::QSOprefText(), lines.join('\n'));
        G.OwnLongitude = 0;
        writeFile(path(), good);
        ASSERT_TRUE(Module2::ReadQSOpref());
        EXPECT_EQ(Module2::QSOprefText(), good);
    }

    // The edges of each range are values the items can mean: a PC at UTC+14 adds -14 hours to
    // get UTC, one at UTC-12 adds 12.
    QList<QByteArray> lines = good.split('\n');
    lines[10] = "-14\r";
    lines[11] = "180\r";
    lines[12] = "-90\r";
    lines[14] = "0\r";
    writeFile(path(), lines.join('\n'));
    EXPECT_TRUE(Module2::ReadQSOpref());
    EXPECT_EQ(G.UtcOffsetHours, -14.0f);
    lines[10] = "12\r";
    writeFile(path(), lines.join('\n'));
    EXPECT_TRUE(Module2::ReadQSOpref());
    EXPECT_EQ(G.UtcOffsetHours, 12.0f);
}

// The file is one item a line. What surrounds the 25 lines does not move them: a byte-order
// mark before the first, blanks and line ends after the last, LF alone as the line end. An
// empty line is an empty value; the lines of a file cut short are its first items.
TEST_F(QSOprefTest, EachLineIsItsItem)
{
    Platform::FakeClock clock;
    clock.set(QDateTime(QDate(2024, 5, 4), QTime(14, 2, 11), Qt::UTC), -5 * 3600);
    Platform::setClock(&clock);
    fillProfile();
    const QByteArray good = Module2::QSOprefText();
    QList<QByteArray> emptyCounty = good.split('\n');
    emptyCounty[6] = "\r";
    QList<QByteArray> emptyOffset = good.split('\n');
    emptyOffset[10] = "\r";
    struct Case {
        const char* name;
        QByteArray file;
        int firstUnread;   // 0: every item read
        const char* county;
        const char* rig;
    };
    const Case cases[] = {
        {"whole", good, 0, "Marion", "None"},
        {"byte-order mark", ListFormat::ByteOrderMark + good, 0, "Marion", "None"},
        {"blank lines and blanks after the last", good + "\r\n  \r\n\t\r\n", 0, "Marion", "None"},
        {"LF line ends", QByteArray(good).replace("\r\n", "\n"), 0, "Marion", "None"},
        {"last line without its line end", good.chopped(2), 0, "Marion", "None"},
        {"an empty line for a text", emptyCounty.join('\n'), 0, "", "None"},
        {"an empty line for the offset", emptyOffset.join('\n'), 0, "Marion", "None"},
        {"lines after the 25th", good + "\"more\"\r\n1\r\n", 0, "Marion", "None"},
        {"cut before item 7", good.left(good.indexOf("\"Marion\"")), 7, "", "None"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(path(), c.file);
        resetGlobals();
        G.ProgramFolder = dir.path();
        const Module2::PrefsReading r = Module2::ReadQSOpref();
        EXPECT_EQ(r.whole(), c.firstUnread == 0);
        if (c.firstUnread) {
            ASSERT_FALSE(r.unread.isEmpty());
            EXPECT_EQ(r.unread[0].number, c.firstUnread);
        }
        EXPECT_EQ(G.OwnCall, QStringLiteral("W9ABC"));
        EXPECT_EQ(G.CurrentCounty, QLatin1String(c.county));
        EXPECT_EQ(G.RigType, QLatin1String(c.rig));
    }
    // The offset of a file cut before it is the PC's own, and the box says so.
    EXPECT_EQ(G.UtcOffsetHours, 5.0f);
    EXPECT_EQ(Module2::ReadQSOpref().describe(),
              QStringLiteral("The file ends before item 7 (CurrentCounty); items 7 to 25 take their installed values, "
                             "and item 11 (UtcOffsetHours) the PC's own UTC offset, 5."));
}

// Every item is known by its number in the file. A command that stores an item whose line did not
// read writes what it stores, also the value the item took meanwhile; an item nobody stored keeps
// its line.
TEST_F(QSOprefTest, AStoredItemIsWrittenOverItsDamagedLine)
{
    using Item = Module2::PrefItem;
    const std::pair<Item, const char*> names[] = {
        {Item::OwnCall, "OwnCall"},
        {Item::OwnStateProvince, "OwnStateProvince"},
        {Item::OwnCountry, "OwnCountry"},
        {Item::OwnSection, "OwnSection"},
        {Item::OwnName, "OwnName"},
        {Item::OwnCategory, "OwnCategory"},
        {Item::CurrentCounty, "CurrentCounty"},
        {Item::OwnCity, "OwnCity"},
        {Item::CurrentMode, "CurrentMode"},
        {Item::CurrentBand, "CurrentBand"},
        {Item::UtcOffsetHours, "UtcOffsetHours"},
        {Item::OwnLongitude, "OwnLongitude"},
        {Item::OwnLatitude, "OwnLatitude"},
        {Item::OwnContinent, "OwnContinent"},
        {Item::FormSizePercent, "FormSizePercent"},
        {Item::WorkedColor, "WorkedColor"},
        {Item::UnworkedColor, "UnworkedColor"},
        {Item::OpSecondsSaved, "OpSecondsSaved"},
        {Item::PartyState, "PartyState"},
        {Item::OutOfStateFlag, "OutOfStateFlag"},
        {Item::RoverFlag, "RoverFlag"},
        {Item::VoiceNavLevel, "VoiceNavLevel"},
        {Item::RigType, "RigType"},
        {Item::TaskbarOption, "TaskbarOption"},
        {Item::ListPreviousFlag, "ListPreviousFlag"},
    };
    QByteArray damaged;
    for (int i = 0; i < 25; ++i)
        damaged += "\"damaged\r\n";
    writeFile(path(), damaged);
    const Module2::PrefsReading r = Module2::ReadQSOpref();
    ASSERT_EQ(r.unread.size(), 25);
    for (const auto& [item, name] : names) {
        SCOPED_TRACE(name);
        EXPECT_EQ(r.unread[int(item) - 1].number, int(item));
        EXPECT_EQ(r.unread[int(item) - 1].name, QLatin1String(name));
    }

    // The mode menu stores the mode the damaged item took.
    const QString mode = G.CurrentMode;
    Module2::MarkPrefStored(Item::CurrentMode);
    ASSERT_TRUE(Module2::WriteQSOpref());
    const QList<QByteArray> lines = readFile(path()).split('\n');
    EXPECT_EQ(lines[int(Item::CurrentMode) - 1], "\"" + mode.toLatin1() + "\"\r");
    EXPECT_EQ(lines[int(Item::CurrentBand) - 1], "\"damaged\r");
    EXPECT_EQ(lines.size(), 26);   // 25 lines and the empty rest after the last line end
}

TEST_F(QSOprefTest, MissingFileReadsNothing)
{
    G.OwnCall = QStringLiteral("K9ZZ");
    EXPECT_FALSE(Module2::ReadQSOpref());
    EXPECT_EQ(G.OwnCall, QStringLiteral("K9ZZ"));
}

// No contact is ever stored without a band and a mode: what the file does not give of them
// starts from the installed defaults, whatever went wrong with the file.
TEST_F(QSOprefTest, BandAndModeStartFromTheInstalledDefaultsWhateverCouldNotBeRead)
{
    fillProfile();
    G.CurrentBand = QStringLiteral("20");
    G.CurrentMode = QStringLiteral("PH");
    const QList<QByteArray> full = Module2::QSOprefText().split('\n');
    QList<QByteArray> noBandOrMode = full;
    noBandOrMode[8] = "\"\"\r";
    noBandOrMode[9] = "\"\"\r";

    struct Case {
        const char* name;
        std::optional<QByteArray> file;
        bool asFolder;
        const char* band;
        const char* mode;
    };
    const Case cases[] = {
        {"missing", std::nullopt, false, "40", "CW"},
        {"empty", QByteArray(), false, "40", "CW"},
        {"unreadable (a folder)", std::nullopt, true, "40", "CW"},
        {"short, ending before the mode", full.mid(0, 8).join('\n') + '\n', false, "40", "CW"},
        {"short, ending after the mode", full.mid(0, 9).join('\n') + '\n', false, "40", "PH"},
        {"empty band and mode", noBandOrMode.join('\n'), false, "40", "CW"},
        {"whole", full.join('\n'), false, "20", "PH"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path());
        QDir(path()).removeRecursively();
        if (c.file)
            writeFile(path(), *c.file);
        if (c.asFolder) {
            ASSERT_TRUE(QDir().mkpath(path()));
        }
        resetGlobals();
        G.ProgramFolder = dir.path();
        Module2::ReadQSOpref();
        EXPECT_EQ(G.CurrentBand, QString::fromLatin1(c.band));
        EXPECT_EQ(G.CurrentMode, QString::fromLatin1(c.mode));
    }
    EXPECT_EQ(Module2::DefaultBand(), QStringLiteral("40"));
    EXPECT_EQ(Module2::DefaultMode(), QStringLiteral("CW"));
}

// A hand-edited or damaged file: a band the band table does not name, or a mode other than CW,
// PH and DG, would be stored into every contact. It is read as the installed default with a
// warning; a known name in other letter case is the known name.
TEST_F(QSOprefTest, DamagedBandAndModeAreReadAsTheInstalledDefaultsWithAWarning)
{
    fillProfile();
    const QList<QByteArray> full = Module2::QSOprefText().split('\n');
    struct Case {
        const char* name;
        QByteArray band, mode;   // as the file holds them, without quotes
        const char* readBand;
        const char* readMode;
        int warnings;
    };
    const Case cases[] = {
        {"binary bytes", QByteArray("\x01\x1b\x7f\xc3\xff", 5), QByteArray("\xfe\x02", 2), "40", "CW", 2},
        {"a NUL byte", QByteArray::fromHex("320030"), QByteArray::fromHex("500048"), "40", "CW", 2},
        {"letters", "XX", "XX", "40", "CW", 2},
        {"a number of no band", "9999", "9999", "40", "CW", 2},
        {"a mode the rig knows but the log does not", "20", "SSB", "20", "CW", 1},
        {"a band with a blank", " 20", "PH", "40", "PH", 1},
        {"empty values in a whole file", "", "", "40", "CW", 2},
        {"other letter case", "10g", "dg", "10G", "DG", 0},
        {"lower case mode", "1.25", "ph", "1.25", "PH", 0},
        {"bands beyond the menu", "440", "CW", "440", "CW", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QList<QByteArray> lines = full;
        lines[8] = '"' + c.mode + "\"\r";
        lines[9] = '"' + c.band + "\"\r";
        writeFile(path(), lines.join('\n'));
        resetGlobals();
        G.ProgramFolder = dir.path();
        LogCapture log;
        // A damaged band or mode is an item that did not read.
        EXPECT_EQ(bool(Module2::ReadQSOpref()), c.warnings == 0);
        EXPECT_EQ(G.CurrentBand, QString::fromLatin1(c.readBand));
        EXPECT_EQ(G.CurrentMode, QString::fromLatin1(c.readMode));
        // The items after them are read as usual.
        EXPECT_EQ(G.UtcOffsetHours, 5.0f);
        EXPECT_EQ(G.RigType, QStringLiteral("None"));
        const QStringList warnings = log.warnings("vqplog.core");
        EXPECT_EQ(warnings.size(), c.warnings) << warnings.join(QLatin1Char('\n')).toStdString();
        for (const QString& w : warnings)
            EXPECT_TRUE(w.contains(QLatin1String("QSOpref.txt"))) << w.toStdString();
    }
}

TEST_F(QSOprefTest, FileNameIsFoundWithoutRegardToCase)
{
    fillProfile();
    writeFile(dir.filePath(QStringLiteral("qsopref.TXT")), Module2::QSOprefText());
    resetGlobals();
    G.ProgramFolder = dir.path();
    ASSERT_TRUE(Module2::ReadQSOpref());
    EXPECT_EQ(G.OwnCall, QStringLiteral("W9ABC"));

    G.OwnCall = QStringLiteral("N9XX");
    Module2::WriteQSOpref();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("qsopref.TXT")});
    EXPECT_TRUE(readFile(dir.filePath(QStringLiteral("qsopref.TXT"))).startsWith("\"N9XX\"\r\n"));
}

TEST_F(QSOprefTest, DoubleQuoteNeverShiftsTheFile)
{
    fillProfile();
    G.OwnName = QStringLiteral("Bob \"Doc\" Smith");
    G.OwnCity = QStringLiteral("\"");
    Module2::WriteQSOpref();
    const QByteArray data = readFile(path());
    EXPECT_EQ(data.count('\n'), 25);
    resetGlobals();
    G.ProgramFolder = dir.path();
    ASSERT_TRUE(Module2::ReadQSOpref());
    EXPECT_EQ(G.OwnName, QStringLiteral("Bob 'Doc' Smith"));
    EXPECT_EQ(G.OwnCity, QStringLiteral("'"));
    EXPECT_EQ(G.RigType, QStringLiteral("None"));
    EXPECT_EQ(G.ListPreviousFlag, 1);
}

TEST_F(QSOprefTest, WriteReplacesTheWholeFile)
{
    writeFile(path(), QByteArray(4000, 'x'));
    fillProfile();
    Module2::WriteQSOpref();
    EXPECT_EQ(readFile(path()), FullProfileFile);
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("QSOpref.txt")});
}

// ---- UTC offset check ----

struct UtcCase {
    const char* name;
    int localMinusUtcMinutes;   // the PC's zone: local = UTC + this
    float saved;
    const char* answer;        // nullptr: no question expected
    const char* recommended;   // the box's default text
    float expected;
    bool written;
};

class UtcCheckTest : public QSOprefTest, public ::testing::WithParamInterface<UtcCase> {};

TEST_P(UtcCheckTest, Answers)
{
    const UtcCase& c = GetParam();
    Platform::FakeClock clock;
    clock.set(QDateTime(QDate(2024, 5, 4), QTime(14, 2, 11), Qt::UTC), c.localMinusUtcMinutes * 60);
    Platform::setClock(&clock);
    Platform::ScriptedPrompts prompts;
    Platform::setPrompts(&prompts);
    if (c.answer)
        prompts.answerInput(QString::fromLatin1(c.answer));
    G.UtcOffsetHours = c.saved;

    Module2::CheckUTCOffset();

    const auto inputs = prompts.callsOf(QStringLiteral("input"));
    if (c.recommended) {
        ASSERT_EQ(inputs.size(), 1);
        EXPECT_EQ(inputs[0].title, QStringLiteral("Update the Local Time / UTC Offset?"));
        EXPECT_EQ(inputs[0].defaultText, QString::fromLatin1(c.recommended));
    } else {
        EXPECT_TRUE(inputs.isEmpty());
    }
    EXPECT_EQ(G.UtcOffsetHours, c.expected);
    EXPECT_EQ(QFile::exists(path()), c.written);
    if (c.written) {
        resetGlobals();
        G.ProgramFolder = dir.path();
        // Written from start values, whose empty band and mode are no band and mode.
        ASSERT_TRUE(Module2::ReadQSOpref().fileRead);
        EXPECT_EQ(G.UtcOffsetHours, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(QSOpref, UtcCheckTest,
                         ::testing::Values(UtcCase{"SameOffsetAsksNothing", -300, 5, nullptr, nullptr, 5, false},
                                           UtcCase{"OkTakesTheRecommendation", -300, 4, "5", "5", 5, true},
                                           UtcCase{"CancelKeepsTheSetting", -300, 4, "", "5", 4, false},
                                           UtcCase{"NonNumericKeepsTheSetting", -300, 4, "five", "5", 4, false},
                                           UtcCase{"HalfHourZone", -330, 5, "5.5", "5.5", 5.5f, true},
                                           UtcCase{"QuarterHourZone", -345, 5, "5.75", "5.75", 5.75f, true},
                                           UtcCase{"TwentyMinutes", -20, 0, "0.33", "0.33", 0.33f, true},
                                           UtcCase{"EastOfGreenwichIsNegative", 60, 0, "-1", "-1", -1, true},
                                           UtcCase{"TypedAnswerIsStored", -300, 4, "-3.5", "5", -3.5f, true},
                                           UtcCase{"SameFractionalOffsetAsksNothing", -330, 5.5f, nullptr, nullptr,
                                                   5.5f, false}),
                         [](const ::testing::TestParamInfo<UtcCase>& info) { return std::string(info.param.name); });

TEST_F(QSOprefTest, UtcQuestionNamesBothTimesAndBothOffsets)
{
    Platform::FakeClock clock;
    clock.set(QDateTime(QDate(2024, 5, 4), QTime(14, 2, 11), Qt::UTC), -5 * 3600);
    Platform::setClock(&clock);
    Platform::ScriptedPrompts prompts;
    Platform::setPrompts(&prompts);
    G.UtcOffsetHours = -3.5f;
    Module2::CheckUTCOffset();
    ASSERT_EQ(prompts.callsOf(QStringLiteral("input")).size(), 1);
    EXPECT_EQ(
        prompts.callsOf(QStringLiteral("input"))[0].text,
        QStringLiteral("Would you like to adjust the UTC offset in this program for your local time setting?\r\n\r\n"
                       "Current System Time: 14:02\r\n\r\n"
                       "Current Local Time: 09:02\r\n\r\n"
                       "Recommended Offset Setting: 5\r\n\r\n"
                       "Current Offset Setting: -3.5\r\n\r\n"
                       "Please click OK to accept the recommended change or Cancel to keep the current setting."));
}

// A PC clock read twice across a minute boundary would give a wrong offset; the check reads once.
class SteppingClock : public Platform::Clock {
public:
    Platform::TimeReading read() const override
    {
        ++reads;
        // UTC-5, at hh:59:59.9; each later reading is one second on, past the minute.
        const QDateTime utc = QDateTime(QDate(2024, 5, 4), QTime(14, 59, 59, 900), Qt::UTC).addSecs(reads - 1);
        return {utc.addSecs(-5 * 3600), utc};
    }
    qint64 monotonicMs() const override { return 0; }
    mutable int reads = 0;
};

TEST_F(QSOprefTest, UtcCheckReadsTheClockOnce)
{
    SteppingClock clock;
    Platform::setClock(&clock);
    Platform::ScriptedPrompts prompts;
    Platform::setPrompts(&prompts);
    G.UtcOffsetHours = 5;
    Module2::CheckUTCOffset();
    EXPECT_EQ(clock.reads, 1);
    EXPECT_TRUE(prompts.calls().isEmpty());
    EXPECT_EQ(G.UtcOffsetHours, 5.0f);
}

// An answer outside the time zones is refused where it was typed, with a message, and the
// question comes again: nothing is stored with it, and Cancel then keeps the setting.
TEST_F(QSOprefTest, UtcAnswerOutsideTheZonesIsAskedAgain)
{
    struct Case {
        const char* name;
        QStringList answers;
        int refused;      // messages shown
        float expected;   // the offset afterwards
        bool written;
    };
    const Case cases[] = {
        {"50, then Cancel", {QStringLiteral("50"), QString()}, 1, 4, false},
        {"1E+30, then the recommendation", {QStringLiteral("1E+30"), QStringLiteral("5")}, 1, 5, true},
        {"beyond both edges, then the edge",
         {QStringLiteral("-14.5"), QStringLiteral("12.5"), QStringLiteral("-14")},
         2,
         -14,
         true},
        {"12 at once", {QStringLiteral("12")}, 0, 12, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path());
        Platform::FakeClock clock;
        clock.set(QDateTime(QDate(2024, 5, 4), QTime(14, 2, 11), Qt::UTC), -5 * 3600);
        Platform::setClock(&clock);
        Platform::ScriptedPrompts prompts;
        for (const QString& a : c.answers)
            prompts.answerInput(a);
        Platform::setPrompts(&prompts);
        G.UtcOffsetHours = 4;

        Module2::CheckUTCOffset();

        EXPECT_EQ(prompts.callsOf(QStringLiteral("input")).size(), c.answers.size());
        const auto messages = prompts.callsOf(QStringLiteral("message"));
        ASSERT_EQ(messages.size(), c.refused);
        for (int i = 0; i < c.refused; ++i) {
            EXPECT_EQ(messages[i].title, QStringLiteral("Hours added for UTC"));
            EXPECT_TRUE(messages[i].text.startsWith(c.answers[i] + QStringLiteral(" cannot be the hours added")))
                << messages[i].text.toStdString();
            EXPECT_TRUE(messages[i].text.contains(QStringLiteral("-14 to 12"))) << messages[i].text.toStdString();
        }
        EXPECT_EQ(G.UtcOffsetHours, c.expected);
        EXPECT_EQ(QFile::exists(path()), c.written);
        Platform::setPrompts(nullptr);
        Platform::setClock(nullptr);
    }
}

TEST_F(QSOprefTest, UtcAnswerOutOfRangeKeepsTheSetting)
{
    Platform::FakeClock clock;
    clock.set(QDateTime(QDate(2024, 5, 4), QTime(14, 2, 11), Qt::UTC), -5 * 3600);
    Platform::setClock(&clock);
    Platform::ScriptedPrompts prompts;
    prompts.answerInput(QStringLiteral("1e40"));
    Platform::setPrompts(&prompts);
    G.UtcOffsetHours = 4;
    Module2::CheckUTCOffset();
    EXPECT_EQ(G.UtcOffsetHours, 4.0f);
    EXPECT_FALSE(QFile::exists(path()));
}

}   // namespace
