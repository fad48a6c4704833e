// The rig window inside a running main window: the load's start-up Test polls the fake radio.
#include <QTest>

#include "mainwindow/MainServices.h"
#include "mainwindow/Outfrm.h"
#include "mainwindow/RigHookup.h"
#include "platform/VbControls.h"
#include "rig/RigControlfrm.h"
#include "rig/RigSettings.h"
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
    void TearDown() override
    {
        RigControlfrm::unload();
        qunsetenv("VQPLOG_COM1");
        MainFrameTest::TearDown();
    }
};

TEST_F(RigMainWindowTest, LoadStartsPollingTheSavedRig)
{
    G.RigType = QStringLiteral("Kenwood");
    auto w = loaded<Outfrm>();
    ASSERT_TRUE(RigControlfrm::loaded());
    EXPECT_TRUE(RigControlfrm::instance().tmrGetData->isEnabled());
    EXPECT_FALSE(RigControlfrm::instance().isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return radio.queries >= 4; }, 2000));
    EXPECT_TRUE(radio.received.startsWith("FA;MD;"));
}

TEST_F(RigMainWindowTest, NoRigNoWindow)
{
    G.RigType = QStringLiteral("None");
    auto w = loaded<Outfrm>();
    EXPECT_FALSE(RigControlfrm::loaded());
    QTest::qWait(100);
    EXPECT_TRUE(radio.received.isEmpty());
}

} // namespace
