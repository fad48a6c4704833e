// Both main windows as the operator drives them, keys pressed and released, clicks on the real
// widgets and the focus moved by Qt: Time On/Time Off by the button's key, the worked-states grid
// following the view button, the bearing while a call is corrected, and the spoken "Call" when the
// call field gets the focus as the window opens.
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core/Colors.h"
#include "core/Globals.h"
#include "core/Module2Prefs.h"
#include "keying/BlindFrm.h"
#include "mainwindow/ClockPanel.h"
#include "mainwindow/Infrm.h"
#include "mainwindow/Outfrm.h"
#include "tests/keying/test_sound_wave.h"
#include "tests/mainwindow/MainFrameFixture.h"
#include "tests/support/FakeSound.h"

namespace {

// A contact with Georgia on phone at the test clock's 14:30:00 UTC on 20 m.
const QByteArray kGeorgiaOnPhone = "\"K4XYZ\",\"59\",\"57\",\"GA\",\"\",\"\",\"Adams\",\"\",\"\",\"\",\"\","
                                   "\"2024/05/04\",\"14:30:00\",\"PH\",\"20\",0,\"\",\"\",\"\"\r\n";

class WindowOperatorTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        loadPositionTables();
        G.CurrentCounty = QStringLiteral("Adams");
        G.OwnCall = QStringLiteral("W9IN");
    }
    void TearDown() override
    {
        window.reset();
        BlindFrm::unload();
        MainFrameTest::TearDown();
    }

    // The window of the kind shown and active, as the station setup's Done leaves it.
    MainFrame& open(MainWindows::Which which)
    {
        G.OutOfStateFlag = which == MainWindows::Which::Out ? 1 : 0;
        if (which == MainWindows::Which::Out)
            window = shown<Outfrm>();
        else
            window = shown<Infrm>();
        prompts.clear();
        return *window;
    }
    // One key as the keyboard gives it: pressed, then released, to the focused widget.
    static void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QWidget* to = focused();
        ASSERT_NE(to, nullptr);
        QTest::keyPress(to, key, mods);
        QTest::keyRelease(to, key, mods);
    }
    // Alt+L, the key of the Time On/Time Off button: the button takes the focus and is pressed
    // as a click shown on it, which ends a moment later; waits until the state has turned.
    static void altL()
    {
        const uint8_t before = G.LoggedOnFlag;
        press(Qt::Key_L, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([before] { return G.LoggedOnFlag != before; }, 5000));
    }
    static long long textColor(const QLabel* l) { return Colors::toNumber(l->palette().color(QPalette::WindowText)); }

    std::unique_ptr<MainFrame> window;
};

const char* nameOf(MainWindows::Which which) { return which == MainWindows::Which::Out ? "Outfrm" : "Infrm"; }

// Alt+L is the button's key: Time On, then Time Off with its line, the stopped clock and the
// total saved in QSOpref.txt, in either window.
TEST_F(WindowOperatorTest, TimeOnAndTimeOffByTheButtonsKey)
{
    for (MainWindows::Which which : {MainWindows::Which::In, MainWindows::Which::Out}) {
        SCOPED_TRACE(nameOf(which));
        G.LoggedOnFlag = 0;
        G.OpSecondsSaved = 754;
        clock.set(QDateTime(QDate(2024, 5, 4), QTime(14, 30, 0), Qt::UTC), -4 * 3600);
        MainFrame& w = open(which);
        ASSERT_EQ(focused(), w.txtCall);

        altL();
        EXPECT_EQ(G.LoggedOnFlag, 1);
        EXPECT_EQ(w.cmdLogOn->text(), QStringLiteral("&Log \"Time Off\""));
        EXPECT_EQ(w.lblDialog->text(), QStringLiteral(" "));
        EXPECT_EQ(focused(), w.txtCall);

        clock.set(QDateTime(QDate(2024, 5, 4), QTime(15, 32, 5), Qt::UTC), -4 * 3600);
        w.clocks().Timer2_Timer();
        EXPECT_EQ(w.lblttrack->text(), QStringLiteral("01:14:39"));

        altL();
        EXPECT_EQ(G.LoggedOnFlag, 0);
        EXPECT_EQ(w.cmdLogOn->text(), QStringLiteral("&Log \"Time On\""));
        EXPECT_EQ(w.lblDialog->text(), QStringLiteral("Logged Off at ") +
                                           QLocale::system().toString(QDate(2024, 5, 4), QLocale::ShortFormat) +
                                           QStringLiteral(" 15:32:05"));
        EXPECT_EQ(focused(), w.txtCall);

        // The clock stands still and the total is in QSOpref.txt.
        clock.set(QDateTime(QDate(2024, 5, 4), QTime(16, 0, 0), Qt::UTC), -4 * 3600);
        w.clocks().Timer2_Timer();
        EXPECT_EQ(w.lblttrack->text(), QStringLiteral("01:14:39"));
        G.OpSecondsSaved = 0;
        ASSERT_TRUE(Module2::ReadQSOpref());
        EXPECT_EQ(G.OpSecondsSaved, 754.0f + 3725.0f);

        // A click works the same.
        QTest::mouseClick(w.cmdLogOn, Qt::LeftButton);
        EXPECT_EQ(G.LoggedOnFlag, 1);
        QTest::mouseClick(w.cmdLogOn, Qt::LeftButton);
        EXPECT_EQ(G.LoggedOnFlag, 0);
        EXPECT_TRUE(w.lblDialog->text().startsWith(QStringLiteral("Logged Off at ")));
        window.reset();
    }
}

// The view button switches the grid to the view its caption then shows: a state worked on phone
// only is coloured for all modes and for the current mode on phone, not for the current mode on CW.
TEST_F(WindowOperatorTest, ViewButtonDrawsTheGridForTheViewItSwitchesTo)
{
    writeLog(kGeorgiaOnPhone);
    struct Step {
        const char* caption;
        bool georgiaWorked;
    };
    struct Case {
        const char* mode;
        Step steps[3];   // the window as it opens, then two clicks on the view button
    } cases[] = {
        {"CW", {{"All Modes", true}, {"Crnt Mode", false}, {"All Modes", true}}},
        {"PH", {{"All Modes", true}, {"Crnt Mode", true}, {"All Modes", true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        G.CurrentMode = QString::fromLatin1(c.mode);
        auto& w = static_cast<Infrm&>(open(MainWindows::Which::In));
        QLabel* georgia = w.Label10[13];
        ASSERT_EQ(georgia->text(), QStringLiteral("GA"));
        const QString score = w.lblTotScore->text();
        for (int k = 0; k < 3; ++k) {
            SCOPED_TRACE(k);
            if (k > 0)
                QTest::mouseClick(w.Command1, Qt::LeftButton);
            EXPECT_EQ(w.Command1->text(), QString::fromLatin1(c.steps[k].caption));
            EXPECT_EQ(textColor(georgia), c.steps[k].georgiaWorked ? G.WorkedColor : G.UnworkedColor);
            EXPECT_EQ(w.lblTotScore->text(), score);
        }
        window.reset();
    }
}

// A DX call corrected into a call of the USA: the continent becomes NA, the DX bearing and miles
// go, the state field keeps what the DX call wrote.
TEST_F(WindowOperatorTest, CallCorrectedFromDxToUsaLosesTheDxBearing)
{
    auto& w = static_cast<Infrm&>(open(MainWindows::Which::In));
    ASSERT_EQ(focused(), w.txtCall);
    QTest::keyClicks(w.txtCall, QStringLiteral("kh6xx"));
    EXPECT_EQ(w.txtCntry->text(), QStringLiteral("HI"));
    EXPECT_FALSE(w.Label22->text().trimmed().isEmpty());
    EXPECT_FALSE(w.Label23->text().trimmed().isEmpty());

    // The H was a typo: back over "6XX" and take it out.
    for (int k = 0; k < 3; ++k)
        press(Qt::Key_Left);
    press(Qt::Key_Backspace);
    EXPECT_EQ(w.txtCall->text(), QStringLiteral("K6XX"));
    EXPECT_EQ(w.txtCntry->text(), QStringLiteral("HI"));
    EXPECT_EQ(w.Label19->text(), QStringLiteral("NA"));
    EXPECT_EQ(w.Label22->text(), QString());
    EXPECT_EQ(w.Label23->text(), QString());
}

// The call field has the focus when the window opens: at the navigation levels that name the call
// field it is spoken then, once; the window's later activations speak nothing.
TEST_F(WindowOperatorTest, CallFieldNamedWhenTheWindowOpens)
{
    ASSERT_TRUE(TestWave::write(dir.filePath(QStringLiteral("Call.wav")), TestWave::wave(50, 8000)));
    struct Case {
        int level;
        QStringList spoken;   // the prompt window's first load speaks the level's own prompts first
    } cases[] = {
        {0, {}},
        {1, {"Call", "Call"}},
        {2, {"Call"}},
    };
    for (MainWindows::Which which : {MainWindows::Which::In, MainWindows::Which::Out})
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(nameOf(which)) + " level " + std::to_string(c.level));
            Platform::FakeSound sound;
            G.VoiceNavLevel = uint8_t(c.level);
            MainFrame& w = open(which);
            ASSERT_EQ(focused(), w.txtCall);
            auto names = [&sound] {
                QStringList out;
                for (const QString& path : sound.played)
                    out << QFileInfo(path).baseName();
                return out;
            };
            EXPECT_EQ(names(), c.spoken);

            // Another window in front, then this one again: the call field is not entered anew.
            QWidget other;
            other.show();
            other.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
            w.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
            EXPECT_EQ(focused(), w.txtCall);
            EXPECT_EQ(names(), c.spoken);
            window.reset();
            BlindFrm::unload();   // its player is the fake's
        }
}

}   // namespace
