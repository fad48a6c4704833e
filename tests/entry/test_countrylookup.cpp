// The country of a call by its prefix: the longest prefix wins, the "/" rules, stations of the USA
// and Canada left to the operator, KG4 by length, and the table never read outside its rows.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/Globals.h"
#include "core/StationSetup.h"
#include "entry/CountryLookup.h"

namespace {

using Kind = CountryLookup::Result::Kind;

// A small table in the file's order (sorted by prefix, digits first).
QVector<CountryRow> smallTable()
{
    return {
        {"3D2", "Fiji", "OC", -177.92, -17.78},        {"9A", "Croatia", "EU", -15.97, 45.8},
        {"DL", "Fed. Rep. of Germany", "EU", -10, 51}, {"K", "USA", "NA", 91.87, 37.6},
        {"KG4", "Guantanamo Bay", "NA", 75, 20},       {"KH6", "Hawaii", "OC", 157.48, 21.12},
        {"KL", "Alaska", "NA", 148.87, 61.4},          {"VE", "Canada", "NA", 78.75, 44.35},
        {"VP2", "British Leeward Is", "NA", 63, 18},   {"VP2E", "Anguilla", "NA", 63, 18.23},
        {"VP2M", "Montserrat", "NA", 62.18, 16.75},    {"W", "USA", "NA", 91.87, 37.6},
    };
}

class CountryLookupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        G.CountryTable = smallTable();
    }
    void TearDown() override { resetGlobals(); }
};

}   // namespace

TEST_F(CountryLookupTest, CallsOfTheTable)
{
    struct Case {
        const char* call;
        Kind kind;
        const char* text;     // the state field's text for Country
        const char* rowOf;    // the country whose row gives continent and position
        const char* lookup;   // G.LookupCall
    } cases[] = {
        {"VP2EAB", Kind::Country, "Anguilla", "Anguilla", "VP2EAB"},   // longest prefix
        {"VP2XY", Kind::Country, "British Leeward Is", "British Leeward Is", "VP2XY"},
        {"VP2", Kind::Country, "British Leeward Is", "British Leeward Is", "VP2"},
        {"DL1ABC", Kind::Country, "Fed. Rep. of Germany", "Fed. Rep. of Germany", "DL1ABC"},
        {"dl1abc", Kind::Country, "Fed. Rep. of Germany", "Fed. Rep. of Germany", "dl1abc"},
        {"9A1A", Kind::Country, "Croatia", "Croatia", "9A1A"},   // digits before letters
        {"3D2AB", Kind::Country, "Fiji", "Fiji", "3D2AB"},
        {"KL7ABC", Kind::Country, "AK", "Alaska", "KL7ABC"},
        {"KH6XX", Kind::Country, "HI", "Hawaii", "KH6XX"},
        {"W9ABC", Kind::UsaOrCanada, "", nullptr, "W9ABC"},
        {"W9ABC/M", Kind::UsaOrCanada, "", nullptr, "W9ABC/M"},   // one character after "/"
        {"VE3ABC", Kind::UsaOrCanada, "", nullptr, "VE3ABC"},
        {"DL1ABC/VE3", Kind::UsaOrCanada, "", nullptr, "VE3"},   // call/prefix: by the prefix
        {"W9ABC/VP2E", Kind::Country, "Anguilla", "Anguilla", "VP2E"},
        {"DL/W9ABC", Kind::Country, "Fed. Rep. of Germany", "Fed. Rep. of Germany", "DL/W9ABC"},
        {"VE3/DL1AB", Kind::UsaOrCanada, "", nullptr, "VE3/DL1AB"},                            // prefix/call: whole
        {"DL/VE3", Kind::Country, "Fed. Rep. of Germany", "Fed. Rep. of Germany", "DL/VE3"},   // 3 not < 3
        {"KG4", Kind::Country, "Guantanamo Bay", "Guantanamo Bay", "KG4"},
        {"KG4AB", Kind::Country, "Guantanamo Bay", "Guantanamo Bay", "KG4AB"},
        {"KG4A", Kind::Country, "", "USA", "KG4A"},       // 4 characters: in the USA
        {"KG4ABC", Kind::Country, "", "USA", "KG4ABC"},   // more than 5 too
        {"ZZ9ZZ", Kind::NotFound, "", nullptr, "ZZ9ZZ"},
        {"D", Kind::NotFound, "", nullptr, "D"},
        {"[AB", Kind::NotFound, "", nullptr, "[AB"},   // above "Z"
        {"\xC3\x9C"
         "A1",
         Kind::NotFound, "", nullptr,
         "\xC3\x9C"
         "A1"},
        {"", Kind::NoCall, "", nullptr, ""},
    };
    for (const Case& c : cases) {
        const QString call = QString::fromUtf8(c.call);
        const CountryLookup::Result r = CountryLookup::lookup(call);
        EXPECT_EQ(r.kind, c.kind) << c.call;
        EXPECT_EQ(r.text, QString::fromLatin1(c.text)) << c.call;
        EXPECT_EQ(G.LookupCall, QString::fromUtf8(c.lookup)) << c.call;
        if (c.rowOf) {
            ASSERT_GE(r.row, 0) << c.call;
            EXPECT_EQ(G.CountryTable[r.row].country, QString::fromLatin1(c.rowOf)) << c.call;
        } else {
            EXPECT_EQ(r.row, -1) << c.call;
        }
    }
}

TEST_F(CountryLookupTest, EmptyTableFindsNothing)
{
    G.CountryTable.clear();
    for (const char* call : {"DL1ABC", "W9ABC", "9A1A", "[", "Z"}) {
        EXPECT_EQ(CountryLookup::lookup(QString::fromLatin1(call)).kind, Kind::NotFound) << call;
        EXPECT_EQ(CountryLookup::bestRow(QString::fromLatin1(call)), -1) << call;
    }
}

TEST_F(CountryLookupTest, InstalledTableNamesTheCountriesOfItsPrefixes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    G.CountryTable.clear();
    G.ProgramFolder = dir.path();
    ASSERT_TRUE(QFile::copy(QStringLiteral(VQPLOG_SOURCE_DIR "/data/arrlpre2.txt"),
                            dir.filePath(QStringLiteral("arrlpre2.txt"))));
    ASSERT_TRUE(StationSetup::LoadCountryTable());
    struct Case {
        const char* call;
        Kind kind;
        const char* text;
    } cases[] = {
        {"DL1ABC", Kind::Country, "Fed. Rep. of Germany"},
        {"VP2EAB", Kind::Country, "Anguilla"},
        {"VP2MXY", Kind::Country, "Montserrat"},
        {"KL7ABC", Kind::Country, "AK"},
        {"KH6ABC", Kind::Country, "HI"},
        {"KG4AB", Kind::Country, "Guantanamo Bay"},
        {"KG4ABC", Kind::Country, ""},
        {"W9ABC", Kind::UsaOrCanada, ""},
        {"VA3XY", Kind::UsaOrCanada, ""},
        {"JA1XYZ", Kind::Country, "Japan"},
        {"9A1A", Kind::Country, "Croatia"},
        {"1A0KM", Kind::Country, "Sov Mil Order of Malta"},
    };
    for (const Case& c : cases) {
        const CountryLookup::Result r = CountryLookup::lookup(QString::fromLatin1(c.call));
        EXPECT_EQ(r.kind, c.kind) << c.call;
        EXPECT_EQ(r.text, QString::fromLatin1(c.text)) << c.call;
    }
}

TEST(CanadianProvince, FirstThreeCharactersOfTheCall)
{
    struct Case {
        const char* call;
        const char* province;
    } cases[] = {
        {"VE1AA", "NS"}, {"ve2xyz", "QC"}, {"VE3ABC", "ON"}, {"VE9Z", "NB"}, {"VO1AB", "NL"}, {"VO2AB", "NL"},
        {"VY1A", "YT"},  {"VY2ZZ", "PE"},  {"VE0AB", ""},    {"VA3AB", ""},  {"VE", ""},      {"W9ABC", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CountryLookup::canadianProvince(QString::fromLatin1(c.call)), QString::fromLatin1(c.province))
            << c.call;
}
