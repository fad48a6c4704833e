#pragma once
// A recording stand-in for the key-line hardware (serial modem lines, parallel port registers).
// Every line change is recorded with the monotonic clock's time, so a test reads the keyed
// elements back as a timeline. Installs itself on construction and uninstalls on destruction.
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

#include "platform/KeyLines.h"

class FakeKeyLines : public Platform::KeyLineHardware {
public:
    struct Event {
        qint64 ns = 0;     // Platform::monotonic().nowNs() at the change
        QString line;      // "RTS", "DTR" or "LPT"
        int address = 0;   // LPT: the I/O address written
        int value = 0;     // RTS/DTR: 1 raised, 0 dropped; LPT: the byte written
    };

    FakeKeyLines();
    ~FakeKeyLines() override;

    std::unique_ptr<Platform::SerialLines> openSerial(const QString& path, QString* error) override;
    bool writeParallel(int address, uint8_t value) override;

    // Paths that refuse to open ("No such file or directory").
    QStringList missingPaths;
    // After this many further line changes, changes fail (the port or adapter has gone); -1: never.
    int failAfter = -1;
    // How many changes fail before the line works again; -1: for good.
    int failTimes = -1;

    QVector<Event> events;
    QStringList opened;   // paths opened, in order
    int openPorts = 0;    // serial ports open now

    // The states set on `line`, in order, as a string of "1" (keyed) and "0" (released): one per
    // element keyed, so it equals the element strings of what was sent.
    QString states(const QString& line) const;
    // Whether `line` is keyed now (its last change raised it).
    bool keyed(const QString& line) const;

private:
    friend class FakeSerialLines;
    bool record(const QString& line, int address, int value);
};

// Morse back to text: element strings ("1"/"0" per unit) cut at gaps of three units or more; a gap
// of 11 units (a letter gap and a standard word space) is a blank. Leading key-up units are skipped.
QString decodeMorse(const QString& units);
