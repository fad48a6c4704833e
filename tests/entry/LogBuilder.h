#pragma once
// Fills G.ContactArrays with hand-made contacts for the entry tests.
#include "core/Globals.h"

#include <QString>

namespace TestLog {

struct Contact {
    QString spc, county, mode;
    QString date = QStringLiteral("2024/05/04");
    QString time = QStringLiteral("14:00:00");
    QString call = QStringLiteral("K9ABC");
    QString band = QStringLiteral("20");
    QString sentCounty = QString();
    QString rstSent = QStringLiteral("599");
    QString rstRcvd = QStringLiteral("599");
    QString frequency = QString();
};

// Stores the contact as the next record (G.QSOCount + 1) and returns its number.
inline int add(const Contact& c)
{
    const int i = ++G.QSOCount;
    auto& a = G.ContactArrays;
    a.clearSlot(i);
    a.ContactCall[i] = c.call;
    a.ContactRSTSent[i] = c.rstSent;
    a.ContactRSTRcvd[i] = c.rstRcvd;
    a.ContactSPC[i] = c.spc;
    a.ContactCounty[i] = c.county;
    a.ContactDate[i] = c.date;
    a.ContactTime[i] = c.time;
    a.ContactMode[i] = c.mode;
    a.ContactBand[i] = c.band;
    a.ContactSentCounty[i] = c.sentCounty;
    a.ContactFrequency[i] = c.frequency;
    return i;
}

// A few of the contest state's counties, in table order.
inline QStringList someCounties()
{
    return {QStringLiteral("Adams"), QStringLiteral("Allen"), QStringLiteral("Marion"), QStringLiteral("St. Joseph"),
            QStringLiteral("Vigo")};
}

}   // namespace TestLog
