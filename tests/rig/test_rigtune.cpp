// The tuning panel: its arithmetic and what it sends, decided without widgets; then the panel
// itself tuning fake radios on ptys through the rig window.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <memory>
#include <tuple>

#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "rig/RigTune.h"
#include "rig/frmRigTune.h"
#include "tests/rig/RigFixture.h"
#include "tests/support/ScriptedPrompts.h"

namespace {

TEST(RigTuneArithmetic, PresetsAndStepsWriteTheBoxAsTheOperatorReadsIt)
{
    EXPECT_EQ(RigTune::presetText(0), QStringLiteral("1.9"));
    EXPECT_EQ(RigTune::presetText(5), QStringLiteral("14.175"));
    EXPECT_EQ(RigTune::presetText(10), QStringLiteral("52"));
    EXPECT_EQ(RigTune::presetText(12), QStringLiteral("223.5"));
    EXPECT_EQ(RigTune::presetText(15), QStringLiteral("1270"));

    struct Case {
        const char* name;
        const char* box;
        int button;
        std::optional<QString> result;
    };
    const Case cases[] = {
        {"1 KHz up", "14.175", 6, QStringLiteral("14.176")},
        {"5 KHz down", "14.176", 5, QStringLiteral("14.171")},
        {"10 Hz up keeps five decimals", "14.175", 0, QStringLiteral("14.17501")},
        {"100 Hz down", "7.04", 9, QStringLiteral("7.0399")},
        {"1 MHz up on a whole number", "7", 2, QStringLiteral("8")},
        {"down through zero", "0.5", 3, QStringLiteral("-0.5")},
        {"down to zero", "0.00001", 1, QStringLiteral("0")},
        {"the scan's trailing point", "14.", 6, QStringLiteral("14.001")},
        {"empty box", "", 2, std::nullopt},
        {"slash", "7/04", 2, std::nullopt},
        {"two points", "7.0.4", 2, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RigTune::steppedText(QString::fromLatin1(c.box), RigTune::TuneSteps[size_t(c.button)].mhz), c.result)
            << c.name;
}

TEST(RigTuneArithmetic, ScanClimbsAndWrapsToTheLowerLimit)
{
    // 2.5 KHz steps between 14.0 and 14.01 from 14.008: 14.0105 is above the limit, so the lower
    // limit itself; a result equal to the upper limit is still sent.
    QString box = QStringLiteral("14.008");
    QStringList seen;
    for (int i = 0; i < 6; ++i) {
        const std::optional<QString> next =
            RigTune::scanTick(box, QStringLiteral("14.0"), QStringLiteral("14.01"), 0.0025);
        ASSERT_TRUE(next);
        seen << *next;
        box = *next;
    }
    EXPECT_EQ(seen, QStringList({"14.", "14.0025", "14.005", "14.0075", "14.01", "14."}));

    // A start below the lower limit climbs from there; limits the wrong way round give the lower one.
    EXPECT_EQ(RigTune::scanTick(QStringLiteral("13.9"), QStringLiteral("14"), QStringLiteral("14.35"), 0.0005),
              QStringLiteral("13.9005"));
    EXPECT_EQ(RigTune::scanTick(QStringLiteral("7.1"), QStringLiteral("7.2"), QStringLiteral("7"), 0.0025),
              QStringLiteral("7.2"));
    // No step chosen: the frequency stays.
    EXPECT_EQ(RigTune::scanTick(QStringLiteral("7.1"), QStringLiteral("7"), QStringLiteral("7.3"), 0),
              QStringLiteral("7.1"));

    // Nothing happens unless all three boxes are numbers single precision holds.
    const QString huge = QStringLiteral("1") + QString(40, QLatin1Char('0'));
    for (auto [freq, from, to] : {std::tuple{"", "1.8", "54"}, {"7.1", "", "54"}, {"7.1", "1.8", "5/4"}})
        EXPECT_FALSE(
            RigTune::scanTick(QString::fromLatin1(freq), QString::fromLatin1(from), QString::fromLatin1(to), 0.0025))
            << freq << " " << from << " " << to;
    EXPECT_FALSE(RigTune::scanTick(huge, QStringLiteral("1.8"), QStringLiteral("54"), 0.0025));

    EXPECT_EQ(RigTune::scanText(7), QStringLiteral("7."));
    EXPECT_EQ(RigTune::scanText(0.5f), QStringLiteral(".5"));
    EXPECT_EQ(RigTune::scanText(1270), QStringLiteral("1270."));
    EXPECT_EQ(RigTune::scanText(14.17501f), QStringLiteral("14.17501"));
}

TEST(RigTuneArithmetic, KeyFilterLetsPointSlashDigitsAndBackspaceThrough)
{
    for (int k = 0; k < 256; ++k) {
        const bool passes = k == 8 || (k >= '.' && k <= '9');
        EXPECT_EQ(RigTune::filterKey(k), passes ? k : 0) << k;
    }
    EXPECT_EQ(RigTune::filterPasted(QStringLiteral(" 14,175 MHz\t7/1.")), QStringLiteral("141757/1."));
}

// The panel never hands the rig window a frequency the model's set-frequency command cannot carry.
TEST(RigTuneSend, OnlyFrequenciesTheModelsCommandCarries)
{
    const QString huge = QStringLiteral("1") + QString(40, QLatin1Char('0'));
    struct Case {
        const char* name;
        const char* rig;
        QString box;
        std::optional<float> sent;
    };
    const Case cases[] = {
        {"a preset", "Kenwood", QStringLiteral("14.175"), 14.175f},
        {"no rig", "None", QStringLiteral("14.175"), std::nullopt},
        {"no rig is exact: other spellings are a model", "none", QStringLiteral("14.175"), 14.175f},
        {"a first run's empty type is no rig", "", QStringLiteral("14.175"), std::nullopt},
        {"not numeric", "Kenwood", QStringLiteral("7/04"), std::nullopt},
        {"empty", "Kenwood", QString(), std::nullopt},
        {"zero", "Kenwood", QStringLiteral("0"), std::nullopt},
        {"stepped below zero", "Kenwood", QStringLiteral("-0.5"), std::nullopt},
        {"rounds to no hertz", "Kenwood", QStringLiteral("0.0000004"), std::nullopt},
        {"a hundred hertz", "Kenwood", QStringLiteral("0.0001"), 0.0001f},
        {"beyond single precision", "Kenwood", huge, std::nullopt},
        {"11 digits of hertz hold 23 cm", "Kenwood", QStringLiteral("1270"), 1270.f},
        {"but not 100 GHz", "Kenwood", QStringLiteral("100000"), std::nullopt},
        {"IF model", "Kenwood 2", QStringLiteral("100000"), std::nullopt},
        {"8 digits of hertz: 6 m fits", "Yaesu FTdx9000", QStringLiteral("52"), 52.f},
        {"8 digits of hertz: 2 m does not", "Yaesu FTdx9000", QStringLiteral("146"), std::nullopt},
        {"4-byte CI-V: 2 m does not", "Icom 735", QStringLiteral("146"), std::nullopt},
        {"5-byte CI-V: 23 cm fits", "Icom", QStringLiteral("1270"), 1270.f},
        {"CI-V address not hex", "Icom", QStringLiteral("14.175"), std::nullopt},
        {"8 digits of 10 Hz: 33 cm fits", "Yaesu", QStringLiteral("915"), 915.f},
        {"8 digits of 10 Hz: 23 cm does not", "Yaesu", QStringLiteral("1270"), std::nullopt},
        {"status-block Yaesu", "Yaesu 890", QStringLiteral("1270"), std::nullopt},
        {"front panel: 4 bytes of hertz", "Ten Tec Fnt Pnl", QStringLiteral("5000"), std::nullopt},
        {"front panel: 23 cm fits", "Ten Tec Fnt Pnl", QStringLiteral("1270"), 1270.f},
        {"Orion", "Ten Tec Orion", QStringLiteral("1270"), 1270.f},
        {"Pegasus file", "Ten Tec Pegasus", QStringLiteral("14.175"), 14.175f},
        {"Pegasus zero", "Ten Tec Pegasus", QStringLiteral("0"), std::nullopt},
        {"Other: no command of its own", "Other", QStringLiteral("14.175"), 14.175f},
        {"Other: still nothing below zero", "Other", QStringLiteral("-1"), std::nullopt},
    };
    for (const Case& c : cases) {
        const QString rig = QString::fromLatin1(c.rig);
        const Rig::Model* m = Rig::findModel(rig);
        QString query = m ? m->freqQuery : QStringLiteral("FA;");
        if (QByteArray(c.name).startsWith("CI-V address"))
            query = QStringLiteral("FE FE XY E0 03 FD");
        EXPECT_EQ(RigTune::frequencyToSend(c.box, rig, query, 10), c.sent) << c.name;
    }
}

// The panel with a rig window polling a fake radio.
class RigTunePanel : public RigTest {
protected:
    void SetUp() override
    {
        RigTest::SetUp();
        Platform::setPrompts(&prompts);
    }
    void TearDown() override
    {
        panel.reset();
        Platform::setPrompts(nullptr);
        RigTest::TearDown();
    }

    // Polls `radio` as `model` and opens the panel.
    void open(FakeRadio& radio, const QString& model)
    {
        writeSettings(model);
        usePort(radio);
        ASSERT_TRUE(startPolling().tmrGetData->isEnabled());
        panel = std::make_unique<frmRigTune>();
        panel->show();
        panel->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    }
    // Waits until no frequency change is under way (the poll timer is its busy flag).
    static bool idle()
    {
        return QTest::qWaitFor([] { return RigControlfrm::instance().tmrGetData->isEnabled(); }, 10000);
    }

    Platform::ScriptedPrompts prompts;
    std::unique_ptr<frmRigTune> panel;
};

TEST_F(RigTunePanel, OpensAfresh)
{
    G.RigType = QStringLiteral("None");
    // On a screen twice the design size: positions double, fonts grow by at most 1.5.
    Platform::setScreenOverride(Platform::Screen::ofSize(19200, 14400));
    frmRigTune p;
    Platform::setScreenOverride(std::nullopt);
    EXPECT_EQ(p.cmdDone->geometry(), QRect(272, 608, 98, 50));
    EXPECT_DOUBLE_EQ(p.cmdDone->font().pointSizeF(), 12.375);
    EXPECT_DOUBLE_EQ(p.Label2->font().pointSizeF(), 14.625);
    EXPECT_TRUE(p.Label2->font().bold());
    EXPECT_EQ(p.windowTitle(), QStringLiteral(" Change Frequency and Mode (Ctrl G (Go))"));
    EXPECT_TRUE(p.txtFreq->text().isEmpty());
    EXPECT_EQ(p.txtFrom->text(), QStringLiteral("1.8"));
    EXPECT_EQ(p.txtTo->text(), QStringLiteral("54"));
    EXPECT_FALSE(p.chkScan->isChecked());
    EXPECT_TRUE(p.Option[3]->isChecked());
    EXPECT_EQ(p.Option[3]->text(), QStringLiteral("10 Hz"));
    EXPECT_EQ(p.Timer1->interval(), 299);
    EXPECT_TRUE(p.Timer1->isActive());
    EXPECT_EQ(p.cmdBand[15]->text(), QStringLiteral("23"));
    EXPECT_EQ(p.cmdTune[4]->text(), QStringLiteral("5 KHz"));
    EXPECT_EQ(p.cmdRTTY->text(), QStringLiteral("&RTTY"));
    for (QPushButton* b : p.cmdTune)
        EXPECT_TRUE(b->isEnabled());
    // Without a rig the buttons change the box and nothing loads the rig window.
    p.cmdBand[12]->click();
    EXPECT_EQ(p.txtFreq->text(), QStringLiteral("223.5"));
    p.cmdTune[2]->click();
    EXPECT_EQ(p.txtFreq->text(), QStringLiteral("224.5"));
    p.cmdCW->click();
    EXPECT_FALSE(RigControlfrm::loaded());
}

// Each radio family: a band preset sets the frequency and the band plan's mode, a step moves the
// frequency, a mode button sets the mode (the Orion has no mode command).
TEST_F(RigTunePanel, PresetsStepsAndModesTuneEachFakeRadio)
{
    struct Case {
        const char* model;
        std::function<std::unique_ptr<FakeRadio>()> make;
        bool modes;
    };
    const Case cases[] = {
        {"Kenwood", [] { return std::make_unique<KenwoodRadio>(); }, true},
        {"Icom", [] { return std::make_unique<CivRadio>(); }, true},
        {"Yaesu", [] { return std::make_unique<YaesuRadio>(); }, true},
        {"Yaesu 990",
         [] {
             auto r = std::make_unique<YaesuRadio>();
             r->statusBlock = true;
             return r;
         },
         true},
        {"Ten Tec Orion", [] { return std::make_unique<OrionRadio>(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        std::unique_ptr<FakeRadio> radio = c.make();
        ASSERT_TRUE(radio->pty.ok());
        radio->hz = 3750000;
        radio->mode = QStringLiteral("CW");
        open(*radio, QString::fromLatin1(c.model));

        panel->cmdBand[3]->click();   // "40": 7.15 MHz, a phone segment
        EXPECT_EQ(panel->txtFreq->text(), QStringLiteral("7.15"));
        EXPECT_TRUE(idle());
        EXPECT_TRUE(QTest::qWaitFor([&] { return radio->hz == 7150000; }, 15000)) << radio->hz;
        EXPECT_EQ(radio->mode, c.modes ? QStringLiteral("LSB") : QStringLiteral("CW"));

        panel->cmdTune[6]->click();   // 1 KHz up
        EXPECT_EQ(panel->txtFreq->text(), QStringLiteral("7.151"));
        EXPECT_EQ(QApplication::focusWidget(), panel->cmdDone);
        EXPECT_TRUE(idle());
        EXPECT_TRUE(QTest::qWaitFor([&] { return radio->hz == 7151000; }, 15000)) << radio->hz;

        panel->cmdCW->click();
        EXPECT_TRUE(idle());
        EXPECT_TRUE(QTest::qWaitFor([&] { return radio->mode == QLatin1String("CW"); }, 15000))
            << radio->mode.toStdString();
        EXPECT_TRUE(prompts.messages().isEmpty()) << prompts.messages().join(" | ").toStdString();

        panel.reset();
        RigControlfrm::unload();
    }
}

TEST_F(RigTunePanel, TypedFrequencyKeyFilterAndTheFrequenciesNeverSent)
{
    KenwoodRadio radio;
    open(radio, QStringLiteral("Kenwood"));
    QLineEdit* box = panel->txtFreq;
    EXPECT_EQ(QApplication::focusWidget(), box);

    // Typing 7.04 and Enter tunes; the caret stays at the end; a letter types nothing.
    QTest::keyClicks(box, QStringLiteral("7.0x4"));
    EXPECT_EQ(box->text(), QStringLiteral("7.04"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(idle());
    EXPECT_TRUE(QTest::qWaitFor([&] { return radio.hz == 7040000; }, 15000));
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(box->cursorPosition(), 4);

    // A slash makes the box no number: the steps are disabled and Go sends nothing.
    QTest::keyClick(box, '/');
    EXPECT_EQ(box->text(), QStringLiteral("7.04/"));
    for (QPushButton* b : panel->cmdTune)
        EXPECT_FALSE(b->isEnabled());
    radio.received.clear();
    panel->Command1->click();
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), QStringLiteral("7.04"));
    for (QPushButton* b : panel->cmdTune)
        EXPECT_TRUE(b->isEnabled());

    // Stepping down through zero and far above what the command's 11 digits hold: the box shows
    // it, nothing goes to the radio, no message, and polling goes on.
    box->setText(QStringLiteral("0.5"));
    panel->cmdTune[3]->click();
    EXPECT_EQ(box->text(), QStringLiteral("-0.5"));
    box->setText(QStringLiteral("99999.5"));
    panel->cmdTune[2]->click();
    EXPECT_EQ(box->text(), QStringLiteral("100000.5"));
    QTest::qWait(300);
    // Only the poll's queries went out: no set-frequency (FA and digits) and no set-mode command.
    EXPECT_FALSE(QString::fromLatin1(radio.received).contains(QRegularExpression(QStringLiteral("FA\\d|MD\\d"))))
        << radio.received.constData();
    EXPECT_TRUE(radio.received.contains("FA;"));
    EXPECT_EQ(radio.hz, 7040000);
    EXPECT_TRUE(RigControlfrm::instance().tmrGetData->isEnabled());
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(RigTunePanel, ScanStepsUpwardAndAnyKeyStopsIt)
{
    KenwoodRadio radio;
    open(radio, QStringLiteral("Kenwood"));
    panel->txtFrom->setText(QStringLiteral("14.0"));
    panel->txtTo->setText(QStringLiteral("14.01"));
    panel->Option[4]->click();   // 2.5 KHz
    QStringList texts;
    QObject::connect(panel->txtFreq, &QLineEdit::textChanged, [&](const QString& t) { texts << t; });

    // Ticking with an empty box starts from the lower limit's text; the focus goes to Go.
    panel->chkScan->click();
    EXPECT_EQ(texts.value(0), QStringLiteral("14.0"));
    EXPECT_EQ(QApplication::focusWidget(), panel->Command1);
    // Each step tunes the radio over its serial line; a loaded machine (the sanitizer pass runs
    // the suite in parallel) can take seconds for the five steps, so the wait is generous.
    EXPECT_TRUE(QTest::qWaitFor([&] { return texts.size() >= 6; }, 30000));
    EXPECT_EQ(texts.mid(0, 6), QStringList({"14.0", "14.0025", "14.005", "14.0075", "14.01", "14."}));
    // The radio follows upward within the limits.
    EXPECT_TRUE(QTest::qWaitFor([&] { return radio.hz > 14000000; }, 30000)) << radio.hz;
    EXPECT_LE(radio.hz, 14010000);

    // A key in the upper-limit box stops the scan and is still typed there.
    panel->txtTo->setFocus();
    panel->txtTo->end(false);
    QTest::keyClick(panel->txtTo, '5');
    EXPECT_FALSE(panel->chkScan->isChecked());
    EXPECT_EQ(panel->txtTo->text(), QStringLiteral("14.015"));
    EXPECT_TRUE(idle());
    const qsizetype stopped = texts.size();
    QTest::qWait(700);
    EXPECT_EQ(texts.size(), stopped);
}

TEST_F(RigTunePanel, DoneEndsTheModalShow)
{
    G.RigType = QStringLiteral("None");
    frmRigTune p;
    QTimer::singleShot(50, [&] { p.cmdDone->click(); });
    p.exec();
    EXPECT_FALSE(p.isVisible());
}

}   // namespace
