#include "reports/Cabrillo.h"

#include "core/Format.h"
#include "core/Globals.h"
#include "core/ListFormat.h"
#include "entry/Tallies.h"

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
    static const QVector<QPair<QString, QString>> table = {
        {QStringLiteral("160"), QStringLiteral(" 1800")}, {QStringLiteral("80"), QStringLiteral(" 3500")},
        {QStringLiteral("40"), QStringLiteral(" 7000")},  {QStringLiteral("20"), QStringLiteral("14000")},
        {QStringLiteral("15"), QStringLiteral("21000")},  {QStringLiteral("10"), QStringLiteral("28000")},
        {QStringLiteral("6"), QStringLiteral("   50")},   {QStringLiteral("2"), QStringLiteral("  144")},
    };
    for (const auto& [b, f] : table)
        if (b == band)
            return f;
    return QString();
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

// A county name as one word: "La Porte" and "St. Joseph" are written "LaPorte" and "St.Joseph",
// so the exchange columns stay one field each.
QString withoutBlanks(const QString& s)
{
    QString out;
    for (QChar c : s)
        if (!c.isSpace())
            out += c;
    return out;
}

}   // namespace

QString QSOLine(int i, const QString& ownCall, bool outOfState, QString* error)
{
    const ContactArraysT& ca = G.ContactArrays;
    auto refuse = [&](const QString& why) {
        if (error)
            *error = why + QStringLiteral(" Correct it and write the file again.");
        return QString();
    };
    // A QSO line's fields are told apart by the blanks between them: every value is written
    // without the blanks around it, and one that is then empty or still holds a blank where the
    // column takes one word would take away a field or add one.
    const QString call = ca.ContactCall[i].trimmed();
    if (call.isEmpty())
        return refuse(QStringLiteral("Contact %1 has no call.").arg(i));
    if (holdsBlank(call))
        return refuse(QStringLiteral("Contact %1 has the call \"%2\", which holds a blank.").arg(i).arg(call));
    const QString contact = QStringLiteral("Contact %1 (%2)").arg(i).arg(call);

    const std::optional<QDate> date = Format::parseLogDate(ca.ContactDate[i]);
    if (!date)
        return refuse(QStringLiteral("%1 has the date \"%2\", which is not a date of the form yyyy/mm/dd.")
                          .arg(contact, ca.ContactDate[i]));
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
    }
    if (ownCall.isEmpty() || holdsBlank(ownCall))
        return refuse(QStringLiteral("The station's own call \"%1\" is not one word.").arg(ownCall));

    const QString sent =
        withoutBlanks((outOfState ? G.OwnStateProvince : ca.ContactSentCounty[i]).trimmed().left(8).trimmed());
    if (sent.isEmpty())
        return refuse(outOfState ? QStringLiteral("The station has no state or province.")
                                 : QStringLiteral("%1 has no county sent.").arg(contact));
    QString received = ca.ContactCounty[i].trimmed();
    if (received.isEmpty()) {
        received = ca.ContactSPC[i].trimmed();
        if (received.size() > 2)
            received = QStringLiteral("DX");
    }
    received = withoutBlanks(received);
    if (received.isEmpty())
        return refuse(QStringLiteral("%1 has no county, state, province or country.").arg(contact));

    return placeAtColumns(QStringLiteral("QSO:"), {
                                                      {6, bandFrequency(ca.ContactBand[i].trimmed())},
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
    text += QStringLiteral("START-OF-LOG: 2.0") + eol;
    text += QStringLiteral("CREATED-BY: Quolt's Lorvane Program ") + G.ProgramVersion + eol;
    text += QStringLiteral("CALLSIGN: ") + ownCall + eol;
    text += QStringLiteral("ARRL-SECTION: ") + G.OwnSection + eol;
    text += QStringLiteral("CONTEST: State QSO Party - ") + G.PartyState + eol;
    text += QStringLiteral("CATEGORY: ") + categoryText(s.category, s.power) + eol;
    const QString club = s.club.trimmed(), operators = s.operators.trimmed();
    if (!club.isEmpty())
        text += QStringLiteral("CLUB-NAME: ") + club + eol;
    text += QStringLiteral("CLAIMED-SCORE: ") + claimedScoreText() + eol;
    text += QStringLiteral("OPERATORS: ") + (operators.isEmpty() ? ownCall : operators) + eol;
    text += QStringLiteral("NAME: ") + s.name.trimmed() + eol;
    text += QStringLiteral("ADDRESS: ") + s.address1.trimmed() + eol;
    text += QStringLiteral("ADDRESS: ") + s.address2.trimmed() + eol;
    text += QStringLiteral("ADDRESS: (e-mail) ") + s.email.trimmed() + eol;
    text += QStringLiteral("SOAPBOX: ") + s.soapbox.trimmed() + eol;

    for (int i = 1; i <= G.QSOCount; ++i) {
        const QString line = QSOLine(i, ownCall, G.OutOfStateFlag != 0, error);
        if (line.isEmpty())
            return false;
        text += line + eol;
    }
    text += QStringLiteral("END-OF-LOG:") + eol;
    out = ListFormat::toFileBytes(text);
    return true;
}

}   // namespace Cabrillo
