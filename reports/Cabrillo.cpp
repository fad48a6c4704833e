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

// A QSO line's fields are told apart by the blanks between them: a call that is empty or holds a
// blank (only a hand-edited log.txt has one) would take away a field or add one.
bool callFitsOneField(const QString& call)
{
    return !call.isEmpty() && std::none_of(call.cbegin(), call.cend(), [](QChar c) { return c.isSpace(); });
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
    const std::optional<QDate> date = Format::parseLogDate(ca.ContactDate[i]);
    if (!date)
        return refuse(QStringLiteral("Contact %1 (%2) has the date \"%3\", which is not a date of the form yyyy/mm/dd.")
                          .arg(i)
                          .arg(ca.ContactCall[i], ca.ContactDate[i]));
    if (!callFitsOneField(ca.ContactCall[i]))
        return refuse(
            ca.ContactCall[i].isEmpty()
                ? QStringLiteral("Contact %1 has no call.").arg(i)
                : QStringLiteral("Contact %1 has the call \"%2\", which holds a blank.").arg(i).arg(ca.ContactCall[i]));
    const QString& time = ca.ContactTime[i];
    const QString sent = (outOfState ? G.OwnStateProvince : ca.ContactSentCounty[i]).left(8).trimmed();
    QString received = ca.ContactCounty[i].trimmed();
    if (received.isEmpty()) {
        received = ca.ContactSPC[i].trimmed();
        if (received.size() > 2)
            received = QStringLiteral("DX");
    }
    return placeAtColumns(QStringLiteral("QSO:"), {
                                                      {6, bandFrequency(ca.ContactBand[i])},
                                                      {12, ca.ContactMode[i]},
                                                      {15, date->toString(QStringLiteral("yyyy-MM-dd"))},
                                                      {26, time.mid(0, 2) + time.mid(3, 2)},
                                                      {31, ownCall.left(9)},
                                                      {41, ca.ContactRSTSent[i]},
                                                      {45, sent},
                                                      {54, ca.ContactCall[i].left(9)},
                                                      {64, ca.ContactRSTRcvd[i]},
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
    if (!s.club.isEmpty())
        text += QStringLiteral("CLUB-NAME: ") + s.club + eol;
    text += QStringLiteral("CLAIMED-SCORE: ") + claimedScoreText() + eol;
    text += QStringLiteral("OPERATORS: ") + (s.operators.isEmpty() ? ownCall : s.operators) + eol;
    text += QStringLiteral("NAME: ") + s.name + eol;
    text += QStringLiteral("ADDRESS: ") + s.address1 + eol;
    text += QStringLiteral("ADDRESS: ") + s.address2 + eol;
    text += QStringLiteral("ADDRESS: (e-mail) ") + s.email + eol;
    text += QStringLiteral("SOAPBOX: ") + s.soapbox + eol;

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
