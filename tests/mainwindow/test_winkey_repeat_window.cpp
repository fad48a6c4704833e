// The F1 repeat on the keyer device in a running main window: F1 pressed and released on the
// window hands the CQ to the device, which takes a while to send it; the next CQ follows only
// after the device has reported (in its status bytes) that it has sent the last character and the
// pause has passed, so the transmitter gets its gap and nothing piles up in the device. A key the
// operator types while the device still sends stops the repeat and clears the device.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include <memory>

#include "core/Globals.h"
#include "keying/CWFrm.h"
#include "keying/KeyerStartup.h"
#include "keying/frmWinKey.h"
#include "keying/modWinKey.h"
#include "mainwindow/Infrm.h"
#include "mainwindow/Outfrm.h"
#include "tests/mainwindow/MainFrameFixture.h"
#include "tests/support/FakeKeyerDevice.h"

namespace {

// CW.txt: F1 "CQ TEST", keying port 1, 20 WPM, the keyer device as output, a 0.5 s repeat.
const QByteArray kCWFile = "\"CQ TEST\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"
                           "\"1\"\r\n\"20\"\r\n\"\"\r\n\"\"\r\n\"0\"\r\n5\r\n\"&H378\"\r\n0\r\n\"0.5\"\r\n";

class WinkeyRepeatWindowTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        qputenv("VQPLOG_COM5", device.slavePath().toLocal8Bit());
        writeFile(dir.filePath(QStringLiteral("CW.txt")), kCWFile);
        writeFile(QDir(G.DataFolder).filePath(QStringLiteral("WK.txt")),
                  "5\r\n\"20\"\r\n\"50\"\r\n\"0\"\r\n\"0\"\r\n\"50\"\r\n6\r\n0\r\n");
        device.msPerChar = 100;   // "CQ TEST" takes the device 700 ms
        KeyerStartup::readFiles();
        KeyerStartup::fillCWWindow();
        ASSERT_EQ(G.CWKeyMethod, 5);
    }
    void TearDown() override
    {
        frmWinKey::unload();
        CWFrm::unload();
        qunsetenv("VQPLOG_COM5");
        MainFrameTest::TearDown();
    }
    FakeKeyerDevice device;
};

TEST_F(WinkeyRepeatWindowTest, NextCqWaitsForTheDeviceToFinishAndAKeyStopsTheRepeat)
{
    for (bool outOfState : {true, false}) {
        SCOPED_TRACE(outOfState ? "Outfrm" : "Infrm");
        G.OutOfStateFlag = outOfState ? 1 : 0;
        std::unique_ptr<MainFrame> window;
        if (outOfState)
            window = shown<Outfrm>();
        else
            window = shown<Infrm>();
        device.clearRecord();
        QWindow* win = window->windowHandle();
        QTest::keyPress(win, Qt::Key_F1);
        QTest::keyRelease(win, Qt::Key_F1);
        EXPECT_EQ(G.CWRepeatOn, 1);

        ASSERT_TRUE(QTest::qWaitFor([&] { return device.text().size() >= 14; }, 5000));
        EXPECT_EQ(device.text(), QByteArray("CQ TESTCQ TEST"));
        const QVector<qint64> idle = device.idleTimes();
        const QVector<qint64> arrived = device.textTimes();
        ASSERT_FALSE(idle.isEmpty()) << "the device was never idle between the two CQs";
        EXPECT_GE(idle[0] - arrived[0], 600);                           // the whole first CQ sent
        EXPECT_GE(arrived[7] - idle[0], 450) << arrived[7] - idle[0];   // then the pause

        // The operator types a call while the second CQ goes out: the repeat stops and the device
        // drops what it has not sent.
        QTest::keyClick(window->txtCall, Qt::Key_K);
        EXPECT_EQ(G.CWRepeatOn, 0);
        EXPECT_TRUE(device.waitForCommand(QStringLiteral("clear")));
        QTest::qWait(1500);
        EXPECT_EQ(device.text().size(), 14);
        EXPECT_EQ(window->txtCall->text(), QStringLiteral("K"));
        window.reset();
    }
}

}   // namespace
