// Both main windows as operating consoles, with real keys and clicks on the offscreen platform:
// band and mode from the menus, the labels and the rig reaching the logged line; the key routing
// to the keyers; Time On/Time Off and the clocks on the test clock; post-contest entry; the
// shut-down and File > Exit.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "core/Colors.h"
#include "core/Form1.h"
#include "core/Globals.h"
#include "core/Module2Log.h"
#include "core/Module2Prefs.h"
#include "keying/BlindFrm.h"
#include "keying/CWFrm.h"
#include "keying/PhoneFrm.h"
#include "mainwindow/BandModePanel.h"
#include "mainwindow/ClockPanel.h"
#include "mainwindow/Clocks.h"
#include "mainwindow/Infrm.h"
#include "mainwindow/KeyRouter.h"
#include "mainwindow/MainServices.h"
#include "mainwindow/Outfrm.h"
#include "platform/KeyEvents.h"
#include "tests/mainwindow/MainFrameFixture.h"

namespace {

using MainServices::DeviceWindow;

// The keyers as the key routing reaches them, recorded (the sending itself is the keyers').
struct RecordingKeyers : KeyRouter::Keyers {
    QStringList calls;
    QString speed = QStringLiteral("20");
    bool playing = false;
    int32_t status = 0;
    void FKeyCW(int k) override { calls << QStringLiteral("FKeyCW %1").arg(k); }
    void LoopThroughCWBuffer() override { calls << QStringLiteral("Loop ") + G.CWBuffer; }
    void UpDown1_UpClick() override { speed = QString::number(speed.toInt() + 1); }
    void UpDown1_DownClick() override { speed = QString::number(speed.toInt() - 1); }
    QString speedText() override { return speed; }
    void stopCWRepeat() override { calls << QStringLiteral("stopCWRepeat"); }
    void stopPhoneRepeat() override { calls << QStringLiteral("stopPhoneRepeat"); }
    void FKeyPhone(int k) override { calls << QStringLiteral("FKeyPhone %1").arg(k); }
    bool phonePlaying() override { return playing; }
    void stopPhone() override
    {
        playing = false;
        calls << QStringLiteral("stopPhone");
    }
    int32_t wk_getstatus() override { return status; }
    void wk_clearbuf() override
    {
        status = 0;
        calls << QStringLiteral("wk_clearbuf");
    }
    void wk_backspace() override { calls << QStringLiteral("wk_backspace"); }
};

class ConsoleWindowTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        KeyRouter::setKeyers(&keyers);
    }
    void TearDown() override
    {
        w.reset();
        in.reset();
        KeyRouter::setKeyers(nullptr);
        for (DeviceWindow d :
             {DeviceWindow::SpotWindow, DeviceWindow::SpectrumMap, DeviceWindow::BandPlan, DeviceWindow::RigTune,
              DeviceWindow::RigWindow, DeviceWindow::RoverCounty, DeviceWindow::KeyerDevice})
            MainServices::setDeviceWindow(d, {});
        CWFrm::unload();
        PhoneFrm::unload();
        BlindFrm::unload();
        MainFrameTest::TearDown();
    }

    void open()
    {
        w = shown<Outfrm>();
        prompts.clear();
    }
    QStringList tickedBands(MainFrame& f) const
    {
        QStringList out;
        for (const char* b : {"160", "80", "40", "20", "15", "10", "6", "2"})
            if (f.action(QStringLiteral("mnuBand%1Ch").arg(QLatin1String(b)))->isChecked())
                out << QString::fromLatin1(b);
        return out;
    }
    QStringList tickedModes(MainFrame& f) const
    {
        QStringList out;
        for (const char* m : {"mnu160", "mnuSSB", "mnuDigital"})
            if (f.action(QString::fromLatin1(m))->isChecked())
                out << QString::fromLatin1(m);
        return out;
    }
    QByteArray qsopref() const
    {
        QFile f(dir.filePath(QStringLiteral("QSOpref.txt")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // Opens a top-level menu by its Alt key and picks an item by its mnemonic.
    static void menuKey(QWidget* window, Qt::Key menuKey, Qt::Key itemKey)
    {
        QTest::keyClick(window, menuKey, Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        QTest::keyClick(popup, itemKey);
    }

    RecordingKeyers keyers;
    std::unique_ptr<Outfrm> w;
    std::unique_ptr<Infrm> in;
};

// ---- Band and mode ------------------------------------------------------------------------------

TEST_F(ConsoleWindowTest, BandAndModeFromMenusKeysLabelsAndRigReachTheLoggedLine)
{
    G.OutOfStateFlag = 1;
    open();
    G.LoggedOnFlag = 1;

    // The Band menu by its keys: Alt+B, then the item "40".
    w->action(QStringLiteral("mnuBand40Ch"))->setText(QStringLiteral("&40"));
    menuKey(w.get(), Qt::Key_B, Qt::Key_4);
    EXPECT_EQ(G.CurrentBand, QStringLiteral("40"));
    EXPECT_EQ(w->Label24->text(), QStringLiteral("40"));
    EXPECT_EQ(tickedBands(*w), QStringList{QStringLiteral("40")});
    EXPECT_EQ(qsopref(), Module2::QSOprefText());   // saved at once

    // The Mode menu by its keys: Alt+M, P.
    menuKey(w.get(), Qt::Key_M, Qt::Key_P);
    EXPECT_EQ(G.CurrentMode, QStringLiteral("PH"));
    EXPECT_EQ(w->Label30->text(), QStringLiteral("PH"));
    EXPECT_EQ(tickedModes(*w), QStringList{QStringLiteral("mnuSSB")});
    EXPECT_EQ(w->txtRSTR->maxLength(), 2);
    EXPECT_EQ(w->txtRSTS->maxLength(), 2);

    // The labels: the band steps 40 -> 20, the mode toggles PH -> CW -> PH.
    QTest::mouseClick(w->Label24, Qt::LeftButton);
    EXPECT_EQ(G.CurrentBand, QStringLiteral("20"));
    EXPECT_EQ(tickedBands(*w), QStringList{QStringLiteral("20")});
    QTest::mouseClick(w->Label30, Qt::LeftButton);
    EXPECT_EQ(G.CurrentMode, QStringLiteral("CW"));
    EXPECT_EQ(w->txtRSTR->maxLength(), 3);
    QTest::mouseClick(w->Label30, Qt::LeftButton);
    EXPECT_EQ(G.CurrentMode, QStringLiteral("PH"));

    // The rig poll through Form1 (which forwards to the out-of-state window): 21.2 MHz selects 15 m, a "cw" report the CW mode, then "PH".
    float f = 21.2f;
    Form1::instance().BandFreqConversion(f);
    EXPECT_EQ(f, 21.2f);
    EXPECT_EQ(G.CurrentBand, QStringLiteral("15"));
    EXPECT_EQ(w->Label24->text(), QStringLiteral("15"));
    EXPECT_EQ(G.CurrentFrequency, QStringLiteral("21.200"));
    QString mode = QStringLiteral("AM");
    Form1::instance().ModeSelection(mode);
    EXPECT_EQ(G.CurrentMode, QStringLiteral("PH"));
    mode = QStringLiteral("cw");
    Form1::instance().ModeSelection(mode);
    EXPECT_EQ(G.CurrentMode, QStringLiteral("CW"));
    mode = QStringLiteral("PH");
    Form1::instance().ModeSelection(mode);
    EXPECT_EQ(qsopref(), Module2::QSOprefText());

    // A contact typed now carries band, mode and the rig's frequency.
    w->txtCall->setFocus();
    keys(QStringLiteral("k9abc59mari"));
    key(Qt::Key_Return);
    EXPECT_EQ(readLog(),
              QByteArray("\"K9ABC\",\"59\",\"59\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"\",\"\",\"2024/05/04\","
                         "\"14:30:00\",\"PH\",\"15\",0,\"\",\"\",\"21.200\"\r\n"));
    EXPECT_EQ(G.CurrentFrequency, QString());
}

// A damaged mode line takes the installed CW and keeps its text through rewrites; the operator's
// CW from the Mode menu is written over it, and the damaged band line stays as it was.
TEST_F(ConsoleWindowTest, AModePickedFromTheMenuIsWrittenOverADamagedLine)
{
    G.OutOfStateFlag = 1;
    ASSERT_TRUE(Module2::WriteQSOpref());
    QList<QByteArray> lines = qsopref().split('\n');
    lines[8] = "\"CW\r";      // the mode without its closing quote
    lines[9] = "\"abc\"\r";   // no band
    QFile f(dir.filePath(QStringLiteral("QSOpref.txt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(lines.join('\n'));
    f.close();
    const Module2::PrefsReading r = Module2::ReadQSOpref();
    ASSERT_EQ(r.unread.size(), 2);
    ASSERT_EQ(G.CurrentMode, QStringLiteral("CW"));
    open();

    menuKey(w.get(), Qt::Key_M, Qt::Key_C);
    EXPECT_EQ(G.CurrentMode, QStringLiteral("CW"));
    const QList<QByteArray> written = qsopref().split('\n');
    ASSERT_EQ(written.size(), 26);
    EXPECT_EQ(written[8], "\"CW\"\r");
    EXPECT_EQ(written[9], "\"abc\"\r");
}

TEST_F(ConsoleWindowTest, RigReportsThatChangeOnlyTheFrequency)
{
    open();
    const QByteArray saved = qsopref();   // "<missing>": the load writes nothing
    const struct {
        const char* name;
        float mhz;
        const char* frequency;
    } cases[] = {
        {"the current band", 14.025f, "14.025"}, {"6 m", 50.125f, "50.125"},    {"30 m", 10.12f, "10.120"},
        {"10 GHz", 10368.1f, "10368.100"},       {"no band", 5.3585f, "5.359"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        float f = c.mhz;
        w->BandFreqConversion(f);
        EXPECT_EQ(G.CurrentBand, QStringLiteral("20"));
        EXPECT_EQ(G.CurrentFrequency, QString::fromLatin1(c.frequency));
        EXPECT_EQ(qsopref(), saved);   // no band command ran
    }
}

TEST_F(ConsoleWindowTest, LoweredReportLengthKeepsATypedReport)
{
    open();
    w->txtCall->setFocus();
    keys(QStringLiteral("k9abc"));
    key(Qt::Key_Tab);   // the default reports 599
    ASSERT_EQ(w->txtRSTS->text(), QStringLiteral("599"));
    w->bandMode().mnuSSB_Click();
    EXPECT_EQ(w->txtRSTS->text(), QStringLiteral("599"));
    EXPECT_EQ(w->row().txtRSTS.text, QStringLiteral("599"));
    // Further typing is limited to the phone length.
    w->txtRSTR->clear();
    w->txtRSTR->setFocus();
    keys(QStringLiteral("579"));
    EXPECT_EQ(w->txtRSTR->text(), QStringLiteral("57"));
}

TEST_F(ConsoleWindowTest, BandCommandRedrawsTheBandMapForTheNewBand)
{
    struct Panel : MainServices::SpotPanel {
        QStringList* calls;
        explicit Panel(QStringList* c) : calls(c) {}
        void PacketResize() override {}
        void BandMapSpots(QVariant&, QVariant&, QVariant&) override {}
        void DisplayBandMapLabels() override { *calls << QStringLiteral("labels ") + G.CurrentBand; }
        void SetBandMapRange() override { *calls << QStringLiteral("range ") + G.CurrentBand; }
        void RefreshBandMap() override {}
    };
    QStringList calls;
    MainServices::setSpotPanelFactory([&calls](MainFrame&) { return std::make_unique<Panel>(&calls); });
    open();
    MainServices::setSpotPanelFactory({});
    w->mnuBand80Ch_Click();   // neither list nor map shown
    EXPECT_TRUE(calls.isEmpty());
    w->lblDX->show();
    calls.clear();
    w->mnuBand10Ch_Click();
    EXPECT_EQ(calls, QStringList({"range 10", "labels 10"}));
}

// ---- Key routing --------------------------------------------------------------------------------

TEST_F(ConsoleWindowTest, FunctionAndArrowKeysGoToTheKeyerOfTheMode)
{
    open();
    const struct {
        const char* name;
        const char* mode;
        int method;
        int code;
        const char* call;     // what the keyers got
        int codeAfter;        // what the focused control gets
        const char* status;   // lblDialog afterwards ("-": untouched)
    } cases[] = {
        {"PH F1", "PH", 0, 112, "FKeyPhone 112", 112, "-"},
        {"PH F9", "PH", 1, 120, "FKeyPhone 120", 120, "-"},
        {"PH F10 withheld", "PH", 1, 121, "", 0, "-"},
        {"PH F11", "PH", 1, 122, "", 122, "-"},
        {"CW F1", "CW", 1, 112, "FKeyCW 112", 112, "-"},
        {"CW F10 message", "CW", 1, 121, "FKeyCW 124", 124, "-"},
        {"CW F11", "CW", 3, 122, "FKeyCW 122", 122, "-"},
        {"CW without output", "CW", 0, 112, "", 112, "-"},
        {"CW F10 without output", "CW", 0, 121, "", 121, "-"},
        {"DG F1", "DG", 1, 112, "", 112, "-"},
        {"CW Up", "CW", 1, 38, "", 0, "21 WPM"},
        {"CW Down", "CW", 1, 40, "", 0, "19 WPM"},
        {"PH Up", "PH", 1, 38, "", 38, "-"},
        {"CW Up without output", "CW", 0, 38, "", 38, "-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        keyers.calls.clear();
        keyers.speed = QStringLiteral("20");
        w->lblDialog->setText(QStringLiteral("-"));
        G.CurrentMode = QString::fromLatin1(c.mode);
        G.CWKeyMethod = uint8_t(c.method);
        int code = c.code, shift = 0;
        w->Form_KeyDown(code, shift);
        EXPECT_EQ(keyers.calls.join(QLatin1Char('|')), QString::fromLatin1(c.call));
        EXPECT_EQ(code, c.codeAfter);
        EXPECT_EQ(w->lblDialog->text(), QString::fromLatin1(c.status));
    }

    // The speed keys stop at 5 and 99 WPM and still show the speed.
    G.CurrentMode = QStringLiteral("CW");
    G.CWKeyMethod = 1;
    keyers.speed = QStringLiteral("99");
    key(Qt::Key_Up);
    EXPECT_EQ(keyers.speed, QStringLiteral("99"));
    EXPECT_EQ(w->lblDialog->text(), QStringLiteral("99 WPM"));
    keyers.speed = QStringLiteral("5");
    key(Qt::Key_Down);
    EXPECT_EQ(keyers.speed, QStringLiteral("5"));
    EXPECT_EQ(w->lblDialog->text(), QStringLiteral("5 WPM"));

    // A real F1 key reaches the keyer.
    keyers.calls.clear();
    key(Qt::Key_F1);
    EXPECT_EQ(keyers.calls, QStringList{QStringLiteral("FKeyCW 112")});
}

TEST_F(ConsoleWindowTest, AnyKeyStopsARepeatingMessage)
{
    open();
    G.CurrentMode = QStringLiteral("CW");
    G.CWKeyMethod = 5;
    G.WinkeyVersion = 1;
    G.CWRepeatOn = 1;
    G.PhoneRepeatOn = 1;
    G.CWBuffer = QStringLiteral("CQ TEST");
    key(Qt::Key_Shift);
    EXPECT_EQ(keyers.calls, QStringList({"wk_clearbuf", "stopCWRepeat", "stopPhoneRepeat"}));
    EXPECT_EQ(G.CWRepeatOn, 0);
    EXPECT_EQ(G.PhoneRepeatOn, 0);
    EXPECT_TRUE(G.CWBuffer.isEmpty());

    // F1 starts the message again: the old repeat stops first, then the keyer gets F1.
    G.CWRepeatOn = 1;
    keyers.calls.clear();
    key(Qt::Key_F1);
    EXPECT_EQ(keyers.calls, QStringList({"wk_clearbuf", "stopCWRepeat", "FKeyCW 112"}));
}

TEST_F(ConsoleWindowTest, CtrlKeysOpenDeviceWindowsAndTypeNothing)
{
    QStringList opened;
    for (auto [d, name] : {std::pair{DeviceWindow::SpectrumMap, "SpectrumMap"},
                           {DeviceWindow::SpotWindow, "Spots"},
                           {DeviceWindow::BandPlan, "BandPlan"},
                           {DeviceWindow::RigTune, "RigTune"},
                           {DeviceWindow::RigWindow, "Rig"}})
        MainServices::setDeviceWindow(d, {[&opened, n = QString::fromLatin1(name)] { opened << n; }, {}});
    open();
    for (Qt::Key k : {Qt::Key_B, Qt::Key_D, Qt::Key_F, Qt::Key_G, Qt::Key_R})
        key(k, Qt::ControlModifier);
    EXPECT_EQ(opened, QStringList({"SpectrumMap", "Spots", "BandPlan", "RigTune", "Rig"}));

    // Ctrl+C and Ctrl+P show the keyer windows; nothing is typed into the call field.
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(CWFrm::loaded() && CWFrm::instance().isVisible());
    w->activateWindow();
    w->txtCall->setFocus();
    key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(PhoneFrm::loaded() && PhoneFrm::instance().isVisible());
    w->activateWindow();
    w->txtCall->setFocus();
    EXPECT_EQ(w->txtCall->text(), QString());

    // Ctrl with Shift is no hot key; the character of any Ctrl combination is dropped.
    opened.clear();
    key(Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(opened.isEmpty());
    key(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(w->txtCall->text(), QString());

    // Ctrl alone leaves the next character to be dropped.
    int code = KeyEvents::vbKeyControl, shift = KeyEvents::CtrlMask;
    w->Form_KeyDown(code, shift);
    keys(QStringLiteral("kw"));
    EXPECT_EQ(w->txtCall->text(), QStringLiteral("W"));
}

TEST_F(ConsoleWindowTest, KeyboardCwModeSendsTypedCharacters)
{
    open();
    G.CurrentMode = QStringLiteral("CW");
    G.CWKeyMethod = 1;
    key(Qt::Key_F12);
    EXPECT_EQ(G.KeyboardCWMode, 1);
    EXPECT_EQ(w->lblDialog->text(), QStringLiteral("Keyboard CW mode is ON!  Press F12 to exit."));
    EXPECT_EQ(Colors::toNumber(w->lblDialog->palette().color(QPalette::Window)), 0xC0FFFF);

    // Typed characters go to the CW text in capitals, quotes nowhere; the fields stay empty.
    keys(QStringLiteral("c\"q'"));
    EXPECT_EQ(keyers.calls, QStringList({"Loop C", "Loop CQ"}));
    EXPECT_EQ(w->txtCall->text(), QString());

    // While the loop runs, characters are only appended and Backspace takes the last one back.
    G.CWSending = 1;
    G.CWBuffer = QStringLiteral("CQ");
    keyers.calls.clear();
    keys(QStringLiteral("tx"));
    key(Qt::Key_Backspace);
    EXPECT_EQ(G.CWBuffer, QStringLiteral("CQT"));
    EXPECT_TRUE(keyers.calls.isEmpty());
    // Enter goes to the CW text and logs nothing.
    key(Qt::Key_Return);
    EXPECT_EQ(G.CWBuffer, QStringLiteral("CQT\r"));
    EXPECT_EQ(readLog(), QByteArray("<missing>"));

    // With the keyer device holding characters, Backspace takes back its last one.
    G.WinkeyVersion = 1;
    keyers.status = 2;
    key(Qt::Key_Backspace);
    EXPECT_EQ(keyers.calls, QStringList{QStringLiteral("wk_backspace")});
    EXPECT_EQ(G.CWBuffer, QStringLiteral("CQT\r"));

    // In phone mode typing reaches the fields again; F12 is only switched in CW.
    G.CWSending = 0;
    G.WinkeyVersion = 0;
    G.CWBuffer.clear();
    G.CurrentMode = QStringLiteral("PH");
    keys(QStringLiteral("k9"));
    EXPECT_EQ(w->txtCall->text(), QStringLiteral("K9"));
    key(Qt::Key_F12);
    EXPECT_EQ(G.KeyboardCWMode, 1);
    G.CurrentMode = QStringLiteral("CW");
    key(Qt::Key_F12);
    EXPECT_EQ(G.KeyboardCWMode, 0);
    EXPECT_EQ(w->lblDialog->text(), QString());
    EXPECT_EQ(Colors::toNumber(w->lblDialog->palette().color(QPalette::Window)), 0xC0C000);

    // The in-state window's own message.
    w.reset();
    in = shown<Infrm>();
    key(Qt::Key_F12);
    EXPECT_EQ(in->lblDialog->text(), QStringLiteral("Press F12 to exit keyboard CW mode."));
}

TEST_F(ConsoleWindowTest, EscStopsWhatIsSentOrPlayedElseClearsTheEntry)
{
    open();
    const struct {
        const char* name;
        const char* mode;
        int method, version, status, sending;
        bool playing;
        const char* call;   // keyer calls
        bool entryKept;
        bool bufferEmptied;
    } cases[] = {
        {"voice message playing", "PH", 1, 0, 0, 0, true, "stopPhone", true, false},
        {"voice playing, mode CW", "CW", 1, 0, 0, 0, true, "", false, false},
        {"keyer device busy", "CW", 5, 1, 3, 0, false, "wk_clearbuf", true, true},
        {"keyer device idle", "CW", 5, 1, 0, 0, false, "", false, false},
        {"CW send loop runs", "CW", 1, 0, 0, 1, false, "", true, true},
        {"nothing sent", "CW", 1, 0, 0, 0, false, "", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        G.CurrentMode = QString::fromLatin1(c.mode);
        G.CWKeyMethod = uint8_t(c.method);
        G.WinkeyVersion = uint8_t(c.version);
        keyers.status = c.status;
        G.CWSending = uint8_t(c.sending);
        keyers.playing = c.playing;
        G.CWBuffer = QStringLiteral("TEST");
        w->txtCall->setFocus();
        w->row().setText(Entry::Field::Call, QStringLiteral("K9ABC"));
        w->txtCall->setText(QStringLiteral("K9ABC"));
        keyers.calls.clear();
        key(Qt::Key_Escape);
        EXPECT_EQ(keyers.calls.join(QLatin1Char('|')), QString::fromLatin1(c.call));
        EXPECT_EQ(w->txtCall->text(), c.entryKept ? QStringLiteral("K9ABC") : QString());
        EXPECT_EQ(G.CWBuffer.isEmpty(), c.bufferEmptied);
    }
}

// ---- Operating time and clocks ------------------------------------------------------------------

TEST_F(ConsoleWindowTest, TimeOnTimeOffAndTheClocks)
{
    open();
    G.OpSecondsSaved = 754;
    w->clocks().ShowOperatingTime();
    EXPECT_EQ(w->lblttrack->text(), QStringLiteral("00:12:34"));

    // Local 10:30:00 (UTC 14:30:00, offset 4 h).
    w->clocks().Timer2_Timer();
    EXPECT_EQ(w->lblutctime->text(), QStringLiteral("14:30:00"));
    EXPECT_EQ(w->lblCurTime->text(), QStringLiteral("10:30:00"));
    EXPECT_EQ(w->Label16->text(), QLocale::system().amText());
    EXPECT_EQ(w->lblttrack->text(), QStringLiteral("00:12:34"));   // logged off: stands still

    QTest::mouseClick(w->cmdLogOn, Qt::LeftButton);
    EXPECT_EQ(G.LoggedOnFlag, 1);
    EXPECT_EQ(w->cmdLogOn->text(), QStringLiteral("&Log \"Time Off\""));
    EXPECT_EQ(w->lblDialog->text(), QStringLiteral(" "));
    EXPECT_EQ(focused(), w->txtCall);

    clock.advanceMs(3725 * 1000);   // 1 h 2 min 5 s
    clock.set(QDateTime(QDate(2024, 5, 4), QTime(15, 32, 5), Qt::UTC), -4 * 3600);
    w->clocks().Timer2_Timer();
    EXPECT_EQ(w->lblttrack->text(), QStringLiteral("01:14:39"));
    EXPECT_EQ(w->lblCurTime->text(), QStringLiteral("11:32:05"));

    QTest::mouseClick(w->cmdLogOn, Qt::LeftButton);
    EXPECT_EQ(G.LoggedOnFlag, 0);
    EXPECT_EQ(w->cmdLogOn->text(), QStringLiteral("&Log \"Time On\""));
    EXPECT_EQ(G.OpSecondsSaved, 754.0f + 3725.0f);
    EXPECT_EQ(w->lblDialog->text(), QStringLiteral("Logged Off at ") +
                                        QLocale::system().toString(QDate(2024, 5, 4), QLocale::ShortFormat) +
                                        QStringLiteral(" 15:32:05"));
    EXPECT_EQ(focused(), w->txtCall);
    G.OpSecondsSaved = 0;
    ASSERT_TRUE(Module2::ReadQSOpref());
    EXPECT_EQ(G.OpSecondsSaved, 4479.0f);

    // Time Off before the first tick keeps the total as it was before that Time On.
    QTest::mouseClick(w->cmdLogOn, Qt::LeftButton);
    clock.set(QDateTime(QDate(2024, 5, 4), QTime(15, 32, 5, 800), Qt::UTC), -4 * 3600);
    QTest::mouseClick(w->cmdLogOn, Qt::LeftButton);
    EXPECT_EQ(G.OpSecondsSaved, 4479.0f);

    // The first contact logged with the clock stopped starts it.
    keys(QStringLiteral("k9abc599mari"));
    key(Qt::Key_Return);
    EXPECT_EQ(G.LoggedOnFlag, 1);
    EXPECT_EQ(w->cmdLogOn->text(), QStringLiteral("&Log \"Time Off\""));
}

TEST_F(ConsoleWindowTest, ClockTexts)
{
    const QDateTime local(QDate(2024, 5, 4), QTime(23, 45, 10), Qt::UTC);
    EXPECT_EQ(Clocks::utcClock(local, 5.5), QStringLiteral("05:15:10"));   // the whole offset
    EXPECT_EQ(Clocks::utcClock(local, -4), QStringLiteral("19:45:10"));
    EXPECT_EQ(Clocks::localClock(local), QStringLiteral("11:45:10"));
    EXPECT_EQ(Clocks::localClock(QDateTime(QDate(2024, 5, 4), QTime(0, 5, 0), Qt::UTC)), QStringLiteral("12:05:00"));
    EXPECT_EQ(Clocks::amPm(local), QLocale::system().pmText());
    // "Logged Off at" adds the offset in whole hours: 5.5 h gives 6 h.
    EXPECT_TRUE(Clocks::loggedOffText(local, 5.5).endsWith(QStringLiteral(" 05:45:10")));
    // A PC clock set back before Time On gives the absolute value of the sum.
    const QDateTime on(QDate(2024, 5, 4), QTime(12, 0, 0), Qt::UTC);
    EXPECT_EQ(Clocks::operatingSeconds(on, on.addSecs(90), 100), 190.0f);
    EXPECT_EQ(Clocks::operatingSeconds(on, on.addSecs(-300), 100), 200.0f);

    // A damaged saved offset still gives a clock text. (The undefined-behaviour sanitizer
    // reports the overflow such a value caused.)
    const QRegularExpression time(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"));
    for (double absurd : {1e30, -1e30, double(std::numeric_limits<float>::max()), std::nan("")}) {
        EXPECT_TRUE(time.match(Clocks::utcClock(local, absurd)).hasMatch()) << absurd;
        EXPECT_TRUE(Clocks::loggedOffText(local, absurd).startsWith(QStringLiteral("Logged Off at "))) << absurd;
    }
}

// ---- Post-contest entry -------------------------------------------------------------------------

TEST_F(ConsoleWindowTest, PostContestContactTakesTheTypedDateAndTime)
{
    open();
    G.LoggedOnFlag = 1;
    QAction* item = w->action(QStringLiteral("mnuPostContest"));
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    for (QWidget* c : {static_cast<QWidget*>(w->lblPostConTime), static_cast<QWidget*>(w->txtPostConTime),
                       static_cast<QWidget*>(w->lblPostConDate), static_cast<QWidget*>(w->txtPostConDate)})
        EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(focused(), w->txtCall);   // the focus stays

    // Never focused, the date box is empty: the contact is refused.
    keys(QStringLiteral("k9abc599mari"));
    key(Qt::Key_Return);
    EXPECT_EQ(w->lblDialog->text(), QStringLiteral("Invalid date format!"));
    EXPECT_EQ(readLog(), QByteArray("<missing>"));

    // Tab from the report sent reaches the time box; letters, blanks and "/" are dropped there,
    // Space moves on to the date box, which fills itself with today's local date.
    w->txtRSTS->setFocus();
    key(Qt::Key_Tab);
    ASSERT_EQ(focused(), w->txtPostConTime);
    keys(QStringLiteral("9a/-3x0"));
    EXPECT_EQ(w->txtPostConTime->text(), QStringLiteral("930"));
    keys(QStringLiteral(" "));
    ASSERT_EQ(focused(), w->txtPostConDate);
    EXPECT_EQ(w->txtPostConDate->text(), QStringLiteral("2024/05/04"));
    EXPECT_EQ(w->txtPostConDate->selectedText(), QStringLiteral("2024/05/04"));
    keys(QStringLiteral("5/4:/2026"));
    EXPECT_EQ(w->txtPostConDate->text(), QStringLiteral("5/4/2026"));
    key(Qt::Key_Return);
    EXPECT_EQ(readLog(),
              QByteArray("\"K9ABC\",\"599\",\"599\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"\",\"\",\"2026/05/04\","
                         "\"09:30\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n"));
    // The entry is cleared; the boxes keep the rewritten date and time for the next contact.
    EXPECT_EQ(w->txtCall->text(), QString());
    EXPECT_EQ(w->txtPostConDate->text(), QStringLiteral("2026/05/04"));
    EXPECT_EQ(w->txtPostConTime->text(), QStringLiteral("09:30"));

    // Off and on again: hidden, then shown with the same texts.
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(w->txtPostConTime->isVisible());
    EXPECT_FALSE(w->row().txtPostConTime.visible);
    item->trigger();
    EXPECT_EQ(w->txtPostConTime->text(), QStringLiteral("09:30"));
}

TEST_F(ConsoleWindowTest, InStatePostContestBoxesFilterAndFill)
{
    in = shown<Infrm>();
    in->action(QStringLiteral("mnuPostContest"))->trigger();
    in->txtPostConTime->setFocus();
    keys(QStringLiteral("1a4:3/0"));
    EXPECT_EQ(in->txtPostConTime->text(), QStringLiteral("14:30"));
    keys(QStringLiteral(" "));
    ASSERT_EQ(focused(), in->txtPostConDate);
    EXPECT_EQ(in->txtPostConDate->text(), QStringLiteral("2024/05/04"));
    keys(QStringLiteral("5-4:2"));
    EXPECT_EQ(in->txtPostConDate->text(), QStringLiteral("542"));
}

// ---- Shut-down ----------------------------------------------------------------------------------

TEST_F(ConsoleWindowTest, CloseReleasesTheDeviceWindowsBacksUpAndSavesTheTime)
{
    QStringList unloaded;
    for (auto [d, name] : {std::pair{DeviceWindow::SpotWindow, "Spots"},
                           {DeviceWindow::SpectrumMap, "SpectrumMap"},
                           {DeviceWindow::RigWindow, "Rig"},
                           {DeviceWindow::RoverCounty, "RoverCounty"},
                           {DeviceWindow::KeyerDevice, "KeyerDevice"}})
        MainServices::setDeviceWindow(d, {{}, [&unloaded, n = QString::fromLatin1(name)] { unloaded << n; }});
    open();
    PhoneFrm::instance();
    CWFrm::instance();
    G.LoggedOnFlag = 1;
    keys(QStringLiteral("k9abc599mari"));
    key(Qt::Key_Return);
    ASSERT_EQ(G.QSOCount, 1);
    G.OpSecondsTotal = 321;

    // A close while CW is sent is refused once: the text waiting is dropped.
    G.CWSending = 1;
    G.CWBuffer = QStringLiteral("TU 599");
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(G.CWBuffer.isEmpty());
    EXPECT_TRUE(unloaded.isEmpty());
    EXPECT_TRUE(backups().isEmpty());

    // The send loop has stopped: the next close goes through.
    G.CWSending = 0;
    EXPECT_TRUE(w->close());
    EXPECT_EQ(unloaded, QStringList({"Spots", "SpectrumMap", "Rig", "KeyerDevice"}));
    EXPECT_FALSE(PhoneFrm::loaded());
    EXPECT_FALSE(CWFrm::loaded());
    EXPECT_FALSE(Form1::isLoaded());
    ASSERT_EQ(backups(), QStringList{QStringLiteral("202405041030.log")});   // named by the local time
    QFile backup(Module2::BackupFolder() + QStringLiteral("/202405041030.log"));
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_EQ(backup.readAll(), readLog());
    EXPECT_EQ(G.LoggedOnFlag, 0);
    G.OpSecondsSaved = 0;
    ASSERT_TRUE(Module2::ReadQSOpref());
    EXPECT_EQ(G.OpSecondsSaved, 321.0f);

    // A second close from the window system runs nothing again.
    unloaded.clear();
    QFile::remove(dir.filePath(QStringLiteral("QSOpref.txt")));
    w->show();
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(unloaded.isEmpty());
    EXPECT_EQ(qsopref(), QByteArray("<missing>"));
}

TEST_F(ConsoleWindowTest, CloseWithoutNewContactsOrLoggedOffWritesNothing)
{
    QStringList unloaded;
    MainServices::setDeviceWindow(DeviceWindow::RoverCounty,
                                  {{}, [&unloaded] { unloaded << QStringLiteral("Rover"); }});
    MainServices::setDeviceWindow(DeviceWindow::KeyerDevice,
                                  {{}, [&unloaded] { unloaded << QStringLiteral("WinKey"); }});
    writeLog(kOutStateLine);
    in = shown<Infrm>();
    ASSERT_EQ(G.QSOCount, 1);
    EXPECT_TRUE(in->close());
    EXPECT_TRUE(backups().isEmpty());                        // the count read at load
    EXPECT_EQ(qsopref(), QByteArray("<missing>"));           // logged off: nothing to save
    EXPECT_EQ(unloaded, QStringList({"Rover", "WinKey"}));   // the rover window first
}

TEST_F(ConsoleWindowTest, ExitSavesTheOperatingTimeOnly)
{
    bool released = false;
    MainServices::setDeviceWindow(DeviceWindow::KeyerDevice, {{}, [&released] { released = true; }});
    open();
    G.LoggedOnFlag = 1;
    keys(QStringLiteral("k9abc599mari"));
    key(Qt::Key_Return);
    G.OpSecondsTotal = 42;
    CWFrm::instance();
    w->action(QStringLiteral("mnuExit"))->trigger();
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(G.LoggedOnFlag, 0);
    G.OpSecondsSaved = 0;
    ASSERT_TRUE(Module2::ReadQSOpref());
    EXPECT_EQ(G.OpSecondsSaved, 42.0f);
    EXPECT_TRUE(backups().isEmpty());
    EXPECT_FALSE(released);
    EXPECT_TRUE(CWFrm::loaded());
}

// ---- Contact list -------------------------------------------------------------------------------

TEST_F(ConsoleWindowTest, CallFieldFocusHidesEditButtonsAndColumnsShowTheirTexts)
{
    writeLog(kOutStateLine + lineFor(QStringLiteral("W1AW")));
    open();
    QTreeView* v = w->ListView1;
    const QPoint row = v->visualRect(v->model()->index(0, 1)).center();
    for (auto clear : {+[](Outfrm& f) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); },
                       +[](Outfrm& f) { f.action(QStringLiteral("mnuClear"))->trigger(); },
                       +[](Outfrm& f) { QTest::mouseClick(f.txtCall, Qt::LeftButton); }}) {
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, row);
        ASSERT_TRUE(w->cmdEdit->isVisible());
        ASSERT_TRUE(w->cmdDelete->isVisible());
        clear(*w);
        EXPECT_EQ(focused(), w->txtCall);
        EXPECT_FALSE(w->cmdEdit->isVisible());
        EXPECT_FALSE(w->cmdDelete->isVisible());
    }

    // Every column is wide enough for its header and its texts.
    const QFontMetrics fm(v->font());
    for (int c = 0; c < v->model()->columnCount(); ++c) {
        SCOPED_TRACE(v->model()->headerData(c, Qt::Horizontal).toString().toStdString());
        for (int r = 0; r < v->model()->rowCount(); ++r) {
            const QString text = v->model()->index(r, c).data().toString();
            EXPECT_GE(v->columnWidth(c), fm.horizontalAdvance(text)) << text.toStdString();
        }
        EXPECT_GE(v->columnWidth(c), v->header()->sectionSizeHint(c));
    }
}

}   // namespace
