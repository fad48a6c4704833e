#include "reports/RateGraph.h"

#include <QDate>
#include <QTime>

#include <cmath>

#include "core/Format.h"
#include "core/Globals.h"
#include "reports/ReportsLog.h"

namespace RateGraph {

QVector<Contact> fromLog()
{
    QVector<Contact> out;
    const auto& a = G.ContactArrays;
    for (int i = 1; i <= G.QSOCount; ++i) {
        Contact c;
        c.band = a.ContactBand[i];
        const std::optional<QDate> d = Format::parseLogDate(a.ContactDate[i]);
        const QTime t = QTime::fromString(a.ContactTime[i].trimmed(), QStringLiteral("H:mm:ss"));
        const QTime t2 = t.isValid() ? t : QTime::fromString(a.ContactTime[i].trimmed(), QStringLiteral("H:mm"));
        if (d && t2.isValid())
            c.moment = QDateTime(*d, t2, Qt::UTC);
        out << c;
    }
    return out;
}

QColor bandColor(const QString& band)
{
    static const struct {
        const char* band;
        QColor color;
    } table[] = {
        {"160", QColor(255, 255, 255)}, {"80", QColor(0, 0, 255)},     {"40", QColor(255, 0, 0)},
        {"20", QColor(0, 255, 0)},      {"15", QColor(128, 255, 255)}, {"10", QColor(255, 0, 255)},
    };
    for (const auto& row : table)
        if (band == QLatin1String(row.band))
            return row.color;
    return QColor(255, 255, 0);
}

namespace {

QString yLabel(double v) { return QString::number(v, 'f', 1); }

}   // namespace

Result compute(const QVector<Contact>& log, const QColor& background)
{
    Result r;
    const int count = int(log.size());
    if (count < MinContacts)
        return r;
    r.enough = true;
    for (int c = 0; c <= LastColumn; ++c)
        r.bandColor[c] = background;

    auto stop = [&](int record) {
        r.stoppedAt = record;
        qCWarning(lcReports) << "Rate graph: record" << record << "cannot be placed on the time axis";
        return r;
    };

    if (!log.first().moment)
        return stop(1);
    if (!log.last().moment)
        return stop(count);
    const QDateTime t1 = *log.first().moment;
    const qint64 span = t1.secsTo(*log.last().moment);

    for (int k = 0; k <= 14; ++k) {
        const QDateTime t = t1.addSecs(qint64(std::llround(double(k) * double(span) / 14.0)));
        r.timeLabels << t.toString(QStringLiteral("hh:mm"));
        r.dateLabels << t.toString(QStringLiteral("MM/dd"));
    }
    // All contacts in one second: the axis is labelled, there is no curve.
    if (span == 0)
        return r;

    const double w = double(span) / Columns;
    r.rawRate[1] = 6;
    r.plotRate[1] = 6;

    for (int i = 0; i < count; ++i) {
        if (!log[i].moment)
            return stop(i + 1);
        const QDateTime& ti = *log[i].moment;
        int n = 0;
        for (int j = i; j >= 0; --j) {
            if (!log[j].moment)
                return stop(j + 1);
            if (log[j].moment->secsTo(ti) >= 600)
                break;
            ++n;
        }
        int c = 1;
        if (i > 0) {
            const double x = double(t1.secsTo(ti)) / w;
            if (!(x > -0.5 - 1e-9 && x < LastColumn + 0.5))
                return stop(i + 1);
            c = int(std::nearbyint(x));   // the default rounding mode: a half goes to the even
            if (c < 0 || c > LastColumn)
                return stop(i + 1);
        }
        r.rawRate[c] = float(6 * n);
        r.bandColor[c] = bandColor(log[i].band);
    }

    // Bridging: a gap of up to 15 columns is filled by a straight line from the value before it
    // to the next value; a longer gap stays at 0 until the last 15 columns before the next value.
    for (int c = 2; c <= Columns; ++c) {
        if (r.rawRate[c] != 0) {
            r.plotRate[c] = r.rawRate[c];
            continue;
        }
        int k = c + 1;
        while (k <= c + 15 && !(r.rawRate[k] > 0))
            ++k;
        if (k > c + 15)
            continue;
        const float before = r.rawRate[c - 1];
        for (int m = c; m < k; ++m) {
            r.plotRate[m] = before + (r.rawRate[k] - before) * float(m - c) / float(k - c);
            r.rawRate[m] = r.plotRate[m];
        }
    }

    // Smoothing over the column and the six before it, of the values above 0.
    for (int c = 7; c <= Columns; ++c) {
        float sum = 0;
        int used = 0;
        for (int k = c - 6; k <= c; ++k)
            if (r.rawRate[k] > 0) {
                sum += r.rawRate[k];
                ++used;
            }
        if (used > 0)
            r.plotRate[c] = sum / float(used);
    }

    for (int c = 1; c <= Columns; ++c) {
        if (r.plotRate[c] < r.minRate)
            r.minRate = r.plotRate[c];
        if (r.plotRate[c] > r.maxRate)
            r.maxRate = r.plotRate[c];
    }

    // The strip: a column without its own band carries the colour of the column before it; a
    // column without a rate ends the run.
    QColor carried(0, 0, 0);
    for (int c = 1; c <= Columns; ++c) {
        if (r.plotRate[c] > 0) {
            if (r.bandColor[c] == background)
                r.bandColor[c] = carried;
            else
                carried = r.bandColor[c];
        } else {
            carried = background;
        }
    }

    r.yLabels << yLabel(r.minRate);
    for (int k = 1; k <= 15; ++k)
        r.yLabels << yLabel(double(k) * (double(r.maxRate) - r.minRate) / 16.0 + r.minRate);
    r.yLabels << yLabel(r.maxRate);

    r.drawable = r.maxRate != r.minRate;
    return r;
}

}   // namespace RateGraph
