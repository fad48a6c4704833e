// CW from the out-of-state window with the keyer device as output: F1 and F2 pressed in the window
// send the function-key messages of CW.txt to a fake device on a pty pair with the call field
// filled in, the "!" of a message logs the contact into log.txt before the text is handed over,
// and Esc clears the device while it still sends.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <memory>

#include "core/Globals.h"
#include "keying/CWFrm.h"
#include "keying/KeyerStartup.h"
#include "keying/frmWinKey.h"
#include "keying/modWinKey.h"
#include "mainwindow/Outfrm.h"
#include "platform/Monotonic.h"
#include "tests/mainwindow/MainFrameFixture.h"
#include "tests/support/FakeKeyerDevice.h"
#include "tests/support/FakeMonotonic.h"

namespace {

class CwOutfrmTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        Platform::setMonotonic(&mono);   // the 10 ms pauses between characters take no time
        qputenv("VQPLOG_COM5", device.slavePath().toLocal8Bit());
        // CW.txt: F1 calls CQ, F2 sends the exchange and logs; keying output 5, the keyer device.
        writeFile(
            dir.filePath(QStringLiteral("CW.txt")),
            "\"CQ TEST DE W1AW\"\r\n\"$ TU *!\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"VVV DE \"\r\n"
            "\"0\"\r\n\"22\"\r\n\"\"\r\n\"\"\r\n\"0\"\r\n5\r\n\"&H378\"\r\n1\r\n\"0\"\r\n");
        writeFile(QDir(G.DataFolder).filePath(QStringLiteral("WK.txt")),
                  "5\r\n\"18\"\r\n\"50\"\r\n\"0\"\r\n\"0\"\r\n\"50\"\r\n6\r\n0\r\n");
        // The station setup's loading fills the CW window, which makes the keyer device window.
        KeyerStartup::readFiles();
        KeyerStartup::fillCWWindow();
    }
    void TearDown() override
    {
        w.reset();
        frmWinKey::unload();
        CWFrm::unload();
        Platform::setMonotonic(nullptr);
        qunsetenv("VQPLOG_COM5");
        MainFrameTest::TearDown();
    }

    Platform::FakeMonotonic mono;
    FakeKeyerDevice device;
    std::unique_ptr<Outfrm> w;
};

}   // namespace

TEST_F(CwOutfrmTest, MessagesReachTheDeviceAndTheBangLogsTheContact)
{
    ASSERT_EQ(G.CWKeyMethod, 5);
    ASSERT_EQ(G.WinkeyComPort, 5);
    G.OutOfStateFlag = 1;   // the out-of-state station: Outfrm is the active window
    w = shown<Outfrm>();
    ASSERT_EQ(focused(), w->txtCall);
    keys(QStringLiteral("k9abc599mari "));
    ASSERT_EQ(w->txtCall->text(), QStringLiteral("K9ABC"));
    ASSERT_EQ(w->txtRSTS->text(), QStringLiteral("599"));

    // F1, pressed in the window (mode CW): its key handling hands the key to the CW keyer.
    ASSERT_EQ(G.CurrentMode, QStringLiteral("CW"));
    QTest::keyClick(focused(), Qt::Key_F1);
    EXPECT_EQ(G.WinkeyVersion, 23);   // the first send opened the device
    ASSERT_TRUE(device.waitForText(15));
    EXPECT_EQ(device.text(), QByteArray("CQ TEST DE W1AW"));
    // The device was set to the CW window's speed when it opened.
    EXPECT_TRUE(device.settingCommands().contains(QStringLiteral("wpm 22")));
    EXPECT_EQ(readLog(), QByteArray("<missing>"));   // nothing logged yet

    // F2: the contact is logged before the exchange goes out, which still carries the call.
    device.clearRecord();
    QTest::keyClick(focused(), Qt::Key_F2);
    ASSERT_TRUE(device.waitForText(13));
    EXPECT_EQ(device.text(), QByteArray("K9ABC TU 5NN!"));
    EXPECT_EQ(readLog(), QByteArray("\"K9ABC\",\"599\",\"599\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"\",\"\",\"2024/05/"
                                    "04\",\"14:30:00\",\"CW\","
                                    "\"20\",0,\"\",\"\",\"\"\r\n"));
    EXPECT_EQ(G.QSOCount, 1);
    EXPECT_TRUE(w->txtCall->text().isEmpty());

    // Esc while the device still sends clears the device's buffer.
    device.clearRecord();
    device.statusByte = 0xC4;
    QTest::keyClick(focused(), Qt::Key_Escape);
    EXPECT_TRUE(device.waitForCommand(QStringLiteral("clear")));
}
