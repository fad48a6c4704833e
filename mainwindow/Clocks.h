#pragma once
// The texts of a main window's clocks and operating time, without widgets. Local times are the
// PC's wall time (Platform::clock().read().local); the UTC offset is the station's
// G.UtcOffsetHours, added to the PC clock.
#include <QDateTime>
#include <QString>

namespace Clocks {

// The UTC clock: the local time of day plus the offset rounded to whole minutes, "hh:mm:ss".
QString utcClock(const QDateTime& local, double offsetHours);
// The local clock without its designator ("h:mm:ss", 12-hour) and the designator alone
// (the system's AM or PM text).
QString localClock(const QDateTime& local);
QString amPm(const QDateTime& local);

// The running operating time: the whole seconds since Time On plus the seconds of the periods
// already closed, never negative (a PC clock set back before Time On counts as time forward).
float operatingSeconds(const QDateTime& logOnTime, const QDateTime& now, float savedSeconds);

// lblDialog after Time Off: "Logged Off at " with the date (the system's short form) and the
// time "hh:mm:ss" of now plus the offset rounded to whole hours.
QString loggedOffText(const QDateTime& local, double offsetHours);

}   // namespace Clocks
