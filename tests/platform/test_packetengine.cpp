// The packet-engine layer against a fake engine on a loopback port: the bytes of every frame it
// sends, the frames it takes in (cut anywhere by TCP), the kinds it translates, and what happens
// when the engine refuses, stays silent, goes away or sends garbage.
#include "platform/PacketEngine.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTest>

#include "tests/support/FakeAgwEngine.h"

namespace {

using Platform::PacketEngine;

// Frames written out byte by byte as the API defines them.
QByteArray header(char kind, const char (&from)[11], const char (&to)[11], uint32_t length, uint8_t pid = 0)
{
    QByteArray h;
    h += QByteArray("\0\0\0\0", 4);
    h += kind;
    h += '\0';
    h += char(pid);
    h += '\0';
    h += QByteArray(from, 10);
    h += QByteArray(to, 10);
    h += char(length & 0xff);
    h += char((length >> 8) & 0xff);
    h += char((length >> 16) & 0xff);
    h += char((length >> 24) & 0xff);
    h += QByteArray(4, '\0');
    return h;
}

class PacketEngineTest : public ::testing::Test {
protected:
    void SetUp() override { qunsetenv("VQPLOG_AGW_HOST"); }
    void TearDown() override
    {
        qunsetenv("VQPLOG_AGW_PORT");
        qunsetenv("VQPLOG_AGW_HOST");
    }
    void useEngine(const FakeAgwEngine& e) { qputenv("VQPLOG_AGW_PORT", QByteArray::number(e.port())); }
    // Runs the event loop until `n` frames were fetched or 5 s pass; `got` holds them in order.
    static void fetch(PacketEngine& engine, size_t n, std::vector<PacketEngine::Frame>& got)
    {
        PacketEngine::Frame f;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                while (got.size() < n && engine.getData(f))
                    got.push_back(f);
                return got.size() >= n;
            }(),
            5000);
    }
};

TEST_F(PacketEngineTest, RegistersTurnsMonitoringOnAndSendsEachKindAsTheApiDefinesIt)
{
    FakeAgwEngine fake;
    useEngine(fake);
    auto engine = Platform::createPacketEngine();
    ASSERT_TRUE(engine->startPoll(QStringLiteral(" K9AB "), QStringLiteral("Form1")));

    EXPECT_TRUE(engine->putData(QStringLiteral("K1ABC"), QString(), 'c'));
    EXPECT_TRUE(engine->putData(QStringLiteral("K1ABC"), QString(), 'P'));   // nothing on the wire
    EXPECT_TRUE(engine->putData(QStringLiteral("K1ABC-15"), QStringLiteral("hello\r"), 'D'));
    const QString longText(300, QLatin1Char('x'));   // a length whose two low bytes both count
    EXPECT_TRUE(engine->putData(QStringLiteral("K1ABC"), longText, 'D'));
    EXPECT_TRUE(engine->putData(QStringLiteral("K1ABC"), QString(), 'd'));
    // Refused without a byte: a kind the engine has no frame for, calls that do not fit a field.
    EXPECT_FALSE(engine->putData(QStringLiteral("K1ABC"), QString(), 'Z'));
    EXPECT_FALSE(engine->putData(QStringLiteral("K1ABCDEFGHI"), QString(), 'c'));
    EXPECT_FALSE(engine->putData(QStringLiteral("  "), QString(), 'c'));
    engine->close();
    ASSERT_TRUE(fake.waitForFrames(7));
    QTRY_VERIFY_WITH_TIMEOUT(fake.clientGone(), 5000);

    const char own[11] = "K9AB\0\0\0\0\0", none[11] = "", dx[11] = "K1ABC\0\0\0\0", dx15[11] = "K1ABC-15\0";
    const QByteArray expected = header('X', own, none, 0) + header('m', none, none, 0) + header('C', own, dx, 0) +
                                header('D', own, dx15, 6, 0xF0) + "hello\r" + header('D', own, dx, 300, 0xF0) +
                                longText.toLatin1() + header('d', own, dx, 0) + header('x', own, none, 0);
    EXPECT_EQ(fake.bytes().toHex(' '), expected.toHex(' '));
    EXPECT_FALSE(engine->lost());
    // Closed: nothing more goes out.
    EXPECT_FALSE(engine->putData(QStringLiteral("K1ABC"), QStringLiteral("x"), 'D'));
}

TEST_F(PacketEngineTest, FramesInAreCutFromTheStreamTranslatedAndHandedOutOneAtATime)
{
    FakeAgwEngine fake;
    useEngine(fake);
    auto engine = Platform::createPacketEngine();
    ASSERT_TRUE(engine->startPoll(QStringLiteral("K9AB"), QStringLiteral("Form1")));
    ASSERT_TRUE(fake.waitForFrames(2));   // registration and monitoring

    const QByteArray monitor = " 1:Fm K1ABC To DX <UI pid=F0 Len=20 >[12:00:00]\rDX de K1ABC: 14025.0\r\r";
    const QByteArray stream =
        FakeAgwEngine::frame('R', {}, {}, QByteArray(8, '\1')) +                             // version: not for us
        FakeAgwEngine::frame('U', "K1ABC", "DX", monitor, 0xF0) +                            // monitored UI frame
        FakeAgwEngine::frame('C', "W9XYZ", "K9AB", "*** CONNECTED With Station W9XYZ\r") +   // link up
        FakeAgwEngine::frame('D', "W9XYZ", "K9AB", "hello\r", 0xF0) +                        // connected data
        FakeAgwEngine::frame('I', "W9XYZ", "K9AB", " 1:Fm W9XYZ To K9AB <I R0 S0>\rhello\r") +
        FakeAgwEngine::frame('y', "K9AB", {}, QByteArray(4, '\0')) +   // outstanding frames
        // Link down, with the calls the other way round and a closing NUL.
        FakeAgwEngine::frame('d', "K9AB", "W9XYZ", QByteArray("*** DISCONNECTED From Station W9XYZ\r\0", 37)) +
        FakeAgwEngine::frame('U', "N0BIG", "ALL", QByteArray(5000, 'a'));   // more than 4000
    // TCP may cut anywhere: inside a header, inside the data.
    for (qsizetype at = 0; at < stream.size(); at += 17) {
        fake.send(stream.mid(at, 17));
        QTest::qWait(1);
    }

    std::vector<PacketEngine::Frame> got;
    fetch(*engine, 6, got);
    ASSERT_EQ(got.size(), 6u);
    struct Want {
        int kind;
        const char* from;
        QByteArray data;
    };
    const Want want[] = {{'U', "K1ABC", monitor},
                         {'c', "W9XYZ", "*** CONNECTED With Station W9XYZ\r"},
                         {'D', "W9XYZ", "hello\r"},
                         {'I', "W9XYZ", " 1:Fm W9XYZ To K9AB <I R0 S0>\rhello\r"},
                         {'d', "W9XYZ", "*** DISCONNECTED From Station W9XYZ\r"},
                         {'U', "N0BIG", QByteArray(PacketEngine::MaxFrameData, 'a')}};
    for (size_t i = 0; i < std::size(want); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(got[i].kind, want[i].kind);
        EXPECT_EQ(got[i].fromCall, QLatin1String(want[i].from));
        EXPECT_EQ(got[i].data.toLatin1(), want[i].data);
    }
    PacketEngine::Frame none;
    none.kind = 42;
    EXPECT_FALSE(engine->getData(none));   // nothing waits: at once, frame untouched
    EXPECT_EQ(none.kind, 42);
}

TEST_F(PacketEngineTest, RegistrationFailsWhenTheEngineIsAbsentRefusesOrStaysSilent)
{
    auto engine = Platform::createPacketEngine();
    {
        quint16 closed = 0;
        {
            QTcpServer s;
            ASSERT_TRUE(s.listen(QHostAddress::LocalHost));
            closed = s.serverPort();
        }
        qputenv("VQPLOG_AGW_PORT", QByteArray::number(closed));
        EXPECT_FALSE(engine->startPoll(QStringLiteral("K9AB"), QStringLiteral("Form1")));
    }
    {
        FakeAgwEngine fake(FakeAgwEngine::Registration::Refuse);
        useEngine(fake);
        EXPECT_FALSE(engine->startPoll(QStringLiteral("K9AB"), QStringLiteral("Form1")));
        QTRY_VERIFY_WITH_TIMEOUT(fake.clientGone(), 5000);   // nothing stays connected
    }
    {
        FakeAgwEngine fake(FakeAgwEngine::Registration::Silent);
        useEngine(fake);
        EXPECT_FALSE(engine->startPoll(QStringLiteral("K9AB"), QStringLiteral("Form1")));
        QTRY_VERIFY_WITH_TIMEOUT(fake.clientGone(), 5000);
        EXPECT_FALSE(engine->putData(QStringLiteral("K1ABC"), QString(), 'c'));
    }
    {
        FakeAgwEngine fake;
        useEngine(fake);
        // A call that does not fit the 10-byte field is never sent.
        EXPECT_FALSE(engine->startPoll(QStringLiteral("K9ABCDEFGHIJ"), QStringLiteral("Form1")));
        qputenv("VQPLOG_AGW_PORT", "80x");
        EXPECT_FALSE(engine->startPoll(QStringLiteral("K9AB"), QStringLiteral("Form1")));
        EXPECT_TRUE(fake.frames().empty());
    }
}

TEST_F(PacketEngineTest, ABrokenConnectionIsLostAfterTheFramesThatCameBeforeIt)
{
    auto engine = Platform::createPacketEngine();
    {
        FakeAgwEngine fake;
        useEngine(fake);
        ASSERT_TRUE(engine->startPoll(QStringLiteral("K9AB"), QStringLiteral("Form1")));
        ASSERT_TRUE(fake.waitForFrames(2));
        fake.send(FakeAgwEngine::frame('U', "K1ABC", "ALL", " 1:Fm K1ABC To ALL <UI>\rlast words\r"));
        fake.closeClient();
        QTRY_VERIFY_WITH_TIMEOUT(engine->lost(), 5000);
        std::vector<PacketEngine::Frame> got;
        fetch(*engine, 1, got);
        ASSERT_EQ(got.size(), 1u);
        EXPECT_EQ(got[0].fromCall, QStringLiteral("K1ABC"));
        EXPECT_FALSE(engine->putData(QStringLiteral("K1ABC"), QStringLiteral("x"), 'D'));
    }
    {
        // A header announcing more data than any frame holds ends the connection.
        FakeAgwEngine fake;
        useEngine(fake);
        ASSERT_TRUE(engine->startPoll(QStringLiteral("K9AB"), QStringLiteral("Form1")));
        EXPECT_FALSE(engine->lost());   // a new start forgets the earlier loss
        QByteArray huge = FakeAgwEngine::frame('U', "K1ABC", "ALL");
        huge[28] = '\xff', huge[29] = '\xff', huge[30] = '\xff', huge[31] = '\x7f';
        fake.send(huge);
        QTRY_VERIFY_WITH_TIMEOUT(engine->lost(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(fake.clientGone(), 5000);
    }
}

}   // namespace

// A call field the engine fills to its tenth byte (no NUL) gives the same nine-character call as
// one it ends, so what is read is what can be written back.
TEST(AgwWireReader, ACallFieldFilledToItsEndIsReadAsNineCharacters)
{
    const QByteArray filled = header('U', "N0CALLSIGN", "ABCDEFGHIJ", 2) + "hi";
    Platform::AgwWire::Reader reader;
    const QVector<Platform::AgwWireFrame> frames = reader.feed(filled);
    ASSERT_EQ(frames.size(), 1);
    EXPECT_EQ(frames[0].callFrom, QByteArray("N0CALLSIG"));
    EXPECT_EQ(frames[0].callTo, QByteArray("ABCDEFGHI"));
    EXPECT_EQ(frames[0].data, QByteArray("hi"));
    Platform::AgwWire::Reader again;
    const QVector<Platform::AgwWireFrame> back = again.feed(Platform::AgwWire::encode(frames[0]));
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back[0].callFrom, frames[0].callFrom);
    EXPECT_EQ(back[0].callTo, frames[0].callTo);
}
