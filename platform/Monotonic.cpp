#include "platform/Monotonic.h"

#include <cerrno>
#include <ctime>

namespace Platform {

namespace {

timespec toTimespec(qint64 ns)
{
    timespec t;
    t.tv_sec = time_t(ns / 1000000000);
    t.tv_nsec = long(ns % 1000000000);
    return t;
}

class SystemMonotonic : public Monotonic {
public:
    qint64 nowNs() const override
    {
        timespec t;
        clock_gettime(CLOCK_MONOTONIC, &t);
        return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
    }
    void waitUntilNs(qint64 deadlineNs) override
    {
        // An absolute sleep: a signal that interrupts it resumes toward the same deadline.
        const timespec t = toTimespec(deadlineNs);
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &t, nullptr) == EINTR) {
        }
    }
    void sleepMs(qint64 ms) override
    {
        if (ms > 0)
            waitUntilNs(nowNs() + ms * 1000000);
    }
};

Monotonic* current = nullptr;

} // namespace

Monotonic& monotonic()
{
    static SystemMonotonic system;
    return current ? *current : system;
}

void setMonotonic(Monotonic* m) { current = m; }

} // namespace Platform
