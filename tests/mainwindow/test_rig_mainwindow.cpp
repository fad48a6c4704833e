// The rig window inside a running main window: the load's start-up Test polls the fake radio, the
// window's band and mode follow it, the next contact carries its band, mode and frequency, the
// menu shows the rig window and the window's unload turns a Yaesu's CAT off; Ctrl+G's tuning
// panel tunes the radio and the window's band and mode follow.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "mainwindow/Infrm.h"
#include "mainwindow/MainServices.h"
#include "mainwindow/Outfrm.h"
#include "mainwindow/RigHookup.h"
#include "platform/VbControls.h"
#include "rig/RigControlfrm.h"
#include "rig/RigSettings.h"
#include "rig/frmRigTune.h"
#include "tests/mainwindow/MainFrameFixture.h"
#include "tests/rig/FakeRadios.h"

namespace {

class RigMainWindowTest : public MainFrameTest {
protected:
    KenwoodRadio radio;

    void SetUp() override
    {
        MainFrameTest::SetUp();
        ASSERT_TRUE(radio.pty.ok());
        qputenv("VQPLOG_COM1", radio.pty.slavePath().toLatin1());
        Rig::RigSettings s;
        s.RigBaud = QStringLiteral("4800");
        s.RigParity = QStringLiteral("N");
        s.RigDataBits = QStringLiteral("8");
        s.RigStopBits = QStringLiteral("2");
        s.RigModeQuery = QStringLiteral("MD;");
        s.RigFreqQuery = QStringLiteral("FA;");
        s.RigCommSettings = QStringLiteral("4800,N,8,2");
        s.RigCommPort = 1;
        s.RigPowerLine = QStringLiteral("N");
        s.RigPollRate = QStringLiteral("F");
        s.RigType = QStringLiteral("Kenwood");
        s.useFrequency = 1;
        s.modeSource = 1;
        ASSERT_TRUE(Rig::writeRigSettings(G.ProgramFolder, s));
        G.OutOfStateFlag = 1;
        RigHookup::install();
    }
    std::unique_ptr<Outfrm> w;

    void TearDown() override
    {
        w.reset();
        RigControlfrm::unload();
        qunsetenv("VQPLOG_COM1");
        MainFrameTest::TearDown();
    }
};

TEST_F(RigMainWindowTest, LoadStartsPollingTheSavedRig)
{
    G.RigType = QStringLiteral("Kenwood");
    w = loaded<Outfrm>();
    ASSERT_TRUE(RigControlfrm::loaded());
    EXPECT_TRUE(RigControlfrm::instance().tmrGetData->isEnabled());
    EXPECT_FALSE(RigControlfrm::instance().isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return radio.queries >= 4; }, 2000));
    EXPECT_TRUE(radio.received.startsWith("FA;MD;"));
}

TEST_F(RigMainWindowTest, BandAndModeFollowTheRadioAndTheNextContactCarriesThem)
{
    G.RigType = QStringLiteral("Kenwood");
    radio.hz = 7200000;
    radio.mode = QStringLiteral("LSB");
    w = shown<Outfrm>();
    prompts.clear();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return G.CurrentBand == QLatin1String("40") && G.CurrentMode == QLatin1String("PH"); }, 3000));
    EXPECT_EQ(G.CurrentFrequency, QStringLiteral("7.200"));
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Label24"))->text(), QStringLiteral("40"));

    // The operator tunes to 14.025 MHz CW: within a poll cycle or two the window follows.
    radio.hz = 14025000;
    radio.mode = QStringLiteral("CW");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return G.CurrentBand == QLatin1String("20") && G.CurrentMode == QLatin1String("CW"); }, 1000));
    EXPECT_EQ(G.CurrentFrequency, QStringLiteral("14.025"));

    // A contact typed now is logged on the radio's band and mode with its frequency.
    w->activateWindow();
    w->txtCall->setFocus();
    auto type = [](const QString& text) {
        for (QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    };
    type(QStringLiteral("k9abc599mari "));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(readLog(), QByteArray("\"K9ABC\",\"599\",\"599\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"\",\"\","
                                    "\"2024/05/04\",\"14:30:00\",\"CW\",\"20\",0,\"\",\"\",\"14.025\"\r\n"));
}

// The radio on 7.012 MHz CW is lost (its adapter pulled out, or the operator sets the rig to
// "None"); the operator then picks 80 m from the Band menu and logs. log.txt holds the contact on
// 80 m without the radio's last frequency, which lies on 40 m: the frequency of a radio no longer
// heard is not kept, and none outside the contact's band is stored.
class LostRadioTest : public RigMainWindowTest {
protected:
    void SetUp() override
    {
        RigMainWindowTest::SetUp();
        G.RigType = QStringLiteral("Kenwood");
        G.CurrentCounty = QStringLiteral("Adams");
        radio.hz = 7012000;
        radio.mode = QStringLiteral("CW");
    }
    // The window follows the radio to 40 m and keeps its frequency for the next contact.
    void followTheRadio(MainFrame& window)
    {
        prompts.clear();
        ASSERT_TRUE(QTest::qWaitFor([&] { return G.CurrentBand == QLatin1String("40"); }, 3000));
        ASSERT_EQ(G.CurrentFrequency, QStringLiteral("7.012"));
        ASSERT_EQ(window.Label24->text(), QStringLiteral("40"));
    }
    void unplug()
    {
        radio.unplug();
        RigControlfrm& rigWindow = RigControlfrm::instance();
        ASSERT_TRUE(QTest::qWaitFor([&] { return rigWindow.Label2->text() == QLatin1String("Comm Port Lost"); }, 3000));
    }
    // Ctrl+R's menu item, "None" clicked in the model list, Done.
    void chooseNone(MainFrame& window)
    {
        window.action(QStringLiteral("mnuRigInterface"))->trigger();
        RigControlfrm& rigWindow = RigControlfrm::instance();
        ASSERT_TRUE(rigWindow.isVisible());
        const QList<QListWidgetItem*> none = rigWindow.List1->findItems(QStringLiteral("None"), Qt::MatchExactly);
        ASSERT_EQ(none.size(), 1);
        rigWindow.List1->scrollToItem(none.first());
        QTest::mouseClick(rigWindow.List1->viewport(), Qt::LeftButton, {},
                          rigWindow.List1->visualItemRect(none.first()).center());
        ASSERT_EQ(G.RigType, QStringLiteral("None"));
        QTest::mouseClick(rigWindow.cmdDone, Qt::LeftButton);
        ASSERT_FALSE(rigWindow.isVisible());
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void pick80(MainFrame& window)
    {
        window.action(QStringLiteral("mnuBand80Ch"))->trigger();
        ASSERT_EQ(G.CurrentBand, QStringLiteral("80"));
        // The poll has stopped: nothing brings the old frequency back.
        QTest::qWait(300);
        EXPECT_EQ(G.CurrentFrequency, QString());
    }
    // 80 m picked and K9ABC in Marion typed and logged in the out-of-state window: stored without
    // a frequency.
    void logOn80(Outfrm& window)
    {
        pick80(window);
        keys(window.txtCall, QStringLiteral("k9abc599mari "));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(readLog(), QByteArray("\"K9ABC\",\"599\",\"599\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"\",\"\","
                                        "\"2024/05/04\",\"14:30:00\",\"CW\",\"80\",0,\"\",\"\",\"\"\r\n"));
    }
    // Keys typed from `field` on, each where the focus is (the entry carries it on).
    static void keys(QWidget* field, const QString& text)
    {
        field->setFocus(Qt::TabFocusReason);
        for (QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
};

TEST_F(LostRadioTest, OutOfStateContactOn80AfterTheRadioWasUnpluggedHasNoFrequency)
{
    w = shown<Outfrm>();
    followTheRadio(*w);
    unplug();
    EXPECT_EQ(G.CurrentFrequency, QString());
    logOn80(*w);
}

TEST_F(LostRadioTest, OutOfStateContactOn80AfterTheRigWasSetToNoneHasNoFrequency)
{
    w = shown<Outfrm>();
    followTheRadio(*w);
    chooseNone(*w);
    EXPECT_EQ(G.CurrentFrequency, QString());
    logOn80(*w);
}

TEST_F(LostRadioTest, InStateContactOn80AfterTheRadioWasUnpluggedHasNoFrequency)
{
    G.OutOfStateFlag = 0;
    auto in = shown<Infrm>();
    followTheRadio(*in);
    unplug();
    pick80(*in);
    keys(in->txtCall, QStringLiteral("K9XYZ"));
    keys(in->txtRSTR, QStringLiteral("579"));
    keys(in->txtCntry, QStringLiteral("OH"));
    keys(in->txtRSTS, QStringLiteral("599"));
    QTest::keyClick(in->txtRSTS, Qt::Key_Return);
    EXPECT_EQ(readLog(), QByteArray("\"K9XYZ\",\"599\",\"579\",\"OH\",\"\",\"\",\"Adams\",\"\",\"\",\"\",\"\","
                                    "\"2024/05/04\",\"14:30:00\",\"CW\",\"80\",0,\"\",\"\",\"\"\r\n"));
}

TEST_F(RigMainWindowTest, MenuShowsTheRigWindowAndUnloadTurnsYaesuCatOff)
{
    YaesuRadio yaesu;
    qputenv("VQPLOG_COM1", yaesu.pty.slavePath().toLatin1());
    QByteArray settings;
    {
        QFile f(dir.filePath(QStringLiteral("RigCntrl.txt")));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        settings = f.readAll();
    }
    settings.replace("\"MD;\"", "\"\"").replace("\"FA;\"", "\"00 00 00 00 03\"").replace("\"Kenwood\"", "\"Yaesu\"");
    {
        QFile f(dir.filePath(QStringLiteral("RigCntrl.txt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(settings);
    }
    G.RigType = QStringLiteral("Yaesu");
    w = shown<Outfrm>();
    EXPECT_TRUE(QTest::qWaitFor([&] { return yaesu.catOn == 1 && yaesu.queries > 0; }, 2000));
    EXPECT_FALSE(RigControlfrm::instance().isVisible());
    w->findChild<QAction*>(QStringLiteral("mnuRigInterface"))->trigger();
    EXPECT_TRUE(RigControlfrm::instance().isVisible());
    EXPECT_TRUE(RigControlfrm::instance().tmrGetData->isEnabled());
    w->close();   // the main window's unload releases the rig window
    EXPECT_FALSE(RigControlfrm::loaded());
    EXPECT_TRUE(QTest::qWaitFor([&] { return yaesu.catOff == 1; }, 1000));
}

TEST_F(RigMainWindowTest, CtrlGTuningPanelMovesTheRadioAndTheWindowFollows)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(VQPLOG_SOURCE_DIR "/data/BandPlan.txt"),
                            dir.filePath(QStringLiteral("BandPlan.txt"))));
    G.RigType = QStringLiteral("Kenwood");
    radio.hz = 7025000;
    radio.mode = QStringLiteral("CW");
    w = shown<Outfrm>();
    prompts.clear();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return G.CurrentBand == QLatin1String("40") && G.CurrentMode == QLatin1String("CW"); }, 3000));

    // The panel is modal: the operator's clicks run while Ctrl+G's show is open.
    auto busy = [] { return !RigControlfrm::instance().tmrGetData->isEnabled(); };
    bool opened = false, followed20 = false, stepped = false, followedCW = false;
    QTimer::singleShot(100, [&] {
        auto* p = qobject_cast<frmRigTune*>(QApplication::activeModalWidget());
        if (!p)
            return;
        opened = true;
        p->cmdBand[5]->click();   // "20": 14.175 MHz, USB by the band plan
        followed20 =
            QTest::qWaitFor(
                [&] { return G.CurrentBand == QLatin1String("20") && G.CurrentMode == QLatin1String("PH"); }, 3000) &&
            radio.mode == QLatin1String("USB");
        p->cmdTune[6]->click();   // 1 KHz up
        p->cmdTune[5]->click();   // 5 KHz down
        stepped = QTest::qWaitFor([&] { return !busy() && G.CurrentFrequency == QLatin1String("14.171"); }, 3000);
        // Every frequency change sets the band plan's mode first; the operator's mode comes after.
        p->cmdCW->click();
        followedCW = QTest::qWaitFor([&] { return !busy() && G.CurrentMode == QLatin1String("CW"); }, 3000);
        p->cmdDone->click();
    });
    QTest::keyClick(w->txtCall, Qt::Key_G, Qt::ControlModifier);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(followed20) << G.CurrentBand.toStdString() << " " << G.CurrentMode.toStdString();
    EXPECT_TRUE(stepped) << G.CurrentFrequency.toStdString();
    EXPECT_TRUE(followedCW) << G.CurrentMode.toStdString();
    EXPECT_EQ(radio.hz, 14171000);
    EXPECT_EQ(radio.mode, QStringLiteral("CW"));
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Label24"))->text(), QStringLiteral("20"));
    EXPECT_TRUE(w->txtCall->text().isEmpty());   // Ctrl+G typed nothing
    // The panel went with its show.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(w->findChildren<frmRigTune*>().isEmpty());
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<frmRigTune*>(top), nullptr);
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(RigMainWindowTest, NoRigNoWindow)
{
    G.RigType = QStringLiteral("None");
    w = loaded<Outfrm>();
    EXPECT_FALSE(RigControlfrm::loaded());
    QTest::qWait(100);
    EXPECT_TRUE(radio.received.isEmpty());
}

}   // namespace
