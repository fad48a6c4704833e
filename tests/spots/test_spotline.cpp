// The spot line's columns, the cutting of arrivals into whole lines, and what the window's
// reception does with lines: the terminal, the TNC buffer with its duplicate test and bound, the
// "List DX Only" filter and the tick count.
#include <gtest/gtest.h>

#include "spots/SpotLine.h"
#include "spots/SpotReception.h"
#include "tests/support/LogCapture.h"

using namespace Spots;

namespace {

struct LineCase {
    const char* name;
    QString line;
    bool spot;
    QString freq, call, record;
};

}   // namespace

TEST(SpotLine, ColumnsOfRealAndOddLines)
{
    const QString cr = QStringLiteral("\r\n");
    const LineCase cases[] = {
        {"cluster line",
         QStringLiteral("DX de K9AB:      14025.0  DL1ABC       CW 599                     1423Z IN") + cr, true,
         QStringLiteral("14025.0"), QStringLiteral("DL1ABC"),
         QStringLiteral("de K9AB:      14025.0  DL1ABC       CW 599                     1423Z IN") + cr},
        {"ten gigahertz past the frequency columns",
         QStringLiteral("DX de W9ZZ:    10368100.0  N9XYZ        up 10 GHz                  1500Z"), true,
         QStringLiteral("10368100.0"), QStringLiteral("N9XYZ"), QString()},
        {"ten gigahertz reaching into the spotter's columns",
         QStringLiteral("DX de G4ABC:  10368100.0  GB3SCX       beacon                     1500Z"), true,
         QStringLiteral("10368100.0"), QStringLiteral("GB3SCX"), QString()},
        {"twenty-four gigahertz against the spotter's colon",
         QStringLiteral("DX de G4ABC:24048100.0    GB3SCX"), true, QStringLiteral("24048100.0"),
         QStringLiteral("GB3SCX"), QString()},
        {"frequency after a long spotter", QStringLiteral("DX de VE3/W9ABC-15:   14025.0  DL1ABC"), true,
         QStringLiteral("14025.0"), QString(), QString()},
        {"exponent is no frequency", QStringLiteral("DX de K9AB:          1e4  DL1ABC"), true, QString(),
         QStringLiteral("DL1ABC"), QString()},
        {"two points are no frequency", QStringLiteral("DX de K9AB:     14.025.0  DL1ABC"), true, QString(),
         QStringLiteral("DL1ABC"), QString()},
        {"sign is no frequency", QStringLiteral("DX de K9AB:     -14025.0  DL1ABC"), true, QString(),
         QStringLiteral("DL1ABC"), QString()},
        {"no colon after spotter", QStringLiteral("DX de K9AB        7025.5  JA1XYZ       cq"), true,
         QStringLiteral("7025.5"), QStringLiteral("JA1XYZ"), QStringLiteral("de K9AB        7025.5  JA1XYZ       cq")},
        {"long spotter call", QStringLiteral("DX de VE3/W9ABC-#:14074.0  VK2ABC       FT8"), true,
         QStringLiteral("14074.0"), QStringLiteral("VK2ABC"), QString()},
        {"lower case dx", QStringLiteral("dx de k9ab:      21025.0  ve3xyz"), true, QStringLiteral("21025.0"),
         QStringLiteral("ve3xyz"), QStringLiteral("de k9ab:      21025.0  ve3xyz")},
        {"short line", QStringLiteral("DX de K9AB: 7"), true, QStringLiteral(""), QString(),
         QStringLiteral("de K9AB: 7")},
        {"not a spot", QStringLiteral("WWV de VE7CC <18>: SFI=150"), false, {}, {}, {}},
        {"empty", QString(), false, {}, {}, {}},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isSpotLine(c.line), c.spot);
        if (!c.spot)
            continue;
        EXPECT_EQ(spotFrequency(c.line), c.freq);
        if (!c.call.isNull()) {
            EXPECT_EQ(spotCall(c.line), c.call);
        }
        if (!c.record.isNull()) {
            EXPECT_EQ(spotRecord(c.line), c.record);
        }
    }
}

TEST(LineCutter, ArrivalsBecomeWholeLines)
{
    LineCutter cut;
    // Two lines and half a third in one arrival; the rest of it in the next.
    EXPECT_EQ(cut.feed("DX one\r\nDX two\r\nDX th"), (QStringList{"DX one\r\n", "DX two\r\n"}));
    EXPECT_TRUE(cut.hasPartial());
    EXPECT_EQ(cut.feed("ree\r"), (QStringList{"DX three\r\n"}));
    // The LF of a CR LF split across arrivals ends no second, empty line.
    EXPECT_EQ(cut.feed("\nbare lf\nbare cr\rnext"), (QStringList{"bare lf\r\n", "bare cr\r\n"}));
    EXPECT_EQ(cut.takePartial(), QStringLiteral("next"));
    EXPECT_FALSE(cut.hasPartial());
}

TEST(LineCutter, TelnetCommandsBelsAndNulsAreRemoved)
{
    LineCutter cut;
    // IAC WILL ECHO, IAC DO SGA, a subnegotiation split across arrivals, IAC IAC as a data byte.
    QByteArray a("\xff\xfb\x01login:\x07\x07 \xff\xfa\x18\x01", 14);
    EXPECT_TRUE(cut.feed(a).isEmpty());
    EXPECT_EQ(cut.feed(QByteArray("\xff\xf0\xff\xfd\x03", 5)), QStringList());
    EXPECT_EQ(cut.takePartial(), QStringLiteral("login: "));
    EXPECT_EQ(cut.feed(QByteArray("a\xff\xff"
                                  "b\0c\r\n",
                                  9)),
              (QStringList{QStringLiteral("a\u00ffbc\r\n")}));
}

TEST(LineCutter, SubNegotiationThatNeverEndsIsGivenUpAndTheLinesAfterItAreRead)
{
    LogCapture log;
    LineCutter cut;
    const QByteArray spot = "DX de K9AB:      14025.0  DL1ABC       CW\r\n";
    // IAC SB TERMINAL-TYPE and then no IAC SE, ever: only spot lines follow.
    QByteArray stream("\xff\xfa\x18\x01", 4);
    for (int i = 0; i < 20; ++i)
        stream += spot;
    QStringList lines;
    for (qsizetype at = 0; at < stream.size(); at += 100)   // in pieces, as TCP brings them
        lines += cut.feed(stream.mid(at, 100));
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_GE(lines.size(), 20 - (LineCutter::SubLimit + 4) / int(spot.size()) - 1);
    for (const QString& line : lines)
        EXPECT_EQ(line, QString::fromLatin1(spot));
    EXPECT_EQ(log.warnings("vqplog.spots").size(), 1);

    // A sub-negotiation that does end, with an escaped 255 in it, costs nothing after it.
    EXPECT_EQ(cut.feed(QByteArray("\xff\xfa\x1f\x00\xff\xff\x00\x18\xff\xf0", 10) + spot),
              QStringList{QString::fromLatin1(spot)});
    EXPECT_EQ(log.warnings("vqplog.spots").size(), 1);
}

TEST(LineCutter, UnendedInputIsBounded)
{
    LineCutter cut(16);
    const QStringList lines = cut.feed(QByteArray(40, 'x'));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QString(16, QLatin1Char('x')) + QStringLiteral("\r\n"));
    EXPECT_EQ(cut.takePartial().size(), 8);
}

class ReceptionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        r.post = [this](const QString& call, const QString& freq, const QString& record) {
            posted << call + QLatin1Char('|') + freq + QLatin1Char('|') + record;
        };
    }
    Reception r;
    QStringList posted;
};

TEST_F(ReceptionTest, TncLinesWaitForTheirLineFeedAndRepeatsAreDropped)
{
    const QByteArray spot = "DX de K9AB:      14025.0  DL1ABC       CW\r\n";
    r.ReadTNCPort(spot.left(20));
    EXPECT_TRUE(posted.isEmpty());
    EXPECT_TRUE(r.terminal.text.isEmpty());
    r.ReadTNCPort(spot.mid(20) + "cmd:");
    ASSERT_EQ(posted.size(), 1);
    EXPECT_EQ(posted[0], QStringLiteral("DL1ABC|14025.0|de K9AB:      14025.0  DL1ABC       CW\r\n"));
    EXPECT_EQ(r.terminal.text, QString::fromLatin1(spot));
    EXPECT_EQ(r.TNCReceiveBuffer, QStringLiteral("\ncmd:"));

    // The same line again (other case) is neither shown nor handed on.
    r.ReadTNCPort("\r\ndx de k9ab:      14025.0  dl1abc       cw\r\n");
    EXPECT_EQ(posted.size(), 1);
    // Other chatter shows unless "List DX Only" is ticked.
    r.ReadTNCPort("Connected to K9AB\r\n");
    EXPECT_TRUE(r.terminal.text.endsWith(QStringLiteral("Connected to K9AB\r\n")));
    r.listDxOnly = true;
    r.ReadTNCPort("beacon text\r\n");
    EXPECT_FALSE(r.terminal.text.contains(QStringLiteral("beacon")));
}

TEST_F(ReceptionTest, TncAtTheWrongSpeedCannotGrowTheBuffer)
{
    for (int i = 0; i < 100; ++i)
        r.ReadTNCPort(QByteArray(1000, '\xaa'));
    EXPECT_LE(r.TNCReceiveBuffer.size(), Reception::TncBufferLimit + 1000);
    r.ReadTNCPort("\r\nDX de K9AB:      7025.0   JA1XYZ\r\n");
    EXPECT_EQ(posted.size(), 1);
}

TEST_F(ReceptionTest, TelnetLinesAndTheListDxOnlyFilter)
{
    r.telnetLine(QStringLiteral("Hello from the cluster\r\n"));
    r.telnetLine(QStringLiteral("DX de K9AB:      14025.0  DL1ABC       CW\r\n"));
    EXPECT_EQ(posted.size(), 1);
    EXPECT_EQ(r.terminal.text.count(QStringLiteral("DL1ABC")), 1);
    r.listDxOnly = true;
    r.telnetLine(QStringLiteral("WWV de VE7CC\r\n"));
    r.telnetLine(QStringLiteral("DX de K9AB:      14025.0  DL1ABC       CW\r\n"));   // telnet has no repeat test
    EXPECT_EQ(posted.size(), 2);
    EXPECT_FALSE(r.terminal.text.contains(QStringLiteral("WWV")));
    EXPECT_EQ(r.terminal.text.count(QStringLiteral("DL1ABC")), 2);
}

TEST(Terminal, TrimKeepsTheLast9000AfterMoreThan10000)
{
    Terminal t;
    t.append(QString(10000, QLatin1Char('a')));
    EXPECT_EQ(t.text.size(), 10000);
    EXPECT_EQ(t.caret, 9999);
    t.append(QStringLiteral("b"));
    EXPECT_EQ(t.text.size(), 9000);
    EXPECT_TRUE(t.text.endsWith(QLatin1Char('b')));
}

TEST(Reception, The361stTickWithoutASpotRedrawsOnlyAShownBandMap)
{
    Reception r;
    for (int i = 0; i < 360; ++i)
        EXPECT_FALSE(r.tick(true));
    EXPECT_TRUE(r.tick(true));
    EXPECT_EQ(r.LabelUpdateTimeCounter, 0);
    for (int i = 0; i < 360; ++i)
        r.tick(false);
    EXPECT_FALSE(r.tick(false));
    EXPECT_EQ(r.LabelUpdateTimeCounter, 0);
    r.tick(true);
    r.PostSpotToMain(QStringLiteral("7000"), QStringLiteral("K1A"), QStringLiteral("DX line"));
    EXPECT_EQ(r.LabelUpdateTimeCounter, 0);
}
