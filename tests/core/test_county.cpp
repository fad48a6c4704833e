// The county table from county2.txt and the keystroke filters.
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "core/Globals.h"
#include "core/Module2County.h"

namespace {

class CountyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        ASSERT_TRUE(dir.isValid());
        G.ProgramFolder = dir.path();
        G.PartyState = QStringLiteral("IN");
    }
    void writeCounties(const QByteArray& data)
    {
        QFile f(dir.filePath(QStringLiteral("county2.txt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(data);
    }
    QTemporaryDir dir;
};

const QByteArray kThreeStates = "\"OHAdams\",\"ADAM\"\r\n"
                                "\"INMarion\",\"MARI\"\r\n"
                                "\"INAdams\",\"ADAM\"\r\n"
                                "\"inLake\",\"LAKE\"\r\n"
                                "\"KYBoone\",\"BOON\"\r\n"
                                "\"INLa Porte\",\"LAPO\"\r\n"
                                "\"INSt. Joseph\",\"stjo\"\r\n"
                                "\"INAllen\",\"MARI\"\r\n";

}   // namespace

TEST_F(CountyTest, KeepsOnlyTheContestStatesRowsInFileOrder)
{
    writeCounties(kThreeStates);
    EXPECT_TRUE(Module2::LoadCountyList());
    EXPECT_EQ(G.CountyNames, QStringList({"Marion", "Adams", "La Porte", "St. Joseph", "Allen"}));
    EXPECT_EQ(G.CountyAbbreviations, QStringList({"MARI", "ADAM", "LAPO", "stjo", "MARI"}));
}

TEST_F(CountyTest, AbbreviationGivesTheFirstCountyWithIt)
{
    writeCounties(kThreeStates);
    ASSERT_TRUE(Module2::LoadCountyList());
    struct Case {
        const char* typed;
        const char* county;
    };
    const Case cases[] = {
        {"MARI", "Marion"},   // shared with Allen further down: the earlier row wins
        {"mari", "Marion"}, {"Lapo", "La Porte"}, {"ADAM", "Adams"},   // the IN row, not the OH row before it
        {"stjo", ""},                                                  // stored in lower case: never found
        {"STJO", ""},       {"Marion", ""},                            // a full name is not an abbreviation
        {"LAKE", ""},                                                  // its row was not the contest state's
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Module2::CountyNameFromAbbrev(c.typed), c.county) << c.typed;
}

TEST_F(CountyTest, EmptyTableFindsNothing) { EXPECT_EQ(Module2::CountyNameFromAbbrev("MARI"), ""); }

TEST_F(CountyTest, MissingFileLeavesAnEmptyTableAndFails)
{
    G.CountyNames = QStringList({"Old"});
    G.CountyAbbreviations = QStringList({"OLD"});
    EXPECT_FALSE(Module2::LoadCountyList());
    EXPECT_TRUE(G.CountyNames.isEmpty());
    EXPECT_TRUE(G.CountyAbbreviations.isEmpty());
}

// A table without a county of the contest state would refuse every county with no word why: the
// load fails as for a missing file, so the caller says so.
TEST_F(CountyTest, AFileWithoutACountyOfTheStateFails)
{
    struct Case {
        const char* name;
        QByteArray data;
    };
    const Case cases[] = {
        {"empty", ""},
        {"blank lines only", "\r\n\r\n"},
        {"other states only", "\"OHAdams\",\"ADAM\"\r\n\"inLake\",\"LAKE\"\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeCounties(c.data);
        EXPECT_FALSE(Module2::LoadCountyList());
        EXPECT_TRUE(G.CountyNames.isEmpty());
    }
}

TEST_F(CountyTest, LoadStopsAtAFileEndingInsideARowKeepingTheRowsRead)
{
    writeCounties("\"INMarion\",\"MARI\"\r\n\"INAllen\"\r\n");
    EXPECT_FALSE(Module2::LoadCountyList());
    EXPECT_EQ(G.CountyNames, QStringList({"Marion"}));
}

TEST_F(CountyTest, TableHoldsAtMost1000Counties)
{
    QByteArray data;
    for (int i = 1; i <= 1001; ++i)
        data += "\"INC" + QByteArray::number(i) + "\",\"A" + QByteArray::number(i) + "\"\r\n";
    writeCounties(data);
    EXPECT_FALSE(Module2::LoadCountyList());
    EXPECT_EQ(G.CountyNames.size(), 1000);
    EXPECT_EQ(G.CountyNames.last(), "C1000");
    EXPECT_EQ(G.CountyAbbreviations.size(), 1000);
}

TEST_F(CountyTest, FileNameIsFoundWithoutRegardToCase)
{
    QFile f(dir.filePath(QStringLiteral("COUNTY2.TXT")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\"INMarion\",\"MARI\"\r\n");
    f.close();
    EXPECT_TRUE(Module2::LoadCountyList());
    EXPECT_EQ(G.CountyNames, QStringList({"Marion"}));
}

TEST(KeyFilters, UpperCaseKey)
{
    struct Case {
        int in, out;
    };
    const Case cases[] = {
        {'q', 'Q'},
        {'a', 'A'},
        {'z', 'Z'},
        {'Q', 'Q'},
        {'7', '7'},
        {'/', '/'},
        {8, 8},
        {9, 9},
        {13, 13},
        {' ', ' '},
        {0xE9, 0xE9} /* e acute */,
        {'{', '{'},
        {'`', '`'},
        {'"', 0},   // a double quote never enters a list-format text
    };
    for (const Case& c : cases)
        EXPECT_EQ(Module2::UpperCaseKey(c.in), c.out) << c.in;
}

TEST(KeyFilters, DigitsOnlyKey)
{
    struct Case {
        int in, out;
    };
    const Case cases[] = {
        {'5', '5'}, {'0', '0'}, {'9', '9'}, {8, 8}, {'a', 0}, {' ', 0}, {'/', 0}, {13, 0}, {'"', 0}, {'-', 0}, {':', 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Module2::DigitsOnlyKey(c.in), c.out) << c.in;
}
