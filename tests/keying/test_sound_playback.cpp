// Real sound: the production player plays into a private PulseAudio server's null sink while this
// thread is busy and never runs the event loop, as the waits for a spoken prompt do.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QtEndian>

#include <cstdlib>

#include "core/Globals.h"
#include "keying/PhoneFrm.h"
#include "platform/Sound.h"
#include "platform/VbControls.h"
#include "tests/support/FakeKeyLines.h"
#include "tests/support/PulseServer.h"
#include "test_sound_wave.h"

TEST(SoundPlayback, PlaysWhileTheCallerDoesNotYield)
{
    if (!PulseServer::installed())
        GTEST_SKIP() << "pulseaudio is not installed";
    PulseServer pulse;
    ASSERT_TRUE(pulse.running()) << pulse.error().toStdString();

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const int rate = 16000;
    const QString path = dir.filePath(QStringLiteral("tone.wav"));
    ASSERT_TRUE(TestWave::write(path, TestWave::wave(600, rate, 440, 16000)));

    ASSERT_TRUE(pulse.startRecording(dir.filePath(QStringLiteral("heard.raw")), rate));
    {
        std::unique_ptr<Platform::WavePlayer> player = Platform::createWavePlayer();
        ASSERT_TRUE(player->open(path));
        player->play();
        QElapsedTimer busy;
        busy.start();
        while (player->isPlaying() && busy.elapsed() < 5000)
            QThread::msleep(5);
        // It plays for the file's length at least, and ends by itself.
        EXPECT_GE(busy.elapsed(), 590);
        EXPECT_FALSE(player->isPlaying());
        // Let the last of the sound leave the server's buffers, still without yielding.
        QThread::msleep(700);
        player->close();
    }
    const QByteArray heard = pulse.stopRecording();
    ASSERT_GT(heard.size(), rate * 2 / 2) << "less than half a second recorded";
    int loudest = 0;
    int loudSamples = 0;
    for (qsizetype i = 0; i + 1 < heard.size(); i += 2) {
        const int v = std::abs(int(qFromLittleEndian<qint16>(heard.constData() + i)));
        loudest = std::max(loudest, v);
        if (v > 4000)
            ++loudSamples;
    }
    EXPECT_GT(loudest, 8000);
    // A 440 Hz tone is above 4000 for about two thirds of its samples: most of the 0.6 s came out.
    EXPECT_GT(loudSamples, rate * 6 / 10 * 2 / 3 / 2) << "loud samples: " << loudSamples;

    // A missing file does not open on the real output either.
    const std::unique_ptr<Platform::WavePlayer> missing = Platform::createWavePlayer();
    EXPECT_FALSE(missing->open(dir.filePath(QStringLiteral("none.wav"))));
}

// An F-key message on the real output: push-to-talk is held for the file's length, released by
// the 40 ms watch running on the event loop.
TEST(SoundPlayback, PushToTalkIsHeldForTheMessage)
{
    if (!PulseServer::installed())
        GTEST_SKIP() << "pulseaudio is not installed";
    PulseServer pulse;
    ASSERT_TRUE(pulse.running()) << pulse.error().toStdString();

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("cq.wav"));
    ASSERT_TRUE(TestWave::write(path, TestWave::wave(600)));
    resetGlobals();
    G.ProgramFolder = dir.path();
    G.DataFolder = dir.path();
    qputenv("VQPLOG_COM3", "/dev/fake-com3");
    FakeKeyLines lines;
    PhoneFrm::unload();
    PhoneFrm& phone = PhoneFrm::instance();
    phone.Text1->setText(path);
    phone.Text10->setText(QStringLiteral("3"));
    setOptionValue(phone.Option1, true);

    phone.FKeyPhone(112);
    QElapsedTimer waited;
    waited.start();
    while (lines.keyed(QStringLiteral("RTS")) && waited.elapsed() < 5000)
        QTest::qWait(5);
    PhoneFrm::unload();
    qunsetenv("VQPLOG_COM3");
    resetGlobals();

    qint64 downNs = -1, upNs = -1;
    for (const FakeKeyLines::Event& e : lines.events) {
        if (e.line != QLatin1String("RTS"))
            continue;
        if (e.value == 1 && downNs < 0)
            downNs = e.ns;
        else if (e.value == 0 && downNs >= 0 && upNs < 0)
            upNs = e.ns;
    }
    ASSERT_GE(downNs, 0);
    ASSERT_GE(upNs, 0);
    const qint64 heldMs = (upNs - downNs) / 1000000;
    EXPECT_GE(heldMs, 600);
    EXPECT_LE(heldMs, 700);
}
