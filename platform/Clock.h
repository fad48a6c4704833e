#pragma once
// The program's clock. Production reads the PC clock; tests install their own (setClock).
// One reading gives both the local and the UTC time, so they can never straddle a boundary.
#include <QDateTime>

namespace Platform {

struct TimeReading {
    QDateTime local;   // the PC's local wall time (held as a Qt::UTC value: no zone conversions)
    QDateTime utc;     // the same instant in UTC
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual TimeReading read() const = 0;
    // Milliseconds on a monotonic clock (for waits and timing, never for dates).
    virtual qint64 monotonicMs() const = 0;
};

// The clock in use (the PC clock unless a test installed another).
Clock& clock();
// Installs a clock (nullptr restores the PC clock). The caller keeps ownership.
void setClock(Clock* c);

}   // namespace Platform
