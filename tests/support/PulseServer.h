#pragma once
// A private PulseAudio server for tests that play real sound: started without any configuration
// (`pulseaudio -n`) in a temporary runtime folder, with one null sink whose monitor can be
// recorded. While it lives, PULSE_SERVER and PULSE_RUNTIME_PATH of this process point at it, so
// Qt Multimedia plays into it; the destructor stops it and restores both. Each test process makes
// its own, so tests running in parallel never share a server.
//
//   if (!PulseServer::installed()) GTEST_SKIP() << "pulseaudio is not installed";
//   PulseServer pulse;
//   ASSERT_TRUE(pulse.running()) << pulse.error();
//
// Make it before anything in the process touches Qt Multimedia: the sound system connects once.
#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class PulseServer {
public:
    PulseServer();
    ~PulseServer();
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    // Whether the pulseaudio program exists on this machine.
    static bool installed();

    bool running() const { return running_; }
    // Why it did not start (with the server's own output).
    QString error() const { return error_; }

    // The null sink, and the source that records what it plays.
    static QString sinkName() { return QStringLiteral("vqptest"); }
    static QString monitorName() { return sinkName() + QStringLiteral(".monitor"); }
    // The environment for client programs (pactl, parec) reaching this server.
    QProcessEnvironment clientEnvironment() const;

    // Starts `parec` recording the null sink's monitor as raw 16-bit mono samples at `rate` into
    // `path`; returns once samples arrive (false when it could not).
    bool startRecording(const QString& path, int rate);
    // Ends the recording and returns its samples.
    QByteArray stopRecording();

private:
    void restoreEnvironment();

    QTemporaryDir dir_;
    QProcess server_;
    std::unique_ptr<QProcess> recorder_;
    QString recordPath_;
    QString socket_;
    QString error_;
    bool running_ = false;
    QByteArray oldServer_, oldRuntime_;
    bool hadServer_ = false, hadRuntime_ = false;
};
