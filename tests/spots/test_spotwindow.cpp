// The DX-spotting window against real peers: a fake DX cluster on a loopback port and a fake TNC
// on a pty pair; the settings file it restores and writes; the source choice and its controls.
#include "SpotWindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>
#include <termios.h>

#include "platform/KeyEvents.h"
#include "platform/VbControls.h"
#include "tests/support/CpuTime.h"

namespace {

QByteArray telnetSettings(quint16 port)
{
    return "\"\",\"\",\"\",\"\",0,\"\",\"Telnet\",0,0,0,#FALSE#,\"\",\"" + QByteArray::number(port) +
           "\",\"127.0.0.1\"\r\n";
}

const QByteArray SpotDL = "DX de K9AB:      14025.0  DL1ABC       CW 599                     1423Z IN\r\n";
const QByteArray SpotJA = "DX de W9ZZ:       7025.5  JA1XYZ       up 1                       1424Z\r\n";
const QByteArray SpotVK = "DX de N9XX:      14230.0  VK2ABC       SSB                        1425Z\r\n";
const QByteArray SpotVE = "DX de KB9A:      21025.0  VE3XYZ       CW                         1426Z\r\n";

}   // namespace

TEST_F(SpotWindowTest, TelnetClusterLoginSpotsInBurstsAndSplitAndTheClusterClosing)
{
    QTcpServer cluster;
    ASSERT_TRUE(cluster.listen(QHostAddress::LocalHost));
    writeSettings(telnetSettings(cluster.serverPort()));

    PacketSpotfrm& w = PacketSpotfrm::instance();
    EXPECT_EQ(w.SpotSource, QStringLiteral("Telnet"));
    EXPECT_TRUE(w.txtTelnetHost->isEnabled());
    EXPECT_TRUE(w.listening());   // the saved source opens with the window
    EXPECT_TRUE(terminal().startsWith(QStringLiteral("Attempting connection to: 127.0.0.1:")));

    ASSERT_TRUE(cluster.waitForNewConnection(5000));
    QTcpSocket* peer = cluster.nextPendingConnection();
    peer->write("\xff\xfb\x01Please enter your call: ");   // a prompt with no line end
    peer->flush();
    QTRY_VERIFY_WITH_TIMEOUT(terminal().contains(QStringLiteral("Please enter your call: ")), 5000);

    w.txtSent->setText(QStringLiteral("K9AB"));
    int enter = 13;
    w.txtSent_KeyPress(enter);
    EXPECT_EQ(enter, 0);
    EXPECT_TRUE(w.txtSent->text().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(peer->bytesAvailable() >= 6, 5000);
    EXPECT_EQ(peer->readAll(), QByteArray("K9AB\r\n"));

    // A burst of lines in one write, odd lines among them, then a spot split across two writes.
    peer->write("Hello K9AB\a\a\r\n" + SpotDL + "\xff\xfd\x03" + SpotJA + "DX de X: garbage\r\n" + SpotVK);
    peer->flush();
    QTRY_COMPARE_WITH_TIMEOUT(main.rows.size(), 3, 5000);
    peer->write(SpotVE.left(30));
    peer->flush();
    QTest::qWait(50);
    peer->write(SpotVE.mid(30));
    peer->flush();
    QTRY_COMPARE_WITH_TIMEOUT(main.rows.size(), 4, 5000);

    EXPECT_EQ(main.rows[0].call, QStringLiteral("DL1ABC"));
    EXPECT_EQ(main.rows[0].qth, QStringLiteral("Germany"));
    EXPECT_EQ(main.rows[1].qth, QStringLiteral("Japan"));
    EXPECT_EQ(main.rows[2].frequency, QStringLiteral("14.23"));
    EXPECT_EQ(main.rows[3].call, QStringLiteral("VE3XYZ"));
    EXPECT_EQ(main.rows[3].qth, QStringLiteral("Canada"));
    EXPECT_EQ(drawnOn(QStringLiteral("20")), (QStringList{"VK2ABC", "DL1ABC"}));
    EXPECT_EQ(drawnOn(QStringLiteral("40")), (QStringList{"JA1XYZ"}));
    EXPECT_EQ(drawnOn(QStringLiteral("15")), (QStringList{"VE3XYZ"}));
    EXPECT_TRUE(terminal().contains(QStringLiteral("Hello K9AB\r\n")));
    EXPECT_FALSE(terminal().contains(QChar(0xff)));

    peer->close();
    QTRY_VERIFY_WITH_TIMEOUT(!w.listening(), 5000);
    EXPECT_TRUE(terminal().contains(QStringLiteral("** Connection closed by the cluster **")));
    EXPECT_TRUE(terminal().endsWith(QStringLiteral("** Port Closed **")));
    EXPECT_FALSE(w.Timer1->isEnabled());
    EXPECT_EQ(prompts.beeps(), 1);
}

TEST_F(SpotWindowTest, ClusterThatSendsABurstAndClosesHasEveryLineTakenBeforeItsClose)
{
    QTcpServer cluster;
    ASSERT_TRUE(cluster.listen(QHostAddress::LocalHost));
    writeSettings(telnetSettings(cluster.serverPort()));
    PacketSpotfrm& w = PacketSpotfrm::instance();
    ASSERT_TRUE(cluster.waitForNewConnection(5000));
    QTcpSocket* peer = cluster.nextPendingConnection();

    // More lines than the socket holds unread and than one slice takes, then the close at once.
    QByteArray burst;
    for (int i = 0; i < 3000; ++i)
        burst += "DX de K9AB:      14025.0  W" + QByteArray::number(i).leftJustified(12, ' ') + "CW\r\n";
    burst += "Bye\r\n73 de cluster";   // a last line and a part with no line end
    peer->write(burst);
    peer->disconnectFromHost();
    QTRY_VERIFY_WITH_TIMEOUT(!w.listening(), 30000);

    ASSERT_EQ(main.rows.size(), 3000);
    EXPECT_EQ(main.rows.last().call, QStringLiteral("W2999"));
    const qsizetype closed = terminal().indexOf(QStringLiteral("** Connection closed by the cluster **"));
    ASSERT_GE(closed, 0);
    EXPECT_LT(terminal().indexOf(QStringLiteral("W2999 ")), closed);
    EXPECT_LT(terminal().indexOf(QStringLiteral("Bye\r\n73 de cluster")), closed);
}

TEST_F(SpotWindowTest, RefusedConnectionAndABadPortTextCloseTheSource)
{
    quint16 closedPort = 0;
    {
        QTcpServer s;
        ASSERT_TRUE(s.listen(QHostAddress::LocalHost));
        closedPort = s.serverPort();
    }
    writeSettings(telnetSettings(closedPort));
    PacketSpotfrm& w = PacketSpotfrm::instance();
    QTRY_VERIFY_WITH_TIMEOUT(!w.listening(), 5000);
    EXPECT_TRUE(terminal().contains(QStringLiteral("ERROR: Connection is forcefully rejected.")));
    EXPECT_FALSE(w.Timer1->isEnabled());

    // A host that cannot be found ends the same way, whenever the socket reports it.
    w.txtTelnetHost->setText(QStringLiteral("no-such-host.invalid"));
    w.Command1_Click();
    QTRY_VERIFY_WITH_TIMEOUT(!w.listening(), 10000);
    EXPECT_TRUE(terminal().contains(QStringLiteral("Host not found")));
    EXPECT_FALSE(w.Timer1->isEnabled());

    w.txtTelnetPort->setText(QStringLiteral("7x"));
    w.Command1_Click();
    EXPECT_FALSE(w.listening());
    EXPECT_FALSE(w.Timer1->isEnabled());
    ASSERT_EQ(prompts.callsOf(QStringLiteral("message")).size(), 1);
    EXPECT_TRUE(terminal().contains(QStringLiteral("Invalid telnet port")));

    // Not connected: the send box says so and is emptied.
    w.txtSent->setText(QStringLiteral("SH/DX"));
    w.SendTelnet();
    EXPECT_TRUE(terminal().contains(QStringLiteral("**  Connection not yet established.")));
}

TEST_F(SpotWindowTest, TncOnAPtyOpensFromTheSavedSettingsAndHandsOnSpots)
{
    PtyPair tnc;
    ASSERT_FALSE(tnc.slavePath().isEmpty());
    qputenv("VQPLOG_COM3", tnc.slavePath().toLatin1());
    writeSettings("\"9600\"\r\n\"N\"\r\n\"8\"\r\n\"1\"\r\n3\r\n\"N\"\r\n\"tnc\"\r\n0\r\n3\r\n1\r\n#FALSE#"
                  "\r\n\"03\"\r\n\"\"\r\n\"\"\r\n");

    PacketSpotfrm& w = PacketSpotfrm::instance();
    EXPECT_EQ(w.List1->currentItem()->text(), QStringLiteral("TNC"));
    EXPECT_TRUE(w.optComm[2]->isChecked());
    EXPECT_TRUE(w.optBaud96->isChecked());
    EXPECT_TRUE(w.Option3->isChecked());
    EXPECT_FALSE(w.chkDX->isChecked());
    ASSERT_TRUE(w.comComm1.isOpen());
    EXPECT_TRUE(w.listening());
    EXPECT_TRUE(terminal().contains(QStringLiteral("** TNC Serial Port Open **")));

    tnc.write("cmd:\r\n" + SpotDL.left(25));
    QTest::qWait(400);
    tnc.write(SpotDL.mid(25) + SpotJA + SpotDL);   // the repeat is dropped
    QTRY_COMPARE_WITH_TIMEOUT(main.rows.size(), 2, 5000);
    QTest::qWait(400);
    EXPECT_EQ(main.rows.size(), 2);
    EXPECT_EQ(drawnOn(QStringLiteral("20")), (QStringList{"DL1ABC"}));
    EXPECT_EQ(drawnOn(QStringLiteral("40")), (QStringList{"JA1XYZ"}));

    // Esc sends the command-mode character; Enter sends the line with a CR.
    int esc = KeyEvents::vbKeyEscape;
    w.Form_KeyDown(esc, 0);
    EXPECT_EQ(esc, 0);
    w.txtSent->setText(QStringLiteral("MYCALL K9AB"));
    int enter = 13;
    w.txtSent_KeyPress(enter);
    QByteArray got;
    QTRY_COMPARE_WITH_TIMEOUT(got += tnc.readAvailable(), QByteArray("\x03MYCALL K9AB\r"), 3000);

    // A changed line setting closes the open port.
    w.optBaud48->click();
    EXPECT_FALSE(w.comComm1.isOpen());
    EXPECT_TRUE(terminal().endsWith(QStringLiteral("** Port Closed **")));
}

TEST_F(SpotWindowTest, TncAdapterPulledOutIsSaidLostClosedAndDoneOpensTheNewOne)
{
    auto tnc = std::make_unique<PtyPair>();
    ASSERT_TRUE(tnc->ok());
    qputenv("VQPLOG_COM3", tnc->slavePath().toLatin1());
    writeSettings("\"9600\",\"N\",\"8\",\"1\",3,\"N\",\"TNC\",0,3,0,#FALSE#,\"03\",\"\",\"\"\r\n");
    PacketSpotfrm& w = PacketSpotfrm::instance();
    ASSERT_TRUE(w.comComm1.isOpen());
    tnc->write(SpotDL);
    QTRY_COMPARE_WITH_TIMEOUT(main.rows.size(), 1, 5000);

    // The adapter goes away while the window polls it.
    tnc->closeMaster();
    const double before = processCpuSeconds();
    QTest::qWait(2000);
    const double used = processCpuSeconds() - before;
    EXPECT_LT(used, 0.2) << "the event loop spun on the failed port";
    EXPECT_FALSE(w.comComm1.isOpen());
    EXPECT_FALSE(w.listening());
    EXPECT_FALSE(w.Timer1->isEnabled());
    const qsizetype lost = terminal().indexOf(QStringLiteral("** TNC Serial Port lost **"));
    ASSERT_GE(lost, 0);
    EXPECT_GT(terminal().indexOf(QStringLiteral("** Port Closed **"), lost), lost);
    EXPECT_EQ(terminal().count(QStringLiteral("** TNC Serial Port lost **")), 1);
    EXPECT_EQ(prompts.beeps(), 1);
    EXPECT_TRUE(prompts.callsOf(QStringLiteral("message")).isEmpty());

    // Plugged in again (another pty here): Done with the TNC still chosen opens it.
    tnc = std::make_unique<PtyPair>();
    qputenv("VQPLOG_COM3", tnc->slavePath().toLatin1());
    w.cmdDone->click();
    ASSERT_TRUE(w.comComm1.isOpen());
    EXPECT_TRUE(w.listening());
    EXPECT_TRUE(w.Timer1->isEnabled());
    tnc->write(SpotJA);
    QTRY_COMPARE_WITH_TIMEOUT(main.rows.size(), 2, 5000);
    EXPECT_EQ(main.rows[1].call, QStringLiteral("JA1XYZ"));
}

TEST_F(SpotWindowTest, TncPortThatCannotOpenIsReportedAndClosed)
{
    qputenv("VQPLOG_COM3", "/dev/nonexistent-tnc");
    writeSettings("\"9600\",\"N\",\"8\",\"1\",3,\"N\",\"TNC\",0,3,0,#FALSE#,\"03\",\"\",\"\"\r\n");
    // The load opens the saved TNC: the window comes up modally and stays until the operator
    // leaves it with Done; the source is closed only then.
    QWidget* modal = nullptr;
    bool listeningWhileShown = false;
    QTimer::singleShot(0, [&] {
        modal = QApplication::activeModalWidget();
        QTest::qWait(50);
        if (!modal || !modal->isVisible())
            return;
        listeningWhileShown = PacketSpotfrm::instance().listening();
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("cmdDone")), Qt::LeftButton);
    });
    PacketSpotfrm& w = PacketSpotfrm::instance();
    EXPECT_EQ(modal, &w);
    EXPECT_TRUE(listeningWhileShown);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(main.resizes, 1);   // Done reached the main window with this same window
    EXPECT_FALSE(w.comComm1.isOpen());
    EXPECT_FALSE(w.listening());
    EXPECT_FALSE(w.Timer1->isEnabled());
    const auto boxes = prompts.callsOf(QStringLiteral("message"));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(terminal().contains(QStringLiteral("** Unable to open TNC Serial Port **")));
}

TEST_F(SpotWindowTest, FirstRunIsNoneAndTncChoiceIsSavedOnDone)
{
    PtyPair tnc;
    qputenv("VQPLOG_COM3", tnc.slavePath().toLatin1());
    PacketSpotfrm& w = PacketSpotfrm::instance();
    EXPECT_EQ(w.SpotSource, QStringLiteral("None"));
    EXPECT_FALSE(w.txtSent->isEnabled());
    w.cmdDone_Click();
    EXPECT_FALSE(w.listening());   // nothing opened
    EXPECT_EQ(main.resizes, 1);
    EXPECT_TRUE(readSettings().contains("\"None\""));

    w.List1->setCurrentRow(1);   // TNC
    EXPECT_TRUE(w.optBaud96->isChecked());
    EXPECT_TRUE(w.Option3->isChecked());
    EXPECT_EQ(w.txtHex->text(), QStringLiteral("03"));
    EXPECT_TRUE(w.fraBaud->isEnabled());
    EXPECT_FALSE(w.txtTelnetHost->isEnabled());
    w.optComm[2]->click();
    w.cmdDone_Click();   // opens the port, then saves
    EXPECT_TRUE(w.comComm1.isOpen());
    EXPECT_EQ(readSettings(),
              QByteArray("\"9600\"\r\n\"N\"\r\n\"8\"\r\n\"1\"\r\n3\r\n\"N\"\r\n\"TNC\"\r\n0\r\n3\r\n0\r\n#FALSE#\r\n"
                         "\"03\"\r\n\"\"\r\n\"\"\r\n"));

    // Picking Telnet closes the TNC and shows the telnet help; quotes never enter its boxes.
    w.List1->setCurrentRow(2);
    EXPECT_FALSE(w.comComm1.isOpen());
    EXPECT_TRUE(w.txtTelnetHost->isEnabled());
    EXPECT_FALSE(w.fraBaud->isEnabled());
    EXPECT_TRUE(terminal().startsWith(QStringLiteral("Telnet:")));
    w.txtTelnetHost->setFocus();
    QTest::keyClicks(w.txtTelnetHost, QStringLiteral("dx\"host"));
    EXPECT_EQ(w.txtTelnetHost->text(), QStringLiteral("dxhost"));
}

// The operator picks Telnet, types the cluster's host and port and presses Done: the window
// connects and writes PackSpot.txt, with port 0 and empty values for the TNC line it never opened.
// At the next start the window reads that file back whole and connects again by itself.
TEST_F(SpotWindowTest, TelnetSettingWrittenByDoneReopensTheClusterAtTheNextStart)
{
    QTcpServer cluster;
    ASSERT_TRUE(cluster.listen(QHostAddress::LocalHost));
    const QString port = QString::number(cluster.serverPort());
    {
        PacketSpotfrm& w = PacketSpotfrm::instance();
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        QListWidgetItem* telnet = w.List1->findItems(QStringLiteral("Telnet"), Qt::MatchExactly).value(0);
        ASSERT_NE(telnet, nullptr);
        QTest::mouseClick(w.List1->viewport(), Qt::LeftButton, {}, w.List1->visualItemRect(telnet).center());
        ASSERT_EQ(w.SpotSource, QStringLiteral("Telnet"));
        QTest::mouseClick(w.txtTelnetHost, Qt::LeftButton);
        QTest::keyClicks(w.txtTelnetHost, QStringLiteral("127.0.0.1"));
        QTest::mouseClick(w.txtTelnetPort, Qt::LeftButton);
        QTest::keyClicks(w.txtTelnetPort, port);
        QTest::mouseClick(w.cmdDone, Qt::LeftButton);
        EXPECT_FALSE(w.isVisible());
        EXPECT_TRUE(w.listening());
        ASSERT_TRUE(cluster.waitForNewConnection(5000));
        delete cluster.nextPendingConnection();
    }
    const QByteArray saved = readSettings();
    EXPECT_EQ(saved, "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n0\r\n\"\"\r\n\"Telnet\"\r\n0\r\n0\r\n0\r\n#FALSE#\r\n\"\"\r\n\"" +
                         port.toLatin1() + "\"\r\n\"127.0.0.1\"\r\n");

    // The shut-down, then the next start: the window's first use restores the file and opens it.
    PacketSpotfrm::unload();
    PacketSpotfrm& w = PacketSpotfrm::instance();
    EXPECT_EQ(w.SpotSource, QStringLiteral("Telnet"));
    EXPECT_EQ(w.List1->currentItem()->text(), QStringLiteral("Telnet"));
    EXPECT_EQ(w.txtTelnetHost->text(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(w.txtTelnetPort->text(), port);
    EXPECT_TRUE(w.txtTelnetHost->isEnabled());
    EXPECT_TRUE(w.listening());
    EXPECT_TRUE(terminal().startsWith(QStringLiteral("Attempting connection to: 127.0.0.1:") + port));
    ASSERT_TRUE(cluster.waitForNewConnection(5000));
    QTcpSocket* peer = cluster.nextPendingConnection();
    QTRY_VERIFY_WITH_TIMEOUT(w.Winsock1.isConnected(), 5000);
    peer->write(SpotDL);
    peer->flush();
    QTRY_COMPARE_WITH_TIMEOUT(main.rows.size(), 1, 5000);
    EXPECT_EQ(main.rows[0].call, QStringLiteral("DL1ABC"));
    // The TNC line it never opened keeps the buttons it was designed with.
    EXPECT_TRUE(w.optBaud192->isChecked());
    EXPECT_TRUE(w.optComm[0]->isChecked());
    EXPECT_TRUE(w.optPowerNone->isChecked());
    EXPECT_TRUE(w.Option1->isChecked());
    EXPECT_FALSE(w.fraBaud->isEnabled());

    // Done again writes the same file.
    w.cmdDone_Click();
    EXPECT_EQ(readSettings(), saved);
}

TEST_F(SpotWindowTest, SpotLastPutsTheLastCallBehindThePlaceholder)
{
    G.QSOCount = 1;
    G.ContactArrays.ContactCall[1] = QStringLiteral("K9XYZ");
    PacketSpotfrm& w = PacketSpotfrm::instance();
    w.Command3_Click();
    EXPECT_EQ(w.txtSent->text(), QStringLiteral("DX Frequency in kHz K9XYZ"));
    EXPECT_EQ(w.txtSent->selectedText(), QStringLiteral("Frequency in kHz"));
}

TEST_F(SpotWindowTest, WindowTakesItsShareOfTheScreenAtTheTop)
{
    FormGeometry g;
    g.setOuterSize(9000, 7000);
    g.fontSize = 8.25;
    ControlGeometry box;
    box.kind = ControlGeometry::Kind::TextBox;
    box.left = 120, box.top = 400, box.width = 1000, box.height = 285, box.fontSize = 8;
    ControlGeometry parked = box;
    parked.left = -2000;
    g.controls = {box, parked};
    PacketSpotfrm::scaleToScreen(g, 28800, 14400);   // three times as wide, twice as high
    EXPECT_DOUBLE_EQ(g.width, 27000);
    EXPECT_DOUBLE_EQ(g.height, 14000);
    EXPECT_DOUBLE_EQ(g.left, 900);
    EXPECT_DOUBLE_EQ(g.top, 2);
    EXPECT_DOUBLE_EQ(g.controls[0].left, 360);
    EXPECT_DOUBLE_EQ(g.controls[0].top, 800);
    EXPECT_DOUBLE_EQ(g.controls[0].fontSize, 12);                         // font factor held to 1.5
    EXPECT_DOUBLE_EQ(g.controls[1].left, (75000 - 2000) * 3.0 - 75000);   // still off the window
}

// A line setting that no option button carries (a speed written into the file by hand): the
// restore leaves that group with no button set, the TNC opens at the file's speed, and Done
// writes it back unchanged.
TEST_F(SpotWindowTest, ASpeedNoButtonCarriesIsKeptThroughOpenAndDone)
{
    PtyPair tnc;
    ASSERT_TRUE(tnc.ok());
    qputenv("VQPLOG_COM3", tnc.slavePath().toLatin1());
    const QByteArray file = "\"57600\"\r\n\"N\"\r\n\"8\"\r\n\"1\"\r\n3\r\n\"N\"\r\n\"TNC\"\r\n0\r\n3\r\n0\r\n"
                            "#FALSE#\r\n\"03\"\r\n\"\"\r\n\"\"\r\n";
    writeSettings(file);
    PacketSpotfrm& w = PacketSpotfrm::instance();
    for (QRadioButton* b : w.fraBaud->findChildren<QRadioButton*>())
        EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
    EXPECT_TRUE(w.optParityNone->isChecked());
    ASSERT_TRUE(w.comComm1.isOpen());
    termios t{};
    ASSERT_EQ(tcgetattr(tnc.slave(), &t), 0);
    EXPECT_EQ(cfgetospeed(&t), speed_t(B57600));

    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(w.cmdDone, Qt::LeftButton);
    EXPECT_EQ(readSettings(), file);
}
