#pragma once
// The monotonic clock that CW elements are timed on: nanoseconds since an arbitrary start, never
// stepped by changes of the wall clock, 64 bits wide (no wrap in any run). Waits are to absolute
// deadlines, so time spent between two waits (setting a line, a scheduling delay) does not add up
// over a character. Production reads CLOCK_MONOTONIC; tests install their own (setMonotonic).
#include <QtGlobal>

namespace Platform {

class Monotonic {
public:
    virtual ~Monotonic() = default;
    virtual qint64 nowNs() const = 0;
    // Blocks the calling thread, without running the event loop, until nowNs() >= deadlineNs.
    // A deadline in the past returns at once.
    virtual void waitUntilNs(qint64 deadlineNs) = 0;
    // Blocks for `ms` milliseconds (a relative sleep; 0 or less returns at once).
    virtual void sleepMs(qint64 ms) = 0;
    // Ask for, and give back, precise wake-ups of the calling thread around a stretch of timed
    // waits (one CW character): a real-time scheduling priority when the system grants one, so
    // other busy programs do not delay the edges. Without the right to it nothing changes.
    // Calls nest in pairs on one thread.
    virtual void beginPrecise() {}
    virtual void endPrecise() {}
};

// beginPrecise() for the lifetime of the object.
class PreciseTiming {
public:
    explicit PreciseTiming(Monotonic& m) : m_(m) { m_.beginPrecise(); }
    ~PreciseTiming() { m_.endPrecise(); }
    PreciseTiming(const PreciseTiming&) = delete;
    PreciseTiming& operator=(const PreciseTiming&) = delete;

private:
    Monotonic& m_;
};

// The clock in use (CLOCK_MONOTONIC unless a test installed another). The caller keeps ownership.
Monotonic& monotonic();
void setMonotonic(Monotonic* m);

}   // namespace Platform
