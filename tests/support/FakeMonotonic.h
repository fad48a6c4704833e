#pragma once
// A monotonic clock for tests: its waits return at once with the clock moved to the deadline.
// Installed with Platform::setMonotonic.
#include "platform/Monotonic.h"

namespace Platform {

class FakeMonotonic : public Monotonic {
public:
    qint64 nowNs() const override { return now_; }
    void waitUntilNs(qint64 deadlineNs) override
    {
        if (deadlineNs > now_)
            now_ = deadlineNs;
    }
    void sleepMs(qint64 ms) override
    {
        if (ms > 0)
            now_ += ms * 1000000;
    }
    void advanceNs(qint64 ns) { now_ += ns; }

private:
    qint64 now_ = 1000000000;   // a start well away from 0
};

}   // namespace Platform
