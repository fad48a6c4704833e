#pragma once
// The keyer device layer: an external Morse keyer on a serial port, driven in its host mode. The
// device forms the Morse elements and their timing itself; the program opens it, sends its
// settings, queues characters, reads its status and clears or takes back what it has not sent.
//
// Responsibilities: open the port (1200 baud, 8 data bits, no parity, 2 stop bits, no flow
// control), prove the device answers (echo test), enter host mode and return its version byte;
// translate each setting and character into the device's command bytes; keep control codes from
// ever reaching the device as text (a byte below 0x20 is a command there); read the status
// bytes the device sends and answer "can it take more" and "is it still sending".
// Thread: the caller's (the GUI thread). No thread of its own, no event-loop use: every call
// writes, then waits for an answer only where the protocol gives one, each wait bounded (see the
// constants below), so a device that stops answering costs at most that long per call.
// Lifetime: open() to close() (or destruction, which closes): closing leaves host mode and
// releases the port.
// Failure: open() reports by result code (OpenResult) and leaves the port closed. Once open, a
// device that fails under the port (the adapter unplugged) closes it, with a warning, whether a
// write finds it failed or reads from the event loop do (DeviceFailureWatch, as every serial
// device): isOpen() turns false, later calls do nothing and status() reads 0, so a sender waiting
// on the status finishes. A status request left unanswered keeps the last status the device
// reported.
// Input: at most InputLimit bytes from the device are held between two status reads, whatever
// it sends. A device that sent more (a flooding line) loses the oldest held bytes, with a warning,
// so the newest (the answer to the next status request) can come in; a status read takes in at
// most a bounded amount, so a device that never stops sending cannot hold the caller.
//
// Models (one interface per device kind; createKeyerDevice gives the model's implementation):
//   | model                 | line          | open                          | version reply |
//   | host-mode serial keyer | 1200 8N2      | echo 0x55, admin host open    | one byte      |
//
// Host-mode command bytes used (the device's public protocol):
//   00 02 host open (reply: version) | 00 03 host close | 00 04 b echo test (reply: b)
//   02 n speed WPM | 03 n weight | 04 l t PTT lead-in/tail (10 ms) | 08 backspace
//   09 n pin configuration | 0A clear buffer | 0E n keyer mode | 15 request status
//   17 n dit/dah ratio | 20..7E a character to send
// Device to host: 11xxxxxx a status byte (bit 0 buffer nearly full, bit 2 busy sending),
//   10xxxxxx a speed-pot byte, other bytes echoes of sent characters.
#include <QString>

#include <cstdint>
#include <memory>

#include "platform/SerialPort.h"

namespace Platform {

class KeyerDevice {
public:
    enum OpenResult : int32_t {
        Ok = 0,
        NoEchoResponse = -1,
        EchoMismatch = -2,
        NoOpenResponse = -3,
        ComOpenFailed = -4,
        GetComStateFailed = -5,
        SetComStateFailed = -6,
        AlreadyOpen = -8,
        NotOpen = -9,
    };
    // Bounds of the waits, in ms.
    static constexpr int EchoWaitMs = 500;
    static constexpr int OpenWaitMs = 1000;
    static constexpr int StatusWaitMs = 60;
    static constexpr int WriteWaitMs = 200;
    // Bytes from the device held at most, the serial layer's bound.
    static constexpr qint64 InputLimit = SerialPort::InputLimit;

    // Status values: can take no more / still sending / idle.
    static constexpr int32_t StatusFull = 8;
    static constexpr int32_t StatusBusy = 1;
    static constexpr int32_t StatusIdle = 0;

    virtual ~KeyerDevice() = default;
    // Opens the device on the serial port at `path`; `version` is set to the device's version
    // byte when it entered host mode, and left as it was otherwise. AlreadyOpen changes nothing.
    virtual int32_t open(const QString& path, uint8_t& version) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual void setSpeed(uint8_t wpm) = 0;
    virtual void setWeight(uint8_t weight) = 0;
    virtual void setPttLeadTail(uint8_t leadIn, uint8_t tail) = 0;
    virtual void setRatio(uint8_t ratio) = 0;
    virtual void setPinConfig(uint8_t config) = 0;
    virtual void setMode(uint8_t mode) = 0;
    // Queues a printable character (0x20..0x7E); anything else is refused (false), not sent.
    virtual bool sendChar(uint8_t code) = 0;
    // StatusFull, StatusBusy or StatusIdle (also when closed).
    virtual int32_t status() = 0;
    virtual void clearBuffer() = 0;
    virtual void backspace() = 0;
    // Bytes received from the device and not yet taken in: never more than InputLimit; 0 when
    // closed. Reads nothing from the port.
    virtual qint64 inputHeld() const = 0;
};

std::unique_ptr<KeyerDevice> createKeyerDevice();

}   // namespace Platform
