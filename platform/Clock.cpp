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
}   // namespace

Clock& clock() { return current ? *current : pcClock(); }
void setClock(Clock* c) { current = c; }

}   // namespace Platform
