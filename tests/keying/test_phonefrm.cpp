// The voice keyer: F-key messages with push-to-talk on a recording key line and the recording
// sound fake (timed on a fake clock), the playback watch, Esc, the repeat, Test and Done.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/Globals.h"
#include "keying/CWFrm.h"
#include "keying/KeyerSettings.h"
#include "keying/MMControl.h"
#include "keying/PhoneFrm.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/Sound.h"
#include "platform/VbControls.h"
#include "tests/support/FakeKeyLines.h"
#include "test_sound_wave.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeSound.h"

namespace {

constexpr int F1 = 112;
constexpr int F5 = 116;

class PhoneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PhoneFrm::unload();
        CWFrm::unload();
        resetGlobals();
        ASSERT_TRUE(dir.isValid());
        G.ProgramFolder = dir.path();
        G.DataFolder = dir.path();
        qputenv("VQPLOG_COM3", "/dev/fake-com3");
        Platform::setClock(&clock);
        Platform::setPrompts(&prompts);
        f1 = dir.filePath(QStringLiteral("cq.wav"));
        f5 = dir.filePath(QStringLiteral("exchange.wav"));
        ASSERT_TRUE(TestWave::write(f1, TestWave::wave(500)));
        ASSERT_TRUE(TestWave::write(f5, TestWave::wave(800)));
        phone = &PhoneFrm::instance();
        phone->Text1->setText(f1);
        phone->Text5->setText(f5);
        phone->Text10->setText(QStringLiteral("3"));
        setOptionValue(phone->Option1, true);   // RTS
    }
    void TearDown() override
    {
        PhoneFrm::unload();
        CWFrm::unload();
        Platform::setClock(nullptr);
        Platform::setPrompts(nullptr);
        qunsetenv("VQPLOG_COM3");
        resetGlobals();
    }

    // One tick of the playback watch, as the 40 ms timer gives it.
    void tick()
    {
        ASSERT_TRUE(phone->Timer1->isEnabled());
        phone->Timer1_Timer();
    }

    QTemporaryDir dir;
    Platform::FakeClock clock;
    Platform::FakeSound sound;
    FakeKeyLines lines;
    Platform::ScriptedPrompts prompts;
    PhoneFrm* phone = nullptr;
    QString f1, f5;
};

struct LineCase {
    const char* name;
    QRadioButton* PhoneFrm::*option;
    const char* port;
    const char* keyedLine;
    QString rts, dtr, lpt;   // what each line went through, open and release included
};

}   // namespace

TEST_F(PhoneTest, FKeyKeysTheSelectedLineWhileTheMessagePlays)
{
    const LineCase cases[] = {
        {"RTS", &PhoneFrm::Option1, "3", "RTS", "010", "0", ""},
        {"DTR", &PhoneFrm::Option2, "3", "DTR", "0", "010", ""},
        {"parallel only", &PhoneFrm::Option3, "0", "LPT", "", "", "10"},
        // A serial port with Parallel selected keys its RTS line as well.
        {"parallel and serial", &PhoneFrm::Option3, "3", "LPT", "010", "0", "10"},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        phone->closeCommPhone();
        lines.events.clear();
        sound.played.clear();
        phone->Text10->setText(QString::fromLatin1(c.port));
        setOptionValue(phone->*c.option, true);

        phone->FKeyPhone(F1);
        EXPECT_TRUE(lines.keyed(QString::fromLatin1(c.keyedLine)));
        EXPECT_EQ(sound.played, QStringList{f1});
        clock.advanceMs(499);
        tick();
        EXPECT_TRUE(lines.keyed(QString::fromLatin1(c.keyedLine))) << "released before the message ended";
        clock.advanceMs(1);
        tick();
        EXPECT_FALSE(phone->Timer1->isEnabled());
        EXPECT_EQ(lines.states(QStringLiteral("RTS")), c.rts);
        EXPECT_EQ(lines.states(QStringLiteral("DTR")), c.dtr);
        EXPECT_EQ(lines.states(QStringLiteral("LPT")), c.lpt);
        for (const FakeKeyLines::Event& e : lines.events) {
            if (e.line == QLatin1String("LPT")) {
                EXPECT_EQ(e.address, 0x37A);   // the control register of the port at &H378
            }
        }
    }
    EXPECT_EQ(lines.opened.value(0), QStringLiteral("/dev/fake-com3"));
}

TEST_F(PhoneTest, EscStopsThePlayAndTheWatchReleasesWithoutRepeat)
{
    phone->txtPHLoop->setText(QStringLiteral("2"));
    phone->txtPHLoop_LostFocus();
    phone->FKeyPhone(F1);
    ASSERT_EQ(G.PhoneRepeatOn, 1);
    clock.advanceMs(100);
    // What the main window does on Esc: the key clears the repeat, then the play is stopped.
    G.PhoneRepeatOn = 0;
    phone->tmrRepeat->setEnabled(false);
    ASSERT_EQ(phone->MMControl1->Mode(), MMControl::ModePlay);
    phone->MMControl1->Stop();
    tick();
    EXPECT_FALSE(lines.keyed(QStringLiteral("RTS")));
    EXPECT_FALSE(phone->tmrRepeat->isEnabled());
    EXPECT_TRUE(sound.events.contains(QStringLiteral("stop ") + f1));
}

TEST_F(PhoneTest, AMessageThatCannotPlayIsReleasedAtTheFirstTick)
{
    struct Case {
        const char* name;
        QByteArray bytes;   // written to the F1 file; empty: the file is missing
        bool device;
    };
    const Case cases[] = {
        {"missing file", QByteArray(), true},
        {"not a wave file", QByteArray("Call\r\n"), true},
        {"no sound output", TestWave::wave(500), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path =
            dir.filePath(QStringLiteral("bad-%1.wav").arg(c.name).replace(QLatin1Char(' '), QLatin1Char('-')));
        if (!c.bytes.isEmpty()) {
            ASSERT_TRUE(TestWave::write(path, c.bytes));
        }
        sound.deviceAvailable = c.device;
        phone->Text1->setText(path);
        phone->FKeyPhone(F1);
        EXPECT_TRUE(lines.keyed(QStringLiteral("RTS")));
        tick();
        EXPECT_FALSE(lines.keyed(QStringLiteral("RTS")));
        EXPECT_FALSE(phone->Timer1->isEnabled());
    }
    sound.deviceAvailable = true;
}

TEST_F(PhoneTest, AnEmptyBoxKeysNothingAndEndsTheMessageThatPlays)
{
    phone->Text2->setText(QStringLiteral("   "));
    phone->FKeyPhone(F1);
    clock.advanceMs(100);
    const int before = int(lines.events.size());
    phone->FKeyPhone(F1 + 1);
    EXPECT_EQ(lines.events.size(), before) << "nothing is keyed for an empty box";
    EXPECT_NE(phone->MMControl1->Mode(), MMControl::ModePlay);
    tick();
    EXPECT_FALSE(lines.keyed(QStringLiteral("RTS")));

    // Codes outside F1..F9 do nothing at all.
    for (int code : {111, 121, 27}) {
        phone->FKeyPhone(code);
        EXPECT_FALSE(phone->Timer1->isEnabled()) << code;
    }
    EXPECT_EQ(sound.played, QStringList{f1});
}

TEST_F(PhoneTest, ANewKeyDuringPlayKeepsPushToTalkUntilItEnds)
{
    phone->FKeyPhone(F1);
    clock.advanceMs(200);
    tick();
    phone->FKeyPhone(F5);
    clock.advanceMs(500);   // F1 would have ended here
    tick();
    EXPECT_TRUE(lines.keyed(QStringLiteral("RTS")));
    clock.advanceMs(300);
    tick();
    EXPECT_EQ(lines.states(QStringLiteral("RTS")), QStringLiteral("0110"));
    EXPECT_EQ(sound.played, (QStringList{f1, f5}));
}

TEST_F(PhoneTest, TheLineKeyedIsReleasedWhenTheOptionChangesDuringPlay)
{
    phone->FKeyPhone(F1);
    setOptionValue(phone->Option3, true);   // switched to Parallel while the message plays
    clock.advanceMs(500);
    tick();
    EXPECT_FALSE(lines.keyed(QStringLiteral("RTS")));
    EXPECT_EQ(lines.states(QStringLiteral("LPT")), QString()) << "a line never keyed is not written";
}

TEST_F(PhoneTest, RepeatPauseBox)
{
    struct Case {
        const char* typed;
        const char* shown;
        int intervalMs;
    };
    const Case cases[] = {
        {"2.5", "2.5", 2500}, {"59.9", "59.9", 59900}, {"0", "0", 0}, {"60", "0", 0}, {"abc", "0", 0}, {"", "0", 0},
    };
    for (const Case& c : cases) {
        phone->tmrRepeat->setInterval(1234);
        phone->txtPHLoop->setText(QString::fromLatin1(c.typed));
        phone->txtPHLoop_LostFocus();
        EXPECT_EQ(phone->txtPHLoop->text(), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(phone->tmrRepeat->interval(), c.intervalMs) << c.typed;
    }
}

TEST_F(PhoneTest, F1RepeatsAfterThePauseUntilAKeyClearsIt)
{
    phone->txtPHLoop->setText(QStringLiteral("2.5"));
    phone->txtPHLoop_LostFocus();
    phone->FKeyPhone(F1);
    clock.advanceMs(500);
    tick();
    EXPECT_FALSE(lines.keyed(QStringLiteral("RTS")));
    ASSERT_TRUE(phone->tmrRepeat->isRunning());
    EXPECT_EQ(phone->tmrRepeat->interval(), 2500);
    phone->tmrRepeat_Timer();
    EXPECT_FALSE(phone->tmrRepeat->isEnabled());
    EXPECT_TRUE(lines.keyed(QStringLiteral("RTS")));
    EXPECT_EQ(sound.played, (QStringList{f1, f1}));
    clock.advanceMs(500);
    tick();
    EXPECT_TRUE(phone->tmrRepeat->isRunning()) << "the repeat re-arms itself";
    // A key in the main window ends the cycle.
    G.PhoneRepeatOn = 0;
    phone->tmrRepeat->setEnabled(false);
    phone->FKeyPhone(F5);
    clock.advanceMs(800);
    tick();
    EXPECT_FALSE(phone->tmrRepeat->isEnabled());
}

TEST_F(PhoneTest, ARepeatWithIntervalZeroNeverFires)
{
    // The box holds a pause, but the interval was never set from it (the window was made
    // without settings and the box never left): the timer is enabled yet never counts.
    phone->txtPHLoop->setText(QStringLiteral("3"));
    phone->FKeyPhone(F1);
    clock.advanceMs(500);
    tick();
    EXPECT_TRUE(phone->tmrRepeat->isEnabled());
    EXPECT_FALSE(phone->tmrRepeat->isRunning());
    int fired = 0;
    QObject::connect(phone->tmrRepeat, &VbTimer::timeout, [&] { ++fired; });
    QTest::qWait(50);
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(sound.played.size(), 1);
}

TEST_F(PhoneTest, TestButtonPlaysF1AndArmsTheRepeat)
{
    phone->txtPHLoop->setText(QStringLiteral("1"));
    phone->txtPHLoop_LostFocus();
    phone->Command11->click();
    EXPECT_EQ(sound.played, QStringList{f1});
    EXPECT_TRUE(lines.keyed(QStringLiteral("RTS")));
    EXPECT_EQ(G.PhoneRepeatOn, 1);
}

TEST_F(PhoneTest, APortThatCannotOpenIsReportedAndTheMessageStillPlays)
{
    lines.missingPaths << QStringLiteral("/dev/fake-com3");
    // The hidden window comes up modally for the operator to mend the port; the key waits for
    // its Done, then plays.
    bool shownModally = false;
    QTimer::singleShot(0, phone, [&] {
        shownModally = phone->isVisible() && QApplication::activeModalWidget() == phone;
        EXPECT_TRUE(sound.played.isEmpty());
        QTest::mouseClick(phone->Command1, Qt::LeftButton);
    });
    phone->FKeyPhone(F1);
    EXPECT_TRUE(shownModally);
    EXPECT_FALSE(phone->isVisible());
    EXPECT_EQ(
        prompts.messages(),
        QStringList{QStringLiteral(
            "The port you have selected for Phone keying is invalid.  Please select another or enter 0 for none.")});
    EXPECT_EQ(prompts.beeps(), 1);
    EXPECT_EQ(sound.played, QStringList{f1});
    clock.advanceMs(500);
    tick();
    EXPECT_FALSE(phone->Timer1->isEnabled());
}

TEST_F(PhoneTest, OnlyOneKeyingPortIsOpen)
{
    phone->FKeyPhone(F1);
    ASSERT_TRUE(phone->commPhoneOpen());
    clock.advanceMs(500);
    tick();
    CWFrm& cw = CWFrm::instance();
    cw.Text10->setText(QStringLiteral("3"));
    cw.CWSetup();
    EXPECT_TRUE(cw.commOpen());
    EXPECT_FALSE(phone->commPhoneOpen());
    phone->FKeyPhone(F1);
    EXPECT_FALSE(cw.commOpen());
    EXPECT_TRUE(phone->commPhoneOpen());
    EXPECT_EQ(lines.openPorts, 1);
}

TEST_F(PhoneTest, DoneWritesWave2AndTheSetupReadsItBack)
{
    phone->show();
    phone->Text1->setText(QStringLiteral("  C:\\msgs\\cq.wav  "));
    phone->Text5->setText(QString());
    phone->Text10->setText(QStringLiteral("0"));
    setOptionValue(phone->Option2, true);
    phone->txtPHLoop->setText(QStringLiteral("2.5"));
    phone->Text11->setText(QStringLiteral("&H278"));
    phone->Command1->click();
    EXPECT_FALSE(phone->isVisible());

    QFile f(dir.filePath(QStringLiteral("wave2.txt")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray expected = QByteArray("\"C:\\msgs\\cq.wav\"\r\n") + QByteArray("\"\"\r\n").repeated(8) +
                                "\"0\"\r\n1\r\n\"2.5\"\r\n\"&H278\"\r\n";
    EXPECT_EQ(f.readAll(), expected);

    const std::optional<KeyerSettings::PhoneSettings> back = KeyerSettings::readPhone(dir.path());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->wavePaths[0], QStringLiteral("C:\\msgs\\cq.wav"));
    EXPECT_EQ(back->pttLine, 1);
    EXPECT_EQ(back->repeatIntervalMs, 2500);
    EXPECT_EQ(back->parallelAddress, QStringLiteral("&H278"));
}

// Browse of each F-key: the chosen .wav goes into that key's box and the focus to Done, and Done
// writes it trimmed and quoted on that key's line; Cancel beeps and leaves the box as it was.
TEST_F(PhoneTest, BrowseFillsTheKeysBoxAndDoneWritesIt)
{
    phone->show();
    for (int n = 1; n <= 9; ++n) {
        SCOPED_TRACE(n);
        QPushButton* browse = phone->Command[n + 1];
        ASSERT_EQ(browse->objectName(), QStringLiteral("Command%1").arg(n + 1));
        EXPECT_EQ(browse->text(), QStringLiteral("Browse"));
        phone->Text[n]->setText(QStringLiteral("old%1.wav").arg(n));
        phone->Text[n]->setFocus();
        prompts.clear();

        // Cancel.
        browse->click();
        EXPECT_EQ(prompts.beeps(), 1);
        EXPECT_EQ(phone->Text[n]->text(), QStringLiteral("old%1.wav").arg(n));

        // A file chosen.
        const QString chosen = QStringLiteral(" %1/msg %2.wav ").arg(dir.path()).arg(n);
        prompts.answerFile(chosen);
        browse->click();
        EXPECT_EQ(phone->Text[n]->text(), chosen);
        EXPECT_EQ(prompts.beeps(), 1);
        EXPECT_EQ(phone->focusWidget(), phone->Command1);
        const auto opened = prompts.callsOf(QStringLiteral("open"));
        ASSERT_EQ(opened.size(), 2);
        for (const auto& call : opened) {
            EXPECT_EQ(call.filter, QStringLiteral("(*.wav)"));
            EXPECT_EQ(call.defaultText, QString());   // no file name proposed
        }
    }

    phone->Command1->click();
    QFile f(dir.filePath(QStringLiteral("wave2.txt")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    ASSERT_GE(lines.size(), 9);
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(lines[n - 1], QStringLiteral("\"%1/msg %2.wav\"\r").arg(dir.path()).arg(n).toLatin1()) << n;
}

// What typing lets into the repeat and address boxes.
TEST_F(PhoneTest, RepeatAndAddressBoxesFilterTyping)
{
    phone->show();
    struct Case {
        QLineEdit* PhoneFrm::*box;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {&PhoneFrm::txtPHLoop, "2.5s -1", "2.51"},
        {&PhoneFrm::Text11, "&h3\"7a", "&H37A"},
    };
    for (const Case& c : cases) {
        QLineEdit* box = phone->*c.box;
        box->clear();
        box->setFocus();
        QTest::keyClicks(box, QString::fromLatin1(c.typed));
        EXPECT_EQ(box->text(), QString::fromLatin1(c.shown)) << c.typed;
    }
    QTest::keyClick(phone->txtPHLoop, Qt::Key_Backspace);
    EXPECT_EQ(phone->txtPHLoop->text(), QStringLiteral("2.5"));
    phone->hide();
}

// Entering the port box selects its text from the caret on: all of it from a caret at the start
// or by Tab, the rest from a caret inside.
TEST_F(PhoneTest, EnteringThePortBoxSelectsFromTheCaret)
{
    struct Case {
        const char* name;
        int caret;
        Qt::FocusReason reason;
        const char* selected;
    };
    const Case cases[] = {
        {"caret at the start", 0, Qt::MouseFocusReason, "12"},
        {"caret inside", 1, Qt::MouseFocusReason, "2"},
        {"tab", 1, Qt::TabFocusReason, "12"},
    };
    for (const Case& c : cases) {
        phone->Text10->setText(QStringLiteral("12"));
        phone->Text10->setCursorPosition(c.caret);
        QFocusEvent in(QEvent::FocusIn, c.reason);
        QCoreApplication::sendEvent(phone->Text10, &in);
        QCoreApplication::processEvents();
        EXPECT_EQ(phone->Text10->selectedText(), QString::fromLatin1(c.selected)) << c.name;
        QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(phone->Text10, &out);
    }
}

TEST_F(PhoneTest, UnloadingWhileAMessagePlaysReleasesPushToTalk)
{
    phone->FKeyPhone(F1);
    ASSERT_TRUE(lines.keyed(QStringLiteral("RTS")));
    PhoneFrm::unload();
    phone = nullptr;
    EXPECT_FALSE(lines.keyed(QStringLiteral("RTS")));
    EXPECT_EQ(lines.openPorts, 0);
}
