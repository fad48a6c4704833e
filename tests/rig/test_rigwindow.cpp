// The rig window driven offscreen: model defaults, Done and RigCntrl.txt, the next start reading
// it back, and the poll's own rules on a real serial line.
#include <QApplication>
#include <QClipboard>

#include "core/ListFormat.h"
#include "tests/rig/RigFixture.h"

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class RigWindowTest : public RigTest {
protected:
    QString settingsPath() const { return dir.filePath(QStringLiteral("RigCntrl.txt")); }
    static void choose(RigControlfrm& w, const QString& model)
    {
        const auto items = w.List1->findItems(model, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        w.List1->setCurrentItem(items.first());
    }
    static QString checkedIn(const QVector<QRadioButton*>& group)
    {
        for (QRadioButton* o : group)
            if (o->isChecked())
                return o->text();
        return QStringLiteral("<none>");
    }
    static QString baud(RigControlfrm& w)
    {
        return checkedIn({w.optBaud12, w.optBaud24, w.optBaud48, w.optBaud96, w.optBaud144, w.optBaud192, w.optBaud288,
                          w.optBaud384, w.optBaud560});
    }
    static QString line(RigControlfrm& w)
    {
        return baud(w) + " " + checkedIn({w.optParityOdd, w.optParityNone, w.optParityEven}) + " " +
               checkedIn({w.optData7, w.optData8}) + " " + checkedIn({w.optStop1, w.optStop2});
    }
};

// The operator's path: choose Kenwood and port 3, Done; RigCntrl.txt holds the fourteen items,
// and the next start shows them again.
TEST_F(RigWindowTest, DoneWritesTheSettingsAndTheNextStartReadsThem)
{
    KenwoodRadio radio;
    qputenv("VQPLOG_COM3", radio.pty.slavePath().toLatin1());
    RigControlfrm& w = RigControlfrm::instance();
    EXPECT_EQ(w.List1->count(), 19);
    w.show();
    choose(w, QStringLiteral("Kenwood"));
    w.optComm[2]->click();
    w.cmdDone->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(w.tmrGetData->isEnabled());   // Done ran Test: polling goes on hidden
    EXPECT_EQ(
        fileBytes(settingsPath()),
        QByteArray(
            "\"4800 \"\r\n\"N\"\r\n\"8\"\r\n\"2\"\r\n\"MD;\"\r\n\"FA;\"\r\n\"4800,N,8,2\"\r\n3\r\n\"N\"\r\n\"M\"\r\n"
            "\"Kenwood\"\r\n0\r\n1\r\n1\r\n"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.lastIs(14.025f, "CW"); }, 3000));
    // QSOpref.txt was rewritten with the rig type.
    EXPECT_TRUE(fileBytes(dir.filePath("QSOpref.txt")).contains("\"Kenwood\""));

    RigControlfrm::unload();
    G.RigType = QStringLiteral("Icom");   // as QSOpref.txt might say: RigCntrl.txt wins
    RigControlfrm& again = RigControlfrm::instance();
    EXPECT_EQ(G.RigType, QStringLiteral("Kenwood"));
    ASSERT_NE(again.List1->currentItem(), nullptr);
    EXPECT_EQ(again.List1->currentItem()->text(), QStringLiteral("Kenwood"));
    EXPECT_TRUE(again.optComm[2]->isChecked());
    EXPECT_EQ(line(again), QStringLiteral("4.8 None 8 2"));
    EXPECT_EQ(again.txtFreq->text(), QStringLiteral("FA;"));
    EXPECT_EQ(again.txtMode->text(), QStringLiteral("MD;"));
    EXPECT_TRUE(again.optPollMed->isChecked());
    EXPECT_FALSE(again.tmrGetData->isEnabled());
    qunsetenv("VQPLOG_COM3");
}

TEST_F(RigWindowTest, ModelDefaults)
{
    RigControlfrm& w = RigControlfrm::instance();
    choose(w, QStringLiteral("Kenwood 2"));
    choose(w, QStringLiteral("Yaesu FTdx9000"));
    EXPECT_EQ(line(w), QStringLiteral("4.8 None 8 2"));
    EXPECT_EQ(w.txtFreq->text(), QStringLiteral("FA;"));
    EXPECT_EQ(w.txtMode->text(), QStringLiteral("MD0;"));
    choose(w, QStringLiteral("Ten Tec Orion"));
    EXPECT_EQ(line(w), QStringLiteral("56 None 8 1"));
    choose(w, QStringLiteral("Yaesu FTdx9000"));
    EXPECT_EQ(line(w), QStringLiteral("4.8 None 8 1"));   // the stop bit stays

    choose(w, QStringLiteral("Icom"));
    EXPECT_FALSE(w.Label10->isHidden());
    EXPECT_TRUE(w.chkConvToHex->isChecked());
    EXPECT_TRUE(w.ChkConvHex->isChecked());   // follows "Convert to Hex"
    EXPECT_FALSE(w.chkConvToHex->isEnabled());
    choose(w, QStringLiteral("Ten Tec Omni VI"));
    EXPECT_TRUE(w.Label10->isHidden());
    EXPECT_EQ(w.txtFreq->text(), QStringLiteral("FE FE 04 E0 03 FD"));
    EXPECT_EQ(w.RigModeQuery, QStringLiteral("FE FE 04 E0 04 FD"));

    const QString before = line(w);
    for (const char* m : {"None", "Ten Tec Pegasus", "Other"}) {
        choose(w, QString::fromLatin1(m));
        EXPECT_EQ(line(w), before) << m;
        EXPECT_TRUE(w.txtFreq->text().isEmpty());
        EXPECT_TRUE(w.txtMode->text().isEmpty());
    }
    EXPECT_TRUE(w.chkConvToHex->isEnabled());   // "Other" types its own queries
}

TEST_F(RigWindowTest, SettingsNoOptionCarriesAreKept)
{
    // A baud rate no option carries and a mode source out of range.
    QFile f(settingsPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\"57600\"\r\n\"N\"\r\n\"8\"\r\n\"1\"\r\n\"?RMM\"\r\n\"?AF\"\r\n\"57600,N,8,1\"\r\n1\r\n\"N\"\r\n\"S\"\r\n"
            "\"None\"\r\n0\r\n1\r\n7\r\n");
    f.close();
    RigControlfrm& w = RigControlfrm::instance();
    EXPECT_EQ(baud(w), QStringLiteral("<none>"));
    EXPECT_TRUE(w.OptRig->isChecked());
    w.cmdDone->click();
    const QByteArray saved = fileBytes(settingsPath());
    EXPECT_TRUE(saved.startsWith("\"57600\"\r\n")) << saved.toStdString();
    EXPECT_TRUE(saved.endsWith("\"None\"\r\n0\r\n1\r\n1\r\n")) << saved.toStdString();
}

TEST_F(RigWindowTest, DoneWithNoneWritesTheLastTestNotTheScreen)
{
    writeSettings(QStringLiteral("Kenwood"));
    RigControlfrm& w = RigControlfrm::instance();
    choose(w, QStringLiteral("None"));
    w.optBaud96->click();
    w.optComm[4]->click();
    w.cmdDone->click();
    const QByteArray saved = fileBytes(settingsPath());
    EXPECT_TRUE(saved.startsWith("\"4800 \"")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("\r\n1\r\n\"N\"\r\n\"F\"\r\n\"None\"")) << saved.toStdString();
    EXPECT_FALSE(w.comComm1.isOpen());
}

TEST_F(RigWindowTest, FirstRunWithoutRigTypeOpensNothing)
{
    G.RigType.clear();
    qputenv("VQPLOG_COM1", QByteArray("/nonexistent/tty-rig"));
    RigControlfrm& w = RigControlfrm::instance();
    w.Command1_Click();
    EXPECT_EQ(G.RigType, QStringLiteral("None"));
    EXPECT_FALSE(w.tmrGetData->isEnabled());
    EXPECT_TRUE(prompts.calls().isEmpty());
    EXPECT_EQ(w.RigCommSettings, QStringLiteral("56000,N,8,1"));
}

TEST_F(RigWindowTest, EndTestAndEverySettingStopPolling)
{
    KenwoodRadio radio;
    writeSettings(QStringLiteral("Kenwood"));
    usePort(radio);
    RigControlfrm& w = startPolling();
    ASSERT_TRUE(w.tmrGetData->isEnabled());
    w.optPollSlow->click();
    EXPECT_FALSE(w.tmrGetData->isEnabled());
    EXPECT_FALSE(w.comComm1.isOpen());
    w.Command1_Click();
    EXPECT_EQ(w.tmrGetData->interval(), 1000);
    EXPECT_TRUE(w.tmrGetData->isEnabled());
    w.txtFreq->setFocus();
    w.show();
    w.activateWindow();
    w.txtFreq->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(w.tmrGetData->isEnabled());

    // Change Frequency while not polling: the message only.
    w.Command3->click();
    EXPECT_EQ(prompts.callsOf("message").last().title,
              QStringLiteral("You must be polling your rig to test this function."));
}

TEST_F(RigWindowTest, ReplyDisplayAndClipboard)
{
    YaesuRadio radio;
    writeSettings(QStringLiteral("Yaesu"));
    usePort(radio);
    RigControlfrm& w = RigControlfrm::instance();
    w.show();
    w.Command1_Click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.lblFreq->text() == QLatin1String("14.02500"); }, 2000));
    EXPECT_EQ(w.lblMode->text(), QStringLiteral("CW"));
    EXPECT_EQ(w.lblUnProcess->text(), QStringLiteral("01 40 25 00 02 "));   // "Convert from Hex" follows the model
    w.ChkConvHex->setChecked(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.lblUnProcess->text().size() == 5; }, 2000));
    EXPECT_EQ(w.lblFreq->text(), QStringLiteral("14.02500"));   // decoding saw the same bytes
    w.ChkConvHex->setChecked(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.lblUnProcess->text().size() == 15; }, 2000));
    w.Command4->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), w.lblUnProcess->text());

    // Hidden, the labels stay as they are and the main window still follows.
    w.hide();
    w.lblFreq->setText(QStringLiteral("stale"));
    radio.hz = 7030000;
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.lastIs(7.03f, "CW"); }, 2000));
    EXPECT_EQ(w.lblFreq->text(), QStringLiteral("stale"));
}

// The poll's own rules, on a real serial line to a pty.
class PollRules : public RigTest {
protected:
    PtyPair pty;
    Platform::SerialPort port;
    Rig::RigPoll poll;
    QVector<float> freqs;
    QStringList modes;

    void SetUp() override
    {
        RigTest::SetUp();
        ASSERT_TRUE(pty.ok());
        ASSERT_TRUE(port.open(pty.slavePath(), "4800,N,8,2", Platform::Handshake::None));
        poll.bandFreqConversion = [this](float& f) { freqs.append(f); };
        poll.modeSelection = [this](QString& m) { modes.append(m); };
    }
    QByteArray sent()
    {
        QTest::qWait(20);
        return pty.readAvailable();
    }
    void arrive(const QByteArray& b)
    {
        pty.write(b);
        QTest::qWait(20);
    }
    static Rig::PollSettings settings(const char* model)
    {
        const Rig::Model* m = Rig::findModel(model);
        Rig::PollSettings s;
        s.rigType = m->name;
        s.freqQuery = m->freqQuery;
        s.modeQuery = m->modeQuery;
        return s;
    }
};

TEST_F(PollRules, BytesAlreadyWaitingAreTheReply)
{
    const auto s = settings("Kenwood");
    arrive("FA00007030000;MD3;");
    poll.tick(s, &port);
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_EQ(poll.RigPollPhase, 1);
    poll.tick(s, &port);
    ASSERT_EQ(freqs.size(), 1);
    EXPECT_FLOAT_EQ(freqs[0], 7.03f);
    EXPECT_EQ(modes, QStringList{"CW"});
    // Next: both queries go out in one send step.
    poll.tick(s, &port);
    EXPECT_EQ(sent(), QByteArray("FA;MD;"));
}

TEST_F(PollRules, NoReplyNoHandOffAndGarbageBeforeTheFirstDecodeGivesNoFrequency)
{
    const auto s = settings("Kenwood");
    poll.tick(s, &port);
    poll.tick(s, &port);   // nothing came back
    EXPECT_TRUE(freqs.isEmpty());
    EXPECT_TRUE(modes.isEmpty());
    EXPECT_EQ(poll.RigPollPhase, 0);
    poll.tick(s, &port);
    arrive("??;");
    poll.tick(s, &port);
    EXPECT_TRUE(freqs.isEmpty());               // 0 MHz is never handed over
    EXPECT_EQ(modes, QStringList{QString()});   // the (empty) mode is, and changes nothing
}

TEST_F(PollRules, ToggledFamiliesAskInTurn)
{
    auto s = settings("Icom");
    poll.tick(s, &port);
    EXPECT_EQ(sent(), QByteArray::fromHex("FEFE64E003FD"));
    EXPECT_EQ(poll.RigQueryToggle, 1);
    poll.tick(s, &port);
    poll.tick(s, &port);
    EXPECT_EQ(sent(), QByteArray::fromHex("FEFE64E004FD"));
    EXPECT_EQ(poll.RigQueryToggle, 0);
    poll.tick(s, &port);
    // A frequency query of 16 characters or fewer sends nothing; the turn still moves on.
    s.freqQuery = QStringLiteral("FE FE 64 E0 03");
    poll.tick(s, &port);
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_EQ(poll.RigQueryToggle, 1);
    EXPECT_EQ(poll.RigPollPhase, 1);
    // A query that is not hexadecimal keeps the send step failing: nothing goes out.
    poll.tick(s, &port);
    s.modeQuery = QStringLiteral("FE FE 64 E0 XX FD");
    poll.tick(s, &port);
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_EQ(poll.RigPollPhase, 0);
    EXPECT_EQ(poll.RigQueryToggle, 1);
}

TEST_F(PollRules, YaesuSendsOnlyTheFrequencyQueryAndOtherTypedHex)
{
    poll.tick(settings("Yaesu 1000"), &port);
    EXPECT_EQ(sent(), QByteArray::fromHex("0000000210"));
    poll.tick(settings("Yaesu 1000"), &port);
    Rig::PollSettings other;
    other.rigType = QStringLiteral("Other");
    other.freqQuery = QStringLiteral("FE FE 70 E0 03 FD");
    other.modeQuery = QStringLiteral("ZZ");
    other.convToHex = true;
    poll.tick(other, &port);
    EXPECT_EQ(sent(), QByteArray::fromHex("FEFE70E003FD"));
    poll.tick(other, &port);
    other.convToHex = false;
    poll.tick(other, &port);
    EXPECT_EQ(sent(), QByteArray("FE FE 70 E0 03 FDZZ"));
}

}   // namespace
