// The rig poll against fake radios on pty pairs: band and mode follow the radio, the set-frequency
// and mode commands tune it, a silent or flooding radio leaves the window running.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "tests/rig/RigFixture.h"
#include "tests/support/CpuTime.h"

namespace {

struct FamilyRow {
    const char* name;
    const char* model;
    std::function<std::unique_ptr<FakeRadio>()> make;
};

void PrintTo(const FamilyRow& r, std::ostream* os) { *os << r.name; }

std::unique_ptr<FakeRadio> kenwood(bool ftdx = false)
{
    auto r = std::make_unique<KenwoodRadio>();
    r->ftdx = ftdx;
    return r;
}

std::unique_ptr<FakeRadio> civ(uint8_t address, int bytes)
{
    auto r = std::make_unique<CivRadio>();
    r->address = address;
    r->frequencyBytes = bytes;
    return r;
}

std::unique_ptr<FakeRadio> yaesu(bool block)
{
    auto r = std::make_unique<YaesuRadio>();
    r->statusBlock = block;
    return r;
}

// A key typed into a call field arrives through the event loop, as the operator's typing does.
void typeThroughEventLoop(QLineEdit& field)
{
    QCoreApplication::postEvent(&field,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_K, Qt::NoModifier, QStringLiteral("K")));
    QCoreApplication::postEvent(&field,
                                new QKeyEvent(QEvent::KeyRelease, Qt::Key_K, Qt::NoModifier, QStringLiteral("K")));
}

class PollFamilies : public RigTest, public ::testing::WithParamInterface<FamilyRow> {};

// The radio moves from 14.025 MHz CW to 7.2 MHz LSB: the main window is handed the new values
// within a poll cycle or two (100 ms cycles; the families asked in turn need two).
TEST_P(PollFamilies, MainWindowFollowsTheRadio)
{
    const FamilyRow& row = GetParam();
    std::unique_ptr<FakeRadio> radio = row.make();
    ASSERT_TRUE(radio->pty.ok());
    writeSettings(QString::fromLatin1(row.model));
    usePort(*radio);
    RigControlfrm& w = startPolling();
    ASSERT_TRUE(w.tmrGetData->isEnabled());
    EXPECT_TRUE(prompts.messages().isEmpty());

    EXPECT_TRUE(QTest::qWaitFor([&] { return main.lastIs(14.025f, "CW"); }, 3000))
        << "received " << radio->received.toHex(' ').toStdString();
    radio->hz = 7200000;
    radio->mode = QStringLiteral("LSB");
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.lastIs(7.2f, "PH"); }, 1000));
    for (float f : main.freqs)
        EXPECT_GT(f, 0.0f);   // nothing before the first decode
}

// The spot click's road: ChangeFrequency sets the band plan's mode first, then the frequency; the
// radio ends up there and the poll reports it.
TEST_P(PollFamilies, ChangeFrequencyTunesTheRadio)
{
    const FamilyRow& row = GetParam();
    std::unique_ptr<FakeRadio> radio = row.make();
    radio->mode = QStringLiteral("USB");
    writeSettings(QString::fromLatin1(row.model));
    usePort(*radio);
    RigControlfrm& w = startPolling();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !main.freqs.isEmpty(); }, 3000));

    float spot = 7.03f;
    w.ChangeFrequency(spot);
    EXPECT_FLOAT_EQ(spot, 7.03f);   // the caller's value is kept
    EXPECT_TRUE(QTest::qWaitFor([&] { return radio->hz == 7030000; }, 1000)) << radio->hz;
    const bool setsMode = QString::fromLatin1(row.model) != QLatin1String("Icom 735") &&
                          QString::fromLatin1(row.model) != QLatin1String("Ten Tec Orion");
    if (setsMode) {
        EXPECT_EQ(radio->mode, QStringLiteral("CW"));
    }
    EXPECT_TRUE(w.tmrGetData->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return qAbs(main.freqs.last() - 7.03f) < 1e-5f; }, 1000));
    EXPECT_TRUE(prompts.messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Families, PollFamilies,
                         ::testing::Values(FamilyRow{"Kenwood", "Kenwood", [] { return kenwood(); }},
                                           FamilyRow{"Elecraft", "Elecraft", [] { return kenwood(); }},
                                           FamilyRow{"KenwoodIF", "Kenwood 2", [] { return kenwood(); }},
                                           FamilyRow{"FTdx9000", "Yaesu FTdx9000", [] { return kenwood(true); }},
                                           FamilyRow{"Icom", "Icom", [] { return civ(0x64, 5); }},
                                           FamilyRow{"Icom735", "Icom 735", [] { return civ(0x64, 4); }},
                                           FamilyRow{"OmniVI", "Ten Tec Omni VI", [] { return civ(0x04, 5); }},
                                           FamilyRow{"Yaesu", "Yaesu", [] { return yaesu(false); }},
                                           FamilyRow{"Yaesu990", "Yaesu 990", [] { return yaesu(true); }},
                                           FamilyRow{"Orion", "Ten Tec Orion",
                                                     [] { return std::make_unique<OrionRadio>(); }}),
                         [](const ::testing::TestParamInfo<FamilyRow>& i) { return std::string(i.param.name); });

TEST_F(RigTest, PhoneSegmentsGetTheirSideband)
{
    KenwoodRadio radio;
    writeSettings(QStringLiteral("Kenwood"));
    usePort(radio);
    RigControlfrm& w = startPolling();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !main.freqs.isEmpty(); }, 3000));
    for (auto [mhz, mode] : {std::pair{3.8f, "LSB"}, {7.2f, "LSB"}, {14.2f, "USB"}, {5.3305f + 0.001f, "USB"}}) {
        w.ChangeFrequency(mhz);
        EXPECT_TRUE(QTest::qWaitFor([&] { return radio.mode == QString::fromLatin1(mode); }, 1000)) << mhz;
    }
    // 160 m: no mode command, only the frequency.
    radio.mode = QStringLiteral("AM");
    float top = 1.83f;
    w.ChangeFrequency(top);
    EXPECT_TRUE(QTest::qWaitFor([&] { return radio.hz == 1830000; }, 1000));
    EXPECT_EQ(radio.mode, QStringLiteral("AM"));
}

TEST_F(RigTest, YaesuCatOnAtOpenAndOffAtUnloadWhilePolling)
{
    YaesuRadio radio;
    radio.statusBlock = true;
    writeSettings(QStringLiteral("Yaesu 757 GX II"));
    usePort(radio);
    startPolling();
    startPolling();   // Test again while polling: the port reopens and CAT on goes out again
    EXPECT_TRUE(QTest::qWaitFor([&] { return radio.catOn == 2; }, 1000));
    RigControlfrm::unload();
    EXPECT_TRUE(QTest::qWaitFor([&] { return radio.catOff == 1; }, 1000));
}

TEST_F(RigTest, OrionGetsItsStartCommandAndHandshake)
{
    OrionRadio radio;
    writeSettings(QStringLiteral("Ten Tec Orion"));
    usePort(radio);
    startPolling();
    EXPECT_TRUE(QTest::qWaitFor([&] { return radio.starts == 1; }, 1000));
}

TEST_F(RigTest, PollingStoppedChangesNothing)
{
    KenwoodRadio radio;
    writeSettings(QStringLiteral("Kenwood"));
    usePort(radio);
    RigControlfrm& w = RigControlfrm::instance();   // loaded, not polling
    float f = 7.03f;
    w.ChangeFrequency(f);
    QTest::qWait(50);
    EXPECT_TRUE(radio.received.isEmpty());
    EXPECT_EQ(radio.hz, 14025000);
    EXPECT_TRUE(prompts.calls().isEmpty());
}

// A radio that does not answer: the labels say "No Response", nothing is handed to the main
// window, and typing goes on. One that stops answering leaves the last values shown and handed.
TEST_F(RigTest, SilentRadioLeavesWindowResponsive)
{
    KenwoodRadio radio;
    radio.silent = true;
    writeSettings(QStringLiteral("Kenwood"));
    usePort(radio);
    RigControlfrm& w = RigControlfrm::instance();
    w.show();
    w.Command1_Click();
    QLineEdit call;
    call.show();
    QTest::qWait(300);
    EXPECT_FALSE(radio.received.isEmpty());
    EXPECT_EQ(w.lblFreq->text(), QStringLiteral("No Response"));
    EXPECT_EQ(w.lblMode->text(), QStringLiteral("No Response"));
    EXPECT_TRUE(main.freqs.isEmpty());
    EXPECT_TRUE(w.Label2->isVisible());

    typeThroughEventLoop(call);
    EXPECT_TRUE(QTest::qWaitFor([&] { return call.text() == QLatin1String("K"); }, 200));
    // A frequency change against a silent radio ends and polling goes on.
    float f = 7.03f;
    w.ChangeFrequency(f);
    EXPECT_TRUE(w.tmrGetData->isEnabled());

    // The radio answers, then goes quiet.
    radio.silent = false;
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.lastIs(7.03f, "CW"); }, 2000));
    radio.silent = true;
    QTest::qWait(100);
    const qsizetype handed = main.freqs.size();
    QTest::qWait(300);
    EXPECT_EQ(main.freqs.size(), handed);
    EXPECT_EQ(w.lblFreq->text(), QStringLiteral("7.03000"));
    EXPECT_EQ(w.lblMode->text(), QStringLiteral("CW"));
}

// A power line the device refuses (a pty has no modem lines) is no open failure.
TEST_F(RigTest, RefusedPowerLineIsNoFailure)
{
    for (const char* line : {"R", "D"}) {
        KenwoodRadio radio;
        writeSettings(QStringLiteral("Kenwood"));
        QFile f(dir.filePath("RigCntrl.txt"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        QByteArray data = f.readAll();
        f.close();
        data.replace("\r\n\"N\"\r\n\"F\"", QByteArray("\r\n\"") + line + "\"\r\n\"F\"");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(data);
        f.close();
        usePort(radio);
        RigControlfrm& w = startPolling();
        EXPECT_EQ(w.RigPowerLine, QString::fromLatin1(line));
        EXPECT_TRUE(w.comComm1.isOpen()) << line;
        EXPECT_TRUE(prompts.messages().isEmpty()) << line;
        EXPECT_TRUE(QTest::qWaitFor([&] { return main.lastIs(14.025f, "CW"); }, 2000)) << line;
        RigControlfrm::unload();
        main.freqs.clear();
    }
}

// A radio that floods the line: each read step takes a bounded slice, the window keeps running,
// and the garbage never becomes a frequency.
TEST_F(RigTest, FloodingRadioLeavesWindowResponsive)
{
    KenwoodRadio radio;
    radio.silent = true;
    writeSettings(QStringLiteral("Kenwood"));
    usePort(radio);
    RigControlfrm& w = RigControlfrm::instance();
    w.show();
    radio.startFlood(QByteArray(1024, 'x'));
    w.Command1_Click();
    QLineEdit call;
    call.show();
    QTest::qWait(300);
    typeThroughEventLoop(call);
    EXPECT_TRUE(QTest::qWaitFor([&] { return call.text() == QLatin1String("K"); }, 200));
    EXPECT_LE(w.lblUnProcess->text().size(), Rig::RigPoll::MaxReadPerTick);
    EXPECT_FALSE(w.lblUnProcess->text().isEmpty());
    EXPECT_EQ(w.lblFreq->text(), QStringLiteral("No Response"));
    EXPECT_TRUE(main.freqs.isEmpty());
    float f = 7.03f;
    w.ChangeFrequency(f);   // its waits end after 2 s however much arrives
    EXPECT_TRUE(w.tmrGetData->isEnabled());
    radio.stopFlood();
}

// The radio's USB adapter is pulled out while the hidden window polls: the port is closed, polling
// stops, the program goes idle, and the window says the port was lost where "Polling Rig" stood.
// Nothing pops up from the timer. Once the adapter is back, the operator's Test polls again.
TEST_F(RigTest, UnpluggedAdapterIsSaidAsLostAndTheProgramGoesIdle)
{
    KenwoodRadio radio;
    writeSettings(QStringLiteral("Kenwood"));
    usePort(radio);
    RigControlfrm& w = startPolling();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.lastIs(14.025f, "CW"); }, 3000));

    radio.unplug();
    const double before = processCpuSeconds();
    QTest::qWait(2000);
    const double used = processCpuSeconds() - before;
    EXPECT_LT(used, 0.2) << "the program kept polling or writing a port that is gone";

    EXPECT_FALSE(w.comComm1.isOpen());
    EXPECT_FALSE(w.tmrGetData->isEnabled());
    EXPECT_TRUE(prompts.calls().isEmpty());
    w.show();   // the operator opens the window (Ctrl+R)
    EXPECT_TRUE(w.Label2->isVisible());
    EXPECT_EQ(w.Label2->text(), QStringLiteral("Comm Port Lost"));
    EXPECT_EQ(w.lblFreq->text(), QStringLiteral("No Response"));
    EXPECT_EQ(w.lblMode->text(), QStringLiteral("No Response"));
    EXPECT_FALSE(w.Command2->isEnabled());
    float spot = 7.03f;
    w.ChangeFrequency(spot);   // not polling: nothing happens
    EXPECT_TRUE(prompts.calls().isEmpty());

    KenwoodRadio back(7030000, QStringLiteral("CW"));
    usePort(back);
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    EXPECT_TRUE(w.tmrGetData->isEnabled());
    EXPECT_EQ(w.Label2->text(), QStringLiteral("Polling Rig"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.lastIs(7.03f, "CW"); }, 3000));
}

TEST_F(RigTest, PortThatDoesNotOpenShowsTheMessageAndTheWindow)
{
    writeSettings(QStringLiteral("Kenwood"));
    qputenv("VQPLOG_COM1", QByteArray("/nonexistent/tty-rig"));
    RigControlfrm& w = RigControlfrm::instance();
    // The operator chooses "None" in the modal window and presses Done.
    bool sawModal = false;
    QTimer::singleShot(100, [&] {
        sawModal = w.isVisible();
        w.List1->setCurrentRow(0);
        w.cmdDone->click();
    });
    w.Command1_Click();
    EXPECT_TRUE(sawModal);
    EXPECT_EQ(
        prompts.messages(),
        QStringList{QStringLiteral(
            "The comm port that you selected for rig interface is either in use, invalid or the settings that you have "
            "selected are invalid.  Please select another combination or choose None for your rig selection.")});
    EXPECT_EQ(prompts.callsOf(QStringLiteral("message")).first().title, QStringLiteral("Invalid Comm Settings."));
    EXPECT_EQ(prompts.beeps(), 1);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.tmrGetData->isEnabled());
    EXPECT_EQ(G.RigType, QStringLiteral("None"));
}

TEST_F(RigTest, PegasusPollsItsStatusFileWithoutAPort)
{
    QTemporaryDir pegasus;
    qputenv("VQPLOG_PEGASUS_DIR", pegasus.path().toLatin1());
    QFile out(pegasus.filePath("PEGASUS.OUT"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("14.025,\"USB\"\r\n");
    out.close();
    writeSettings(QStringLiteral("Ten Tec Pegasus"));
    qputenv("VQPLOG_COM1", QByteArray("/nonexistent/tty-rig"));
    RigControlfrm& w = startPolling();
    EXPECT_TRUE(w.tmrGetData->isEnabled());
    EXPECT_FALSE(w.comComm1.isOpen());
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.lastIs(14.025f, "PH"); }, 1000));
    float f = 7.03f;
    w.ChangeFrequency(f);
    QFile in(pegasus.filePath("PEGASUS.IN"));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(in.readAll(), QByteArray("7.03\r\nPH\r\n"));
    EXPECT_TRUE(prompts.messages().isEmpty());
    qunsetenv("VQPLOG_PEGASUS_DIR");
}

TEST_F(RigTest, ModeByFrequencyAndDontUse)
{
    KenwoodRadio radio(14200000, QStringLiteral("CW"));
    writeSettings(QStringLiteral("Kenwood"), QStringLiteral("F"), 2);
    usePort(radio);
    startPolling();
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.lastIs(14.2f, "PH"); }, 3000));
    RigControlfrm::unload();
    main.modes.clear();
    writeSettings(QStringLiteral("Kenwood"), QStringLiteral("F"), 3);
    startPolling();
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.freqs.size() > 3; }, 3000));
    EXPECT_TRUE(main.modes.isEmpty());
}

}   // namespace
