#pragma once
// A full log for the benchmarks: 11000 realistic contacts of 19 values a line in log.txt of a
// temporary program folder.
#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "core/ListFormat.h"

class LogFixture {
public:
    static constexpr int Records = 11000;

    // The contacts follow each other every 15 seconds up to `last` (UTC), so a fixture dated up
    // to now gives the rates of the last hour their 240 contacts to count.
    explicit LogFixture(const QDateTime& last = QDateTime(QDate(2024, 5, 6), QTime(21, 49, 45), Qt::UTC))
    {
        static const char* const places[] = {"OH", "IL", "MI", "KY", "TX", "CA", "ON", "NY", "Germany", "Japan"};
        static const char* const counties[] = {"Marion",     "Allen",    "Lake",    "St. Joseph", "Vanderburgh",
                                               "Tippecanoe", "La Porte", "De Kalb", "Hamilton",   "Monroe"};
        static const char* const bands[] = {"80", "40", "20", "15", "10"};
        static const double bandBase[] = {3.5, 7.0, 14.0, 21.0, 28.0};
        ListFormat::Writer w;
        for (int i = 0; i < Records; ++i) {
            const bool inState = i % 3 != 0;
            const int band = (i / 7) % 5;
            const bool cw = i % 2 == 0;
            const QString call = QStringLiteral("%1%2%3%4")
                                     .arg(QChar(u"KNWA"[i % 4]))
                                     .arg(i % 10)
                                     .arg(QChar('A' + (i / 10) % 26))
                                     .arg(QString(QChar('A' + (i / 260) % 26)) + QChar('A' + (i / 6760) % 26));
            w.text(call).text(cw ? "599" : "59").text(cw ? "579" : "57");
            w.text(inState ? QString::fromLatin1(places[i % 10]) : QString());
            w.text(inState ? QString() : QString::fromLatin1(counties[i % 10]));
            w.text(QString());
            w.text(inState ? QString::fromLatin1(counties[(i / 100) % 10]) : QString());
            w.text(QString()).text(QString()).text(QString()).text(QString());
            const QDateTime at = last.addSecs(-15LL * (Records - 1 - i));
            w.text(at.toString(QStringLiteral("yyyy/MM/dd"))).text(at.toString(QStringLiteral("HH:mm:ss")));
            w.text(cw ? "CW" : "PH").text(QString::fromLatin1(bands[band]));
            w.number(0).text(QString()).text(QString());
            w.text(i % 5 == 0 ? QString() : QString::number(bandBase[band] + (i % 300) / 1000.0, 'f', 3));
            w.endLine();
        }
        data_ = w.data();
        QFile f(path());
        if (f.open(QIODevice::WriteOnly))
            f.write(data_);
    }

    QString folder() const { return dir_.path(); }
    QString path() const { return dir_.filePath(QStringLiteral("log.txt")); }
    qsizetype bytes() const { return data_.size(); }

private:
    QTemporaryDir dir_;
    QByteArray data_;
};
