#pragma once
// Text forms of numbers, dates and times used across the program. Later modules add their own
// patterns here so every format lives in one place.
#include <QDateTime>
#include <QString>

#include <optional>

namespace Format {

// A text that reads as a number (blanks around it allowed, ".5" and exponents accepted).
bool isNumeric(const QString& s);
// The number a numeric text holds; `fallback` for any other text.
double toNumber(const QString& s, double fallback = 0);

// Blanks (spaces only, not tabs or line ends) trimmed from both ends.
QString trimBlanks(const QString& s);

// Shortest plain forms with a point: 5, 5.5, -3.5, 0.33.
QString number(double v);
QString single(float v);
// Rounds half away from zero to `decimals` places.
double roundTo(double v, int decimals);
// A frequency in MHz with three decimals and no grouping ("14.025", "7.000").
QString frequency(double mhz);

// Contact date and time texts as the log stores them, and the short forms the lists show.
QString logDate(const QDate& d);      // yyyy/mm/dd
QString logTime(const QTime& t);      // hh:mm:ss
QString hourMinute(const QTime& t);   // hh:nn
QString monthDay(const QDate& d);     // mm/dd
QString stamp(const QDateTime& dt);   // yyyymmddhhnn (backup names)

// A whole number with its thousands grouped by commas and at least one digit: "0", "1,234",
// "12,345,678" (the score labels' "###,##0" form). Fractions are rounded half away from zero.
QString grouped(double v);

// An operating time of `seconds` as hh:mm:ss ("01:02:05"); hours of 100 or more keep their last
// two digits.
QString operatingTime(double seconds);

// Dates and times the operator types (post-contest entry, edit dialogs). A date is
// year/month/day when it starts with a four-digit year, else month/day/year (a two-digit year is
// 1930 to 2029) or month/day of `today`'s year; "/", "-" and "." separate. A time is h:mm or
// h:mm:ss on the 24-hour clock. No value for anything else.
std::optional<QDate> parseTypedDate(const QString& s, const QDate& today);
std::optional<QTime> parseTypedTime(const QString& s);

// A stored contact date: exactly "yyyy/mm/dd" (blanks around it allowed) naming a real calendar
// day; no value for anything else. Exports read dates only this way, whatever the locale.
std::optional<QDate> parseLogDate(const QString& s);

}   // namespace Format
