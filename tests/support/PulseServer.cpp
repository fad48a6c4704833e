#include "PulseServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

namespace {
constexpr int StartWaitMs = 15000;

QString program(const char* name) { return QStandardPaths::findExecutable(QString::fromLatin1(name)); }
}   // namespace

bool PulseServer::installed() { return !program("pulseaudio").isEmpty(); }

// A short folder: the socket's path must fit a unix socket address.
PulseServer::PulseServer() : dir_(QStringLiteral("/tmp/vqp-pulse-XXXXXX"))
{
    hadServer_ = qEnvironmentVariableIsSet("PULSE_SERVER");
    oldServer_ = qgetenv("PULSE_SERVER");
    hadRuntime_ = qEnvironmentVariableIsSet("PULSE_RUNTIME_PATH");
    oldRuntime_ = qgetenv("PULSE_RUNTIME_PATH");

    if (!dir_.isValid() || !installed()) {
        error_ = installed() ? QStringLiteral("no temporary folder") : QStringLiteral("pulseaudio is not installed");
        return;
    }
    const QString runtime = dir_.filePath(QStringLiteral("run"));
    QDir().mkpath(runtime);
    QDir().mkpath(dir_.filePath(QStringLiteral("state")));
    QDir().mkpath(dir_.filePath(QStringLiteral("config")));
    socket_ = runtime + QStringLiteral("/native");

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dir_.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), runtime);
    env.insert(QStringLiteral("PULSE_STATE_PATH"), dir_.filePath(QStringLiteral("state")));
    env.remove(QStringLiteral("PULSE_SERVER"));
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    server_.setProcessEnvironment(env);
    server_.setProcessChannelMode(QProcess::MergedChannels);
    server_.setStandardOutputFile(dir_.filePath(QStringLiteral("server.log")));
    server_.start(program("pulseaudio"),
                  {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                   QStringLiteral("--use-pid-file=no"), QStringLiteral("--disable-shm=yes"),
                   QStringLiteral("--log-target=stderr"), QStringLiteral("-L"),
                   QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket_,
                   QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=") + sinkName()});
    if (!server_.waitForStarted(StartWaitMs)) {
        error_ = QStringLiteral("pulseaudio did not start: ") + server_.errorString();
        return;
    }

    // Ready once a client gets an answer through the socket.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < StartWaitMs && server_.state() == QProcess::Running) {
        if (QFileInfo::exists(socket_)) {
            QProcess info;
            info.setProcessEnvironment(clientEnvironment());
            info.start(program("pactl"), {QStringLiteral("info")});
            if (info.waitForFinished(5000) && info.exitStatus() == QProcess::NormalExit && info.exitCode() == 0) {
                running_ = true;
                break;
            }
        }
        QThread::msleep(50);
    }
    if (!running_) {
        QFile log(dir_.filePath(QStringLiteral("server.log")));
        log.open(QIODevice::ReadOnly);
        error_ = QStringLiteral("pulseaudio did not answer: ") + QString::fromLocal8Bit(log.readAll());
        return;
    }
    qputenv("PULSE_SERVER", ("unix:" + socket_).toLocal8Bit());
    qputenv("PULSE_RUNTIME_PATH", runtime.toLocal8Bit());
}

PulseServer::~PulseServer()
{
    if (recorder_)
        stopRecording();
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        if (!server_.waitForFinished(5000)) {
            server_.kill();
            server_.waitForFinished(5000);
        }
    }
    restoreEnvironment();
}

void PulseServer::restoreEnvironment()
{
    if (hadServer_)
        qputenv("PULSE_SERVER", oldServer_);
    else
        qunsetenv("PULSE_SERVER");
    if (hadRuntime_)
        qputenv("PULSE_RUNTIME_PATH", oldRuntime_);
    else
        qunsetenv("PULSE_RUNTIME_PATH");
}

QProcessEnvironment PulseServer::clientEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + socket_);
    env.insert(QStringLiteral("HOME"), dir_.path());
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    return env;
}

bool PulseServer::startRecording(const QString& path, int rate)
{
    if (!running_ || recorder_ || program("parec").isEmpty())
        return false;
    recordPath_ = path;
    recorder_ = std::make_unique<QProcess>();
    recorder_->setProcessEnvironment(clientEnvironment());
    recorder_->setStandardOutputFile(path);
    recorder_->setStandardErrorFile(QProcess::nullDevice());
    recorder_->start(program("parec"), {QStringLiteral("--device=") + monitorName(), QStringLiteral("--raw"),
                                        QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                                        QStringLiteral("--rate=%1").arg(rate), QStringLiteral("--latency-msec=20")});
    if (!recorder_->waitForStarted(StartWaitMs))
        return false;
    // The null sink's monitor gives silence while nothing plays: bytes arriving mean it records.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < StartWaitMs && recorder_->state() == QProcess::Running) {
        if (QFileInfo(path).size() > 0)
            return true;
        QThread::msleep(20);
    }
    return false;
}

QByteArray PulseServer::stopRecording()
{
    if (!recorder_)
        return {};
    recorder_->terminate();
    if (!recorder_->waitForFinished(5000)) {
        recorder_->kill();
        recorder_->waitForFinished(5000);
    }
    recorder_.reset();
    QFile f(recordPath_);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
