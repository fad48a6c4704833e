#include "tests/support/FakeClock.h"

namespace Platform {

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

}   // namespace Platform
