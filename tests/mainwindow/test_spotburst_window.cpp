// A DX cluster that sends 10,000 spot lines at once to the running program: the telnet source, the
// DX-spotting window and the main window with its band map, against a real peer on a loopback
// port. A key typed into the call field while the burst comes in is handled between two slices
// of spots, and every spot still reaches the store, the list and the map as if taken one by one.
#include "MainFrameFixture.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTreeWidget>

#include <algorithm>
#include <atomic>
#include <future>
#include <iostream>
#include <thread>

#include "core/Form1.h"
#include "core/ListFormat.h"
#include "core/MainLogWindow.h"
#include "core/StationSetup.h"
#include "mainwindow/AppHooks.h"
#include "mainwindow/Outfrm.h"
#include "spots/BandMap.h"
#include "spots/PacketSpotfrm.h"
#include "spots/SpotLine.h"
#include "spots/SpotStore.h"

namespace {

constexpr int BurstLines = 10000;

// Cluster spot lines on 20 m; calls come back now and then, so older copies are dropped.
QByteArray burst()
{
    static const char* const calls[] = {"DL1ABC", "JA1XYZ", "VK2ABC", "K9AB", "G4ABC", "ZS6AB", "4X1AB", "VE3XYZ"};
    QByteArray out;
    for (int i = 0; i < BurstLines; ++i) {
        const QByteArray call = calls[i % 8] + QByteArray::number(i % 13);
        const QByteArray freq = QByteArray::number(14000 + (i * 7) % 350) + "." + QByteArray::number(i % 10);
        out += "DX de K9AB:      " + freq.rightJustified(7, ' ') + "  " + call.leftJustified(13, ' ') +
               "CW 599 #" + QByteArray::number(i).leftJustified(22, ' ') + "1423Z IN\r\n";
    }
    return out;
}

// The cluster on its own thread, so it writes while the program is busy: it listens, takes one
// connection, sends `text` when told to, and holds the connection until the test ends.
class Cluster {
public:
    explicit Cluster(QByteArray text) : text_(std::move(text))
    {
        std::promise<quint16> listening;
        std::future<quint16> port = listening.get_future();
        thread_ = std::thread([this, &listening] { run(listening); });
        port_ = port.get();
    }
    ~Cluster()
    {
        if (!started_)
            go_.set_value();
        end_.set_value();
        thread_.join();
    }
    quint16 port() const { return port_; }
    void send()
    {
        started_ = true;
        go_.set_value();
    }
    qint64 written() const { return written_; }

private:
    void run(std::promise<quint16>& listening)
    {
        QTcpServer server;
        listening.set_value(server.listen(QHostAddress::LocalHost) ? server.serverPort() : 0);
        if (!server.waitForNewConnection(30000))
            return;
        std::unique_ptr<QTcpSocket> peer(server.nextPendingConnection());
        go_.get_future().wait();
        if (!started_)
            return;
        peer->write(text_);
        while (peer->bytesToWrite() > 0 && peer->waitForBytesWritten(30000))
            written_ = text_.size() - peer->bytesToWrite();
        written_ = text_.size() - peer->bytesToWrite();
        end_.get_future().wait();
    }

    QByteArray text_;
    std::thread thread_;
    quint16 port_ = 0;
    std::promise<void> go_, end_;
    std::atomic<bool> started_ = false;
    std::atomic<qint64> written_ = 0;
};

// Stands between the facade and the real main window: counts the spots handed to it and passes
// every call on unchanged.
struct CountingWindow : MainLogWindow {
    explicit CountingWindow(MainLogWindow& real) : w(real) {}
    MainLogWindow& w;
    int spots = 0;
    std::function<void()> onFirstSpot;
    void cmdDelete_Click() override { w.cmdDelete_Click(); }
    void Form_KeyDown(int& k, int& s) override { w.Form_KeyDown(k, s); }
    void Form_KeyPress(int& k) override { w.Form_KeyPress(k); }
    void mnuBand10Ch_Click() override { w.mnuBand10Ch_Click(); }
    void mnuBand15Ch_Click() override { w.mnuBand15Ch_Click(); }
    void mnuBand160Ch_Click() override { w.mnuBand160Ch_Click(); }
    void mnuBand20Ch_Click() override { w.mnuBand20Ch_Click(); }
    void mnuBand40Ch_Click() override { w.mnuBand40Ch_Click(); }
    void mnuBand6Ch_Click() override { w.mnuBand6Ch_Click(); }
    void mnuBand80Ch_Click() override { w.mnuBand80Ch_Click(); }
    void Mains() override { w.Mains(); }
    void PacketResize() override { w.PacketResize(); }
    void BandMapSpots(QVariant& c, QVariant& f, QVariant& r) override
    {
        if (++spots == 1 && onFirstSpot)
            onFirstSpot();
        w.BandMapSpots(c, f, r);
    }
    void DisplayBandMapLabels() override { w.DisplayBandMapLabels(); }
    void BandFreqConversion(float& f) override { w.BandFreqConversion(f); }
    void ModeSelection(QString& m) override { w.ModeSelection(m); }
};

}   // namespace

class SpotBurstWindowTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        installAppHooks();   // the program's own spot panel, whatever a test before replaced
        Spots::resetSpotStore();
        G.OutOfStateFlag = 1;
        // The installed country table, so each spot costs the lookup it costs in the program.
        installDataFiles({"arrlpre2.txt"});
        ASSERT_TRUE(StationSetup::LoadCountryTable());
        ASSERT_FALSE(G.CountryTable.isEmpty());
    }
    void TearDown() override
    {
        PacketSpotfrm::unload();
        MainFrameTest::TearDown();
    }
};

TEST_F(SpotBurstWindowTest, AKeyTypedDuringTenThousandSpotsIsHandledBetweenTwoSlicesAndNoSpotIsLost)
{
    const QByteArray text = burst();
    Cluster cluster(text);
    ASSERT_NE(cluster.port(), 0);
    {
        // Telnet to the cluster, the band map rather than the list.
        QFile f(dir.filePath(QStringLiteral("PackSpot.txt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\"\",\"\",\"\",\"\",0,\"\",\"Telnet\",0,0,0,#FALSE#,\"\",\"" + QByteArray::number(cluster.port()) +
                "\",\"127.0.0.1\"\r\n");
    }
    auto w = shown<Outfrm>();
    CountingWindow counting(*w);
    Form1::registerMainWindow(&counting, true);

    // The window's first use opens the saved source.
    PacketSpotfrm& spotWindow = PacketSpotfrm::instance();
    spotWindow.cmdDone_Click();   // saves, shows the band map and hides the window
    ASSERT_TRUE(w->lblDX->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(spotWindow.Winsock1.isConnected(), 10000);
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    w->txtCall->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(w->txtCall->hasFocus());

    // The operator types a key while the first spot is being taken in: it waits in the queue
    // behind the data the program is busy with.
    QObject typist;
    int spotsAtKey = -1;
    qint64 latencyMs = -1;
    QElapsedTimer sincePosted;
    counting.onFirstSpot = [&] {
        sincePosted.start();
        QMetaObject::invokeMethod(&typist, [&] { QTest::keyPress(w->txtCall, Qt::Key_K); }, Qt::QueuedConnection);
        QMetaObject::invokeMethod(&typist, [&] { QTest::keyRelease(w->txtCall, Qt::Key_K); }, Qt::QueuedConnection);
    };
    QObject::connect(w->txtCall, &QLineEdit::textChanged, &typist, [&] {
        if (spotsAtKey < 0) {
            spotsAtKey = counting.spots;
            latencyMs = sincePosted.elapsed();
        }
    });

    // The whole burst lies waiting at the program's socket before it reads any of it (as much as
    // the connection holds), so taking it all at once would take thousands of spots.
    cluster.send();
    QElapsedTimer waiting;
    waiting.start();
    while (cluster.written() < 100000 && waiting.elapsed() < 10000)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));

    QTRY_COMPARE_WITH_TIMEOUT(counting.spots, BurstLines, 120000);
    QApplication::processEvents();   // the last slice's redraw

    // The key reached the field between the first slice and the next one.
    EXPECT_EQ(w->txtCall->text().toUpper(), QStringLiteral("K"));
    ASSERT_GE(spotsAtKey, 1);
    EXPECT_LE(spotsAtKey, Spots::TelnetSource::SliceLines);
    RecordProperty("key_latency_ms", int(latencyMs));
    RecordProperty("spots_taken_before_the_key", spotsAtKey);
    std::cout << "key handled " << latencyMs << " ms after it was posted, " << spotsAtKey << " spots taken by then\n";

    // Every spot arrived: the store and the list are what taking the lines one by one gives.
    Spots::SpotStoreT expected;
    QVector<Spots::SpotRow> rows;
    Spots::LineCutter cutter;
    for (const QString& line : cutter.feed(text)) {
        QVariant c(Spots::spotCall(line)), f(Spots::spotFrequency(line)), r(Spots::spotRecord(line));
        auto row = Spots::intake(expected, c, f, r, Platform::clock().read().local);
        ASSERT_TRUE(row);
        rows << *row;
    }
    ASSERT_EQ(rows.size(), BurstLines);
    for (int i = 0; i < Spots::SpotStoreT::Slots; ++i) {
        SCOPED_TRACE(i);
        const Spots::Spot& got = Spots::SpotStore().slot[i];
        EXPECT_EQ(got.call, expected.slot[i].call);
        EXPECT_EQ(got.frequency, expected.slot[i].frequency);
        EXPECT_EQ(got.prefix, expected.slot[i].prefix);
        EXPECT_EQ(got.time, expected.slot[i].time);
    }
    ASSERT_EQ(w->txtDX->topLevelItemCount(), 200);
    for (int k = 0; k < 200; ++k) {
        SCOPED_TRACE(k);
        const QTreeWidgetItem* item = w->txtDX->topLevelItem(k);
        const Spots::SpotRow& want = rows[BurstLines - 1 - k];
        EXPECT_EQ(item->text(0), want.call);
        EXPECT_EQ(item->text(1), want.frequency);
        EXPECT_EQ(item->text(2), want.qth);
        EXPECT_EQ(item->text(4), want.comments);
    }

    // The map shows the last spots of the burst, drawn from the final store.
    double low = 0, high = 0;
    ASSERT_TRUE(ListFormat::parseNumber(w->lblFreqSpot[0]->text(), low));
    ASSERT_TRUE(ListFormat::parseNumber(w->lblFreqSpot[4]->text(), high));
    QVector<int> drawn, placed;
    for (int i = 0; i < w->lblDXSpot.size(); ++i)
        if (w->lblDXSpot[i]->isVisible())
            drawn << i;
    for (const Spots::LabelPlacement& p :
         Spots::placeLabels(Spots::SpotStore(), low, high, Platform::clock().read().local, G.UtcOffsetHours))
        placed << p.slot;
    std::sort(placed.begin(), placed.end());
    EXPECT_FALSE(drawn.isEmpty());
    EXPECT_EQ(drawn, placed);
    Form1::unregisterMainWindow(&counting);
    Form1::registerMainWindow(w.get(), true);
}
