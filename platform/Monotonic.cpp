#include "platform/Monotonic.h"

#include <cerrno>
#include <ctime>
#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>

#include "platform/PlatformLog.h"

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
    // The last stretch before a deadline is spent reading the clock rather than sleeping.
    static constexpr qint64 SpinNs = 1000000;

    qint64 nowNs() const override
    {
        timespec t;
        clock_gettime(CLOCK_MONOTONIC, &t);
        return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
    }
    void waitUntilNs(qint64 deadlineNs) override
    {
        // The kernel may wake a sleeper late by its timer slack (50 us by default); this thread
        // asks for none, once.
        static thread_local bool slackSet = false;
        if (!slackSet) {
            prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
            slackSet = true;
        }
        // Sleep to shortly before the deadline (an absolute sleep: a signal that interrupts it
        // resumes toward the same time), then read the clock until the deadline: a wake-up a
        // little late costs nothing, and the spin is short.
        if (deadlineNs - nowNs() > SpinNs) {
            const timespec t = toTimespec(deadlineNs - SpinNs);
            while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &t, nullptr) == EINTR) {}
        }
        while (nowNs() < deadlineNs) {}
    }
    void sleepMs(qint64 ms) override
    {
        if (ms > 0)
            waitUntilNs(nowNs() + ms * 1000000);
    }

    void beginPrecise() override
    {
        if (depth_++ > 0)
            return;
        raised_ = false;
        if (pthread_getschedparam(pthread_self(), &oldPolicy_, &oldParam_) != 0)
            return;
        sched_param p{};
        p.sched_priority = 1;   // the lowest real-time priority: above every ordinary program
        const int err = pthread_setschedparam(pthread_self(), SCHED_FIFO, &p);
        raised_ = err == 0;
        if (!raised_ && !refusalLogged_) {
            refusalLogged_ = true;
            qCWarning(lcPlatform) << "no real-time priority for CW timing; edges may be late on a busy machine";
        }
    }
    void endPrecise() override
    {
        if (depth_ == 0 || --depth_ > 0)
            return;
        if (raised_)
            pthread_setschedparam(pthread_self(), oldPolicy_, &oldParam_);
        raised_ = false;
    }

private:
    // Used only by the thread that times CW (the GUI thread).
    int depth_ = 0;
    bool raised_ = false;
    bool refusalLogged_ = false;
    int oldPolicy_ = SCHED_OTHER;
    sched_param oldParam_{};
};

Monotonic* current = nullptr;

}   // namespace

Monotonic& monotonic()
{
    static SystemMonotonic system;
    return current ? *current : system;
}

void setMonotonic(Monotonic* m) { current = m; }

}   // namespace Platform
