// The packet-engine source of the DX-spotting window: what one frame from the engine does (a
// table), what the send box's text becomes, and the whole window against a fake engine on a
// loopback port through the real packet-engine layer: register, monitor, connect, send, close,
// failures and a lost engine.
#include "SpotWindowFixture.h"

#include <QLineEdit>
#include <QTcpServer>

#include <memory>

#include "platform/VbControls.h"
#include "spots/PacketEngineTraffic.h"
#include "tests/support/FakeAgwEngine.h"

namespace {

const QString SpotText = QStringLiteral("DX de K1ABC:     14025.0  DL1ABC       CW 599                     1423Z");
const QString Header = QStringLiteral(" 1:Fm K1ABC To DX <UI pid=F0 Len=70 >[14:23:00]");

struct FrameCase {
    const char* name;
    QString linked;   // the linked station before the frame
    bool listDxOnly;
    QString terminalBefore;
    QString from;
    QString data;
    int kind;
    QString shown;       // what the terminal gains
    QStringList spots;   // "call@kHz" handed on
    QString linkedAfter;
    std::optional<QString> caption;
    int beeps;
};

TEST(PacketEngineFrames, EachFrameIsShownHandedOnOrFollowedAsALinkReport)
{
    const QString cr = QStringLiteral("\r"), crlf = QStringLiteral("\r\n");
    const QString spotCrLf = SpotText + crlf;
    const QString connected = QStringLiteral("*** CONNECTED With Station W9XYZ\r");
    const QString beacon = QStringLiteral(" 1:Fm K1ABC To ALL <UI pid=F0 Len=5 >[14:23:00]");
    const FrameCase cases[] = {
        {"monitored spot after a header line, single CRs",
         {},
         false,
         {},
         "K1ABC",
         Header + cr + SpotText + cr,
         'U',
         spotCrLf,
         {"DL1ABC@14025.0"},
         {},
         {},
         0},
        {"monitored spot with the engine's closing empty line",
         {},
         true,
         {},
         "K1ABC",
         Header + cr + SpotText + cr + cr,
         'U',
         spotCrLf,
         {"DL1ABC@14025.0"},
         {},
         {},
         0},
        {"spot still in the terminal's last 801 characters",
         {},
         false,
         QString(700, 'x') + spotCrLf,
         "K1ABC",
         Header + cr + SpotText + cr,
         'U',
         {},
         {},
         {},
         {},
         0},
        {"CR LF line ends put DX at the 3rd position: no spot",
         {},
         false,
         {},
         "K1ABC",
         Header + crlf + SpotText + crlf,
         'U',
         {},
         {},
         {},
         {},
         0},
        {"single-line monitored frame shows its monitor text",
         {},
         false,
         {},
         "K1ABC",
         beacon + cr,
         'U',
         "UK1ABC " + beacon + crlf,
         {},
         {},
         {},
         0},
        {"List DX Only hides monitored traffic", {}, true, {}, "K1ABC", beacon + cr, 'U', {}, {}, {}, {}, 0},
        {"monitored traffic naming \"DX \" is not shown", {}, false, {}, "K1ABC", Header + cr, 'U', {}, {}, {}, {}, 0},
        {"linked station's text ending CR LF keeps one line end",
         "W9XYZ",
         false,
         {},
         "w9xyz",
         "hello\r\n",
         'D',
         "hello\r\n",
         {},
         "W9XYZ",
         {},
         0},
        {"linked: another station's text is not shown",
         "W9XYZ",
         false,
         {},
         "N0XX",
         "hi\r",
         'D',
         {},
         {},
         "W9XYZ",
         {},
         0},
        {"linked: another station's spot is",
         "W9XYZ",
         false,
         {},
         "N0XX",
         SpotText + cr,
         'D',
         spotCrLf,
         {"DL1ABC@14025.0"},
         "W9XYZ",
         {},
         0},
        {"linked: the engine's monitor copy of the link's frame is not shown again",
         "W9XYZ",
         false,
         {},
         "W9XYZ",
         " 1:Fm W9XYZ To K9AB <I R0 S0 pid=F0 Len=6 >[14:23:00]\rhello\r",
         'I',
         {},
         {},
         "W9XYZ",
         {},
         0},
        {"link comes up",
         {},
         false,
         {},
         "W9XYZ",
         connected,
         'c',
         "cW9XYZ " + connected.left(connected.size() - 1) + crlf + "** Connected to W9XYZ **",
         {},
         "W9XYZ",
         QStringLiteral("DX Spotting Setup - Connected to W9XYZ"),
         1},
        {"a second link report changes nothing", "W9XYZ", false, {}, "N0XX", connected, 'c', {}, {}, "W9XYZ", {}, 0},
        {"capital C is traffic, not a link report",
         {},
         false,
         {},
         "W9XYZ",
         connected,
         'C',
         "CW9XYZ " + connected.left(connected.size() - 1) + crlf,
         {},
         {},
         {},
         0},
        {"link goes down",
         "W9XYZ",
         false,
         {},
         "w9xyz",
         "*** DISCONNECTED From Station W9XYZ\r",
         'd',
         "*** DISCONNECTED From Station W9XYZ\r\n\r\n** Disconnected from W9XYZ **\r\n",
         {},
         {},
         QStringLiteral("DX Spotting Setup"),
         2},
        {"another station going down changes nothing",
         "W9XYZ",
         false,
         {},
         "N0XX",
         "*** DISCONNECTED From Station N0XX\r",
         'd',
         {},
         {},
         "W9XYZ",
         {},
         0},
    };
    for (const FrameCase& c : cases) {
        SCOPED_TRACE(c.name);
        Spots::Reception r;
        r.listDxOnly = c.listDxOnly;
        r.terminal.text = c.terminalBefore;
        QStringList spots;
        r.post = [&spots](const QString& call, const QString& freq, const QString&) { spots << call + "@" + freq; };
        QString linked = c.linked;
        const Spots::EngineFrameEffect e = Spots::takeEngineFrame(r, linked, c.from, c.data, c.kind);
        EXPECT_EQ(r.terminal.text.mid(c.terminalBefore.size()), c.shown);
        EXPECT_EQ(spots, c.spots);
        EXPECT_EQ(linked, c.linkedAfter);
        EXPECT_EQ(e.caption, c.caption);
        EXPECT_EQ(e.beeps, c.beeps);
    }
}

TEST(PacketEngineFrames, SendBoxTextBecomesCommandsOrTextForTheLinkedStation)
{
    struct Case {
        const char* text;
        const char* linked;
        QStringList frames;   // "kind:to:data"
        bool callRequired;
    } cases[] = {
        {":c k1abc", "", {"c:K1ABC:", "P:K1ABC:"}, false},
        {":C   W9XYZ-2  ", "", {"c:W9XYZ-2:", "P:W9XYZ-2:"}, false},
        {":C", "", {}, true},
        {":c    ", "", {}, true},
        {":D", "", {}, false},
        {":d", "W9XYZ", {"d:W9XYZ:"}, false},
        {"hello", "", {}, false},
        {"hello", "W9XYZ", {"D:W9XYZ:hello\r"}, false},
        {":", "W9XYZ", {}, false},
        {":X", "W9XYZ", {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Spots::EngineSend s = Spots::planEngineSend(QString::fromLatin1(c.text), QString::fromLatin1(c.linked));
        QStringList got;
        for (const auto& f : s.frames)
            got << QString(QChar(f.kind)) + ":" + f.toCall + ":" + f.data;
        EXPECT_EQ(got, c.frames);
        EXPECT_EQ(s.callRequired, c.callRequired);
    }
}

QByteArray agwSettings() { return "\"\",\"\",\"\",\"\",0,\"\",\"AGW Packet Engine\",0,0,0,#FALSE#,\"\",\"\",\"\"\r\n"; }

class PacketEngineWindowTest : public SpotWindowTest {
protected:
    void SetUp() override
    {
        SpotWindowTest::SetUp();
        G.OwnCall = QStringLiteral("K9AB");
        writeSettings(agwSettings());
    }
    void TearDown() override
    {
        SpotWindowTest::TearDown();
        qunsetenv("VQPLOG_AGW_PORT");
    }
    void useEngine(const FakeAgwEngine& e) { qputenv("VQPLOG_AGW_PORT", QByteArray::number(e.port())); }
    // Timer ticks (one frame each) until `done`, at most 5 s.
    template<class Done>
    static bool tickUntil(PacketSpotfrm& w, Done done)
    {
        for (int i = 0; i < 500 && !done(); ++i) {
            QTest::qWait(10);
            w.Timer1_Timer();
        }
        return done();
    }
    static void type(PacketSpotfrm& w, const QString& text)
    {
        w.txtSent->setText(text);
        int enter = 13;
        w.txtSent_KeyPress(enter);
    }
    static QStringList kinds(const FakeAgwEngine& e, size_t from)
    {
        QStringList out;
        const auto f = e.frames();
        for (size_t i = from; i < f.size(); ++i)
            out << QString(QChar(f[i].kind)) + ":" + QString::fromLatin1(f[i].to) + ":" +
                       QString::fromLatin1(f[i].data);
        return out;
    }
};

TEST_F(PacketEngineWindowTest, RegistersTakesMonitoredSpotsConnectsTalksAndCloses)
{
    FakeAgwEngine fake;
    useEngine(fake);
    PacketSpotfrm& w = PacketSpotfrm::instance();
    ASSERT_EQ(w.SpotSource, QStringLiteral("AGW Packet Engine"));
    EXPECT_TRUE(w.listening());   // the saved source opens with the window
    EXPECT_TRUE(w.Timer1->isEnabled());
    EXPECT_TRUE(terminal().endsWith(QStringLiteral("\r\n** Successfully connected to AGW Packet Engine **\r\n\r\n")));
    ASSERT_TRUE(fake.waitForFrames(2));
    EXPECT_EQ(kinds(fake, 0), (QStringList{"X::", "m::"}));
    EXPECT_EQ(fake.frames()[0].from, QByteArray("K9AB"));

    // A spot heard on the channel, twice: shown and handed on once.
    const QByteArray spotFrame =
        FakeAgwEngine::frame('U', "K1ABC", "DX", (Header + "\r" + SpotText + "\r\r").toLatin1(), 0xF0);
    fake.send(spotFrame + spotFrame);
    ASSERT_TRUE(tickUntil(w, [&] { return main.rows.size() == 1; }));
    for (int i = 0; i < 5; ++i)
        w.Timer1_Timer();
    ASSERT_EQ(main.rows.size(), 1);
    EXPECT_EQ(main.rows[0].call, QStringLiteral("DL1ABC"));
    EXPECT_EQ(main.rows[0].qth, QStringLiteral("Germany"));
    EXPECT_EQ(drawnOn(QStringLiteral("20")), (QStringList{"DL1ABC"}));
    EXPECT_EQ(terminal().count(SpotText), 1);

    // Connect: Esc types the colon, the call goes in capitals.
    int esc = 27;
    w.txtSent_KeyPress(esc);
    EXPECT_EQ(esc, 58);
    type(w, QStringLiteral(":c w9xyz"));
    type(w, QStringLiteral(":C  "));
    EXPECT_EQ(prompts.messages(), (QStringList{"You must enter a call sign to connect to such as :C Quolt"}));
    type(w, QStringLiteral("not linked yet"));
    ASSERT_TRUE(fake.waitForFrames(3));
    fake.send(FakeAgwEngine::frame('C', "W9XYZ", "K9AB", "*** CONNECTED To Station W9XYZ\r"));
    ASSERT_TRUE(tickUntil(w, [&] { return w.AGWLinkedCall == QStringLiteral("W9XYZ"); }));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("DX Spotting Setup - Connected to W9XYZ"));
    EXPECT_TRUE(terminal().endsWith(QStringLiteral("** Connected to W9XYZ **")));

    // Talk: typed text goes to the station; its answer shows once, though the engine also sends
    // its monitor copy of the same frame.
    type(w, QStringLiteral("hello"));
    const QString longLine = QString(70, 'a');
    w.txtSent->setText(longLine);
    w.txtSent->setText(longLine + "b");   // a 71st character that is not a blank sends nothing
    EXPECT_EQ(w.txtSent->text(), longLine + "b");
    w.txtSent->setText(longLine + " ");   // one that is sends the 70 and empties the box
    EXPECT_TRUE(w.txtSent->text().isEmpty());
    fake.send(
        FakeAgwEngine::frame('D', "W9XYZ", "K9AB", "Welcome K9AB\r", 0xF0) +
        FakeAgwEngine::frame('I', "W9XYZ", "K9AB", " 1:Fm W9XYZ To K9AB <I R1 S1 pid=F0 Len=13 >\rWelcome K9AB\r"));
    ASSERT_TRUE(tickUntil(w, [&] { return terminal().contains(QStringLiteral("Welcome K9AB")); }));
    for (int i = 0; i < 5; ++i)
        w.Timer1_Timer();
    EXPECT_EQ(terminal().count(QStringLiteral("Welcome K9AB")), 1);

    // Close: the station is told, then the registration ends.
    w.Command2_Click();
    EXPECT_FALSE(w.listening());
    EXPECT_FALSE(w.Timer1->isEnabled());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("DX Spotting Setup"));
    EXPECT_TRUE(w.AGWLinkedCall.isEmpty());
    ASSERT_TRUE(fake.waitForFrames(7));
    QTRY_VERIFY_WITH_TIMEOUT(fake.clientGone(), 5000);
    EXPECT_EQ(kinds(fake, 2),
              (QStringList{"C:W9XYZ:", "D:W9XYZ:hello\r", "D:W9XYZ:" + longLine + "\r", "d:W9XYZ:", "x::"}));
}

TEST_F(PacketEngineWindowTest, UnloadingWhileLinkedTellsTheStationAndEndsTheRegistration)
{
    FakeAgwEngine fake;
    useEngine(fake);
    PacketSpotfrm& w = PacketSpotfrm::instance();
    ASSERT_TRUE(fake.waitForFrames(2));
    fake.send(FakeAgwEngine::frame('C', "W9XYZ", "K9AB", "*** CONNECTED With Station W9XYZ\r"));
    ASSERT_TRUE(tickUntil(w, [&] { return !w.AGWLinkedCall.isEmpty(); }));
    PacketSpotfrm::unload();
    ASSERT_TRUE(fake.waitForFrames(4));
    EXPECT_EQ(kinds(fake, 2), (QStringList{"d:W9XYZ:", "x::"}));
    QTRY_VERIFY_WITH_TIMEOUT(fake.clientGone(), 5000);
}

TEST_F(PacketEngineWindowTest, NoCallOrNoEngineIsReportedAndNothingListens)
{
    // The window's first showing opens the saved source, which cannot register without a call.
    G.OwnCall = QStringLiteral("   ");
    PacketSpotfrm& w = PacketSpotfrm::instance();
    EXPECT_EQ(prompts.messages(), (QStringList{"Please enter your call sign on the setup form to transmit!"}));
    EXPECT_EQ(prompts.callsOf(QStringLiteral("message"))[0].title, QStringLiteral("Call Sign Required!"));
    EXPECT_EQ(prompts.beeps(), 1);
    EXPECT_FALSE(w.Timer1->isEnabled());
    w.Command2_Click();
    prompts.clear();

    G.OwnCall = QStringLiteral("K9AB");
    quint16 closed = 0;
    {
        QTcpServer s;
        ASSERT_TRUE(s.listen(QHostAddress::LocalHost));
        closed = s.serverPort();
    }
    qputenv("VQPLOG_AGW_PORT", QByteArray::number(closed));
    w.Command1_Click();
    const auto messages = prompts.callsOf(QStringLiteral("message"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].title, QStringLiteral("Unable to connect to the AGW Packet Engine."));
    EXPECT_TRUE(
        messages[0].text.endsWith(QStringLiteral("- Make sure the AGW Packet Engine software is running and "
                                                 "configure it as described on the AGW Packet Engine website.")));
    EXPECT_FALSE(w.listening());
    EXPECT_FALSE(w.Timer1->isEnabled());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(terminal().endsWith(QStringLiteral("\r\n\r\n- Click Open from this program.\r\n\r\n")));
    EXPECT_FALSE(terminal().contains(QStringLiteral("** Port Closed **")));

    // Sending while the start failed does nothing and fails nothing.
    type(w, QStringLiteral(":C W9XYZ"));
    EXPECT_TRUE(w.txtSent->text().isEmpty());
}

TEST_F(PacketEngineWindowTest, ALostEngineIsSaidInTheTerminalAndClosesTheSource)
{
    auto fake = std::make_unique<FakeAgwEngine>();
    useEngine(*fake);
    PacketSpotfrm& w = PacketSpotfrm::instance();   // opens the saved source
    ASSERT_TRUE(w.listening());
    ASSERT_TRUE(fake->waitForFrames(2));
    fake->send(FakeAgwEngine::frame('C', "W9XYZ", "K9AB", "*** CONNECTED With Station W9XYZ\r"));
    fake->closeClient();
    ASSERT_TRUE(tickUntil(w, [&] { return !w.listening(); }));
    fake.reset();
    EXPECT_EQ(w.AGWLinkedCall, QString());   // the link report before the break was still taken, then closed
    EXPECT_TRUE(terminal().contains(QStringLiteral("** Connected to W9XYZ **")));
    EXPECT_TRUE(terminal().contains(QStringLiteral("** Connection to the AGW Packet Engine lost **")));
    EXPECT_TRUE(terminal().endsWith(QStringLiteral("** Port Closed **")));
    EXPECT_FALSE(w.Timer1->isEnabled());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("DX Spotting Setup"));
}

}   // namespace
