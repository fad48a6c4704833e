#include "entry/OutLogging.h"

#include "core/Format.h"
#include "core/Globals.h"
#include "core/Module2County.h"
#include "core/Module2Log.h"
#include "entry/DupeCheck.h"
#include "entry/Tallies.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

#include <QThread>

namespace OutLogging {

using Entry::Field;
using Entry::OutEntry;

namespace {

void refuse(OutEntry& row, const QString& message, Field focus)
{
    Platform::prompts().beep();
    row.labels.lblDialog = message;
    row.setFocus(focus);
}

bool allDigits(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    return !s.isEmpty();
}

// The spoken "Dupe": started, and with voice navigation on waited for, at most DupePromptWaitMs,
// without letting other events run.
void sayDupe(OutEntry& row)
{
    row.host().BlindKeyPhone(QStringLiteral("Dupe"));
    if (G.VoiceNavLevel == 0)
        return;
    const qint64 start = Platform::clock().monotonicMs();
    while (row.host().promptPlaying()
           && Platform::clock().monotonicMs() - start < DupePromptWaitMs)
        QThread::msleep(5);
}

void logDupeCheck(OutEntry& row)
{
    const DupeCheck::LogDupeResult d = DupeCheck::LogDupeCheck(row.txtCall.text, row.txtSec.text);
    if (d.countyFilled) {
        row.setText(Field::Sec, d.county);
        row.selectAll(Field::Sec);
    }
    if (!d.duplicate())
        return;
    row.labels.lblDialog = d.message;
    row.labels.lblDialogBackColor = Entry::ColorRed;
    row.labels.lblDupeBackColor = Entry::ColorButtonFace;
    row.labels.lblDupe.clear();
    Platform::prompts().beep();
    sayDupe(row);
    row.setFocus(Field::Call);
    row.emptyEntry();
}

// Stores the entry as record QSOCount + 1 and appends it to log.txt. On a failed append the
// record and QSOCount are put back, so nothing is counted or shown that the file does not hold.
MainsResult store(OutEntry& row, const QDateTime& utc)
{
    MainsResult r;
    if (G.QSOCount >= ContactArraysT::MaxContacts) {
        r.ending = Ending::LogFull;
        r.messageBox = Module2::LogWriteFailureText(Module2::LogFullError());
        Platform::prompts().message(r.messageBox);
        return r;
    }

    const int i = G.QSOCount + 1;
    auto& a = G.ContactArrays;
    a.clearSlot(i);
    a.ContactCall[i] = row.txtCall.text;
    a.ContactRSTSent[i] = row.txtRSTS.text;
    a.ContactRSTRcvd[i] = row.txtRSTR.text;
    a.ContactCounty[i] = row.txtSec.text;
    a.ContactDate[i] = row.txtPostConDate.visible ? row.txtPostConDate.text : Format::logDate(utc.date());
    a.ContactTime[i] = row.txtPostConTime.visible ? row.txtPostConTime.text : Format::logTime(utc.time());
    a.ContactMode[i] = G.CurrentMode;
    a.ContactBand[i] = G.CurrentBand;
    a.ContactFrequency[i] = G.CurrentFrequency;
    G.QSOCount = i;

    QString error;
    if (!Module2::AppendContact(&error)) {
        a.clearSlot(i);
        G.QSOCount = i - 1;
        r.ending = Ending::WriteFailed;
        r.messageBox = Module2::LogWriteFailureText(error);
        Platform::prompts().message(r.messageBox);
        return r;
    }

    r.ending = Ending::Logged;
    r.record = i;
    row.labels.lblDialogBackColor = Entry::ColorTeal;
    row.labels.lblDialog.clear();
    row.labels.lblDupeBackColor = Entry::ColorButtonFace;
    row.labels.lblDupe.clear();
    Tallies::addContact(i);
    row.host().ListRecentContacts();
    row.host().UpdateCountyLists();
    row.host().ShowScore();
    return r;
}

} // namespace

bool CheckPostContest(OutEntry& row, const QDate& today)
{
    const auto date = Format::parseTypedDate(row.txtPostConDate.text, today);
    if (!date) {
        Platform::prompts().beep();
        row.labels.lblDialog = QStringLiteral("Invalid date format!");
        return false;
    }
    row.setText(Field::PostConDate, Format::logDate(*date));

    QString t = row.txtPostConTime.text;
    if ((t.size() == 3 || t.size() == 4) && allDigits(t)) {
        t.insert(t.size() - 2, QLatin1Char(':'));
        row.setText(Field::PostConTime, t);
    }
    const auto time = Format::parseTypedTime(t);
    if (!time) {
        Platform::prompts().beep();
        row.labels.lblDialog = QStringLiteral("Invalid time format!");
        return false;
    }
    row.setText(Field::PostConTime, Format::hourMinute(*time));
    return true;
}

void CheckRequiredFields(OutEntry& row)
{
    G.MissingFieldFlag = 0;
    // Each check looks at the fields as they are when its turn comes (moving the focus off the
    // call field fills the default reports); all four are made.
    const struct {
        bool (*fails)(const OutEntry&);
        const char* message;
        Field field;
    } checks[] = {
        {[](const OutEntry& e) { return e.txtSec.text.isEmpty(); }, "Need County!", Field::Sec},
        {[](const OutEntry& e) { return e.txtRSTR.text.isEmpty(); }, "Report Received!", Field::RSTR},
        {[](const OutEntry& e) { return e.txtCall.text.size() < 3; }, "Need Call Sign!", Field::Call},
        {[](const OutEntry& e) { return e.txtRSTS.text.isEmpty(); }, "Need Report Sent!", Field::RSTS},
    };
    for (const auto& c : checks) {
        if (c.fails(row)) {
            G.MissingFieldFlag = 1;
            refuse(row, QString::fromLatin1(c.message), c.field);
        }
    }
}

void ValidateCounty(OutEntry& row)
{
    G.BadCountyFlag = 1;
    for (const QString& name : G.CountyNames)
        if (DupeCheck::sameText(name, row.txtSec.text)) {
            G.BadCountyFlag = 0;
            break;
        }
    if (G.BadCountyFlag == 1)
        refuse(row, row.txtSec.text + QStringLiteral(" is not a valid county!"), Field::Sec);
}

MainsResult Mains(OutEntry& row)
{
    if (G.LoggedOnFlag == 0)
        row.host().cmdLogOn_Click();

    // One reading of the clock gives the contact its date and its time.
    const QDateTime utc = Tallies::utcNow();

    if (row.txtPostConTime.visible
        && !CheckPostContest(row, Platform::clock().read().local.date())) {
        MainsResult r;
        r.ending = Ending::BadPostContest;
        return r;
    }

    CheckRequiredFields(row);

    const QString name = Module2::CountyNameFromAbbrev(row.txtSec.text);
    if (!name.isEmpty())
        row.setText(Field::Sec, name);

    if (!row.txtSec.text.isEmpty())
        ValidateCounty(row);
    else
        G.BadCountyFlag = 0;

    logDupeCheck(row);

    MainsResult r;
    r.ending = G.DupeFlag == 1 ? Ending::Duplicate : Ending::Refused;
    if (G.MissingFieldFlag == 0 && G.DupeFlag == 0 && G.BadSectionFlag == 0 && G.BadCountyFlag == 0)
        r = store(row, utc);

    const bool emptied = r.ending == Ending::Logged || r.ending == Ending::Duplicate;
    if (emptied && G.BadSectionFlag == 0 && G.MissingFieldFlag == 0 && G.BadCountyFlag == 0) {
        row.emptyEntry();
        row.setFocus(Field::Call);
    }

    row.labels.lblDupeBackColor = Entry::ColorButtonFace;
    row.labels.lblDupe.clear();
    row.host().ShowQSORates();
    G.CurrentFrequency.clear();
    return r;
}

} // namespace OutLogging
