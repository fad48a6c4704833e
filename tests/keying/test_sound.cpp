// The wave player layer: the header reader, the playing time taken from it, and the multimedia
// control on top, all with the recording fake and a fake clock.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>

#include "keying/MMControl.h"
#include "platform/Clock.h"
#include "platform/Sound.h"
#include "tests/support/LogCapture.h"
#include "test_sound_wave.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeSound.h"

using namespace TestWave;

namespace {

struct HeaderCase {
    const char* name;
    QByteArray bytes;
    bool valid;
    qint64 dataBytes;
    qint64 durationMs;
};

}   // namespace

TEST(WaveHeader, ReadsWhatThePlayingTimeNeeds)
{
    const QByteArray pcm1s(32000, '\x01');   // 1 s of 16 kHz mono 16-bit
    const QByteArray fmt16k = fmtChunk(1, 16000, 16);
    const HeaderCase cases[] = {
        {"plain file", wave(500), true, 16000, 500},
        {"8 kHz stereo 8-bit", riff(fmtChunk(2, 8000, 8) + "data" + le32(16000) + QByteArray(16000, '\x80')), true,
         16000, 1000},
        // A chunk of odd length before the sound is skipped with its pad byte.
        {"odd chunk first",
         riff(fmt16k + "LIST" + le32(3) + "abc" + QByteArray(1, '\0') + "data" + le32(32000) + pcm1s), true, 32000,
         1000},
        // The length is what the file holds, not what a cut-off header claims.
        {"cut-off file", riff(fmt16k + "data" + le32(64000) + pcm1s.left(16000)), true, 16000, 500},
        {"part of a millisecond rounds up", riff(fmt16k + "data" + le32(33) + QByteArray(33, '\0')), true, 33, 2},
        {"empty sound", riff(fmt16k + "data" + le32(0)), true, 0, 0},
        {"not RIFF", QByteArray("RIFX") + wave(100).mid(4), false, 0, 0},
        {"not WAVE", wave(100).left(8) + "AVI " + wave(100).mid(12), false, 0, 0},
        {"no data chunk", riff(fmt16k), false, 0, 0},
        {"data before fmt", riff("data" + le32(4) + QByteArray(4, '\0') + fmt16k), false, 0, 0},
        {"no bytes per second",
         riff("fmt " + le32(16) + le16(1) + le16(1) + le32(16000) + le32(0) + le16(2) + le16(16) + "data" + le32(4) +
              QByteArray(4, '\0')),
         false, 0, 0},
        {"short fmt", riff("fmt " + le32(8) + QByteArray(8, '\0') + "data" + le32(0)), false, 0, 0},
        {"text file", QByteArray("Call\r\n"), false, 0, 0},
        {"empty file", QByteArray(), false, 0, 0},
    };
    for (const HeaderCase& c : cases) {
        QByteArray bytes = c.bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        const std::optional<Platform::WaveInfo> info = Platform::readWaveInfo(buffer);
        ASSERT_EQ(info.has_value(), c.valid) << c.name;
        if (!info)
            continue;
        EXPECT_EQ(info->dataBytes, c.dataBytes) << c.name;
        EXPECT_EQ(info->durationMs(), c.durationMs) << c.name;
    }
}

class WavePlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Platform::setClock(&clock);
    }
    void TearDown() override { Platform::setClock(nullptr); }

    QString file(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(write(path, bytes));
        return path;
    }

    QTemporaryDir dir;
    Platform::FakeClock clock;
    Platform::FakeSound sound;
};

// A non-yielding wait for a file to play out lasts at most the file's playing time and a margin;
// a file whose length cannot be read gets the caller's own cap.
TEST_F(WavePlayerTest, WaitLimitIsThePlayingTimeAndAMargin)
{
    struct Case {
        const char* name;
        QString path;
        qint64 limitMs;
    };
    const Case cases[] = {
        {"one second", file(QStringLiteral("one.wav"), wave(1000)), 1000 + Platform::PlayWaitMarginMs},
        {"8 kHz, 250 ms", file(QStringLiteral("short.wav"), wave(250, 8000)), 250 + Platform::PlayWaitMarginMs},
        {"empty sound", file(QStringLiteral("empty.wav"), riff(fmtChunk(1, 16000, 16) + "data" + le32(0))),
         Platform::PlayWaitMarginMs},
        {"not a wave file", file(QStringLiteral("text.wav"), QByteArray("Call\r\n")), 7000},
        {"missing file", dir.filePath(QStringLiteral("none.wav")), 7000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Platform::playWaitLimitMs(c.path, 7000), c.limitMs) << c.name;
}

TEST_F(WavePlayerTest, PlaysForTheLengthInTheHeader)
{
    const QString path = file(QStringLiteral("half.wav"), wave(500));
    std::unique_ptr<Platform::WavePlayer> p = Platform::createWavePlayer();
    ASSERT_TRUE(p->open(path));
    EXPECT_FALSE(p->isPlaying());   // opened, not started
    clock.advanceMs(1000);
    p->play();
    EXPECT_TRUE(p->isPlaying());
    clock.advanceMs(499);
    EXPECT_TRUE(p->isPlaying());
    clock.advanceMs(1);
    EXPECT_FALSE(p->isPlaying());
    EXPECT_TRUE(p->isOpen());

    // Playing again starts from the beginning.
    p->play();
    clock.advanceMs(300);
    EXPECT_TRUE(p->isPlaying());
    p->stop();
    EXPECT_FALSE(p->isPlaying());
    p->play();
    p->close();
    EXPECT_FALSE(p->isPlaying());
    EXPECT_FALSE(p->isOpen());
    p->play();   // nothing open: nothing happens
    EXPECT_FALSE(p->isPlaying());
    EXPECT_EQ(sound.played, QStringList({path, path, path}));
    EXPECT_EQ(sound.events.last(), QStringLiteral("close ") + path);
}

TEST_F(WavePlayerTest, FilesThatCannotPlayDoNotOpen)
{
    const QString good = file(QStringLiteral("good.wav"), wave(200));
    const QString text = file(QStringLiteral("text.wav"), "not a wave file");
    std::unique_ptr<Platform::WavePlayer> p = Platform::createWavePlayer();
    LogCapture log;
    EXPECT_FALSE(p->open(dir.filePath(QStringLiteral("missing.wav"))));
    EXPECT_FALSE(p->open(text));
    EXPECT_FALSE(p->open(dir.path()));   // a folder
    sound.deviceAvailable = false;
    EXPECT_FALSE(p->open(good));
    EXPECT_FALSE(p->isOpen());
    p->play();
    EXPECT_FALSE(p->isPlaying());
    EXPECT_TRUE(sound.events.isEmpty()) << sound.events.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(log.warnings("vqplog.platform").size(), 4);

    // A failed open also ends what was open before.
    sound.deviceAvailable = true;
    ASSERT_TRUE(p->open(good));
    p->play();
    EXPECT_FALSE(p->open(text));
    EXPECT_FALSE(p->isPlaying());
    EXPECT_EQ(sound.events, QStringList({QStringLiteral("open ") + good, QStringLiteral("play ") + good,
                                         QStringLiteral("stop ") + good, QStringLiteral("close ") + good}));
}

TEST_F(WavePlayerTest, ControlModeFollowsThePlaying)
{
    file(QStringLiteral("Prompt.WAV"), wave(400));
    MMControl c;
    EXPECT_EQ(c.Mode(), MMControl::ModeNotOpen);
    c.DeviceType = QStringLiteral("WaveAudio");
    c.FileName = dir.filePath(QStringLiteral("prompt.wav"));   // other case than on disk
    c.setCommand(QStringLiteral("Open"));
    EXPECT_EQ(c.Error(), MMControl::ErrorNone);
    EXPECT_EQ(c.Mode(), MMControl::ModeStop);
    c.setCommand(QStringLiteral("play"));
    EXPECT_EQ(c.Mode(), MMControl::ModePlay);
    ASSERT_EQ(sound.played.size(), 1);
    EXPECT_EQ(sound.played[0], dir.filePath(QStringLiteral("Prompt.WAV")));
    clock.advanceMs(400);
    EXPECT_EQ(c.Mode(), MMControl::ModeStop);

    c.setCommand(QStringLiteral("Play"));
    clock.advanceMs(100);
    c.setCommand(QStringLiteral("Stop"));
    EXPECT_EQ(c.Mode(), MMControl::ModeStop);
    c.setCommand(QStringLiteral("Play"));
    c.setCommand(QStringLiteral("Close"));
    EXPECT_EQ(c.Mode(), MMControl::ModeNotOpen);
    EXPECT_EQ(sound.events.last(), QStringLiteral("close ") + dir.filePath(QStringLiteral("Prompt.WAV")));
}

TEST_F(WavePlayerTest, ControlFailuresLeaveNothingPlaying)
{
    file(QStringLiteral("x.wav"), wave(400));
    struct Case {
        const char* name;
        QString deviceType;
        QString fileName;
        bool device;
        int error;
    };
    const Case cases[] = {
        {"missing file", QStringLiteral("WaveAudio"), dir.filePath(QStringLiteral("y.wav")), true,
         MMControl::ErrorCannotOpen},
        {"no sound output", QStringLiteral("WaveAudio"), dir.filePath(QStringLiteral("x.wav")), false,
         MMControl::ErrorCannotOpen},
        {"blank file name", QStringLiteral("WaveAudio"), QStringLiteral("  "), true, MMControl::ErrorBadCommand},
        {"other device", QStringLiteral("Sequencer"), dir.filePath(QStringLiteral("x.wav")), true,
         MMControl::ErrorBadCommand},
        {"device type any case", QStringLiteral("waveaudio"), dir.filePath(QStringLiteral("x.wav")), true,
         MMControl::ErrorNone},
    };
    for (const Case& k : cases) {
        sound.deviceAvailable = k.device;
        LogCapture log;
        MMControl c;
        c.DeviceType = k.deviceType;
        c.FileName = k.fileName;
        c.Open();
        EXPECT_EQ(c.Error(), k.error) << k.name;
        c.Play();
        const bool plays = k.error == MMControl::ErrorNone;
        EXPECT_EQ(c.Mode(), plays ? MMControl::ModePlay : MMControl::ModeNotOpen) << k.name;
        EXPECT_EQ(c.Error(), plays ? MMControl::ErrorNone : MMControl::ErrorNotOpen) << k.name;
        // Nothing is shown, but each failed command leaves a warning.
        EXPECT_EQ(log.warnings("vqplog.keying").size(), plays ? 0 : 2) << k.name;
        c.Close();
    }
    MMControl c;
    c.setCommand(QStringLiteral("Record"));
    EXPECT_EQ(c.Error(), MMControl::ErrorBadCommand);
}

TEST_F(WavePlayerTest, OpeningAnotherFileEndsTheFirst)
{
    const QString a = file(QStringLiteral("a.wav"), wave(1000));
    const QString b = file(QStringLiteral("b.wav"), wave(200));
    MMControl c;
    c.DeviceType = QStringLiteral("WaveAudio");
    c.FileName = a;
    c.Open();
    c.Play();
    clock.advanceMs(100);
    c.FileName = b;
    c.Open();
    EXPECT_EQ(c.Mode(), MMControl::ModeStop);
    c.Play();
    clock.advanceMs(200);
    // b's length counts from its own start, not a's.
    EXPECT_EQ(c.Mode(), MMControl::ModeStop);
    EXPECT_EQ(sound.events,
              QStringList({QStringLiteral("open ") + a, QStringLiteral("play ") + a, QStringLiteral("stop ") + a,
                           QStringLiteral("close ") + a, QStringLiteral("open ") + b, QStringLiteral("play ") + b}));
}
