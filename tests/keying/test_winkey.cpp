// The keyer device through its window and the CW window, against a fake device on a pty pair that
// speaks the host-mode protocol: open and the version reply, the settings, the text of a message
// with its substitutions, clear buffer, status, close, WK.txt, and a device that stops answering,
// stays full or goes away.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <memory>

#include "CwFixture.h"

#include "keying/modWinKey.h"
#include "tests/support/FakeKeyerDevice.h"

class WinkeyTest : public CwTest {
protected:
    void SetUp() override
    {
        CwTest::SetUp();
        device = std::make_unique<FakeKeyerDevice>();
        qputenv("VQPLOG_COM5", device->slavePath().toLocal8Bit());
        G.WinkeyComPort = 5;
        setOptionValue(cw->Option5, true);
        ASSERT_EQ(G.CWKeyMethod, 5);
        wk = &frmWinKey::instance();
    }
    void TearDown() override
    {
        frmWinKey::FullWaitLimitMs = 15000;
        modWinKey::wk_close();
        CwTest::TearDown();
        device.reset();
        qunsetenv("VQPLOG_COM5");
    }
    void open()
    {
        wk->cmdOpenWinkey_Click();
        ASSERT_EQ(G.WinkeyVersion, 23);
        ASSERT_TRUE(device->waitForCommand(QStringLiteral("mode 0")));
        device->clearRecord();
    }

    std::unique_ptr<FakeKeyerDevice> device;
    frmWinKey* wk = nullptr;
};

TEST_F(WinkeyTest, OpenGetsTheVersionAndSendsTheSettings)
{
    wk->cmdOpenWinkey_Click();
    EXPECT_EQ(G.WinkeyVersion, 23);
    EXPECT_EQ(wk->lblOpenStatus->text(), QStringLiteral("WK Success!"));
    EXPECT_EQ(wk->lblVersion->text(), QStringLiteral("Version # 23"));
    EXPECT_TRUE(prompts.messages().isEmpty());
    ASSERT_TRUE(device->waitForCommand(QStringLiteral("mode 0")));
    // The speed is the CW window's (20), not the one WK.txt held.
    EXPECT_EQ(device->settingCommands(), (QStringList{"echo 85", "open", "wpm 20", "weight 50", "leadtail 0 0",
                                                      "ratio 50", "pincfg 6", "mode 0"}));

    device->clearRecord();
    wk->cmdOpenWinkey_Click();
    EXPECT_EQ(wk->lblOpenStatus->text(), QStringLiteral("WK Already Open"));
    EXPECT_TRUE(prompts.messages().isEmpty());

    wk->cmdCloseWinkey_Click();
    EXPECT_TRUE(device->waitForCommand(QStringLiteral("close")));
    EXPECT_EQ(device->settingCommands(), QStringList{QStringLiteral("close")});
    EXPECT_EQ(G.WinkeyVersion, 0);
    EXPECT_EQ(wk->lblOpenStatus->text(), QStringLiteral("Closed"));
    EXPECT_EQ(wk->lblVersion->text(), QStringLiteral("Version #"));
}

TEST_F(WinkeyTest, DeviceThatDoesNotAnswerIsReportedAndStaysClosed)
{
    struct Row {
        const char* name;
        std::function<void()> arrange;
        const char* status;
    };
    const Row rows[] = {
        {"silent device", [this] { device->silent = true; }, "No Echo Response"},
        {"missing port", [] { qputenv("VQPLOG_COM5", "/dev/vqplog-no-such-port"); }, "Com Open Failed"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        prompts.clear();
        r.arrange();
        wk->cmdOpenWinkey_Click();
        EXPECT_EQ(G.WinkeyVersion, 0);
        EXPECT_EQ(wk->lblOpenStatus->text(), QString::fromLatin1(r.status));
        EXPECT_EQ(wk->lblVersion->text(), QStringLiteral("Version #"));
        EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral(
                                          "Unable to establish connection with WinKey on com port 5.  Please check to "
                                          "make sure that you have specified the correct port and that the Winkey "
                                          "device is properly connected.")});
    }
    // A send with no device drops its text rather than keep it for later.
    G.CWBuffer = QStringLiteral("CQ");
    cw->LoopThroughCWBuffer();
    EXPECT_TRUE(G.CWBuffer.isEmpty());
}

TEST_F(WinkeyTest, FunctionKeysHandTheirMessagesToTheDevice)
{
    cw->Text1->setText(QStringLiteral("CQ $ TEST"));
    cw->Text2->setText(QStringLiteral("TU ! *!"));
    G.WildCall = QStringLiteral("W9XYZ");
    cw->FKeyCW(112);   // the first send opens the device
    EXPECT_EQ(G.WinkeyVersion, 23);
    ASSERT_TRUE(device->waitForText(13));
    EXPECT_EQ(device->text(), QByteArray("CQ W9XYZ TEST"));
    EXPECT_EQ(G.CWSending, 0);
    EXPECT_TRUE(main.lblDialog->text().isEmpty());   // nothing is echoed

    device->clearRecord();
    QByteArray handedOverAtLog = "<not logged>";
    main.onMains = [&] { handedOverAtLog = device->text(); };
    cw->FKeyCW(113);
    ASSERT_TRUE(device->waitForText(9));
    EXPECT_EQ(main.logged, 1);                  // once, for two "!"
    EXPECT_EQ(handedOverAtLog, QByteArray());   // before any of the text
    EXPECT_EQ(device->text(), QByteArray("TU ! 5NN!"));
}

// F1 with a repeat on the keyer device: the text is handed over long before the device has sent
// it, so the pause starts only when the device reports (in its status bytes) that it has sent the
// last character. The next CQ then reaches the device after that report and the whole pause, never
// while it is still sending; disarming the repeat (a key in the main window) while the device is
// still sending stops it.
TEST_F(WinkeyTest, RepeatPauseStartsWhenTheDeviceHasFinishedSending)
{
    open();
    device->msPerChar = 100;   // "CQ TEST" takes the device 700 ms
    cw->txtCWLoop->setText(QStringLiteral("0.5"));
    cw->txtCWLoop_LostFocus();
    cw->Text1->setText(QStringLiteral("CQ TEST"));
    cw->FKeyCW(112);
    EXPECT_EQ(G.CWRepeatOn, 1);
    // Handed over at once: the device is still sending when FKeyCW returns.
    EXPECT_TRUE(device->idleTimes().isEmpty());
    EXPECT_FALSE(cw->tmrRepeat->isEnabled());

    ASSERT_TRUE(QTest::qWaitFor([&] { return device->text().size() >= 14; }, 5000));
    EXPECT_EQ(device->text(), QByteArray("CQ TESTCQ TEST"));
    const QVector<qint64> idle = device->idleTimes();
    const QVector<qint64> arrived = device->textTimes();
    ASSERT_FALSE(idle.isEmpty()) << "the device was never idle between the two CQs";
    EXPECT_GE(idle[0] - arrived[0], 600);                           // it sent the whole first CQ
    EXPECT_GE(arrived[7] - idle[0], 450) << arrived[7] - idle[0];   // then the pause passed

    // The repeat is disarmed while the device sends the second CQ: no third one follows.
    G.CWRepeatOn = 0;
    QTest::qWait(1500);
    EXPECT_EQ(device->text().size(), 14);
    EXPECT_FALSE(cw->tmrDeviceIdle->isEnabled());
    EXPECT_FALSE(cw->tmrRepeat->isEnabled());
}

// A device that never reports the end of its sending holds the repeat only so long.
TEST_F(WinkeyTest, RepeatWaitForADeviceThatStaysBusyIsBounded)
{
    open();
    cw->txtCWLoop->setText(QStringLiteral("0.2"));
    cw->txtCWLoop_LostFocus();
    cw->Text1->setText(QStringLiteral("CQ"));
    CWFrm::DeviceIdleWaitLimitMs = 300;
    device->statusByte = 0xC4;   // busy, and stays so
    cw->FKeyCW(112);
    ASSERT_TRUE(device->waitForText(2));
    EXPECT_TRUE(cw->tmrDeviceIdle->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return device->text().size() >= 4; }, 3000));
    EXPECT_EQ(device->text(), QByteArray("CQCQ"));
    const QVector<qint64> arrived = device->textTimes();
    EXPECT_GE(arrived[2] - arrived[1], 450);   // the limit, then the pause
    G.CWRepeatOn = 0;
    CWFrm::DeviceIdleWaitLimitMs = 120000;
}

TEST_F(WinkeyTest, ControlCodesNeverReachTheDevice)
{
    open();
    G.CWBuffer = QString::fromLatin1("A\x01"
                                     "B\x1b"
                                     "C\x7f"
                                     "D") +
                 QChar(0xE9) + QChar(0x263A) + QStringLiteral("E");
    cw->LoopThroughCWBuffer();
    ASSERT_TRUE(device->waitForText(5));
    EXPECT_EQ(device->text(), QByteArray("ABCDE"));
    EXPECT_EQ(device->settingCommands(), QStringList());
}

TEST_F(WinkeyTest, StatusClearAndBackspaceForTheMainWindow)
{
    open();
    const std::pair<int, int> rows[] = {{0xC0, 0}, {0xC4, 1}, {0xC5, 8}, {0xC1, 8}};
    for (auto [byte, status] : rows) {
        device->statusByte = byte;
        // A reply that comes after the bounded wait (a loaded machine) is read by the next call.
        int read = -1;
        for (int attempt = 0; attempt < 20 && read != status; ++attempt)
            read = modWinKey::wk_getstatus();
        EXPECT_EQ(read, status) << byte;
    }
    modWinKey::wk_backspace();
    modWinKey::wk_clearbuf();
    ASSERT_TRUE(device->waitForCommand(QStringLiteral("clear")));
    EXPECT_EQ(device->settingCommands(), (QStringList{"backspace", "clear"}));

    device->clearRecord();
    G.CWBuffer = QStringLiteral("LEFT");
    wk->cmdStop_Click();
    EXPECT_TRUE(device->waitForCommand(QStringLiteral("clear")));
    EXPECT_TRUE(G.CWBuffer.isEmpty());
}

TEST_F(WinkeyTest, SendWaitsForAFullDeviceOnlySoLong)
{
    open();
    device->statusByte = 0xC5;
    // The layer has seen the device full (a late reply on a loaded machine is read by a later call).
    for (int attempt = 0; attempt < 20 && modWinKey::wk_getstatus() != 8; ++attempt) {}
    frmWinKey::FullWaitLimitMs = 200;
    G.CWBuffer = QStringLiteral("CQ");
    cw->LoopThroughCWBuffer();
    EXPECT_TRUE(G.CWBuffer.isEmpty());
    EXPECT_EQ(device->text(), QByteArray());

    // Esc while waiting ends the send at once.
    frmWinKey::FullWaitLimitMs = 15000;
    pumps = 0;
    atPump = [](int k) {
        if (k == 3)
            G.CWBuffer.clear();
    };
    G.CWBuffer = QStringLiteral("CQ");
    cw->LoopThroughCWBuffer();
    EXPECT_TRUE(G.CWBuffer.isEmpty());
    EXPECT_EQ(pumps, 3);

    // A device that stops answering keeps its last status: the same bound holds.
    frmWinKey::FullWaitLimitMs = 200;
    atPump = {};
    device->silent = true;
    G.CWBuffer = QStringLiteral("CQ");
    cw->LoopThroughCWBuffer();
    EXPECT_TRUE(G.CWBuffer.isEmpty());
}

TEST_F(WinkeyTest, DeviceThatGoesAwayMidSendCountsAsClosed)
{
    open();
    atPump = [](int) {};
    G.CWBuffer = QStringLiteral("CQ CQ");
    // The device's side of the pty is gone when the send starts.
    device.reset();
    cw->LoopThroughCWBuffer();
    EXPECT_TRUE(G.CWBuffer.isEmpty());
    EXPECT_EQ(G.WinkeyVersion, 0);
    EXPECT_EQ(wk->lblOpenStatus->text(), QStringLiteral("Closed"));

    // Plugged in again (here: another pty), the next send opens it and nothing is lost.
    device = std::make_unique<FakeKeyerDevice>();
    qputenv("VQPLOG_COM5", device->slavePath().toLocal8Bit());
    G.CWBuffer = QStringLiteral("TU");
    cw->LoopThroughCWBuffer();
    EXPECT_EQ(G.WinkeyVersion, 23);
    ASSERT_TRUE(device->waitForText(2));
    EXPECT_EQ(device->text(), QByteArray("TU"));
}

TEST_F(WinkeyTest, DeviceUnpluggedDuringALongSendEndsItAtOnce)
{
    open();
    device->fullAfterEachChar = true;   // the send waits, and pumps, between characters
    atPump = [this](int k) {
        if (k == 2)
            device.reset();   // the adapter pulled out
    };
    G.CWBuffer = QString(200, QLatin1Char('E'));
    const qint64 start = clock.nowNs();
    cw->LoopThroughCWBuffer();
    EXPECT_TRUE(G.CWBuffer.isEmpty());
    // What the device can no longer take is not paced out character by character.
    EXPECT_LT(clock.nowNs() - start, qint64(200) * 1000000);
    EXPECT_FALSE(modWinKey::deviceIsOpen());
    EXPECT_EQ(G.WinkeyVersion, 0);
    EXPECT_EQ(wk->lblOpenStatus->text(), QStringLiteral("Closed"));
}

TEST_F(WinkeyTest, DeviceGoneBetweenSendsIsOpenedAgainByTheNextSend)
{
    open();
    device = std::make_unique<FakeKeyerDevice>();   // the first pty is gone
    qputenv("VQPLOG_COM5", device->slavePath().toLocal8Bit());
    cw->Text11->setText(QStringLiteral("25"));   // a write to the gone port finds it gone
    G.CWBuffer = QStringLiteral("CQ");
    cw->LoopThroughCWBuffer();
    EXPECT_EQ(G.WinkeyVersion, 23);
    ASSERT_TRUE(device->waitForText(2));
    EXPECT_EQ(device->text(), QByteArray("CQ"));
}

TEST_F(WinkeyTest, SpeedBoxReachesTheOpenDeviceWithinItsRange)
{
    open();
    for (const char* speed : {"5", "4", "99", "100", "abc", "30"})
        cw->Text11->setText(QString::fromLatin1(speed));
    device->waitForCommand(QStringLiteral("wpm 30"));
    EXPECT_EQ(device->settingCommands(), (QStringList{"wpm 5", "wpm 99", "wpm 30"}));
}

TEST_F(WinkeyTest, SettingBoxesSendOnlyValuesInRange)
{
    open();
    const std::pair<const char*, const char*> ratios[] = {
        {"32", "32"}, {"67", "67"}, {"31", "31"}, {"68", "68"}, {"abc", "50"}};
    for (auto [text, after] : ratios) {
        wk->txtRatio->setText(QString::fromLatin1(text));
        wk->txtRatio_LostFocus();
        EXPECT_EQ(wk->txtRatio->text(), QString::fromLatin1(after)) << text;
    }
    wk->txtLeadIn->setText(QStringLiteral("300"));
    wk->txtLeadIn_LostFocus();
    EXPECT_EQ(wk->txtLeadIn->text(), QStringLiteral("0"));
    wk->txtTail->setText(QStringLiteral("12"));
    wk->txtTail_LostFocus();
    device->waitForCommand(QStringLiteral("leadtail 0 12"));
    EXPECT_EQ(device->settingCommands(), (QStringList{"ratio 32", "ratio 67", "leadtail 0 12"}));

    // An option clicked while open sends the whole setting again; while closed it is only kept.
    device->clearRecord();
    setOptionValue(wk->optPTT, true);
    EXPECT_EQ(G.WinkeyPinConfig, 5);
    ASSERT_TRUE(device->waitForCommand(QStringLiteral("mode 0")));
    EXPECT_TRUE(device->settingCommands().contains(QStringLiteral("pincfg 5")));
    wk->cmdCloseWinkey_Click();
    // The device reads on its own thread: the close must be in before the record is cleared.
    ASSERT_TRUE(device->waitForCommand(QStringLiteral("close")));
    device->clearRecord();
    setOptionValue(wk->optBug, true);
    EXPECT_EQ(G.WinkeyMode, 48);
    EXPECT_EQ(device->settingCommands(), QStringList());
}

TEST_F(WinkeyTest, WkTxtIsReadAtLoadAndWrittenByDone)
{
    frmWinKey::unload();
    struct Row {
        const char* name;
        QByteArray file;
        int port;
        const char* wpmBox;
        const char* weightBox;
        int pin, mode;
        const char* portBox;
    };
    const Row rows[] = {
        {"six lines: pin 6, mode 0", "3\r\n\"25\"\r\n\"55\"\r\n\"1\"\r\n\"2\"\r\n\"45\"\r\n", 3, "20", "55", 6, 0, "3"},
        {"eight lines", "4\r\n\"25\"\r\n\"60\"\r\n\"1\"\r\n\"2\"\r\n\"45\"\r\n5\r\n32\r\n", 4, "20", "60", 5, 32, "4"},
        {"bad pin byte: the rest of the load is skipped", "4\r\n\"25\"\r\n\"60\"\r\n\"1\"\r\n\"2\"\r\n\"45\"\r\nx\r\n",
         4, "25", "60", 6, 0, "5"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QFile f(dir.filePath(QStringLiteral("WK.txt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(r.file);
        f.close();
        frmWinKey& w = frmWinKey::instance();
        EXPECT_EQ(G.WinkeyComPort, r.port);
        EXPECT_EQ(w.txtWKWPM->text(), QString::fromLatin1(r.wpmBox));
        EXPECT_EQ(w.txtWeight->text(), QString::fromLatin1(r.weightBox));
        EXPECT_EQ(G.WinkeyPinConfig, r.pin);
        EXPECT_EQ(G.WinkeyMode, r.mode);
        EXPECT_EQ(w.txtWKComPort->text(), QString::fromLatin1(r.portBox));
        frmWinKey::unload();
    }

    // Without a file the boxes keep their design texts; Done writes all eight values.
    QFile::remove(dir.filePath(QStringLiteral("WK.txt")));
    frmWinKey& w = frmWinKey::instance();
    w.txtTail->setText(QStringLiteral("7"));
    w.show();
    w.cmdDone_Click();
    EXPECT_FALSE(w.isVisible());
    QFile f(dir.filePath(QStringLiteral("WK.txt")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("4\r\n\"20\"\r\n\"50\"\r\n\"0\"\r\n\"7\"\r\n\"50\"\r\n6\r\n0\r\n"));
}
