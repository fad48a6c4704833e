#pragma once
// The packet-engine layer: a packet-radio engine program (a sound-card or TNC modem with its own
// AX.25 stack) reached over its public TCP API. The DX-spotting window registers with the engine,
// takes one frame per timer tick, asks for connections, sends text to a connected station and ends
// the registration through four calls: startPoll, getData, putData, close.
//
// Responsibilities: connect to the engine (127.0.0.1:8000, or VQPLOG_AGW_HOST / VQPLOG_AGW_PORT),
// register the own call and turn on monitoring; cut the byte stream into the API's frames (36-byte
// header, little-endian numbers, 10-byte call fields, then the data) and queue the ones the window
// wants; translate the window's frame kinds into the API's and back (table below); keep every
// length bounded: a frame whose data length is beyond MaxDataLength ends the connection, at most
// MaxQueued frames wait (the oldest goes first), getData hands out at most MaxFrameData bytes.
// Thread: the caller's (the GUI thread). Arrivals come through the event loop. Only startPoll
// waits, each wait bounded (ConnectWaitMs, RegisterWaitMs); getData never waits: with nothing
// queued it answers false at once.
// Lifetime: startPoll to close (or destruction, which closes). startPoll drops any earlier
// connection first.
// Failure: startPoll answers false when the engine cannot be reached, does not answer the
// registration in time or refuses it, or the call cannot be registered; nothing stays connected
// then. A connection that breaks later (the engine ended, the socket reset, a malformed frame)
// makes lost() true; frames already queued can still be fetched, putData sends nothing. Every
// refusal leaves a qCWarning in vqplog.platform.
//
// Models (one interface per device kind; createPacketEngine gives the model's implementation):
//   | model                  | reached by     | registration            | monitoring   |
//   | TCP API packet engine  | TCP, one client | 'X' frame, 1-byte reply | one 'm' frame |
//
// Kinds as the window uses them, and what goes over the wire:
//   window -> engine: 'c' connect to the to-call  -> 'C' (from the own call to the to-call)
//                     'P' second half of a connect -> nothing (the API connects with one frame)
//                     'd' disconnect               -> 'd'
//                     'D' text for the station     -> 'D' (PID F0)
//   engine -> window: 'C' link up  -> 'c', from-call the other station
//                     'd' link down -> 'd', from-call the other station
//                     'D' connected data -> 'D', from-call the other station
//                     'U' 'I' 'S' 'T' monitored frames (UI, information, supervisory, own
//                     transmission) -> as they are, from-call the frame's source
//   A text's closing NULs (engines send C strings) are dropped.
//   Other API kinds (version, port information, outstanding frames, heard lists, raw frames, the
//   registration reply) never reach the window.
#include <QByteArray>
#include <QString>
#include <QVector>

#include <cstdint>
#include <memory>

namespace Platform {

// One frame of the TCP API as it goes over the wire.
struct AgwWireFrame {
    uint8_t port = 0;
    char kind = 0;
    uint8_t pid = 0;
    QByteArray callFrom{}, callTo{};   // at most 9 characters each: the fields are 10 bytes, NUL-ended
    QByteArray data{};
};

namespace AgwWire {
constexpr int HeaderSize = 36;
constexpr int CallField = 10;
constexpr uint32_t MaxDataLength = 65536;
// The frame's bytes: header (port, 3 reserved, kind, reserved, PID, reserved, call from, call to,
// data length as 32-bit little-endian, 4 reserved bytes) then the data. Calls longer than 9
// characters are cut to 9 so the field keeps its NUL.
QByteArray encode(const AgwWireFrame& frame);

// Cuts a byte stream into frames. A call field is read up to its first NUL, at most 9 characters.
class Reader {
public:
    // Takes one arrival; returns the frames it completed, oldest first. After a header announcing
    // more than MaxDataLength data bytes the reader fails and takes nothing more.
    QVector<AgwWireFrame> feed(const QByteArray& bytes);
    bool failed() const { return failed_; }

private:
    QByteArray pending_;
    bool failed_ = false;
};
}   // namespace AgwWire

class PacketEngine {
public:
    // A frame as the window takes it.
    struct Frame {
        QString fromCall;   // Latin-1, at most 9 characters
        QString data;       // Latin-1, at most MaxFrameData characters
        int kind = 0;       // character code of the kind
    };
    // The bounds of startPoll's waits, in ms.
    static constexpr int ConnectWaitMs = 2000, RegisterWaitMs = 2000;
    // Frames waiting at most, data characters handed out per frame at most, the longest call.
    static constexpr int MaxQueued = 500, MaxFrameData = 4000, MaxCall = 9;

    virtual ~PacketEngine() = default;
    // Connects, registers `call` and turns monitoring on. `application` names the client in the
    // log only (the API has no field for it). True when the engine accepted the registration.
    virtual bool startPoll(const QString& call, const QString& application) = 0;
    // Takes the oldest queued frame into `frame`; false (frame unchanged) when none waits.
    virtual bool getData(Frame& frame) = 0;
    // Hands a frame of the window's kind to the engine for `toCall`; false when nothing was sent
    // (not registered, connection lost, a kind the engine has no frame for, a bad call).
    virtual bool putData(const QString& toCall, const QString& data, int kind) = 0;
    // Ends the registration and the connection; harmless when not connected.
    virtual void close() = 0;
    // True once a registered connection broke without close().
    virtual bool lost() const = 0;
};

std::unique_ptr<PacketEngine> createPacketEngine();

}   // namespace Platform
