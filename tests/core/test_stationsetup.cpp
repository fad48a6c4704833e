// The station setup's decisions without its window: loading, Done and the key filters.
#include "tests/core/test_stationsetup_support.h"

#include <QSet>

#include "core/Format.h"
#include "core/Module2Prefs.h"
#include "keying/KeyerStartup.h"
#include "mainwindow/MainWindows.h"

using namespace StationSetup;
using SetupFixture::Folder;

namespace {

// Types `keys` into a box whose caret stays at the end, through `press`.
template<class Press>
QString typeInto(QString text, const QString& keys, Press press)
{
    for (QChar ch : keys) {
        const int key = press(text, int(text.size()), ch.unicode());
        if (key == KeyBackspace)
            text.chop(1);
        else if (key > 0)
            text += QChar(key);
    }
    return text;
}

}   // namespace

// ---- Key filters -------------------------------------------------------------------------------

TEST(StationSetupKeys, Cap3CapitalisesLettersAndDropsQuotes)
{
    const std::pair<int, int> cases[] = {
        {'a', 'A'}, {'z', 'Z'}, {'Q', 'Q'}, {'7', '7'}, {'/', '/'}, {9, 9}, {KeyBackspace, KeyBackspace},
        {233, 233}, {'"', 0}};
    for (const auto& [in, out] : cases)
        EXPECT_EQ(Cap3(in), out) << in;
}

TEST(StationSetupKeys, NumBerrPassesOnlyNumberCharacters)
{
    for (int key : {int(KeyBackspace), int('-'), int('.'), int('/'), int('0'), int('5'), int('9')})
        EXPECT_EQ(NumBerr(key), key) << key;
    for (int key : {int('a'), int('E'), int(' '), int(','), int('+'), int(':'), int('"'), int(KeyEnter), 9})
        EXPECT_EQ(NumBerr(key), 0) << key;
}

TEST(StationSetupKeys, EnterRunsDoneInEveryPlainBox)
{
    for (int box : {1, 3, 4, 5, 6, 7, 9, 10, 11, 12}) {
        const KeyResult r = boxKey(box, KeyEnter);
        EXPECT_TRUE(r.runDone) << box;
        EXPECT_EQ(r.key, 0) << box;
    }
    const KeyResult county = countyKey(QStringLiteral("Allen"), 5, KeyEnter);
    EXPECT_TRUE(county.runDone);
    EXPECT_EQ(county.key, 0);
}

TEST(StationSetupKeys, EachBoxUsesItsFilter)
{
    for (int box : {1, 5, 7, 9, 10, 11, 12}) {
        EXPECT_EQ(boxKey(box, 'k').key, 'K') << box;
        EXPECT_FALSE(boxKey(box, 'k').runDone) << box;
    }
    for (int box : {3, 4, 6}) {
        EXPECT_EQ(boxKey(box, 'k').key, 0) << box;
        EXPECT_EQ(boxKey(box, '-').key, '-') << box;
    }
}

TEST(StationSetupKeys, CountyTakesACapitalAtEachWord)
{
    auto press = [](const QString& text, int caret, int key) { return countyKey(text, caret, key).key; };
    EXPECT_EQ(typeInto(QString(), QStringLiteral("st joseph"), press), "St Joseph");
    EXPECT_EQ(typeInto(QString(), QStringLiteral("la porte"), press), "La Porte");
    // A letter typed with the caret at the start of a filled box is a capital too.
    EXPECT_EQ(countyKey(QStringLiteral("llen"), 0, 'a').key, 'A');
    EXPECT_EQ(countyKey(QStringLiteral("Marion"), 6, '"').key, 0);
}

TEST(StationSetupKeys, CountryIsCompletedFromTheLastMatchingRow)
{
    resetGlobals();
    G.CountryTable = {{"CE", "Chile", "SA", 70.67, -33.45},
                      {"K", "USA", "NA", 98.58, 39.83},
                      {"UR", "Ukraine", "EU", -30.5, 50.45},
                      {"VE", "Canada", "NA", 100, 55}};

    // A first letter u becomes U and completes to the last row beginning with U.
    CountryKeyResult r = countryKey(QString(), 0, 'u');
    EXPECT_EQ(r.key, 0);
    ASSERT_TRUE(r.completion.has_value());
    EXPECT_EQ(r.completion->text, "Ukraine");
    EXPECT_EQ(r.completion->selectionStart, 1);
    EXPECT_EQ(r.completion->selectionLength, 6);
    EXPECT_EQ(r.completion->longitude, "-30.5");
    EXPECT_EQ(r.completion->latitude, "50.45");
    EXPECT_EQ(r.completion->continent, "EU");

    // The next key replaces the selected rest: what was typed keeps its case.
    r = countryKey(QStringLiteral("Ukraine"), 1, 's');
    ASSERT_TRUE(r.completion.has_value());
    EXPECT_EQ(r.completion->text, "UsA");
    EXPECT_EQ(r.completion->selectionLength, 1);
    EXPECT_EQ(r.completion->longitude, "98.58");

    // No match: the key is typed as it is.
    r = countryKey(QStringLiteral("Ux"), 2, 'q');
    EXPECT_EQ(r.key, 'q');
    EXPECT_FALSE(r.completion.has_value());
    // Backspace and Enter never match.
    EXPECT_EQ(countryKey(QStringLiteral("Ukraine"), 1, KeyBackspace).key, KeyBackspace);
    EXPECT_EQ(countryKey(QStringLiteral("Chile"), 5, KeyEnter).key, KeyEnter);
    // A double quote never enters the box.
    EXPECT_EQ(countryKey(QStringLiteral("Ux"), 2, '"').key, 0);
}

TEST(StationSetupKeys, CountryWithEmptyTableTypesNormally)
{
    resetGlobals();
    const CountryKeyResult r = countryKey(QString(), 0, 'g');
    EXPECT_EQ(r.key, 'G');
    EXPECT_FALSE(r.completion.has_value());
}

// ---- Loading -----------------------------------------------------------------------------------

TEST_F(Folder, LoadingWithEveryFilePresent)
{
    writeAll();
    const LoadResult r = loadData();
    EXPECT_TRUE(r.profileRead);
    EXPECT_FALSE(r.failed);
    EXPECT_EQ(errorBoxes(), 0);
    EXPECT_TRUE(prompts.callsOf(QStringLiteral("input")).isEmpty());

    EXPECT_EQ(G.OwnCall, "W9ABC");
    ASSERT_EQ(G.CountryTable.size(), 4);
    EXPECT_EQ(G.CountryTable[2].country, "Ukraine");
    EXPECT_FLOAT_EQ(float(G.CountryTable[0].longitude), 70.67f);
    EXPECT_FLOAT_EQ(float(G.CountryTable[0].latitude), -33.45f);
    ASSERT_EQ(G.StatePositions.size(), 51);
    EXPECT_EQ(G.StatePositions[1].abbrev, "AK");
    EXPECT_FLOAT_EQ(float(G.StatePositions[1].latitude), 30.5f);
    EXPECT_FLOAT_EQ(float(G.StatePositions[1].longitude), 70.25f);
    EXPECT_EQ(G.StatePositions[50].abbrev, "WY");
    ASSERT_TRUE(KeyerStartup::loaded().phone.has_value());
    EXPECT_EQ(KeyerStartup::loaded().phone->port, "2");
    EXPECT_TRUE(KeyerStartup::loaded().cw.complete);
    EXPECT_EQ(G.CWKeyMethod, 2);

    const Boxes b = boxesFromProfile();
    EXPECT_EQ(b[1], "W9ABC");
    EXPECT_EQ(b[6], "5");
    EXPECT_EQ(b[3], "86.15");
    EXPECT_EQ(b[4], "39.77");
    EXPECT_EQ(b[8], "Marion");
    EXPECT_EQ(b[10], "Pat");
    EXPECT_EQ(b[12], "Speedway");
}

TEST_F(Folder, EachLoadingStepFailsOnItsOwn)
{
    struct Case {
        const char* name;
        const char* file;   // removed, or replaced by `content`
        QByteArray content;
        int boxes;   // error boxes shown
    };
    const Case cases[] = {
        {"no QSOpref.txt", "QSOpref.txt", {}, 1},
        {"short QSOpref.txt", "QSOpref.txt", SetupFixture::InStateProfile.left(60), 1},
        {"no arrlpre2.txt", "arrlpre2.txt", {}, 0},
        {"broken arrlpre2.txt row", "arrlpre2.txt", SetupFixture::Countries + "\"ZZ\",\"Nowhere\"\r\n", 1},
        {"no states.txt", "states.txt", {}, 1},
        {"49 states", "states.txt", SetupFixture::stateRows(49), 1},
        {"no wave2.txt", "wave2.txt", {}, 1},
        {"short wave2.txt", "wave2.txt", SetupFixture::waveSettings(12), 1},
        {"repeat time not a number", "wave2.txt", SetupFixture::waveSettings().replace("\"2.5\"", "\"soon\""), 1},
        {"no CW.txt", "CW.txt", {}, 0},
        {"short CW.txt", "CW.txt", SetupFixture::cwSettings().left(40), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        writeAll();
        QFile::remove(dir.filePath(QLatin1String(c.file)));
        if (!c.content.isEmpty())
            write(QLatin1String(c.file), c.content);
        const QString file = QLatin1String(c.file);

        const LoadResult r = loadData();
        EXPECT_EQ(errorBoxes(), c.boxes);
        EXPECT_EQ(r.failed, c.boxes > 0);
        // Every other step did its work.
        if (file != "QSOpref.txt") {
            EXPECT_TRUE(r.profileRead);
            EXPECT_EQ(boxesFromProfile()[1], "W9ABC");
        }
        if (file != "arrlpre2.txt") {
            EXPECT_EQ(G.CountryTable.size(), 4);
        }
        if (file != "states.txt") {
            EXPECT_EQ(G.StatePositions[50].abbrev, "WY");
        }
        EXPECT_EQ(KeyerStartup::loaded().phone.has_value(), file != "wave2.txt");
        EXPECT_EQ(KeyerStartup::loaded().cw.complete, file != "CW.txt");
        TearDown();
    }
}

TEST_F(Folder, SeveralFailuresShowOneBox)
{
    write(QStringLiteral("states.txt"), SetupFixture::stateRows(10));
    write(QStringLiteral("arrlpre2.txt"), SetupFixture::Countries);
    const LoadResult r = loadData();
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(errorBoxes(), 1);
    EXPECT_EQ(G.CountryTable.size(), 4);
    // The rows before the shortage stay.
    EXPECT_EQ(G.StatePositions[10].abbrev, "GA");
    EXPECT_TRUE(G.StatePositions[11].abbrev.isEmpty());
}

TEST_F(Folder, FirstRunWithoutProfileStillLoadsTheTables)
{
    write(QStringLiteral("arrlpre2.txt"), SetupFixture::Countries);
    write(QStringLiteral("states.txt"), SetupFixture::stateRows(50));
    write(QStringLiteral("wave2.txt"), SetupFixture::waveSettings());
    write(QStringLiteral("CW.txt"), SetupFixture::cwSettings());
    const LoadResult r = loadData();
    EXPECT_FALSE(r.profileRead);
    EXPECT_EQ(errorBoxes(), 1);
    EXPECT_EQ(G.CountryTable.size(), 4);
    EXPECT_EQ(G.StatePositions[50].abbrev, "WY");
    EXPECT_TRUE(KeyerStartup::loaded().phone.has_value());
    EXPECT_TRUE(KeyerStartup::loaded().cw.complete);
    const Answers a = answersFor(r.outOfStateRead, r.roverRead, G.OutOfStateFlag, G.RoverFlag);
    EXPECT_FALSE(a.inStateYes || a.inStateNo || a.roverYes || a.roverNo);
}

TEST_F(Folder, OverlongCountryTableKeepsTenThousandRows)
{
    writeAll();
    write(QStringLiteral("arrlpre2.txt"), SetupFixture::countryRows(10001));
    const LoadResult r = loadData();
    EXPECT_FALSE(r.countryTableLoaded);
    EXPECT_EQ(errorBoxes(), 1);
    EXPECT_EQ(G.CountryTable.size(), 10000);
    EXPECT_EQ(G.CountryTable.last().country, "Land 9999");
    // The later steps still ran.
    EXPECT_EQ(G.StatePositions[50].abbrev, "WY");
    EXPECT_TRUE(KeyerStartup::loaded().phone.has_value());
}

TEST_F(Folder, TenThousandCountryRowsAreNoFailure)
{
    write(QStringLiteral("arrlpre2.txt"), SetupFixture::countryRows(10000));
    EXPECT_TRUE(LoadCountryTable());
    EXPECT_EQ(G.CountryTable.size(), 10000);
}

TEST_F(Folder, CountryTableFolderOrder)
{
    const QByteArray shared = "\"S\",\"Shared Land\",\"EU\",1,2,\"\",\"\",\"\"\r\n";
    const QByteArray data = "\"D\",\"Data Land\",\"EU\",1,2,\"\",\"\",\"\"\r\n";
    write(QStringLiteral("arrlpre2.txt"), SetupFixture::Countries);
    write(QStringLiteral("Data/ARRLPRE2.TXT"), data);
    EXPECT_EQ(CountryTablePath(), dir.filePath(QStringLiteral("Data/ARRLPRE2.TXT")));
    write(QStringLiteral("Shared/arrlpre2.txt"), shared);
    EXPECT_TRUE(LoadCountryTable());
    ASSERT_EQ(G.CountryTable.size(), 1);
    EXPECT_EQ(G.CountryTable[0].country, "Shared Land");
}

TEST_F(Folder, NoCountryFileAnywhereIsNoFailure)
{
    EXPECT_TRUE(CountryTablePath().isEmpty());
    EXPECT_TRUE(LoadCountryTable());
    EXPECT_TRUE(G.CountryTable.isEmpty());
}

TEST_F(Folder, OffsetQuestionFollowsTheProfile)
{
    writeAll();
    // The PC now runs 4 hours behind UTC; the operator accepts the recommendation.
    clock.set(QDateTime(QDate(2024, 7, 2), QTime(15, 0), Qt::UTC), -4 * 3600);
    prompts.answerInput(QStringLiteral("4"));
    loadData();
    EXPECT_EQ(prompts.callsOf(QStringLiteral("input")).size(), 1);
    EXPECT_EQ(boxesFromProfile()[6], "4");
}

// Item 11 is the hours added to the PC clock to get UTC: east of Greenwich it is negative, down
// to -14 at UTC+14. Every zone's offset reads without the error box or the offset question.
TEST_F(Folder, EveryZonesOffsetReadsWithoutABoxOrAQuestion)
{
    struct Case {
        int localMinusUtcMinutes;   // the PC's zone
        const char* line;           // item 11 as saved
        float offset;
    };
    const Case cases[] = {
        {13 * 60, "-13", -13}, {14 * 60, "-14", -14}, {-12 * 60, "12", 12}, {345, "-5.75", -5.75f},
        {-570, "9.5", 9.5f},   {0, "0", 0},           {-5 * 60, "5", 5},    {12 * 60 + 45, "-12.75", -12.75f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        SetUp();
        writeAll();
        QList<QByteArray> lines = SetupFixture::InStateProfile.split('\n');
        lines[10] = QByteArray(c.line) + '\r';
        write(QStringLiteral("QSOpref.txt"), lines.join('\n'));
        clock.set(QDateTime(QDate(2024, 3, 2), QTime(15, 0), Qt::UTC), c.localMinusUtcMinutes * 60);

        const LoadResult r = loadData();
        EXPECT_TRUE(r.profileRead);
        EXPECT_EQ(errorBoxes(), 0);
        EXPECT_TRUE(prompts.callsOf(QStringLiteral("input")).isEmpty());
        EXPECT_EQ(G.UtcOffsetHours, c.offset);
        EXPECT_EQ(boxesFromProfile()[6], QLatin1String(c.line));
        TearDown();
    }
}

// ---- Done --------------------------------------------------------------------------------------

// A box the operator typed into is stored as theirs: its item is written even when the value
// equals the one its damaged line took, so the damage is gone at the next start. A box left alone
// keeps the file's own line. Each box's item is damaged by a quote that does not close.
TEST_F(Folder, WhatTheOperatorTypedIsWrittenWhateverItsValue)
{
    for (int box = 1; box <= 12; ++box) {
        for (bool typed : {false, true}) {
            SCOPED_TRACE(testing::Message() << "Text" << box << (typed ? " typed" : " left alone"));
            SetUp();
            writeAll();
            const int item = itemOfBox(box);
            QList<QByteArray> lines = SetupFixture::InStateProfile.split('\n');
            lines[item - 1] = "\"damaged\r";
            write(QStringLiteral("QSOpref.txt"), lines.join('\n'));
            loadData();
            EXPECT_EQ(errorBoxes(), 1);

            // Done with the box as the loading filled it: the installed value, or the PC's own
            // offset (5) in the UTC box.
            Boxes b = boxesFromProfile();
            Typed t{};
            t[size_t(box)] = typed;
            ASSERT_TRUE(done(b, true, false, t).has_value());
            const QList<QByteArray> written = read(dir.filePath(QStringLiteral("QSOpref.txt"))).split('\n');
            ASSERT_EQ(written.size(), 26);
            QByteArray stored = "\"" + b[size_t(box)].toLatin1() + "\"\r";
            if (filterOf(box) == Filter::NumBerr)
                stored = b[size_t(box)].toLatin1() + '\r';
            EXPECT_EQ(written[item - 1], typed ? stored : QByteArray("\"damaged\r"));
            // Every other item as it was.
            for (int i = 0; i < 25; ++i) {
                if (i != item - 1) {
                    EXPECT_EQ(written[i], lines[i]) << "item " << i + 1;
                }
            }
            TearDown();
        }
    }
    // The twelve boxes hold twelve different items, none of them the answers' or the options'.
    QSet<int> items;
    for (int box = 1; box <= 12; ++box)
        items.insert(itemOfBox(box));
    EXPECT_EQ(items, (QSet<int>{1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14}));
}

// The answers are Done's to store: an in-state answer given where item 20 was damaged is
// written, even when it is the value the damaged line took.
TEST_F(Folder, DoneWritesTheAnswersOverADamagedLine)
{
    writeAll();
    QList<QByteArray> lines = SetupFixture::InStateProfile.split('\n');
    lines[19] = "\"0\r";
    lines[20] = "yes\r";
    write(QStringLiteral("QSOpref.txt"), lines.join('\n'));
    const LoadResult r = loadData();
    EXPECT_FALSE(r.outOfStateRead);
    EXPECT_FALSE(r.roverRead);
    const Answers a = answersFor(r.outOfStateRead, r.roverRead, G.OutOfStateFlag, G.RoverFlag);
    EXPECT_FALSE(a.inStateYes || a.inStateNo || a.roverYes || a.roverNo);
    Boxes b = boxesFromProfile();
    EXPECT_EQ(done(b, true, false), MainWindows::Which::In);
    const QList<QByteArray> written = read(dir.filePath(QStringLiteral("QSOpref.txt"))).split('\n');
    EXPECT_EQ(written[19], "0\r");
    EXPECT_EQ(written[20], "0\r");
}

// A UTC box holding a number outside the time zones: Done says so and stores nothing, writes no
// tag and chooses no window. Text that is no number is still stored as 0.
TEST_F(Folder, DoneRefusesAnOffsetOutsideTheZones)
{
    for (const char* typed : {"50", "130", "-14.5", "12.01", "-1000000", "1e40"}) {
        SCOPED_TRACE(typed);
        SetUp();
        writeAll();
        loadData();
        const QByteArray before = read(dir.filePath(QStringLiteral("QSOpref.txt")));
        Boxes b = boxesFromProfile();
        b[1] = QStringLiteral("K9NEW");
        b[6] = QLatin1String(typed);
        Typed t{};
        t[1] = t[6] = true;
        EXPECT_FALSE(done(b, true, false, t).has_value());
        const auto messages = prompts.callsOf(QStringLiteral("message"));
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages[0].title, QStringLiteral("Hours added for UTC"));
        EXPECT_TRUE(messages[0].text.startsWith(QLatin1String(typed) + QStringLiteral(" cannot be the hours added")))
            << messages[0].text.toStdString();
        EXPECT_EQ(b[6], QLatin1String(typed));
        EXPECT_EQ(G.OwnCall, QStringLiteral("W9ABC"));
        EXPECT_EQ(G.UtcOffsetHours, 5.0f);
        EXPECT_EQ(read(dir.filePath(QStringLiteral("QSOpref.txt"))), before);
        EXPECT_FALSE(QFile::exists(modGlobalPreferences::PrefsPath()));
        TearDown();
    }
    for (const char* edge : {"-14", "12"}) {
        SCOPED_TRACE(edge);
        Boxes b = boxesFromProfile();
        b[6] = QLatin1String(edge);
        EXPECT_TRUE(done(b, true, false).has_value());
        EXPECT_EQ(G.UtcOffsetHours, Format::toNumber(QLatin1String(edge)));
    }
}

TEST_F(Folder, DoneWritesTheProfileInFileOrder)
{
    writeAll();
    loadData();
    Boxes b = boxesFromProfile();
    b[1] = QStringLiteral("K9XYZ ");
    b[5] = QStringLiteral("IN");
    b[8] = QStringLiteral("St Joseph");
    b[6] = QStringLiteral("5.5");
    b[3] = QStringLiteral("-86.25");
    b[4] = QStringLiteral("41.6");
    b[10] = QString();
    EXPECT_EQ(done(b, true, true), MainWindows::Which::In);

    const QByteArray expected =
        "\"K9XYZ \"\r\n\"IN\"\r\n\"USA\"\r\n\"IN\"\r\n\"\"\r\n\"SOLP\"\r\n\"St Joseph\"\r\n\"Speedway\"\r\n"
        "\"CW\"\r\n\"20\"\r\n5.5\r\n-86.25\r\n41.6\r\n\"NA\"\r\n80\r\n255\r\n8421504\r\n3600\r\n"
        "\"IN\"\r\n0\r\n1\r\n1\r\n\"None\"\r\n1\r\n0\r\n";
    EXPECT_EQ(read(dir.filePath(QStringLiteral("QSOpref.txt"))), expected);
}

TEST_F(Folder, DoneWritesTheNineSharedTags)
{
    writeAll();
    loadData();
    Boxes b = boxesFromProfile();
    b[6] = QStringLiteral("later");
    done(b, false, false);
    const QByteArray expected = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n"
                                "<OWN_CALL>W9ABC</OWN_CALL>\r\n"
                                "<OWN_SPC>IN</OWN_SPC>\r\n"
                                "<OWN_UTC>0</OWN_UTC>\r\n"
                                "<OWN_COUNTY>Marion</OWN_COUNTY>\r\n"
                                "<OWN_COUNTRY>USA</OWN_COUNTRY>\r\n"
                                "<OWN_LONGITUDE>86.15</OWN_LONGITUDE>\r\n"
                                "<OWN_LATITUDE>39.77</OWN_LATITUDE>\r\n"
                                "<OWN_CONTINENT>NA</OWN_CONTINENT>\r\n"
                                "<OWN_ARRL_SECTION>IN</OWN_ARRL_SECTION>\r\n";
    EXPECT_EQ(read(modGlobalPreferences::PrefsPath()), expected);
}

TEST_F(Folder, DoneTakesTheFlagsFromTheAnswers)
{
    struct Case {
        bool inStateYes, roverYes;
        uint8_t outOfState, rover;
        MainWindows::Which window;
    };
    const Case cases[] = {
        {true, true, 0, 1, MainWindows::Which::In},
        {true, false, 0, 0, MainWindows::Which::In},
        {false, false, 1, 0, MainWindows::Which::Out},
        {false, true, 1, 1, MainWindows::Which::Out},   // a loaded profile with both flags keeps both
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.inStateYes << c.roverYes);
        Boxes b = boxesFromProfile();
        EXPECT_EQ(done(b, c.inStateYes, c.roverYes), c.window);
        EXPECT_EQ(G.OutOfStateFlag, c.outOfState);
        EXPECT_EQ(G.RoverFlag, c.rover);
        EXPECT_EQ(G.PartyState, "IN");
        EXPECT_EQ(MainWindows::chooseMainWindow(), c.window);
    }
}

TEST_F(Folder, DoneTurnsNonNumericPositionsIntoZero)
{
    Boxes b;
    b[6] = QStringLiteral("-");
    b[3] = QStringLiteral("86/15");
    b[4] = QStringLiteral("1e40");   // does not fit a single-precision number
    G.UtcOffsetHours = 3;
    G.OwnLongitude = 4;
    G.OwnLatitude = 5;
    done(b, false, false);
    EXPECT_EQ(b[6], "0");
    EXPECT_EQ(b[3], "0");
    EXPECT_EQ(b[4], "0");
    EXPECT_EQ(G.UtcOffsetHours, 0.0f);
    EXPECT_EQ(G.OwnLongitude, 0.0f);
    EXPECT_EQ(G.OwnLatitude, 0.0f);
    const QList<QByteArray> lines = read(dir.filePath(QStringLiteral("QSOpref.txt"))).split('\n');
    ASSERT_GE(lines.size(), 13);
    EXPECT_EQ(lines[10], "0\r");
    EXPECT_EQ(lines[11], "0\r");
    EXPECT_EQ(lines[12], "0\r");
}

TEST(StationSetupNumbers, StorableNumbers)
{
    for (const char* s : {"5", "-3.5", ".33", "0", " 7 ", "1e3"})
        EXPECT_TRUE(isStorableNumber(QLatin1String(s))) << s;
    for (const char* s : {"", "-", ".", "5a", "1,5", "1e40", "nan", "&H10"})
        EXPECT_FALSE(isStorableNumber(QLatin1String(s))) << s;
}

TEST(StationSetupParty, PartyStateButtons)
{
    EXPECT_EQ(partyStateIndex(QStringLiteral("in")), 14);
    EXPECT_STREQ(PartyStateCaptions[14], "IN");
    EXPECT_EQ(partyStateIndex(QStringLiteral("WY")), 49);
    EXPECT_EQ(partyStateIndex(QString()), -1);
    EXPECT_EQ(partyStateIndex(QStringLiteral("ON")), -1);
}
