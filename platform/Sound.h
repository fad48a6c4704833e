#pragma once
// Playing .wav files. A WavePlayer opens one file, plays it without waiting, and answers whether
// it still plays. That answer comes from the moment play() started and the length written in the
// file's header, read on the monotonic clock, so it stays right while the caller's thread is busy
// and never runs the event loop (callers wait for a prompt to end in such loops). Production sound
// goes out through Qt Multimedia on a thread of its own; tests install their own players
// (setWavePlayerFactory) on top of TimedWavePlayer, which keeps the same timing.
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QIODevice;

namespace Platform {

// What a .wav file's header says about its sound.
struct WaveInfo {
    int formatTag = 0;   // 1: PCM
    int channels = 0;
    int sampleRate = 0;   // per second
    int bitsPerSample = 0;
    qint64 byteRate = 0;    // bytes of sound per second
    qint64 dataBytes = 0;   // bytes of sound present in the file

    // The playing time, rounded up to whole milliseconds.
    qint64 durationMs() const;
};

// Reads the RIFF/WAVE header of an open file (from its start): the "fmt " chunk and the size of
// the "data" chunk, cut to what the file really holds. No value when it is not a wave file.
std::optional<WaveInfo> readWaveInfo(QIODevice& file);
std::optional<WaveInfo> readWaveInfo(const QString& path);

// The margin a non-yielding wait for a file to play out allows beyond its playing time.
constexpr qint64 PlayWaitMarginMs = 500;
// The longest a caller may wait, without yielding, for the file at `path` to play out: its
// playing time from the header plus PlayWaitMarginMs, or fallbackMs when the header cannot be
// read. A sound device that stalls therefore holds the caller no longer than the sound would.
qint64 playWaitLimitMs(const QString& path, qint64 fallbackMs);
// Waits without yielding while `playing` answers true, at most maxMs on Platform::clock().
void waitWhilePlaying(const std::function<bool()>& playing, qint64 maxMs);

class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    // Opens a file for playing; a file already open is closed first. False, with nothing open,
    // when the file is missing or not a wave file, or no sound output exists.
    virtual bool open(const QString& path) = 0;
    // Plays the open file from its start and returns at once. Nothing happens when none is open.
    virtual void play() = 0;
    // Ends the playing; the file stays open.
    virtual void stop() = 0;
    // Ends the playing and releases the file.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // True from play() until the file's length has passed, or stop() or close() ended it.
    virtual bool isPlaying() const = 0;
};

// The timing and bookkeeping that every player shares; an output supplies the sound itself.
class TimedWavePlayer : public WavePlayer {
public:
    bool open(const QString& path) override;
    void play() override;
    void stop() override;
    void close() override;
    bool isOpen() const override { return open_; }
    bool isPlaying() const override;

    const QString& path() const { return path_; }
    const WaveInfo& info() const { return info_; }

protected:
    // Whether a sound output exists at all.
    virtual bool outputAvailable() = 0;
    // Prepares the output for the file (already read as a wave file); false when it cannot.
    virtual bool openOutput(const QString& path, const WaveInfo& info) = 0;
    virtual void startOutput() = 0;
    virtual void stopOutput() = 0;
    virtual void closeOutput() = 0;

private:
    QString path_;
    WaveInfo info_;
    bool open_ = false;
    bool playing_ = false;
    qint64 startedMs_ = 0;
};

// A new player: the production one, or what a test installed.
std::unique_ptr<WavePlayer> createWavePlayer();
using WavePlayerFactory = std::function<std::unique_ptr<WavePlayer>()>;
// Installs a factory; an empty one restores production.
void setWavePlayerFactory(WavePlayerFactory factory);

}   // namespace Platform
