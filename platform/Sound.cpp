#include "platform/Sound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFile>
#include <QMediaDevices>
#include <QObject>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

#include <mutex>
#include <set>

#include "platform/Clock.h"
#include "platform/PlatformLog.h"

namespace Platform {

// ---- The wave header ----------------------------------------------------------------------

qint64 WaveInfo::durationMs() const
{
    if (byteRate <= 0 || dataBytes <= 0)
        return 0;
    return (dataBytes * 1000 + byteRate - 1) / byteRate;
}

namespace {
quint32 le32(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return quint32(u[0]) | quint32(u[1]) << 8 | quint32(u[2]) << 16 | quint32(u[3]) << 24;
}
quint16 le16(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return quint16(u[0] | u[1] << 8);
}
}   // namespace

std::optional<WaveInfo> readWaveInfo(QIODevice& file)
{
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return std::nullopt;
    const qint64 fileSize = file.size();
    WaveInfo info;
    bool haveFormat = false;
    qint64 pos = 12;
    // Chunks follow one another, each padded to an even length; "fmt " comes before "data".
    while (pos + 8 <= fileSize) {
        if (!file.seek(pos))
            return std::nullopt;
        const QByteArray head = file.read(8);
        if (head.size() != 8)
            return std::nullopt;
        const QByteArray id = head.left(4);
        const qint64 size = le32(head.constData() + 4);
        const qint64 body = pos + 8;
        if (id == "fmt ") {
            if (size < 16)
                return std::nullopt;
            const QByteArray f = file.read(16);
            if (f.size() != 16)
                return std::nullopt;
            info.formatTag = le16(f.constData());
            info.channels = le16(f.constData() + 2);
            info.sampleRate = int(le32(f.constData() + 4));
            info.byteRate = le32(f.constData() + 8);
            info.bitsPerSample = le16(f.constData() + 14);
            haveFormat = info.channels > 0 && info.sampleRate > 0 && info.byteRate > 0;
            if (!haveFormat)
                return std::nullopt;
        } else if (id == "data") {
            if (!haveFormat)
                return std::nullopt;
            info.dataBytes = std::min(size, fileSize - body);
            return info;
        }
        pos = body + size + (size & 1);
    }
    return std::nullopt;
}

std::optional<WaveInfo> readWaveInfo(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readWaveInfo(f);
}

qint64 playWaitLimitMs(const QString& path, qint64 fallbackMs)
{
    const std::optional<WaveInfo> info = readWaveInfo(path);
    if (!info) {
        qCWarning(lcPlatform) << "no wave header in" << path << "- waiting at most" << fallbackMs << "ms";
        return fallbackMs;
    }
    return info->durationMs() + PlayWaitMarginMs;
}

void waitWhilePlaying(const std::function<bool()>& playing, qint64 maxMs)
{
    const qint64 start = clock().monotonicMs();
    while (playing() && clock().monotonicMs() - start < maxMs)
        QThread::msleep(5);
}

// ---- Timing shared by all players ---------------------------------------------------------

bool TimedWavePlayer::open(const QString& path)
{
    close();
    if (!outputAvailable()) {
        qCWarning(lcPlatform) << "no sound output to play" << path;
        return false;
    }
    const std::optional<WaveInfo> info = readWaveInfo(path);
    if (!info) {
        qCWarning(lcPlatform) << "not a readable wave file:" << path;
        return false;
    }
    if (!openOutput(path, *info)) {
        qCWarning(lcPlatform) << "sound output not opened for" << path;
        return false;
    }
    path_ = path;
    info_ = *info;
    open_ = true;
    return true;
}

void TimedWavePlayer::play()
{
    if (!open_)
        return;
    startOutput();
    startedMs_ = clock().monotonicMs();
    playing_ = true;
}

void TimedWavePlayer::stop()
{
    if (!playing_)
        return;
    playing_ = false;
    stopOutput();
}

void TimedWavePlayer::close()
{
    stop();
    if (!open_)
        return;
    open_ = false;
    closeOutput();
    path_.clear();
    info_ = WaveInfo();
}

bool TimedWavePlayer::isPlaying() const { return playing_ && clock().monotonicMs() - startedMs_ < info_.durationMs(); }

// ---- Production: Qt Multimedia on a thread of its own --------------------------------------

namespace {

// The sound thread runs its own event loop, so the sound goes on while the GUI thread is busy.
// Each player has one output object living there; everything the player asks of it is posted.
struct SoundThread {
    std::mutex mutex;
    QThread* thread = nullptr;
    std::set<QObject*> outputs;
    bool shutDown = false;
};

SoundThread& soundThread()
{
    static SoundThread s;
    return s;
}

// At the application's end: the outputs are deleted in their thread, then the thread ends.
void shutDownSoundThread()
{
    SoundThread& s = soundThread();
    QThread* thread = nullptr;
    std::set<QObject*> outputs;
    {
        std::lock_guard lock(s.mutex);
        s.shutDown = true;
        thread = s.thread;
        s.thread = nullptr;
        outputs.swap(s.outputs);
    }
    if (!thread)
        return;
    QObject* anyOutput = outputs.empty() ? nullptr : *outputs.begin();
    if (anyOutput)
        QMetaObject::invokeMethod(
            anyOutput,
            [outputs] {
                for (QObject* o : outputs)
                    delete o;
            },
            Qt::BlockingQueuedConnection);
    thread->quit();
    thread->wait();
    delete thread;
}

// A new output object in the sound thread; null when there is no application (or it is ending).
QObject* newOutput()
{
    SoundThread& s = soundThread();
    std::lock_guard lock(s.mutex);
    if (s.shutDown || !QCoreApplication::instance())
        return nullptr;
    if (!s.thread) {
        s.thread = new QThread();
        s.thread->setObjectName(QStringLiteral("sound"));
        s.thread->start();
        qAddPostRoutine(shutDownSoundThread);
    }
    auto* out = new QObject();
    out->moveToThread(s.thread);
    s.outputs.insert(out);
    return out;
}

// Runs f in the sound thread, unless the thread has ended.
template<class F>
void post(QObject* out, F f)
{
    SoundThread& s = soundThread();
    std::lock_guard lock(s.mutex);
    if (!s.shutDown && s.outputs.count(out))
        QMetaObject::invokeMethod(out, std::move(f), Qt::QueuedConnection);
}

void deleteOutput(QObject* out)
{
    SoundThread& s = soundThread();
    std::lock_guard lock(s.mutex);
    if (s.shutDown || !s.outputs.erase(out))
        return;
    QMetaObject::invokeMethod(
        out, [out] { delete out; }, Qt::QueuedConnection);
}

// The output's sound effect, made in the sound thread on first use.
QSoundEffect* effectOf(QObject* out)
{
    auto* fx = out->findChild<QSoundEffect*>(QString(), Qt::FindDirectChildrenOnly);
    return fx ? fx : new QSoundEffect(out);
}

class QtWavePlayer : public TimedWavePlayer {
public:
    ~QtWavePlayer() override
    {
        if (out_)
            deleteOutput(out_);
    }

protected:
    bool outputAvailable() override { return !QMediaDevices::audioOutputs().isEmpty(); }

    bool openOutput(const QString& path, const WaveInfo&) override
    {
        if (!out_)
            out_ = newOutput();
        if (!out_)
            return false;
        const QUrl url = QUrl::fromLocalFile(path);
        post(out_, [out = out_, url] { effectOf(out)->setSource(url); });
        return true;
    }
    void startOutput() override
    {
        post(out_, [out = out_] {
            QSoundEffect* fx = effectOf(out);
            fx->stop();
            fx->play();
        });
    }
    void stopOutput() override
    {
        post(out_, [out = out_] { effectOf(out)->stop(); });
    }
    void closeOutput() override
    {
        post(out_, [out = out_] {
            QSoundEffect* fx = effectOf(out);
            fx->stop();
            fx->setSource(QUrl());
        });
    }

private:
    QObject* out_ = nullptr;
};

WavePlayerFactory& factory()
{
    static WavePlayerFactory f;
    return f;
}

}   // namespace

std::unique_ptr<WavePlayer> createWavePlayer()
{
    if (factory())
        return factory()();
    return std::make_unique<QtWavePlayer>();
}

void setWavePlayerFactory(WavePlayerFactory f) { factory() = std::move(f); }

}   // namespace Platform
