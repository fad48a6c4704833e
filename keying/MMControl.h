#pragma once
// A multimedia control as the voice windows use it: set DeviceType and FileName, then send the
// commands "Open" and "Play"; Mode reads 526 while the file plays; "Stop" ends the playing and
// "Close" also releases the file. Each window has its own control, so a new prompt cuts off only
// that window's sound. Sound goes out through a Platform::WavePlayer made on "Open".
//
// Commands return at once (playing never waits for the end), and Mode stays answerable while the
// caller's thread is busy. Nothing is ever shown: a command that fails only sets Error.
#include <QObject>
#include <QString>

#include <memory>

namespace Platform {
class WavePlayer;
}

class MMControl : public QObject {
    Q_OBJECT
public:
    // The Mode values.
    static constexpr int ModeNotOpen = 524;
    static constexpr int ModeStop = 525;
    static constexpr int ModePlay = 526;

    explicit MMControl(QObject* parent = nullptr);
    ~MMControl() override;

    // Kept as set; the control always completes a command before returning and is never shared.
    bool Notify = false;
    bool Wait = true;
    bool Shareable = false;
    // Only "WaveAudio" (any case) plays.
    QString DeviceType;
    // The file that "Open" opens. A file of that name in any case is found.
    QString FileName;

    // Sends a command: "Open", "Play", "Stop" or "Close", in any case. Others set Error only.
    void setCommand(const QString& command);
    // ModePlay while the file plays, ModeStop while one is open and silent, else ModeNotOpen.
    int Mode() const;
    // 0 when the last command succeeded.
    int Error() const { return error_; }
    // The file the last "Open" opened, as found on disk; empty while none is open.
    const QString& openedFile() const { return openedFile_; }

    // The conveniences the windows call.
    void Open() { setCommand(QStringLiteral("Open")); }
    void Play() { setCommand(QStringLiteral("Play")); }
    void Stop() { setCommand(QStringLiteral("Stop")); }
    void Close() { setCommand(QStringLiteral("Close")); }

    // Error values.
    static constexpr int ErrorNone = 0;
    static constexpr int ErrorCannotOpen = 1;   // missing or unreadable file, no sound output
    static constexpr int ErrorNotOpen = 2;      // Play or Stop with nothing open
    static constexpr int ErrorBadCommand = 3;   // an unknown command or device type

private:
    std::unique_ptr<Platform::WavePlayer> player_;
    int error_ = ErrorNone;
    QString openedFile_;
};
