// The CW engine without widgets: element timelines on a recording line and a fake clock, the
// timing methods, speeds that cannot be keyed, a line that fails, the parallel port address and
// the wildcard walk.
#include <QVector>

#include <gtest/gtest.h>

#include "core/Globals.h"
#include "keying/CntyAbbCW.h"
#include "keying/CwEngine.h"
#include "platform/KeyLines.h"
#include "platform/Monotonic.h"
#include "tests/support/FakeMonotonic.h"

using CwEngine::KeyResult;
using CwEngine::Timing;

namespace {

// A key line that records each change with the clock's time; it can be told to fail.
struct RecordingLine : Platform::KeyLine {
    explicit RecordingLine(Platform::Monotonic& c) : clock(c) {}
    bool setKeyed(bool down) override
    {
        if (failAt >= 0 && int(changes.size()) >= failAt) {
            failed = true;
            if (down)
                return false;
            // A release still goes through: the line is up afterwards.
        }
        changes.push_back({clock.nowNs(), down});
        return true;
    }
    struct Change {
        qint64 ns;
        bool down;
    };
    Platform::Monotonic& clock;
    QVector<Change> changes;
    int failAt = -1;
    bool failed = false;

    QString states() const
    {
        QString s;
        for (const Change& c : changes)
            s += c.down ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    }
};

constexpr double UnitAt13 = 1200.0 / 13;   // ms

}   // namespace

// Each row: what is keyed, at 13 WPM with the Timer method; every element starts exactly one unit
// after the one before it, the line is up at the end, and the character lasts its units.
TEST(CwTimeline, CharactersLastTheirUnitsAndEndWithTheLineUp)
{
    struct Row {
        const char* name;
        QString elements;
        int units;
    };
    const Row rows[] = {
        {"E is four units", CwEngine::elements(QLatin1Char('E')), 4},
        {"lower-case e keys as E", CwEngine::elements(QLatin1Char('e')), 4},
        {"zero is 22 units", CwEngine::elements(QLatin1Char('0')), 22},
        {"space with word space 0", CwEngine::spaceElements(0), 8},
        {"space with word space 2", CwEngine::spaceElements(2), 10},
        {"space with word space -8", CwEngine::spaceElements(-8), 0},
        {"space with word space -3", CwEngine::spaceElements(-3), 5},
        {"plus has no Morse", CwEngine::elements(QLatin1Char('+')), 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Platform::FakeMonotonic clock;
        RecordingLine line(clock);
        const qint64 start = clock.nowNs();
        EXPECT_EQ(CwEngine::keyElements(r.elements, {13, Timing::Timer, 0}, &line, clock), KeyResult::Keyed);
        EXPECT_EQ(r.elements.size(), r.units);
        EXPECT_EQ(line.states(), r.elements);
        const qint64 unitNs = qint64(std::llround(UnitAt13 * 1e6));
        for (int k = 0; k < line.changes.size(); ++k)
            EXPECT_EQ(line.changes[k].ns - start, k * unitNs) << "element " << k;
        EXPECT_EQ(clock.nowNs() - start, r.units * unitNs);
        if (!line.changes.isEmpty()) {
            EXPECT_FALSE(line.changes.last().down);
        }
    }
    // "E" at 13 WPM: about 369 ms.
    EXPECT_NEAR(4 * UnitAt13, 369.2, 0.1);
}

TEST(CwTimeline, SleepMethodSleepsTheUnitRoundedToWholeMilliseconds)
{
    for (auto [wpm, ms] : {std::pair{13.0, 92}, std::pair{16.0, 75}, std::pair{20.0, 60}}) {
        Platform::FakeMonotonic clock;
        RecordingLine line(clock);
        const qint64 start = clock.nowNs();
        CwEngine::keyElements(QStringLiteral("1000"), {wpm, Timing::Sleep, 0}, &line, clock);
        ASSERT_EQ(line.changes.size(), 4);
        EXPECT_EQ(line.changes[1].ns - start, qint64(ms) * 1000000) << wpm;
        EXPECT_EQ(clock.nowNs() - start, 4 * qint64(ms) * 1000000) << wpm;
    }
}

TEST(CwTimeline, LoopMethodWithoutCalibrationTakesNoTime)
{
    Platform::FakeMonotonic clock;
    RecordingLine line(clock);
    const qint64 start = clock.nowNs();
    EXPECT_EQ(CwEngine::keyElements(CwEngine::elements(QLatin1Char('0')), {13, Timing::Loop, 0}, &line, clock),
              KeyResult::Keyed);
    EXPECT_EQ(line.states(), CwEngine::elements(QLatin1Char('0')));
    EXPECT_EQ(clock.nowNs(), start);
}

// Below 1 WPM nothing is keyed and no time passes (no division by zero, no negative wait).
TEST(CwTimeline, SpeedBelowOneKeysNothing)
{
    for (double wpm : {0.0, -1.0, 0.5, -100.0}) {
        for (Timing t : {Timing::Timer, Timing::Sleep, Timing::Loop}) {
            Platform::FakeMonotonic clock;
            RecordingLine line(clock);
            const qint64 start = clock.nowNs();
            EXPECT_EQ(CwEngine::keyElements(QStringLiteral("1000"), {wpm, t, 500}, &line, clock),
                      KeyResult::SpeedTooLow);
            EXPECT_TRUE(line.changes.isEmpty());
            EXPECT_EQ(clock.nowNs(), start);
        }
    }
}

TEST(CwTimeline, LineThatFailsEndsTheCharacterWithTheLineUp)
{
    Platform::FakeMonotonic clock;
    RecordingLine line(clock);
    line.failAt = 2;   // "1", "0" go through, the third element ("1") fails
    EXPECT_EQ(CwEngine::keyElements(CwEngine::elements(QLatin1Char('A')), {20, Timing::Timer, 0}, &line, clock),
              KeyResult::LineFailed);
    EXPECT_TRUE(line.failed);
    EXPECT_EQ(line.states(), QStringLiteral("100"));
    EXPECT_FALSE(line.changes.last().down);
}

TEST(CwEngine, ParallelControlRegisterFromTheAddressText)
{
    struct Row {
        const char* text;
        std::optional<int> address;
    };
    const Row rows[] = {
        {"&H378", 890},   // the usual first port: its control register
        {"378", 380},     // decimal, as typed
        {"&h3bc", 958},
        {" &H278xyz", 634},   // reading stops at the first character that does not fit
        {"abc", 2},
        {"32765", 32767},
        {"32766", std::nullopt},   // base + 2 does not fit a 16-bit integer: nothing is written
        {"&HFFFF", std::nullopt},
    };
    for (const Row& r : rows)
        EXPECT_EQ(CwEngine::controlRegister(QString::fromLatin1(r.text)), r.address) << r.text;
}

TEST(CwEngine, LoopCalibrationGivesTurnsPerSixtyMilliseconds)
{
    EXPECT_EQ(CwEngine::loopOffsetFrom(5000000, 10000000), 30000000.0);   // 500,000 turns per ms
    EXPECT_EQ(CwEngine::loopOffsetFrom(5000000, 0), std::nullopt);
}

TEST(CwWildcards, EachPlaceIsFilledOnceAndTheWalkEnds)
{
    struct Row {
        const char* name;
        const char* text;
        QChar wildcard;
        const char* value;
        const char* expected;
    };
    const Row rows[] = {
        {"empty call removes the wildcard", "TU $ 5NN", QLatin1Char('$'), "", "TU  5NN"},
        {"blanks around the value trimmed", "$ DE", QLatin1Char('$'), " W9XYZ ", "W9XYZ DE"},
        {"every place gets the value", "$ $ $", QLatin1Char('$'), "K9A", "K9A K9A K9A"},
        {"adjacent wildcards both removed", "A##B", QLatin1Char('#'), "", "AB"},
        {"a value holding the wildcard is sent as it is", "$?", QLatin1Char('$'), "K$9", "K$9?"},
        {"a value that is only wildcards", "$$", QLatin1Char('$'), "$$", "$$$$"},
    };
    for (const Row& r : rows) {
        const QString v = QString::fromLatin1(r.value);
        EXPECT_EQ(CwEngine::fillWildcard(QString::fromLatin1(r.text), r.wildcard, [&] { return v; }),
                  QString::fromLatin1(r.expected))
            << r.name;
    }
}

TEST(CwWildcards, CountyIsSentAsItsAbbreviationWhenThatIsShorter)
{
    resetGlobals();
    G.CountyNames = {QStringLiteral("Marion"), QStringLiteral("Lake"), QStringLiteral("Ohio"), QStringLiteral("Allen")};
    G.CountyAbbreviations = {QStringLiteral("MARI"), QStringLiteral("LAKE"), QString(), QStringLiteral("ALLENX")};
    const std::pair<const char*, const char*> rows[] = {
        {"MARION", "MARI"},   // case ignored
        {"Lake", "Lake"},     // abbreviation not shorter
        {"Ohio", "Ohio"},     // no abbreviation
        {"Allen", "Allen"},   // abbreviation longer
        {"Nowhere", "Nowhere"}, {"", ""},
    };
    for (auto [county, sent] : rows)
        EXPECT_EQ(CntyAbbCW::GetCntyAbbCW(QString::fromLatin1(county)), QString::fromLatin1(sent)) << county;
    resetGlobals();
}
