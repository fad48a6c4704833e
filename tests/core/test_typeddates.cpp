// Dates and times typed by the operator (post-contest entry).
#include <gtest/gtest.h>

#include "core/Format.h"

TEST(TypedDates, AcceptedFormsAndTheirDates)
{
    const QDate today(2024, 5, 4);
    struct Case {
        const char* text;
        QDate date;   // invalid: refused
    } cases[] = {
        {"12/25/2020", QDate(2020, 12, 25)},
        {"2024/5/4", QDate(2024, 5, 4)},
        {"2024-05-04", QDate(2024, 5, 4)},
        {"1/2/99", QDate(1999, 1, 2)},
        {"1/2/05", QDate(2005, 1, 2)},
        {"12/25", QDate(2024, 12, 25)},
        {"13/01/2020", QDate()},
        {"2020/02/30", QDate()},
        {"1/2/123", QDate()},
        {"12:25", QDate()},
        {"", QDate()},
    };
    for (const auto& c : cases) {
        const auto d = Format::parseTypedDate(QString::fromLatin1(c.text), today);
        EXPECT_EQ(d.has_value(), c.date.isValid()) << c.text;
        if (d && c.date.isValid()) {
            EXPECT_EQ(*d, c.date) << c.text;
        }
    }
}

TEST(TypedDates, TimesOnTheTwentyFourHourClock)
{
    struct Case {
        const char* text;
        QTime time;
    } cases[] = {
        {"9:30", QTime(9, 30)},
        {"18:45", QTime(18, 45)},
        {"09:30:15", QTime(9, 30, 15)},
        {"24:00", QTime()},
        {"9:5", QTime()},
        {"930", QTime()},
        {"9.30", QTime()},
        {"", QTime()},
    };
    for (const auto& c : cases) {
        const auto t = Format::parseTypedTime(QString::fromLatin1(c.text));
        EXPECT_EQ(t.has_value(), c.time.isValid()) << c.text;
        if (t && c.time.isValid()) {
            EXPECT_EQ(*t, c.time) << c.text;
        }
    }
}
