// The CW settings window: Done writes CW.txt and the timing settings, which the next run reads
// back; the loop count's buttons and calibration; the boxes' checks and key filters.
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "CwFixture.h"

#include "keying/KeyerSettings.h"
#include "platform/SettingsStore.h"

namespace {
QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
}   // namespace

TEST_F(CwTest, DoneWritesCwTxtThatReadsBackAndTheTimingSettings)
{
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13})
        cw->Text[i]->setText(QString());
    cw->Text10->setText(QStringLiteral("0"));
    cw->Text11->setText(QStringLiteral("13"));
    setOptionValue(cw->Option4, true);
    setOptionValue(cw->OptSleep, true);
    cw->show();
    cw->Command1_Click();

    EXPECT_FALSE(cw->isVisible());
    const QByteArray expected = QByteArray("\"\"\r\n").repeated(9) + "\"0\"\r\n\"13\"\r\n\"\"\r\n\"\"\r\n\"0\"\r\n0\r\n"
                                                                     "\"&H378\"\r\n1\r\n\"0\"\r\n";
    EXPECT_EQ(fileBytes(dir.filePath(QStringLiteral("CW.txt"))), expected);
    EXPECT_EQ(Platform::getSetting(QStringLiteral("Settings"), QStringLiteral("UserCWSelection")),
              QStringLiteral("Sleep"));
    EXPECT_EQ(Platform::getSetting(QStringLiteral("Settings"), QStringLiteral("UserCWLoopOffset")),
              QStringLiteral("0"));

    // What Done wrote is what the station setup reads at the next start.
    cw->Text2->setText(QStringLiteral("TU $ 5NN ^"));
    setOptionValue(cw->Option3, true);
    cw->Command1_Click();
    const KeyerSettings::CWSettings back = KeyerSettings::readCW(dir.path());
    EXPECT_TRUE(back.complete);
    EXPECT_EQ(back.messages[1], QStringLiteral("TU $ 5NN ^"));
    EXPECT_EQ(back.messages[8], KeyerSettings::EmptyF9Message);
    EXPECT_EQ(back.keyMethod, 3);

    // The next run's window ticks the saved timing method.
    CWFrm::unload();
    CWFrm& next = CWFrm::instance();
    EXPECT_TRUE(next.OptSleep->isChecked());
    EXPECT_FALSE(next.txtLoop->isEnabled());
    cw = &next;
    Platform::saveSetting(QStringLiteral("Settings"), QStringLiteral("UserCWSelection"), QStringLiteral("Timer"));
}

TEST_F(CwTest, LoopCountIsCalibratedOnceAndSurvivesARestart)
{
    // No time passes on the fake clock: the count stands at its own total.
    setOptionValue(cw->optLoop, true);
    EXPECT_EQ(cw->CWLoopOffset, 5000000);
    EXPECT_EQ(cw->txtLoop->text(), QStringLiteral("5000000"));
    EXPECT_TRUE(cw->cmdLoopFaster->isEnabled());

    cw->txtLoop->setText(QStringLiteral("500"));
    EXPECT_EQ(cw->CWLoopOffset, 500);
    cw->Command1_Click();

    CWFrm::unload();
    cw = &CWFrm::instance();
    EXPECT_TRUE(cw->optLoop->isChecked());
    EXPECT_EQ(cw->CWLoopOffset, 500);   // not calibrated again

    const std::pair<const char*, const char*> faster[] = {{"500", "450"}, {"45", "40"}};
    for (auto [from, to] : faster) {
        cw->txtLoop->setText(QString::fromLatin1(from));
        cw->cmdLoopFaster_Click();
        EXPECT_EQ(cw->txtLoop->text(), QString::fromLatin1(to)) << from;
    }
    cw->txtLoop->setText(QStringLiteral("500"));
    cw->cmdLoopSlower_Click();
    EXPECT_EQ(cw->txtLoop->text(), QStringLiteral("556"));
    EXPECT_EQ(cw->CWLoopOffset, 556);
    Platform::saveSetting(QStringLiteral("Settings"), QStringLiteral("UserCWSelection"), QStringLiteral("Timer"));
    Platform::saveSetting(QStringLiteral("Settings"), QStringLiteral("UserCWLoopOffset"), QStringLiteral("0"));
}

TEST_F(CwTest, CalibrationOnTheRealClockCountsTurnsPerSixtyMilliseconds)
{
    Platform::setMonotonic(nullptr);
    cw->CWLoopOffset = 0;
    cw->CalibrateLoop();
    EXPECT_GT(cw->CWLoopOffset, 0);
    EXPECT_EQ(cw->CWLoopOffset, std::nearbyint(cw->CWLoopOffset));
}

TEST_F(CwTest, BoxesCheckWhatTheyHold)
{
    struct Row {
        const char* text;
        const char* box;
        int interval;
    };
    const Row repeat[] = {{"0.5", "0.5", 500}, {"59.5", "59.5", 59500}, {"60", "0", 0}, {"abc", "0", 0}, {"", "0", 0}};
    for (const Row& r : repeat) {
        cw->txtCWLoop->setText(QString::fromLatin1(r.text));
        cw->txtCWLoop_LostFocus();
        EXPECT_EQ(cw->txtCWLoop->text(), QString::fromLatin1(r.box)) << r.text;
        EXPECT_EQ(cw->tmrRepeat->interval(), r.interval) << r.text;
    }

    cw->txtSpace->setText(QStringLiteral("-8"));
    cw->Command5_Click();   // Less: -9 for a moment, then back to -8
    EXPECT_EQ(cw->txtSpace->text(), QStringLiteral("-8"));
    cw->Command6_Click();
    EXPECT_EQ(cw->txtSpace->text(), QStringLiteral("-7"));
    cw->txtSpace->setText(QStringLiteral("-"));
    cw->txtSpace_LostFocus();
    EXPECT_EQ(cw->txtSpace->text(), QStringLiteral("0"));

    cw->Text11->setText(QStringLiteral(":"));
    cw->Text11_LostFocus();
    EXPECT_EQ(cw->Text11->text(), QStringLiteral("0"));

    // The port box: not a number is port 0, which opens nothing.
    cw->Text10->setText(QStringLiteral("1:"));
    cw->Text10_LostFocus();
    EXPECT_EQ(cw->Text10->text(), QStringLiteral("0"));
    EXPECT_FALSE(cw->commOpen());
    cw->Text10->setText(QStringLiteral("1"));
    cw->Text10_LostFocus();
    EXPECT_TRUE(cw->commOpen());
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(CwTest, MessageBoxesTypeCapitalsAndNoDoubleQuote)
{
    cw->show();
    cw->Text3->setFocus();
    QTest::keyClicks(cw->Text3, QStringLiteral("cq \"de\" k9"));
    EXPECT_EQ(cw->Text3->text(), QStringLiteral("CQ DE K9"));
    QTest::keyClicks(cw->Text11, QStringLiteral("a2-"));
    EXPECT_EQ(cw->Text11->text(), QStringLiteral("202"));
    cw->hide();
}

TEST_F(CwTest, TestButtonSendsTheNinthMessage)
{
    cw->Text9->setText(QStringLiteral("VVV DE "));
    bool shownWhileSending = false;
    atPump = [&](int) { shownWhileSending = shownWhileSending || !cw->Label23->isHidden(); };
    cw->Command4_Click();
    EXPECT_EQ(sent(), QStringLiteral("VVV DE "));
    EXPECT_TRUE(shownWhileSending);
    EXPECT_TRUE(cw->Label23->isHidden());

    lines.events.clear();
    setOptionValue(cw->Option4, true);
    cw->Command4_Click();   // no output: nothing is sent
    EXPECT_TRUE(lines.events.isEmpty());
}
