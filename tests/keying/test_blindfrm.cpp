// The voice navigation window: prompts found in the program folder whatever their case, silent
// failures, one prompt at a time, the spoken state at first load and the level saved by Done.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "core/Files.h"
#include "core/Globals.h"
#include "core/Module2Prefs.h"
#include "keying/BlindFrm.h"
#include "keying/MMControl.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/Sound.h"
#include "test_sound_wave.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/FakeSound.h"

namespace {

// A clock whose monotonic time moves on at every reading, so a wait that polls it comes to an end
// in a few real milliseconds.
class SteppingClock : public Platform::Clock {
public:
    Platform::TimeReading read() const override { return wall.read(); }
    qint64 monotonicMs() const override { return now += 20; }
    mutable qint64 now = 0;
    Platform::FakeClock wall;
};

class BlindFrmTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        ASSERT_TRUE(dir.isValid());
        G.ProgramFolder = dir.path();
        Platform::setPrompts(&prompts);
    }
    void TearDown() override
    {
        BlindFrm::unload();
        Platform::setPrompts(nullptr);
        Platform::setClock(nullptr);
    }

    QString prompt(const QString& fileName, int ms)
    {
        const QString path = dir.filePath(fileName);
        EXPECT_TRUE(TestWave::write(path, TestWave::wave(ms, 8000)));
        return path;
    }
    // The window loaded at level 0 with no NavDis prompt: nothing is spoken or recorded yet.
    BlindFrm& quietWindow()
    {
        G.VoiceNavLevel = 0;
        BlindFrm& w = BlindFrm::instance();
        sound.events.clear();
        sound.played.clear();
        return w;
    }

    QTemporaryDir dir;
    Platform::ScriptedPrompts prompts;
    Platform::FakeSound sound;
    Platform::FakeClock clock;
};

}   // namespace

TEST_F(BlindFrmTest, PromptNamesAreFoundWhateverTheirCase)
{
    Platform::setClock(&clock);
    const QString call = prompt(QStringLiteral("CALL.wav"), 500);
    const QString county = prompt(QStringLiteral("county.WAV"), 300);
    BlindFrm& w = quietWindow();

    w.BlindKeyPhone(QStringLiteral("Call"));
    EXPECT_TRUE(w.promptPlaying());
    EXPECT_EQ(w.MMControl1->Mode(), 526);
    EXPECT_EQ(sound.played, QStringList({call}));
    clock.advanceMs(499);
    EXPECT_TRUE(w.promptPlaying());
    clock.advanceMs(1);
    EXPECT_FALSE(w.promptPlaying());

    w.BlindKeyPhone(QStringLiteral("County"));
    EXPECT_EQ(sound.played, QStringList({call, county}));
    EXPECT_EQ(w.MMControl1->DeviceType, QStringLiteral("WaveAudio"));
    EXPECT_EQ(w.MMControl1->FileName, dir.path() + QStringLiteral("/County.wav"));
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(prompts.calls().isEmpty());
}

TEST_F(BlindFrmTest, MissingPromptIsSilentAndNothingWaits)
{
    Platform::setClock(&clock);
    const QString call = prompt(QStringLiteral("Call.wav"), 800);
    ASSERT_TRUE(TestWave::write(dir.filePath(QStringLiteral("Broken.wav")), "RIFF????WAVEjunk"));
    BlindFrm& w = quietWindow();

    w.BlindKeyPhone(QStringLiteral("Call"));
    ASSERT_TRUE(w.promptPlaying());
    // A missing prompt still cuts off the one playing, and then nothing plays.
    w.BlindKeyPhone(QStringLiteral("Dupe"));
    EXPECT_FALSE(w.promptPlaying());
    EXPECT_NE(w.MMControl1->Mode(), 526);
    w.BlindKeyPhone(QStringLiteral("Broken"));
    EXPECT_FALSE(w.promptPlaying());
    w.waitForPrompt();   // nothing plays: returns although the fake clock never moves
    EXPECT_EQ(sound.played, QStringList({call}));
    EXPECT_TRUE(prompts.calls().isEmpty());

    // Nothing to play with: no sound output.
    sound.deviceAvailable = false;
    w.BlindKeyPhone(QStringLiteral("Call"));
    EXPECT_FALSE(w.promptPlaying());
    EXPECT_EQ(sound.played.size(), 1);
    EXPECT_TRUE(prompts.calls().isEmpty());
}

TEST_F(BlindFrmTest, EachPromptClosesThePreviousOne)
{
    Platform::setClock(&clock);
    const QString call = prompt(QStringLiteral("Call.wav"), 1000);
    const QString dupe = prompt(QStringLiteral("Dupe.wav"), 400);
    BlindFrm& w = quietWindow();

    w.BlindKeyPhone(QStringLiteral("Call"));
    clock.advanceMs(200);
    w.BlindKeyPhone(QStringLiteral("Dupe"));
    EXPECT_EQ(sound.events, QStringList({QStringLiteral("open ") + call, QStringLiteral("play ") + call,
                                         QStringLiteral("stop ") + call, QStringLiteral("close ") + call,
                                         QStringLiteral("open ") + dupe, QStringLiteral("play ") + dupe}));
    // The playing time is the new prompt's own.
    clock.advanceMs(400);
    EXPECT_FALSE(w.promptPlaying());

    // Unloading the window closes its player.
    BlindFrm::unload();
    EXPECT_EQ(sound.events.last(), QStringLiteral("close ") + dupe);
    EXPECT_FALSE(BlindFrm::loaded());
}

TEST_F(BlindFrmTest, FirstLoadSpeaksTheLevel)
{
    const QString navDis = prompt(QStringLiteral("NavDis.wav"), 50);
    const QString navEn = prompt(QStringLiteral("NavEn.wav"), 50);
    const QString call = prompt(QStringLiteral("Call.wav"), 50);
    struct Case {
        int level;
        QStringList played;
        QRadioButton* BlindFrm::*option;
    };
    const Case cases[] = {
        {0, {navDis}, &BlindFrm::Option1},
        {1, {navEn, call}, &BlindFrm::Option2},
        {2, {navEn}, &BlindFrm::Option3},
        {7, {}, nullptr},
    };
    for (const Case& c : cases) {
        sound.played.clear();
        G.VoiceNavLevel = uint8_t(c.level);
        QElapsedTimer took;
        took.start();
        BlindFrm& w = BlindFrm::instance();
        EXPECT_EQ(sound.played, c.played) << c.level;
        for (QRadioButton* o : {w.Option1, w.Option2, w.Option3})
            EXPECT_EQ(o->isChecked(), c.option && o == w.*c.option) << c.level << " " << o->objectName().toStdString();
        // "Call Only" lets NavEn play out before Call.
        if (c.level == 1) {
            EXPECT_GE(took.elapsed(), 45);
        }
        EXPECT_FALSE(w.isVisible());
        BlindFrm::unload();
    }
}

TEST_F(BlindFrmTest, CallOnlyWithoutNavEnDoesNotWait)
{
    Platform::setClock(&clock);   // a wait here would never end by the clock
    const QString call = prompt(QStringLiteral("Call.wav"), 500);
    G.VoiceNavLevel = 1;
    BlindFrm::instance();
    EXPECT_EQ(sound.played, QStringList({call}));
}

// A sound device that never reports the end of "NavEn" holds "Call Only" no longer than NavEn.wav's
// playing time and a short margin; then "Call" follows.
TEST_F(BlindFrmTest, AStalledDeviceHoldsTheWaitOnlyForThePromptsLength)
{
    SteppingClock stepping;
    Platform::setClock(&stepping);
    const QString navEn = prompt(QStringLiteral("NavEn.wav"), 1000);
    const QString call = prompt(QStringLiteral("Call.wav"), 300);
    BlindFrm& w = quietWindow();
    sound.stalled = true;

    const qint64 before = stepping.now;
    w.Option2_Click();
    const qint64 waited = stepping.now - before;
    EXPECT_GE(waited, 1000 + Platform::PlayWaitMarginMs);
    EXPECT_LE(waited, 1000 + Platform::PlayWaitMarginMs + 60);
    EXPECT_EQ(sound.played, QStringList({navEn, call}));
    EXPECT_TRUE(w.promptPlaying());   // the stalled device still claims to play "Call"
    BlindFrm::unload();
    Platform::setClock(nullptr);
}

TEST_F(BlindFrmTest, DoneSavesTheChosenLevel)
{
    G.VoiceNavLevel = 2;
    G.OwnCall = QStringLiteral("W9ABC");
    BlindFrm& w = BlindFrm::instance();
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Voice Navigation Settings"));
    EXPECT_EQ(w.Frame1->title(), QStringLiteral("Choose your preferred option:"));
    EXPECT_EQ(w.Label7->text(),
              QStringLiteral("Put the audio wave files in this program's working directory: ") + dir.path());
    EXPECT_EQ(w.findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("Done"));

    // Choosing only plays; the level changes on Done.
    w.Option1->click();
    EXPECT_EQ(G.VoiceNavLevel, 2);
    w.Command1->click();
    EXPECT_EQ(G.VoiceNavLevel, 0);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(BlindFrm::loaded());

    w.Option2->click();
    w.Command1->click();
    EXPECT_EQ(G.VoiceNavLevel, 1);
    G.VoiceNavLevel = 0;
    G.OwnCall.clear();
    // Written from a profile without band and mode, which read as the installed ones.
    ASSERT_TRUE(Module2::ReadQSOpref().fileRead);
    EXPECT_EQ(G.VoiceNavLevel, 1);
    EXPECT_EQ(G.OwnCall, QStringLiteral("W9ABC"));
}

TEST_F(BlindFrmTest, DoneKeepsTheLevelWhenTheFileCannotBeWritten)
{
    G.ProgramFolder = dir.filePath(QStringLiteral("no/such/folder"));
    G.VoiceNavLevel = 0;
    BlindFrm& w = BlindFrm::instance();
    w.Option3->click();
    w.Command1->click();
    EXPECT_EQ(G.VoiceNavLevel, 2);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(prompts.calls().isEmpty());
}
