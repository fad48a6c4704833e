// Band and mode decisions without widgets: the band table at every edge, what a rig report asks
// for, the label steps, the frequency text, and the report lengths and default reports per mode.
#include <QString>

#include <gtest/gtest.h>

#include "core/BandTable.h"
#include "entry/EntryKeys.h"
#include "mainwindow/BandMode.h"
#include "mainwindow/KeyRouter.h"
#include "mainwindow/MainLoad.h"

namespace {

// Every limit of the table is exclusive: the frequency one single-precision step inside a limit
// is in the band, the limit itself and one step outside are not. The widened edges make the
// round band edges (1.8, 2.0, 14.35, 29.7 MHz ...) part of their band.
TEST(BandModeTest, EveryBandTableLimitIsExclusive)
{
    for (const BandMode::BandRow& r : BandMode::bandTable()) {
        const QString name = QString::fromLatin1(r.name);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(Bands::bandOf(std::nextafter(r.lower, r.upper)), name);
        EXPECT_EQ(Bands::bandOf(std::nextafter(r.upper, r.lower)), name);
        EXPECT_NE(Bands::bandOf(r.lower), name);
        EXPECT_NE(Bands::bandOf(r.upper), name);
        EXPECT_NE(Bands::bandOf(std::nextafter(r.lower, 0.0f)), name);
        EXPECT_NE(Bands::bandOf(std::nextafter(r.upper, 1e9f)), name);
    }
    EXPECT_EQ(BandMode::bandTable().size(), 19);
}

TEST(BandModeTest, RigFrequencies)
{
    const struct {
        const char* name;
        float mhz;
        const char* band;      // the table's name
        const char* command;   // the band command run with 20 m current
    } cases[] = {
        {"160 m lower edge", 1.8f, "160", "160"},
        {"160 m upper edge", 2.0f, "160", "160"},
        {"80 m", 3.550f, "80", "80"},
        {"40 m", 7.025f, "40", "40"},
        {"20 m upper edge", 14.35f, "20", ""},   // the current band: frequency only
        {"above 20 m", 14.3502f, "", ""},
        {"15 m", 21.2f, "15", "15"},
        {"10 m upper edge", 29.7f, "10", "10"},
        {"30 m", 10.12f, "30", ""},
        {"17 m", 18.1f, "17", ""},
        {"12 m", 24.95f, "12", ""},
        {"6 m", 50.125f, "6", ""},
        {"2 m", 144.2f, "2", ""},
        {"60 m", 5.3585f, "", ""},
        {"70 cm", 432.1f, "440", ""},
        {"10 GHz is no 10 m report", 10100.0f, "10G", ""},
        {"10 GHz plain lower edge", 10000.0f, "", ""},
        {"5.7 GHz", 5760.0f, "5.6", ""},
        {"below every band", 0.5f, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Bands::bandOf(c.mhz), QString::fromLatin1(c.band));
        EXPECT_EQ(BandMode::bandCommandFor(c.mhz, QStringLiteral("20")), QString::fromLatin1(c.command));
    }
    // The current band is compared without regard to case.
    EXPECT_EQ(BandMode::bandCommandFor(7.0f, QStringLiteral("40")), QString());
    EXPECT_EQ(BandMode::bandCommandFor(1.9f, QStringLiteral("1.25")), QStringLiteral("160"));
}

TEST(BandModeTest, FrequencyText)
{
    EXPECT_EQ(BandMode::frequencyText(7.0f), QStringLiteral("7.000"));
    EXPECT_EQ(BandMode::frequencyText(0.5f), QStringLiteral(".500"));
    EXPECT_EQ(BandMode::frequencyText(14.025f), QStringLiteral("14.025"));
    EXPECT_EQ(BandMode::frequencyText(10368.1f), QStringLiteral("10368.100"));
}

TEST(BandModeTest, RigModes)
{
    const struct {
        const char* rig;
        const char* current;
        const char* command;
    } cases[] = {
        {"PH", "CW", "PH"}, {"cw", "PH", "CW"}, {"CW", "DG", "CW"}, {"CW", "cw", ""},
        {"DG", "CW", ""},   {"AM", "CW", ""},   {"", "PH", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.rig) + " on " + c.current);
        EXPECT_EQ(BandMode::modeCommandFor(QString::fromLatin1(c.rig), QString::fromLatin1(c.current)),
                  QString::fromLatin1(c.command));
    }
}

TEST(BandModeTest, LabelClicksStepBandAndToggleMode)
{
    const char* cycle[][2] = {{"160", "80"}, {"80", "40"}, {"40", "20"}, {"20", "15"}, {"15", "10"},
                              {"10", "160"}, {"6", ""},    {"2", ""},    {"1.25", ""}, {"", ""}};
    for (const auto& c : cycle)
        EXPECT_EQ(BandMode::nextBand(QString::fromLatin1(c[0])), QString::fromLatin1(c[1])) << c[0];
    EXPECT_EQ(BandMode::nextMode(QStringLiteral("CW")), QStringLiteral("PH"));
    EXPECT_EQ(BandMode::nextMode(QStringLiteral("cw")), QStringLiteral("PH"));
    EXPECT_EQ(BandMode::nextMode(QStringLiteral("PH")), QStringLiteral("CW"));
    EXPECT_EQ(BandMode::nextMode(QStringLiteral("DG")), QStringLiteral("CW"));
}

TEST(BandModeTest, ReportLengthsAndDefaultReportsPerMode)
{
    const struct {
        const char* mode;
        int length;
        const char* report;
    } cases[] = {{"CW", 3, "599"}, {"PH", 2, "59"}, {"ph", 2, "59"}, {"DG", 3, "599"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(MainLoad::reportMaxLength(QString::fromLatin1(c.mode)), c.length);
        EXPECT_EQ(Entry::defaultReport(QString::fromLatin1(c.mode)), QString::fromLatin1(c.report));
    }
}

// The speed keys never take the CW speed outside 5..99 WPM.
TEST(BandModeTest, SpeedKeysStayWithinTheKeyersRange)
{
    const struct {
        const char* speed;
        bool up, allowed;
    } cases[] = {{"20", true, true},   {"20", false, true},  {"98", true, true}, {"99", true, false},
                 {"6", false, true},   {"5", false, false},  {"4", true, true},  {"4", false, false},
                 {"150", false, true}, {"150", true, false}, {"", true, false},  {"x", false, false}};
    for (const auto& c : cases)
        EXPECT_EQ(KeyRouter::speedStepAllowed(QString::fromLatin1(c.speed), c.up), c.allowed)
            << c.speed << (c.up ? " up" : " down");
}

}   // namespace
