#pragma once
// A clock that tests set and advance: its time moves only when told (advanceMs moves both the
// wall time and the monotonic clock). Installed with Platform::setClock.
#include <QDateTime>

#include "platform/Clock.h"

namespace Platform {

class FakeClock : public Clock {
public:
    FakeClock();
    TimeReading read() const override;
    qint64 monotonicMs() const override { return mono_; }
    // Sets the UTC instant and the local offset in seconds (local = utc + offset).
    void set(const QDateTime& utc, int localOffsetSeconds);
    void advanceMs(qint64 ms);

private:
    QDateTime utc_;
    int offset_ = 0;
    qint64 mono_ = 0;
};

}   // namespace Platform
