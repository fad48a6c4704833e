#include "tests/support/FakeSound.h"

#include <memory>

namespace Platform {

namespace {

class FakeWavePlayer : public TimedWavePlayer {
public:
    explicit FakeWavePlayer(FakeSound& sound) : sound_(sound) {}

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
    }
    void stopOutput() override { sound_.events << QStringLiteral("stop ") + path(); }
    void closeOutput() override { sound_.events << QStringLiteral("close ") + path(); }

private:
    FakeSound& sound_;
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
