#include "entry/LogStore.h"

#include "core/BandTable.h"
#include "core/Files.h"
#include "core/Format.h"
#include "core/Globals.h"
#include "core/Module2Log.h"
#include "entry/DupeCheck.h"
#include "entry/EntryLog.h"
#include "platform/Prompts.h"
#include "platform/Sound.h"

namespace Logging {

namespace {

bool allDigits(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    return !s.isEmpty();
}

}   // namespace

NewRecord recordOf(const Entry::EntryRow& row, const QDateTime& utc)
{
    NewRecord rec;
    rec.call = row.txtCall.text;
    rec.rstSent = row.txtRSTS.text;
    rec.rstRcvd = row.txtRSTR.text;
    rec.county = row.txtSec.text;
    rec.date = row.txtPostConDate.visible ? row.txtPostConDate.text : Format::logDate(utc.date());
    rec.time = row.txtPostConTime.visible ? row.txtPostConTime.text : Format::logTime(utc.time());
    rec.mode = G.CurrentMode;
    rec.band = G.CurrentBand;
    rec.frequency = G.CurrentFrequency;
    return rec;
}

MainsResult storeEntry(Entry::EntryRow& row, const NewRecord& rec)
{
    const MainsResult r = storeRecord(rec);
    if (r.ending != Ending::Logged)
        return r;
    row.labels.lblDialogBackColor = Entry::ColorTeal;
    row.labels.lblDialog.clear();
    row.labels.lblDupeBackColor = Entry::ColorButtonFace;
    row.labels.lblDupe.clear();
    return r;
}

MainsResult storeRecord(const NewRecord& rec)
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
    a.ContactCall[i] = rec.call;
    a.ContactRSTSent[i] = rec.rstSent;
    a.ContactRSTRcvd[i] = rec.rstRcvd;
    a.ContactSPC[i] = rec.spc;
    a.ContactCounty[i] = rec.county;
    a.ContactSentCounty[i] = rec.sentCounty;
    a.ContactDate[i] = rec.date;
    a.ContactTime[i] = rec.time;
    a.ContactMode[i] = rec.mode;
    a.ContactBand[i] = rec.band;
    // A frequency outside the contact's band (the radio left on another band, or lost, while the
    // band was changed by hand) would file the contact on the wrong band wherever the frequency is
    // trusted: the contact keeps its band and goes without a frequency.
    if (Bands::frequencyInBand(rec.frequency, rec.band))
        a.ContactFrequency[i] = rec.frequency;
    else if (!rec.frequency.isEmpty())
        qCWarning(lcEntry) << "frequency" << rec.frequency << "is outside band" << rec.band << "and not stored with"
                           << rec.call;
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
    return r;
}

bool checkPostContest(Entry::TextBox& date, Entry::TextBox& time, QString& dialog, const QDate& today)
{
    const auto d = Format::parseTypedDate(date.text, today);
    if (!d) {
        Platform::prompts().beep();
        dialog = QStringLiteral("Invalid date format!");
        return false;
    }
    date.setText(Format::logDate(*d));

    QString t = time.text;
    if ((t.size() == 3 || t.size() == 4) && allDigits(t)) {
        t.insert(t.size() - 2, QLatin1Char(':'));
        time.setText(t);
    }
    const auto parsed = Format::parseTypedTime(t);
    if (!parsed) {
        Platform::prompts().beep();
        dialog = QStringLiteral("Invalid time format!");
        return false;
    }
    time.setText(Format::hourMinute(*parsed));
    return true;
}

void checkRequired(Entry::EntryRow& row, std::initializer_list<RequiredField> fields)
{
    G.MissingFieldFlag = 0;
    for (const RequiredField& f : fields) {
        if (f.fails()) {
            G.MissingFieldFlag = 1;
            refuse(row, QString::fromLatin1(f.message), f.field);
        }
    }
}

void refuse(Entry::EntryRow& row, const QString& message, Entry::Field field)
{
    Platform::prompts().beep();
    row.labels.lblDialog = message;
    row.setFocus(field);
}

void validateCounty(Entry::EntryRow& row)
{
    G.BadCountyFlag = isCountyName(row.txtSec.text) ? 0 : 1;
    if (G.BadCountyFlag == 1)
        refuse(row, row.txtSec.text + QStringLiteral(" is not a valid county!"), Entry::Field::Sec);
}

bool isCountyName(const QString& text)
{
    for (const QString& name : G.CountyNames)
        if (DupeCheck::sameText(name, text))
            return true;
    return false;
}

void sayDupe(Entry::EntryHost& host)
{
    host.BlindKeyPhone(QStringLiteral("Dupe"));
    if (G.VoiceNavLevel == 0)
        return;
    host.repaintWindow();
    const qint64 limitMs =
        Platform::playWaitLimitMs(Files::resolve(G.ProgramFolder, QStringLiteral("Dupe.wav")), DupePromptWaitMs);
    Platform::waitWhilePlaying([&host] { return host.promptPlaying(); }, limitMs);
}

}   // namespace Logging
