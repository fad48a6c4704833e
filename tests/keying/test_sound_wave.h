#pragma once
// Wave files made by the tests: 16-bit PCM with a header that can be bent to test the reader.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <cmath>

namespace TestWave {

inline QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}
inline QByteArray le16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A "fmt " chunk for PCM.
inline QByteArray fmtChunk(int channels, int rate, int bits)
{
    const int block = channels * bits / 8;
    return "fmt " + le32(16) + le16(1) + le16(quint16(channels)) + le32(quint32(rate)) + le32(quint32(rate * block)) +
           le16(quint16(block)) + le16(quint16(bits));
}

// RIFF/WAVE around the given chunks.
inline QByteArray riff(const QByteArray& chunks) { return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks; }

// Samples of a sine tone (amplitude 0 gives silence), 16-bit mono.
inline QByteArray tone(int ms, int rate, double hz, int amplitude)
{
    const int n = rate * ms / 1000;
    QByteArray pcm(n * 2, '\0');
    for (int i = 0; i < n; ++i) {
        const auto s = qint16(std::lround(amplitude * std::sin(2 * M_PI * hz * i / rate)));
        qToLittleEndian(s, pcm.data() + 2 * i);
    }
    return pcm;
}

// A complete mono 16-bit file of `ms` milliseconds.
inline QByteArray wave(int ms, int rate = 16000, double hz = 440, int amplitude = 12000)
{
    const QByteArray pcm = tone(ms, rate, hz, amplitude);
    return riff(fmtChunk(1, rate, 16) + "data" + le32(quint32(pcm.size())) + pcm);
}

inline bool write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}   // namespace TestWave
