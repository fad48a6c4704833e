#pragma once
// Key lines: the outputs that key a transmitter (the CW key) or switch it to send (push-to-talk).
// A line is either a modem control line of a serial port (RTS or DTR) or the control register of a
// parallel port (3 written: keyed, 2: released). Both keyers (CW and voice) use this layer; tests
// install a recording fake of the hardware (tests/support/FakeKeyLines.h).
//
// Serial: the port is opened for its lines only (no line settings, no data). A port that refuses
// the modem-line calls (a pty, some adapters) is still open: its lines simply key nothing, and the
// refusal is logged once. A port that has gone (unplugged adapter) fails the call, so the caller
// can stop.
// Thread: the caller's; every call returns at once (no waits). Lifetime: a serial port is open
// while its SerialLines object lives; a parallel port is claimed at its first write and kept for
// the run. Failure: an open that fails gives the system's error text; a write that fails returns
// false and is logged (vqplog.platform), and the next write tries the port afresh.
// Parallel: Linux ppdev. The I/O address is the register's address (base + 2); the port is the
// /dev/parportN whose base address (/proc/sys/dev/parport/*/base-addr) is the given base, and the
// usual first port's base 0x378 means parport0 when no entry matches.
#include <QString>

#include <cstdint>
#include <memory>

namespace Platform {

// The modem control lines of one open serial port. Dropping the object drops both lines and
// closes the port.
class SerialLines {
public:
    virtual ~SerialLines() = default;
    // Raise (true) or drop (false) the line. False when the port is gone.
    virtual bool setDtr(bool on) = 0;
    virtual bool setRts(bool on) = 0;
};

class KeyLineHardware {
public:
    virtual ~KeyLineHardware() = default;
    // Opens the serial port at `path` for its lines, both dropped. nullptr and the system's error
    // text in *error when the port is missing or busy.
    virtual std::unique_ptr<SerialLines> openSerial(const QString& path, QString* error) = 0;
    // Writes `value` to the parallel port register at I/O `address`. False when no parallel port
    // answers there (nothing is written then).
    virtual bool writeParallel(int address, uint8_t value) = 0;
};

// The hardware in use (this machine's unless a test installed another). The caller keeps ownership.
KeyLineHardware& keyLineHardware();
void setKeyLineHardware(KeyLineHardware* h);

// The ppdev device (/dev/parportN) of the parallel port at `baseAddress`, looked up under
// `procRoot`; empty when there is none.
QString parportDevice(int baseAddress, const QString& procRoot = QStringLiteral("/proc/sys/dev/parport"));

// One line that keys: down (true) or up (false). False when the line could not be set.
class KeyLine {
public:
    virtual ~KeyLine() = default;
    virtual bool setKeyed(bool down) = 0;
};

enum class SerialLine { Rts, Dtr };

// A modem line of an open serial port. The port must outlive the key line.
class SerialKeyLine : public KeyLine {
public:
    SerialKeyLine(SerialLines& port, SerialLine line) : port_(port), line_(line) {}
    bool setKeyed(bool down) override { return line_ == SerialLine::Rts ? port_.setRts(down) : port_.setDtr(down); }

private:
    SerialLines& port_;
    SerialLine line_;
};

// A parallel port's control register at I/O `controlAddress` (base + 2): 3 keyed, 2 released.
class ParallelKeyLine : public KeyLine {
public:
    explicit ParallelKeyLine(int controlAddress) : address_(controlAddress) {}
    bool setKeyed(bool down) override { return keyLineHardware().writeParallel(address_, down ? 3 : 2); }

private:
    int address_;
};

}   // namespace Platform
