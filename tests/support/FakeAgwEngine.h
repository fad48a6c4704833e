#pragma once
// A packet engine on a loopback port, speaking the public TCP API from its definition: each frame
// is a 36-byte header (port, 3 reserved, kind, reserved, PID, reserved, 10-byte call from, 10-byte
// call to, data length as 32-bit little-endian, 4 reserved) and the data. It answers a
// registration ('X') as told and records every byte a client sends. It serves on a thread of its
// own, so a client that blocks while it waits for the registration's answer still gets it.
// One client at a time; a new client replaces the old one.
#include <QByteArray>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

class FakeAgwEngine {
public:
    enum class Registration { Accept, Refuse, Silent };
    struct Frame {
        uint8_t port = 0;
        char kind = 0;
        uint8_t pid = 0;
        QByteArray from, to, data;
    };

    explicit FakeAgwEngine(Registration r = Registration::Accept);
    ~FakeAgwEngine();
    uint16_t port() const { return port_; }

    // A frame's bytes, built by hand from the definition.
    static QByteArray frame(char kind, const QByteArray& from, const QByteArray& to, const QByteArray& data = {},
                            uint8_t pid = 0, uint8_t port = 0);
    // Frames and raw bytes the client sent so far.
    std::vector<Frame> frames() const;
    QByteArray bytes() const;
    // Waits (running the event loop) until the client has sent `n` frames in all; false after `ms`.
    bool waitForFrames(size_t n, int ms = 5000) const;
    bool waitForClient(int ms = 5000) const;
    // True once the connection ended (the client closed it, or closeClient).
    bool clientGone() const { return gone_; }
    void send(const QByteArray& raw);
    void closeClient();

private:
    void serve();
    Registration registration_;
    int listener_ = -1;
    std::atomic<int> client_{-1};
    std::atomic<bool> stop_{false}, gone_{false};
    uint16_t port_ = 0;
    mutable std::mutex mutex_;
    QByteArray received_;
    std::vector<Frame> frames_;
    std::thread thread_;
};
