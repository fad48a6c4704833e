// The CW window sending: the send loop over G.CWBuffer on a recording key line, "!" logging, what
// the event pump between characters may do to a send, the echo, the keying outputs, the
// function-key messages with their wildcards, the F1 repeat and the speed arrows.
#include <QLabel>
#include <QLineEdit>
#include <QCheckBox>
#include <QRadioButton>

#include "CwFixture.h"

#include "keying/CwEngine.h"

TEST_F(CwTest, MessageIsKeyedAndTheBangLogsAtItsPlace)
{
    QString keyedAtLog = QStringLiteral("<not logged>");
    main.onMains = [&] { keyedAtLog = sent(); };
    G.CWBuffer = QStringLiteral("TEST !");
    cw->LoopThroughCWBuffer();

    EXPECT_EQ(sent(), QStringLiteral("TEST "));
    EXPECT_EQ(main.logged, 1);
    EXPECT_EQ(keyedAtLog, QStringLiteral("TEST "));   // after the text before the "!"
    EXPECT_EQ(G.CWSending, 0);
    EXPECT_TRUE(G.CWBuffer.isEmpty());
    EXPECT_FALSE(lines.keyed(QStringLiteral("RTS")));
    EXPECT_FALSE(cw->tmrRepeat->isEnabled());
    EXPECT_EQ(lines.opened, QStringList{QStringLiteral("/dev/fake-com1")});
    // DTR is never keyed on the RTS output.
    EXPECT_FALSE(lines.states(QStringLiteral("DTR")).contains(QLatin1Char('1')));
}

TEST_F(CwTest, BangWithEmptyCallFieldLogsNothing)
{
    main.txtCall->clear();
    G.CWBuffer = QStringLiteral("TU !");
    cw->LoopThroughCWBuffer();
    EXPECT_EQ(sent(), QStringLiteral("TU "));
    EXPECT_EQ(main.logged, 0);
}

TEST_F(CwTest, NoKeyingOutputDrainsTheBufferWithoutKeyingOrLogging)
{
    setOptionValue(cw->Option4, true);
    ASSERT_EQ(G.CWKeyMethod, 0);
    const qint64 start = clock.nowNs();
    G.CWBuffer = QStringLiteral("CQ !");
    cw->LoopThroughCWBuffer();
    EXPECT_TRUE(G.CWBuffer.isEmpty());
    EXPECT_TRUE(lines.events.isEmpty());
    EXPECT_EQ(main.logged, 0);
    EXPECT_EQ(clock.nowNs(), start);

    cw->Text1->setText(QStringLiteral("CQ"));
    G.CWBuffer = QStringLiteral("LEFT");
    cw->FKeyCW(112);   // with no output a function key only empties the buffer
    EXPECT_TRUE(G.CWBuffer.isEmpty());
    EXPECT_TRUE(lines.events.isEmpty());
}

// What the operator does between two characters (the k-th turn of the pump) and what goes out.
TEST_F(CwTest, KeysBetweenCharactersActOnTheSend)
{
    cw->Text1->setText(QStringLiteral("CQ TEST"));
    cw->Text2->setText(QStringLiteral("TU"));
    struct Row {
        const char* name;
        int atPump;
        std::function<void()> action;
        const char* keyed;
    };
    const Row rows[] = {
        {"Esc empties the buffer: the send ends after the character", 2, [] { G.CWBuffer.clear(); }, "CQ"},
        {"a nested function key sends its message whole, then the first send ends", 1, [this] { cw->FKeyCW(113); },
         "CTU"},
        {"typed text is appended and sent in turn", 7, [] { G.CWBuffer += QStringLiteral("K"); }, "CQ TESTK"},
        {"Backspace takes back the last character waiting", 1, [] { G.CWBuffer.chop(1); }, "CQ TES"},
        {"an empty message box stops the send", 1, [this] { cw->FKeyCW(114); }, "C"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        lines.events.clear();
        pumps = 0;
        bool sendingDuringPump = false;
        atPump = [&](int k) {
            if (k == r.atPump) {
                sendingDuringPump = G.CWSending == 1;
                r.action();
            }
        };
        cw->FKeyCW(112);
        EXPECT_EQ(sent(), QString::fromLatin1(r.keyed));
        EXPECT_TRUE(sendingDuringPump);
        EXPECT_EQ(G.CWSending, 0);
        EXPECT_TRUE(G.CWBuffer.isEmpty());
        EXPECT_FALSE(lines.keyed(QStringLiteral("RTS")));
    }
}

TEST_F(CwTest, EchoShowsWhatIsStillWaiting)
{
    QStringList shown;
    atPump = [&](int) { shown << main.lblDialog->text(); };
    G.CWBuffer = QStringLiteral("ABC");
    cw->LoopThroughCWBuffer();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("BC"), QStringLiteral("C"), QString()}));
    EXPECT_EQ(main.lblDialog->text(), QString());

    G.KeyboardCWMode = 1;
    G.CWBuffer = QStringLiteral("E");
    cw->LoopThroughCWBuffer();
    EXPECT_EQ(main.lblDialog->text(), QStringLiteral("Keyboard CW Mode is on.  Press F12 to exit."));

    setOptionValue(cw->Check1, false);
    main.lblDialog->setText(QStringLiteral("untouched"));
    G.CWBuffer = QStringLiteral("E");
    cw->LoopThroughCWBuffer();
    EXPECT_EQ(main.lblDialog->text(), QStringLiteral("untouched"));
}

TEST_F(CwTest, KeyingOutputsSetTheirOwnLine)
{
    setOptionValue(cw->Option2, true);
    G.CWBuffer = QStringLiteral("E");
    cw->LoopThroughCWBuffer();
    EXPECT_EQ(decodeMorse(lines.states(QStringLiteral("DTR"))), QStringLiteral("E"));
    EXPECT_FALSE(lines.states(QStringLiteral("RTS")).contains(QLatin1Char('1')));

    // Parallel port at &H378: 3 keyed, 2 released, written to the control register 890.
    lines.events.clear();
    setOptionValue(cw->Option3, true);
    cw->Text14->setText(QStringLiteral("&H378"));
    G.CWBuffer = QStringLiteral("E");
    cw->LoopThroughCWBuffer();
    QVector<int> values;
    for (const auto& e : lines.events) {
        EXPECT_EQ(e.line, QStringLiteral("LPT"));
        EXPECT_EQ(e.address, 890);
        values << e.value;
    }
    EXPECT_EQ(values, (QVector<int>{3, 2, 2, 2}));

    // An address whose register does not fit 16 bits keys nothing at all.
    lines.events.clear();
    cw->Text14->setText(QStringLiteral("&HFFFF"));
    G.CWBuffer = QStringLiteral("EE");
    cw->LoopThroughCWBuffer();
    EXPECT_TRUE(lines.events.isEmpty());
    EXPECT_TRUE(G.CWBuffer.isEmpty());
}

TEST_F(CwTest, SpeedBelowOneSendsNothingAndTheSendGoesOn)
{
    cw->Text11->setText(QStringLiteral("0"));
    atPump = [this](int k) {
        if (k == 1)
            cw->Text11->setText(QStringLiteral("20"));   // the arrows bring it back mid-send
    };
    G.CWBuffer = QStringLiteral("EE");
    cw->LoopThroughCWBuffer();
    EXPECT_EQ(sent(), QStringLiteral("E"));
    EXPECT_FALSE(lines.keyed(QStringLiteral("RTS")));
}

TEST_F(CwTest, PortThatCannotOpenIsReportedAtEveryCharacter)
{
    qputenv("VQPLOG_COM3", "/dev/fake-com3");
    lines.missingPaths << QStringLiteral("/dev/fake-com3");
    cw->Text10->setText(QStringLiteral("3"));
    cw->show();   // visible: the report does not show it again
    G.CWBuffer = QStringLiteral("EE");
    cw->LoopThroughCWBuffer();
    EXPECT_EQ(
        prompts.messages(),
        QStringList(2, QStringLiteral("The port you have selected for CW keying is invalid.  Please select another "
                                      "or enter 0 for none.")));
    EXPECT_EQ(prompts.callsOf(QStringLiteral("message")).first().title, QStringLiteral("Invalid port."));
    EXPECT_EQ(prompts.beeps(), 2);
    EXPECT_FALSE(lines.states(QStringLiteral("RTS")).contains(QLatin1Char('1')));
    cw->hide();
    qunsetenv("VQPLOG_COM3");
}

TEST_F(CwTest, WindowUnloadedDuringASendStopsItWithThePortClosed)
{
    atPump = [](int k) {
        if (k == 1)
            CWFrm::unload();
    };
    G.CWBuffer = QStringLiteral("CQ CQ");
    CWFrm::instance().LoopThroughCWBuffer();
    EXPECT_EQ(G.CWSending, 0);
    EXPECT_EQ(sent(), QStringLiteral("C"));
    EXPECT_EQ(lines.openPorts, 0);
    EXPECT_FALSE(lines.keyed(QStringLiteral("RTS")));
    EXPECT_TRUE(G.CWBuffer.isEmpty());
}

TEST_F(CwTest, FunctionKeysSendTheirMessagesWithTheWildcardsFilledIn)
{
    G.CountyNames = {QStringLiteral("Marion")};
    G.CountyAbbreviations = {QStringLiteral("MARI")};
    cw->Text1->setText(QStringLiteral("CQ"));
    cw->Text2->setText(QStringLiteral("$ *^#"));
    cw->Text9->setText(QStringLiteral("F9"));
    cw->Text12->setText(QStringLiteral("TEN"));
    cw->Text13->setText(QStringLiteral("ELEVEN"));
    struct Row {
        const char* name;
        int keyCode;
        const char* call;
        const char* rst;
        const char* county;
        const char* keyed;
        const char* rstAfter;
    };
    const Row rows[] = {
        {"599 is sent as 5NN and stays 5NN", 113, " W9XYZ ", "599", "MARION", "W9XYZ 5NNMARI", "5NN"},
        {"another report is sent as it is", 113, "W9XYZ", "579", "", "W9XYZ 579", "579"},
        {"an empty report is 5NN", 113, "", "", "LAKE", "5NNLAKE", "5NN"},
        {"F10 arrives as 124", 124, "", "", "", "TEN", ""},
        {"F11", 122, "", "", "", "ELEVEN", ""},
        {"F9", 120, "", "", "", "F9", ""},
        {"F10's own code selects nothing", 121, "", "", "", "", ""},
        {"F12 selects nothing", 123, "", "", "", "", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        lines.events.clear();
        G.WildCall = QString::fromLatin1(r.call);
        G.WildRST = QString::fromLatin1(r.rst);
        G.WildCounty = QString::fromLatin1(r.county);
        cw->FKeyCW(r.keyCode);
        EXPECT_EQ(sent(), QString::fromLatin1(r.keyed));
        EXPECT_EQ(G.WildRST, QString::fromLatin1(r.rstAfter));
    }
    EXPECT_EQ(G.CWRepeatOn, 0);
}

TEST_F(CwTest, FirstMessageRepeatsAfterItsPauseUntilDisarmed)
{
    cw->Text1->setText(QStringLiteral("CQ"));
    cw->txtCWLoop->setText(QStringLiteral("5"));
    cw->txtCWLoop_LostFocus();
    EXPECT_EQ(cw->tmrRepeat->interval(), 5000);

    cw->FKeyCW(112);
    EXPECT_EQ(G.CWRepeatOn, 1);
    EXPECT_TRUE(cw->tmrRepeat->isRunning());   // the pause runs from the end of the send
    EXPECT_EQ(sent(), QStringLiteral("CQ"));

    lines.events.clear();
    cw->tmrRepeat_Timer();
    EXPECT_EQ(sent(), QStringLiteral("CQ"));
    EXPECT_TRUE(cw->tmrRepeat->isRunning());

    // A pause of 0 sends once.
    G.CWRepeatOn = 0;
    cw->tmrRepeat->setEnabled(false);
    cw->txtCWLoop->setText(QStringLiteral("0"));
    cw->txtCWLoop_LostFocus();
    cw->FKeyCW(112);
    EXPECT_EQ(G.CWRepeatOn, 0);
    EXPECT_FALSE(cw->tmrRepeat->isEnabled());
}

TEST_F(CwTest, SpeedArrowsChangeTheBoxWithoutBounds)
{
    cw->Text11->setText(QStringLiteral("13"));
    cw->UpDown1_UpClick();
    EXPECT_EQ(cw->Text11->text(), QStringLiteral("14"));
    cw->Text11->setText(QStringLiteral("1"));
    cw->UpDown1_DownClick();
    cw->UpDown1_DownClick();
    EXPECT_EQ(cw->Text11->text(), QStringLiteral("-1"));
}

TEST_F(CwTest, LineThatFailsMidSendIsDroppedWhenTheSendEnds)
{
    cw->Text10_LostFocus();   // opens the port
    ASSERT_TRUE(cw->commOpen());
    // "E" keys; the second "E" keys its first element, then the line refuses two changes (the
    // element and the release after it) and works again.
    lines.failAfter = 5;
    lines.failTimes = 2;
    G.CWBuffer = QStringLiteral("EE");
    cw->LoopThroughCWBuffer();
    EXPECT_EQ(lines.states(QStringLiteral("RTS")).right(6), QStringLiteral("100010"));
    EXPECT_FALSE(lines.keyed(QStringLiteral("RTS")));
    EXPECT_EQ(G.CWSending, 0);

    // A port gone for good: every character ends at once and the send still ends.
    lines.failAfter = 0;
    lines.failTimes = -1;
    G.CWBuffer = QStringLiteral("CQ CQ");
    cw->LoopThroughCWBuffer();
    EXPECT_TRUE(G.CWBuffer.isEmpty());
    EXPECT_EQ(G.CWSending, 0);
    CWFrm::unload();
    EXPECT_EQ(lines.openPorts, 0);
}
