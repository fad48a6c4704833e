#include "tests/support/FakeSound.h"

#include <memory>

namespace Platform {

namespace {

class FakeWavePlayer : public TimedWavePlayer {
public:
    explicit FakeWavePlayer(FakeSound& sound) : sound_(sound) {}
    bool isPlaying() const override { return sound_.stalled ? running_ : TimedWavePlayer::isPlaying(); }

protected:
    bool outputAvailable() override { return sound_.deviceAvailable; }
    bool openOutput(const QString& path, const WaveInfo&) override
    {
        sound_.events << QStringLiteral("open ") + path;
        return true;
    }
    void startOutput() override
    {
        sound_.events << QStringLiteral("play ") + path();
        sound_.played << path();
        running_ = true;
    }
    void stopOutput() override
    {
        sound_.events << QStringLiteral("stop ") + path();
        running_ = false;
    }
    void closeOutput() override { sound_.events << QStringLiteral("close ") + path(); }

private:
    FakeSound& sound_;
    bool running_ = false;   // between startOutput and stopOutput
};

}   // namespace

FakeSound::FakeSound()
{
    setWavePlayerFactory([this] {
        ++playersMade;
        return std::make_unique<FakeWavePlayer>(*this);
    });
}

FakeSound::~FakeSound() { setWavePlayerFactory(nullptr); }

}   // namespace Platform
