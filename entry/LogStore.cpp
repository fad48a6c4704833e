#include "entry/LogStore.h"

#include "core/Format.h"
#include "core/Globals.h"
#include "core/Module2Log.h"
#include "entry/DupeCheck.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

#include <QThread>

namespace Logging {

namespace {

bool allDigits(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    return !s.isEmpty();
}

} // namespace

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
    a.ContactFrequency[i] = rec.frequency;
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

void checkRequired(std::initializer_list<RequiredField> fields,
                   const std::function<void(const QString&, Entry::Field)>& refuse)
{
    G.MissingFieldFlag = 0;
    for (const RequiredField& f : fields) {
        if (f.fails()) {
            G.MissingFieldFlag = 1;
            refuse(QString::fromLatin1(f.message), f.field);
        }
    }
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
    const qint64 start = Platform::clock().monotonicMs();
    while (host.promptPlaying() && Platform::clock().monotonicMs() - start < DupePromptWaitMs)
        QThread::msleep(5);
}

} // namespace Logging
