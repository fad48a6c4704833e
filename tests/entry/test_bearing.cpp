// Bearing and distance from the own station, and the captions that show them.
#include <gtest/gtest.h>

#include <QLocale>

#include "core/Globals.h"
#include "entry/Bearing.h"

class BearingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        G.OwnLatitude = 39.77f;
        G.OwnLongitude = 86.16f;
    }
    void TearDown() override { resetGlobals(); }
};

TEST_F(BearingTest, WorkedExamples)
{
    struct Case {
        float lat, lon;
        const char* bearing;
        const char* miles;
    } cases[] = {
        {41.88f, 87.63f, "333 ", "165 "},
        {40.71f, 74.00f, "80 ", "644 "},
    };
    for (const auto& c : cases) {
        const auto cap = Bearing::ShowBearingDistance(c.lat, c.lon);
        EXPECT_EQ(cap.Label22, QString::fromLatin1(c.bearing));
        EXPECT_EQ(cap.Label23, QString::fromLatin1(c.miles));
    }
}

TEST_F(BearingTest, FarStationIsWestOfSouthWithGroupedMiles)
{
    const auto r = Bearing::compute(G.OwnLatitude, G.OwnLongitude, -33.87f, -151.21f);
    ASSERT_TRUE(r);
    EXPECT_GT(r->miles, 999);
    const auto cap = Bearing::ShowBearingDistance(-33.87f, -151.21f);
    EXPECT_EQ(cap.Label22, QStringLiteral("259 "));
    EXPECT_TRUE(cap.Label23.contains(QLatin1Char(',')));
    EXPECT_EQ(cap.Label23, QStringLiteral("%1,%2 ")
                               .arg(int(r->miles + 0.5) / 1000)
                               .arg(int(r->miles + 0.5) % 1000, 3, 10, QLatin1Char('0')));
}

// Where the cosines reach the edge of -1..1 (the own position, the antipode, a station due north
// or south) the captions still show numbers: the arccosines are clamped.
TEST_F(BearingTest, EdgesOfTheArcCosineGiveNumbers)
{
    struct Case {
        const char* what;
        float ownLat, ownLon, lat, lon;
        const char* bearing;
        const char* miles;
    } cases[] = {
        {"own position", 39.77f, 86.16f, 39.77f, 86.16f, "360 ", " "},
        {"antipode", 0.0f, 0.0f, 0.0f, 180.0f, nullptr, "12,427 "},   // any direction
        {"due north", 39.77f, 86.16f, 49.77f, 86.16f, "360 ", "690 "},
        {"due south", 39.77f, 86.16f, 29.77f, 86.16f, "180 ", "690 "},
        {"due north, exact pole", 39.77f, 86.16f, 90.0f, 86.16f, "360 ", "3,468 "},
    };
    for (const Case& c : cases) {
        G.OwnLatitude = c.ownLat;
        G.OwnLongitude = c.ownLon;
        const auto cap = Bearing::ShowBearingDistance(c.lat, c.lon);
        if (c.bearing) {
            EXPECT_EQ(cap.Label22, QString::fromLatin1(c.bearing)) << c.what;
        } else {
            EXPECT_GT(cap.Label22.trimmed().toInt(), 0) << c.what;
        }
        EXPECT_EQ(cap.Label23, QString::fromLatin1(c.miles)) << c.what;
    }
}

TEST_F(BearingTest, ValuesRoundingToZeroShowOnlyTheBlank)
{
    // A few hundred metres away, a little east of north.
    const auto cap = Bearing::ShowBearingDistance(39.774f, 86.1599f);
    EXPECT_EQ(cap.Label23, QStringLiteral(" "));
    const auto r = Bearing::compute(G.OwnLatitude, G.OwnLongitude, 39.774f, 86.1599f);
    ASSERT_TRUE(r);
    EXPECT_LT(r->miles, 0.5);
    // Due east: bearing about 90.
    const auto east = Bearing::compute(0.0f, 0.0f, 0.0f, -10.0f);
    ASSERT_TRUE(east);
    EXPECT_NEAR(east->bearing, 90.0, 1e-6);
}
