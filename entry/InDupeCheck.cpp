#include "entry/InDupeCheck.h"

#include "core/Format.h"
#include "core/Globals.h"
#include "entry/LogStore.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

#include <QThread>

namespace InDupeCheck {

using DupeCheck::sameText;
using Entry::Field;
using Entry::InRow;

namespace {

// A stored date "yyyy/mm/dd" in the form `format`; as stored when it does not read as a date.
QString dateText(const QString& stored, const QString& format)
{
    const auto d = Format::parseTypedDate(stored, Platform::clock().read().local.date());
    return d ? d->toString(format) : stored;
}

QDateTime wholeSeconds(const QDateTime& t)
{
    return QDateTime(t.date(), QTime(t.time().hour(), t.time().minute(), t.time().second()), t.timeSpec());
}

bool sameBandModeAndOwnCounty(int i)
{
    const auto& a = G.ContactArrays;
    return sameText(a.ContactBand[i], G.CurrentBand) && sameText(a.ContactMode[i], G.CurrentMode) &&
           sameText(a.ContactSentCounty[i], G.CurrentCounty);
}

// Empty state and county fields take what record i holds; the county only for a station of the
// contest state.
void fillFrom(InRow& row, int i)
{
    const auto& a = G.ContactArrays;
    const QString state = row.txtCntry.text.isEmpty() ? a.ContactSPC[i] : row.txtCntry.text;
    if (row.txtSec.text.isEmpty() && !a.ContactCounty[i].isEmpty() && sameText(state, G.PartyState)) {
        row.setText(Field::Sec, a.ContactCounty[i]);
        row.selectAll(Field::Sec);
    }
    if (row.txtCntry.text.isEmpty() && !a.ContactSPC[i].isEmpty()) {
        row.setText(Field::Cntry, a.ContactSPC[i]);
        row.selectAll(Field::Cntry);
    }
}

void redDialog(InRow& row, const QString& message)
{
    row.labels.lblDialog = message;
    row.labels.lblDialogBackColor = Entry::ColorRed;
    row.labels.lblDupeBackColor = Entry::ColorButtonFace;
    row.labels.lblDupe.clear();
    Platform::prompts().beep();
}

}   // namespace

DupeCheck::PartialResult partial(const QString& call, int keyAscii)
{
    return DupeCheck::PartialDupeCheck(call, keyAscii, &G.CurrentCounty);
}

void PartialDupeCheck(InRow& row, int keyAscii)
{
    DupeCheck::showPartial(row.labels, partial(row.txtCall.text, keyAscii));
}

int findDuplicate(const QString& call, const QString& county, const QString& sentCounty, const QString& band,
                  const QString& mode)
{
    const auto& a = G.ContactArrays;
    for (int i = 1; i <= G.QSOCount; ++i)
        if (sameText(a.ContactCall[i], call) && sameText(a.ContactBand[i], band) && sameText(a.ContactMode[i], mode) &&
            sameText(a.ContactCounty[i], county) && sameText(a.ContactSentCounty[i], sentCounty))
            return i;
    return 0;
}

void announceDuplicate(InRow& row, int record)
{
    const auto& a = G.ContactArrays;
    redDialog(row, QStringLiteral("Duplicate ") + a.ContactCall[record] + QLatin1Char(' ') +
                       dateText(a.ContactDate[record], QStringLiteral("MM/dd")) + QLatin1Char(' ') +
                       a.ContactTime[record] + QStringLiteral("  Rec# ") + DupeCheck::recordNumberText(record));
    Logging::sayDupe(row.host());
    G.DupeFlag = 1;
    G.DupeTime = wholeSeconds(Platform::clock().read().local);
    row.setFocus(Field::Call);
    row.emptyEntry();
    row.labels.countyCaptionEnabled = false;
}

bool LogDupeCheck(InRow& row)
{
    G.DupeFlag = 0;
    const QString call = row.txtCall.text;
    const auto& a = G.ContactArrays;
    for (int i = 1; i <= G.QSOCount; ++i) {
        if (!sameText(a.ContactCall[i], call))
            continue;
        fillFrom(row, i);
        if (sameBandModeAndOwnCounty(i) && sameText(a.ContactCounty[i], row.txtSec.text)) {
            announceDuplicate(row, i);
            return true;
        }
    }
    return false;
}

void DupCheck2(InRow& row)
{
    G.DupeFlag = 0;
    const bool listing = row.host().listPreviousChecked();
    const QString call = row.txtCall.text;
    QVector<int> listed;
    const auto& a = G.ContactArrays;
    for (int i = 1; i <= G.QSOCount; ++i) {
        if (!sameText(a.ContactCall[i], call))
            continue;
        if (listing)
            listed.append(i);
        fillFrom(row, i);
        if (!sameText(a.ContactSPC[i], G.PartyState) && sameBandModeAndOwnCounty(i) && LogDupeCheck(row))
            break;
        if (sameBandModeAndOwnCounty(i)) {
            redDialog(row, QStringLiteral("Dupe if not rover!  ") + a.ContactCall[i] + QStringLiteral("  ") +
                               dateText(a.ContactDate[i], QStringLiteral("MM/yy")) + QStringLiteral("  ") +
                               a.ContactTime[i] + QStringLiteral("   Rec# ") + DupeCheck::recordNumberText(i));
            if (!listing)
                break;
        }
    }
    if (listing)
        row.host().listPreviousContacts(listed);
}

void HoldDupeFlag(Entry::EntryHost& host)
{
    const QDateTime end = G.DupeTime.addSecs(3);
    const qint64 start = Platform::clock().monotonicMs();
    for (;;) {
        host.repaintWindow();
        if (wholeSeconds(Platform::clock().read().local) >= end)
            break;
        if (Platform::clock().monotonicMs() - start >= HoldMaxMs)
            break;
        QThread::msleep(20);
    }
    G.DupeFlag = 0;
}

}   // namespace InDupeCheck
