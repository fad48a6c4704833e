#include "reports/Cabrillo.h"

#include "core/BandTable.h"
#include "core/Format.h"
#include "core/Globals.h"
#include "core/ListFormat.h"
#include "entry/Tallies.h"
#include "platform/KeyEvents.h"

#include <QPair>
#include <QVector>

#include <algorithm>
#include <cmath>

namespace Cabrillo {

QString categoryText(Category c, Power p)
{
    QString text;
    switch (c) {
    case Category::SingleOp: text = QStringLiteral("SINGLE-OP"); break;
    case Category::MultiOp: text = QStringLiteral("MULTI-OP"); break;
    case Category::Mobile: text = QStringLiteral("MOBILE"); break;
    }
    switch (p) {
    case Power::High: text += QStringLiteral(" HIGH"); break;
    case Power::Low: text += QStringLiteral(" LOW"); break;
    case Power::QRP: text += QStringLiteral(" QRP"); break;
    }
    return text;
}

QString claimedScoreText()
{
    const qint64 score = qint64(std::llround(Tallies::figures().score));
    return (score < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(score < 0 ? -score : score) +
           QLatin1Char(' ');
}

QString bandFrequency(const QString& band)
{
    const Bands::BandRow* row = Bands::find(band);
    return row ? QString::fromLatin1(row->cabrillo).rightJustified(5, QLatin1Char(' ')) : QString();
}

QStringList soapboxLines(const QString& soapbox)
{
    QStringList lines;
    QString rest = KeyEvents::storableOnly(soapbox).trimmed();
    while (rest.size() > SoapboxWidth) {
        qsizetype cut = rest.lastIndexOf(QLatin1Char(' '), SoapboxWidth);
        if (cut <= 0)
            cut = SoapboxWidth;
        lines << rest.left(cut).trimmed();
        rest = rest.mid(cut).trimmed();
    }
    lines << rest;
    return lines;
}

QString placeAtColumns(const QString& start, const QVector<QPair<int, QString>>& fields)
{
    QString line = start;
    for (const auto& [column, value] : fields) {
        if (line.size() < column - 1)
            line += QString(column - 1 - line.size(), QLatin1Char(' '));
        else if (!line.endsWith(QLatin1Char(' ')))
            line += QLatin1Char(' ');
        line += value;
    }
    return line;
}

namespace {

bool holdsBlank(const QString& s)
{
    return std::any_of(s.cbegin(), s.cend(), [](QChar c) { return c.isSpace(); });
}

// A character no line of the file may hold: a line end, a tab, a NUL or another control
// character.
bool holdsControl(const QString& s)
{
    return std::any_of(s.cbegin(), s.cend(), [](QChar c) { return !KeyEvents::isStorable(c); });
}

// A header line's value: without control characters and without the blanks around it.
QString headerValue(const QString& s) { return KeyEvents::storableOnly(s).trimmed(); }

// Where the operator enters the station's own state or province.
const QString OwnStateHint = QStringLiteral(
    "Enter it in the station setup at the next start of the program (the box \"Your State / Province:\" of "
    "the Setup Information window), then write the file again.");

}   // namespace

QString QSOLine(int i, const QString& ownCall, bool outOfState, QString* error)
{
    const ContactArraysT& ca = G.ContactArrays;
    auto refuseWith = [&](const QString& message) {
        if (error)
            *error = message;
        return QString();
    };
    auto refuse = [&](const QString& why) {
        return refuseWith(why + QStringLiteral(" Correct it and write the file again."));
    };
    // A QSO line's fields are told apart by the blanks between them: every value is written
    // without the blanks around it, and one that is then empty or still holds a blank where the
    // column takes one word would take away a field or add one. The exchanges are county names
    // as stored, which may hold a blank ("La Porte"). No value may hold a control character.
    const QString call = ca.ContactCall[i].trimmed();
    if (call.isEmpty())
        return refuse(QStringLiteral("Contact %1 has no call.").arg(i));
    if (holdsBlank(call))
        return refuse(QStringLiteral("Contact %1 has the call \"%2\", which holds a blank.").arg(i).arg(call));
    if (holdsControl(call))
        return refuse(QStringLiteral("Contact %1 has a character that is not printable in its call.").arg(i));
    const QString contact = QStringLiteral("Contact %1 (%2)").arg(i).arg(call);

    const std::optional<QDate> date = Format::parseLogDate(ca.ContactDate[i]);
    if (!date)
        return refuse(QStringLiteral("%1 has the date \"%2\", which is not a date of the form yyyy/mm/dd.")
                          .arg(contact, KeyEvents::storableOnly(ca.ContactDate[i])));
    const QString time = ca.ContactTime[i].trimmed();
    const QString mode = ca.ContactMode[i].trimmed(), sentReport = ca.ContactRSTSent[i].trimmed(),
                  receivedReport = ca.ContactRSTRcvd[i].trimmed(), hhmm = time.mid(0, 2) + time.mid(3, 2);
    const QPair<const char*, QString> words[] = {
        {"mode", mode}, {"time", hhmm}, {"report sent", sentReport}, {"report received", receivedReport}};
    for (const auto& [what, value] : words) {
        if (value.isEmpty())
            return refuse(QStringLiteral("%1 has no %2.").arg(contact, QLatin1String(what)));
        if (holdsBlank(value))
            return refuse(
                QStringLiteral("%1 has the %2 \"%3\", which holds a blank.").arg(contact, QLatin1String(what), value));
        if (holdsControl(value))
            return refuse(QStringLiteral("%1 has a character that is not printable in its %2.")
                              .arg(contact, QLatin1String(what)));
    }
    if (ownCall.isEmpty() || holdsBlank(ownCall) || holdsControl(ownCall))
        return refuse(
            QStringLiteral("The station's own call \"%1\" is not one word.").arg(KeyEvents::storableOnly(ownCall)));

    const QString band = ca.ContactBand[i].trimmed();
    const QString frequency = bandFrequency(band);
    if (frequency.isEmpty())
        return refuse(QStringLiteral("%1 is on the band \"%2\", which has no frequency in the Cabrillo format.")
                          .arg(contact, KeyEvents::storableOnly(band)));

    const QString sent = (outOfState ? G.OwnStateProvince : ca.ContactSentCounty[i]).trimmed().left(8).trimmed();
    if (outOfState && sent.isEmpty())
        return refuseWith(QStringLiteral("The station's own state or province, which every contact sends, is empty. ") +
                          OwnStateHint);
    if (outOfState && holdsControl(sent))
        return refuseWith(QStringLiteral("The station's own state or province holds a character that is not "
                                         "printable. ") +
                          OwnStateHint);
    if (sent.isEmpty())
        return refuse(QStringLiteral("%1 has no county sent.").arg(contact));
    if (holdsControl(sent))
        return refuse(QStringLiteral("%1 has a character that is not printable in its county sent.").arg(contact));
    QString received = ca.ContactCounty[i].trimmed();
    if (received.isEmpty()) {
        received = ca.ContactSPC[i].trimmed();
        if (received.size() > 2)
            received = QStringLiteral("DX");
    }
    if (received.isEmpty())
        return refuse(QStringLiteral("%1 has no county, state, province or country.").arg(contact));
    if (holdsControl(received))
        return refuse(
            QStringLiteral("%1 has a character that is not printable in its county, state or province.").arg(contact));

    return placeAtColumns(QStringLiteral("QSO:"), {
                                                      {6, frequency},
                                                      {12, mode},
                                                      {15, date->toString(QStringLiteral("yyyy-MM-dd"))},
                                                      {26, hhmm},
                                                      {31, ownCall.left(9)},
                                                      {41, sentReport},
                                                      {45, sent},
                                                      {54, call.left(9)},
                                                      {64, receivedReport},
                                                      {68, received},
                                                  });
}

bool CabrilloText(const Summary& s, QByteArray& out, QString* error)
{
    const QString eol = QStringLiteral("\r\n");
    const QString ownCall = G.OwnCall.trimmed();
    QString text;
    auto line = [&](const QString& tag, const QString& value) { text += tag + headerValue(value) + eol; };
    text += QStringLiteral("START-OF-LOG: 2.0") + eol;
    line(QStringLiteral("CREATED-BY: Quolt's Lorvane Program "), G.ProgramVersion);
    line(QStringLiteral("CALLSIGN: "), ownCall);
    line(QStringLiteral("ARRL-SECTION: "), G.OwnSection);
    line(QStringLiteral("CONTEST: State QSO Party - "), G.PartyState);
    line(QStringLiteral("CATEGORY: "), categoryText(s.category, s.power));
    const QString club = headerValue(s.club), operators = headerValue(s.operators);
    if (!club.isEmpty())
        line(QStringLiteral("CLUB-NAME: "), club);
    text += QStringLiteral("CLAIMED-SCORE: ") + claimedScoreText() + eol;
    line(QStringLiteral("OPERATORS: "), operators.isEmpty() ? ownCall : operators);
    line(QStringLiteral("NAME: "), s.name);
    line(QStringLiteral("ADDRESS: "), s.address1);
    line(QStringLiteral("ADDRESS: "), s.address2);
    line(QStringLiteral("ADDRESS: (e-mail) "), s.email);
    for (const QString& piece : soapboxLines(s.soapbox))
        line(QStringLiteral("SOAPBOX: "), piece);

    for (int i = 1; i <= G.QSOCount; ++i) {
        const QString qso = QSOLine(i, ownCall, G.OutOfStateFlag != 0, error);
        if (qso.isEmpty())
            return false;
        text += qso + eol;
    }
    text += QStringLiteral("END-OF-LOG:") + eol;
    out = ListFormat::toFileBytes(text);
    return true;
}

}   // namespace Cabrillo
