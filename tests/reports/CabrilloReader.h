#pragma once
// A strict reader of Cabrillo 2.0 logs, written from the format's public rules and independent of
// the program's writer: every line is "TAG: value" with CR LF, the log opens with
// "START-OF-LOG: 2.0" and closes with "END-OF-LOG:", only the tags of version 2.0 occur, no line
// holds a control character, and a QSO line holds exactly ten blank-separated fields: frequency
// (kHz, or the format's band name from 50 MHz up), mode, date yyyy-mm-dd, time hhmm, own call,
// report, exchange, call, report, exchange. The contest's QSO template puts the fields at columns
// 6, 12, 15, 26, 31, 41, 45, 54, 64 and 68; an exchange that stands at its own column (and, for
// the sent one, is followed by the call at its column) is read by its columns and may hold a
// blank, as county names do ("La Porte").
#include <QByteArray>
#include <QDate>
#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVector>

#include <optional>

namespace CabrilloReader {

struct Qso {
    int frequency = 0;   // the frequency field as a number (kHz, or MHz for "50" to "902"); 0 for "1.2G" ...
    QString band;        // the frequency field as written ("14000", "432", "1.2G")
    QString mode;
    QDate date;
    QTime time;
    QString sentCall, sentReport, sentExchange;
    QString call, receivedReport, receivedExchange;
};

struct Log {
    QMap<QString, QStringList> tags;   // every value of each header tag, in order
    QVector<Qso> qsos;
};

inline std::optional<Log> read(const QByteArray& bytes, QString* why)
{
    auto fail = [why](const QString& reason) -> std::optional<Log> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    if (!bytes.endsWith("\r\n"))
        return fail(QStringLiteral("the last line has no CR LF"));
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    for (const QString& l : lines) {
        if (l.contains(QLatin1Char('\r')) || l.contains(QLatin1Char('\n')))
            return fail(QStringLiteral("a line end other than CR LF"));
        for (QChar c : l)
            if (c.category() == QChar::Other_Control)
                return fail(QStringLiteral("a control character in \"%1\"").arg(l.left(40)));
    }
    if (lines.size() < 2 || lines.first() != QLatin1String("START-OF-LOG: 2.0"))
        return fail(QStringLiteral("no START-OF-LOG: 2.0 first"));
    if (lines.last() != QLatin1String("END-OF-LOG:"))
        return fail(QStringLiteral("no END-OF-LOG: last"));

    static const QStringList headerTags = {
        QStringLiteral("ADDRESS"),          QStringLiteral("ARRL-SECTION"),
        QStringLiteral("CALLSIGN"),         QStringLiteral("CATEGORY"),
        QStringLiteral("CLAIMED-SCORE"),    QStringLiteral("CLUB"),
        QStringLiteral("CLUB-NAME"),        QStringLiteral("CONTEST"),
        QStringLiteral("CREATED-BY"),       QStringLiteral("NAME"),
        QStringLiteral("OPERATORS"),        QStringLiteral("SOAPBOX"),
        QStringLiteral("IOTA-ISLAND-NAME"), QStringLiteral("OFFTIME"),
    };
    static const QStringList modes = {QStringLiteral("CW"), QStringLiteral("PH"), QStringLiteral("FM"),
                                      QStringLiteral("RY")};
    static const QRegularExpression callRe(QStringLiteral("^[A-Z0-9/]+$"));
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    static const QStringList bandNames = {QStringLiteral("50"),   QStringLiteral("70"),   QStringLiteral("144"),
                                          QStringLiteral("222"),  QStringLiteral("432"),  QStringLiteral("902"),
                                          QStringLiteral("1.2G"), QStringLiteral("2.3G"), QStringLiteral("3.4G"),
                                          QStringLiteral("5.7G"), QStringLiteral("10G"),  QStringLiteral("24G"),
                                          QStringLiteral("47G"),  QStringLiteral("75G"),  QStringLiteral("122G"),
                                          QStringLiteral("134G"), QStringLiteral("241G"), QStringLiteral("LIGHT")};
    static const int columns[10] = {6, 12, 15, 26, 31, 41, 45, 54, 64, 68};

    // The ten fields of a QSO line (without its tag), or fewer or more when it holds another
    // number of them.
    auto fields = [](const QString& line) {
        QStringList f;
        qsizetype pos = 4;
        auto blankAt = [&line](qsizetype i) { return i >= line.size() || line[i] == QLatin1Char(' '); };
        while (true) {
            while (pos < line.size() && line[pos] == QLatin1Char(' '))
                ++pos;
            if (pos >= line.size())
                return f;
            const int k = int(f.size());
            qsizetype end = pos;
            if (k == 9 && pos == columns[9] - 1)
                end = line.size();
            else if (k == 6 && pos == columns[6] - 1 && blankAt(columns[7] - 2) && !blankAt(columns[7] - 1))
                end = columns[7] - 1;
            else
                while (!blankAt(end))
                    ++end;
            f << line.mid(pos, end - pos).trimmed();
            pos = end;
        }
    };

    Log log;
    bool inQsos = false;
    for (int n = 1; n + 1 < lines.size(); ++n) {
        const QString& line = lines[n];
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon <= 0)
            return fail(QStringLiteral("line %1 has no tag").arg(n + 1));
        const QString tag = line.left(colon);
        const QString value = line.mid(colon + 1);
        if (!value.isEmpty() && !value.startsWith(QLatin1Char(' ')))
            return fail(QStringLiteral("line %1: no blank after the tag").arg(n + 1));
        if (tag != QLatin1String("QSO")) {
            if (inQsos)
                return fail(QStringLiteral("line %1: header tag after a QSO").arg(n + 1));
            if (!headerTags.contains(tag))
                return fail(QStringLiteral("line %1: unknown tag %2").arg(n + 1).arg(tag));
            log.tags[tag] << value.mid(1);
            continue;
        }
        inQsos = true;
        const QStringList f = fields(line);
        if (f.size() != 10)
            return fail(QStringLiteral("line %1: %2 fields, not 10").arg(n + 1).arg(f.size()));
        Qso q;
        q.band = f[0];
        const bool kHz = digits.match(f[0]).hasMatch() && f[0].toInt() >= 1800 && f[0].toInt() < 30000;
        if (!kHz && !bandNames.contains(f[0]))
            return fail(QStringLiteral("line %1: frequency %2").arg(n + 1).arg(f[0]));
        q.frequency = digits.match(f[0]).hasMatch() ? f[0].toInt() : 0;
        q.mode = f[1];
        if (!modes.contains(q.mode))
            return fail(QStringLiteral("line %1: mode %2").arg(n + 1).arg(q.mode));
        q.date = QDate::fromString(f[2], QStringLiteral("yyyy-MM-dd"));
        q.time = QTime::fromString(f[3], QStringLiteral("hhmm"));
        if (!q.date.isValid() || !q.time.isValid() || f[3].size() != 4)
            return fail(QStringLiteral("line %1: date or time").arg(n + 1));
        q.sentCall = f[4], q.sentReport = f[5], q.sentExchange = f[6];
        q.call = f[7], q.receivedReport = f[8], q.receivedExchange = f[9];
        if (!callRe.match(q.sentCall).hasMatch() || !callRe.match(q.call).hasMatch() ||
            !digits.match(q.sentReport).hasMatch() || !digits.match(q.receivedReport).hasMatch())
            return fail(QStringLiteral("line %1: call or report").arg(n + 1));
        log.qsos << q;
    }
    for (const QString& t : {QStringLiteral("CALLSIGN"), QStringLiteral("CONTEST"), QStringLiteral("CATEGORY")})
        if (log.tags.value(t).size() != 1)
            return fail(QStringLiteral("%1 missing or repeated").arg(t));
    return log;
}

}   // namespace CabrilloReader
