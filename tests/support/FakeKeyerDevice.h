#pragma once
// A keyer device in host mode on the far side of a pty pair, written from the device's public
// protocol: it answers the echo test and the host-open command (with its version byte) and status
// requests (with the status byte set by the test), and records every command and every character
// it is given. It can also flood the line, as a faulty device does. The program opens slavePath()
// as its serial port.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

class FakeKeyerDevice {
public:
    FakeKeyerDevice();
    ~FakeKeyerDevice();

    QString slavePath() const { return slavePath_; }

    // Answers nothing at all (a device switched off or stuck).
    std::atomic<bool> silent{false};
    // The version byte the host-open command returns.
    std::atomic<int> version{23};
    // The status byte returned to a status request: 0xC0 idle, 0xC4 busy, 0xC5 buffer nearly full.
    std::atomic<int> statusByte{0xC0};
    // Takes one character at a time: the first status request after each character given is
    // answered "full" (0xC5), later ones with statusByte. The host then waits, and lets its event
    // loop run, between any two characters, as it does with a real device's buffer filled up.
    std::atomic<bool> fullAfterEachChar{false};
    // Above 0: the device sends what it is given, each character taking this many milliseconds.
    // While it holds a character not yet sent it is busy: a status request is answered 0xC4, and
    // it reports each change unasked with a status byte, as the device does (0xC4 when it starts
    // sending, 0xC0 when it has sent the last character). Clear buffer drops what it holds.
    std::atomic<int> msPerChar{0};
    // While set, the device sends speed-pot bytes (10xxxxxx) as fast as the line takes them, and
    // still answers every command in turn.
    std::atomic<bool> flood{false};
    // The flood's bytes the line has taken so far.
    qint64 floodSent() const { return floodSent_; }
    // Bytes the device sends once, just before its next reply (stray or damaged output).
    void sendBeforeNextReply(const QByteArray& bytes);

    // Commands in order: "echo 85", "open", "close", "wpm 20", "weight 50", "leadtail 0 0",
    // "ratio 50", "pincfg 6", "mode 0", "backspace", "clear", "status", "unknown 1b".
    QStringList commands() const;
    // Commands other than status requests.
    QStringList settingCommands() const;
    // The characters given for sending, in order.
    QByteArray text() const;
    // When each character given arrived, and when the device finished sending (msPerChar), in ms
    // on the device's own clock (elapsedMs).
    QVector<qint64> textTimes() const;
    QVector<qint64> idleTimes() const;
    qint64 elapsedMs() const;
    // Waits (pumping nothing) up to `ms` for `n` text bytes / for a command; true when seen.
    bool waitForText(int n, int ms = 2000) const;
    bool waitForCommand(const QString& c, int ms = 2000) const;
    // Forgets the commands and text recorded, and any output queued for the next reply.
    void clearRecord();

private:
    void run();
    void take(uint8_t b);
    void reply(uint8_t b);
    void sendFlood();
    // Sends the characters whose time has come (msPerChar); m_ held.
    void advanceSending();

    int master_ = -1;
    QString slavePath_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<qint64> floodSent_{0};
    mutable std::mutex m_;
    QStringList commands_;
    QByteArray text_;
    // Parser: the command being read and the argument bytes still expected.
    QByteArray pending_;
    // A character arrived since the last status request.
    bool charSinceStatus_ = false;
    QByteArray beforeReply_;
    // Sending (msPerChar): characters held, and when the one being sent is done.
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    int held_ = 0;
    qint64 sentAtMs_ = 0;
    QVector<qint64> textTimes_, idleTimes_;
};
