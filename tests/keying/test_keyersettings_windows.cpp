// The keyer windows as the station setup makes them: design values, and the saved settings put
// into their controls.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "core/Globals.h"
#include "keying/CWFrm.h"
#include "keying/KeyerSettings.h"
#include "keying/PhoneFrm.h"
#include "keying/frmWinKey.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"

namespace {

class KeyerWindows : public ::testing::Test {
protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override
    {
        frmWinKey::unload();   // the "WinKey" option makes it
        CWFrm::unload();
        PhoneFrm::unload();
        Platform::setScreenOverride(std::nullopt);
    }
};

KeyerSettings::CWSettings fullCW(uint8_t method)
{
    KeyerSettings::CWSettings s;
    for (int i = 0; i < 9; ++i)
        s.messages[i] = QStringLiteral("M%1").arg(i + 1);
    s.port = "4";
    s.speed = "28";
    s.f10Message = "TU";
    s.f11Message = "AGN";
    s.wordSpace = "-3";
    s.keyMethod = method;
    s.parallelAddress = "&H3BC";
    s.echo = 0;
    s.repeatSeconds = "0.5";
    s.repeatIntervalMs = 500;
    s.valuesRead = 18;
    s.complete = true;
    return s;
}

}   // namespace

TEST_F(KeyerWindows, CWWindowDesignValues)
{
    CWFrm& w = CWFrm::instance();
    EXPECT_EQ(w.windowTitle(), "CW String Selections");
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.Text11->text(), "13");
    EXPECT_EQ(w.txtSpace->text(), "0");
    EXPECT_EQ(w.Text10->text(), "0");
    EXPECT_EQ(w.Text14->text(), "&H378");
    EXPECT_EQ(w.txtCWLoop->text(), "0");
    EXPECT_EQ(w.txtLoop->text(), "0");
    EXPECT_TRUE(w.Option4->isChecked());
    EXPECT_TRUE(w.optTimer->isChecked());
    EXPECT_TRUE(w.Check1->isChecked());
    EXPECT_TRUE(w.cmdConfWinkey->isHidden());
    EXPECT_TRUE(w.Label23->isHidden());
    EXPECT_FALSE(w.txtLoop->isEnabled());
    EXPECT_FALSE(w.cmdLoopFaster->isEnabled());
    EXPECT_FALSE(w.tmrRepeat->isEnabled());
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13})
        EXPECT_TRUE(w.Text[i]->text().isEmpty()) << i;
    const std::pair<QAbstractButton*, const char*> captions[] = {{w.Option1, "RTS"},
                                                                 {w.Option2, "DTR"},
                                                                 {w.Option3, "Printer"},
                                                                 {w.Option4, "None"},
                                                                 {w.Option5, "WinKey"},
                                                                 {w.Command1, "Done"},
                                                                 {w.Command4, "&Test"},
                                                                 {w.Command2, "Faster"},
                                                                 {w.Command3, "Slower"},
                                                                 {w.Command5, "Less"},
                                                                 {w.Command6, "More"},
                                                                 {w.Command7, "Send Code Practice"},
                                                                 {w.cmdConfWinkey, "Configure Winkey"}};
    for (const auto& [button, caption] : captions)
        EXPECT_EQ(button->text(), caption);
    EXPECT_EQ(w.Frame1->title(), "Keying Options");
    EXPECT_EQ(w.Label19->text(), "F12");
    EXPECT_EQ(w.Label22->text(), "Keyboard");
    EXPECT_EQ(CWFrm::instance().objectName(), "CWFrm");
    EXPECT_EQ(&CWFrm::instance(), &w);
}

TEST_F(KeyerWindows, CWSettingsFillTheBoxesAndTickTheKeyingOption)
{
    G.CWKeyMethod = 5;
    CWFrm& w = CWFrm::instance();
    w.LoadSettings(fullCW(5));
    EXPECT_EQ(w.Text1->text(), "M1");
    EXPECT_EQ(w.Text9->text(), "M9");
    EXPECT_EQ(w.Text10->text(), "4");
    EXPECT_EQ(w.Text11->text(), "28");
    EXPECT_EQ(w.Text12->text(), "TU");
    EXPECT_EQ(w.Text13->text(), "AGN");
    EXPECT_EQ(w.txtSpace->text(), "-3");
    EXPECT_EQ(w.Text14->text(), "&H3BC");
    EXPECT_EQ(w.Check1->checkState(), Qt::Unchecked);
    EXPECT_EQ(w.txtCWLoop->text(), "0.5");
    EXPECT_EQ(w.tmrRepeat->interval(), 500);
    EXPECT_FALSE(w.tmrRepeat->isEnabled());
    EXPECT_TRUE(w.Option5->isChecked());
    // The keyer device option's click handler ran.
    EXPECT_FALSE(w.cmdConfWinkey->isHidden());
    EXPECT_EQ(G.CWKeyMethod, 5);
}

TEST_F(KeyerWindows, EachKeyMethodTicksItsOption)
{
    const std::pair<uint8_t, const char*> cases[] = {
        {1, "Option1"}, {2, "Option2"}, {3, "Option3"}, {0, "Option4"}, {5, "Option5"}};
    for (const auto& [method, name] : cases) {
        SCOPED_TRACE(name);
        CWFrm::unload();
        G.CWKeyMethod = method;
        CWFrm& w = CWFrm::instance();
        w.Option1->setChecked(method == 0);   // another option ticked before the file is read
        w.LoadSettings(fullCW(method));
        auto* ticked = w.findChild<QRadioButton*>(QLatin1String(name));
        ASSERT_NE(ticked, nullptr);
        EXPECT_TRUE(ticked->isChecked());
        EXPECT_EQ(G.CWKeyMethod, method);
    }
}

TEST_F(KeyerWindows, UnknownKeyMethodTicksNothingNew)
{
    G.CWKeyMethod = 4;
    CWFrm& w = CWFrm::instance();
    w.LoadSettings(fullCW(4));
    EXPECT_FALSE(w.Option1->isChecked() || w.Option2->isChecked() || w.Option3->isChecked() || w.Option5->isChecked());
    EXPECT_EQ(G.CWKeyMethod, 4);
}

TEST_F(KeyerWindows, PartialCWSettingsStopWhereTheFileStopped)
{
    KeyerSettings::CWSettings s = fullCW(1);
    s.valuesRead = 10;
    s.complete = false;
    CWFrm& w = CWFrm::instance();
    w.LoadSettings(s);
    EXPECT_EQ(w.Text9->text(), "M9");
    EXPECT_EQ(w.Text10->text(), "4");
    EXPECT_EQ(w.Text11->text(), "13");
    EXPECT_EQ(w.Text14->text(), "&H378");
    EXPECT_TRUE(w.Option4->isChecked());
    EXPECT_EQ(w.tmrRepeat->interval(), 0);

    // The repeat pause reached its box but not the timer.
    s.valuesRead = 18;
    w.LoadSettings(s);
    EXPECT_EQ(w.txtCWLoop->text(), "0.5");
    EXPECT_EQ(w.tmrRepeat->interval(), 0);
}

TEST_F(KeyerWindows, OptionClicksSetTheKeyingOutput)
{
    CWFrm& w = CWFrm::instance();
    w.Option3->click();
    EXPECT_EQ(G.CWKeyMethod, 3);
    w.Option1->click();
    EXPECT_EQ(G.CWKeyMethod, 1);
    w.Option4->click();
    EXPECT_EQ(G.CWKeyMethod, 0);
    EXPECT_TRUE(w.cmdConfWinkey->isHidden());
    w.Option5->click();
    EXPECT_EQ(G.CWKeyMethod, 5);
    w.Option2->click();
    EXPECT_EQ(G.CWKeyMethod, 2);
    // Configure stays reachable for the run.
    EXPECT_FALSE(w.cmdConfWinkey->isHidden());
}

TEST_F(KeyerWindows, CWWindowTakesItsShareOfTheWorkArea)
{
    // A work area twice the design screen: the window doubles, fonts grow by 1.5 at most.
    Platform::Screen s = Platform::Screen::ofSize(19200, 14400);
    Platform::setScreenOverride(s);
    CWFrm& w = CWFrm::instance();
    const FormGeometry& g = w.design().geometry();
    EXPECT_NEAR(g.width, 2 * (9360 + g.borderWidth), 1);
    EXPECT_NEAR(g.left, (19200 - g.width) / 2, 1);
    const ControlGeometry* speed = w.control(QStringLiteral("Text11"));
    ASSERT_NE(speed, nullptr);
    EXPECT_NEAR(speed->fontSize, 8.25 * 1.5, 0.01);
    EXPECT_NEAR(speed->left, 2 * 5340, 1);
}

TEST_F(KeyerWindows, VoiceKeyerDesignValues)
{
    PhoneFrm& w = PhoneFrm::instance();
    EXPECT_EQ(w.windowTitle(), "Phone Wave Selections");
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.Text10->text(), "0");
    EXPECT_EQ(w.Text11->text(), "&H378");
    EXPECT_EQ(w.txtPHLoop->text(), "0");
    EXPECT_TRUE(w.Option1->isChecked());
    EXPECT_FALSE(w.Timer1->isEnabled());
    EXPECT_EQ(w.Timer1->interval(), 40);
    EXPECT_FALSE(w.tmrRepeat->isEnabled());
    EXPECT_EQ(w.tmrRepeat->interval(), 0);
    for (int i = 1; i <= 9; ++i) {
        EXPECT_TRUE(w.Text[i]->text().isEmpty());
        EXPECT_EQ(w.Command[i + 1]->text(), "Browse");
    }
    EXPECT_EQ(w.Option2->text(), "DTR");
    EXPECT_EQ(w.Option3->text(), "Parallel");
    EXPECT_EQ(w.Command1->text(), "Done");
    EXPECT_EQ(w.Command11->text(), "Test");
}

TEST_F(KeyerWindows, VoiceKeyerSettingsFillTheBoxes)
{
    KeyerSettings::PhoneSettings s;
    for (int i = 0; i < 9; ++i)
        s.wavePaths[i] = QStringLiteral("/wav/%1.wav").arg(i + 1);
    s.port = "3";
    s.pttLine = 2;
    s.repeatSeconds = "2.5";
    s.repeatIntervalMs = 2500;
    s.parallelAddress = "&H278";
    PhoneFrm& w = PhoneFrm::instance();
    w.LoadSettings(s);
    EXPECT_EQ(w.Text1->text(), "/wav/1.wav");
    EXPECT_EQ(w.Text9->text(), "/wav/9.wav");
    EXPECT_EQ(w.Text10->text(), "3");
    EXPECT_TRUE(w.Option3->isChecked());
    EXPECT_EQ(w.txtPHLoop->text(), "2.5");
    EXPECT_EQ(w.tmrRepeat->interval(), 2500);
    EXPECT_FALSE(w.tmrRepeat->isEnabled());
    EXPECT_EQ(w.Text11->text(), "&H278");

    // A line number other than 0, 1 or 2 selects nothing new.
    s.pttLine = -1;
    PhoneFrm::unload();
    PhoneFrm::instance().LoadSettings(s);
    EXPECT_TRUE(PhoneFrm::instance().Option1->isChecked());
}
