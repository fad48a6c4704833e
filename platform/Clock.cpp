#include "platform/Clock.h"

#include <QElapsedTimer>

namespace Platform {

namespace {
class PcClock : public Clock {
public:
    PcClock() { timer_.start(); }
    TimeReading read() const override
    {
        const QDateTime now = QDateTime::currentDateTime();
        TimeReading r;
        r.utc = now.toUTC();
        r.local = QDateTime(now.date(), now.time(), Qt::UTC);
        return r;
    }
    qint64 monotonicMs() const override { return timer_.elapsed(); }

private:
    QElapsedTimer timer_;
};

PcClock& pcClock()
{
    static PcClock c;
    return c;
}

Clock* current = nullptr;
} // namespace

Clock& clock() { return current ? *current : pcClock(); }
void setClock(Clock* c) { current = c; }

FakeClock::FakeClock() : utc_(QDate(2024, 5, 4), QTime(14, 2, 11), Qt::UTC) {}

TimeReading FakeClock::read() const
{
    TimeReading r;
    r.utc = utc_;
    r.local = utc_.addSecs(offset_);
    return r;
}

void FakeClock::set(const QDateTime& utc, int localOffsetSeconds)
{
    utc_ = QDateTime(utc.date(), utc.time(), Qt::UTC);
    offset_ = localOffsetSeconds;
}

void FakeClock::advanceMs(qint64 ms)
{
    mono_ += ms;
    utc_ = utc_.addMSecs(ms);
}

} // namespace Platform
