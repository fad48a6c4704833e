#include "entry/InLoggingStandIn.h"

#include "core/Format.h"
#include "core/Globals.h"
#include "core/Module2County.h"
#include "core/Module2Log.h"
#include "entry/Tallies.h"
#include "platform/Prompts.h"

namespace InLoggingStandIn {

using Entry::Field;

bool Mains(Entry::InEntry& row)
{
    if (G.LoggedOnFlag == 0)
        row.host().cmdLogOn_Click();
    const QDateTime utc = Tallies::utcNow();

    if (row.txtCntry.text.compare(G.PartyState, Qt::CaseInsensitive) != 0)
        row.setText(Field::Sec, QString());
    const QString name = Module2::CountyNameFromAbbrev(row.txtSec.text);
    if (!name.isEmpty())
        row.setText(Field::Sec, name);

    bool stored = false;
    auto refuse = [&](const char* message, Field f) {
        Platform::prompts().beep();
        row.labels.lblDialog = QString::fromLatin1(message);
        row.setFocus(f);
    };
    if (row.txtCall.text.size() < 3)
        refuse("Need Call Sign!", Field::Call);
    else if (row.txtRSTR.text.isEmpty())
        refuse("Report Received!", Field::RSTR);
    else if (row.txtRSTS.text.isEmpty())
        refuse("Need Report Sent!", Field::RSTS);
    else if (G.QSOCount >= ContactArraysT::MaxContacts)
        Platform::prompts().message(Module2::LogWriteFailureText(Module2::LogFullError()));
    else {
        const int i = G.QSOCount + 1;
        auto& a = G.ContactArrays;
        a.clearSlot(i);
        a.ContactCall[i] = row.txtCall.text;
        a.ContactRSTSent[i] = row.txtRSTS.text;
        a.ContactRSTRcvd[i] = row.txtRSTR.text;
        a.ContactSPC[i] = row.txtCntry.text;
        a.ContactCounty[i] = row.txtSec.text;
        a.ContactSentCounty[i] = G.CurrentCounty;
        a.ContactDate[i] = Format::logDate(utc.date());
        a.ContactTime[i] = Format::logTime(utc.time());
        a.ContactMode[i] = G.CurrentMode;
        a.ContactBand[i] = G.CurrentBand;
        a.ContactFrequency[i] = G.CurrentFrequency;
        G.QSOCount = i;
        QString error;
        if (!Module2::AppendContact(&error)) {
            a.clearSlot(i);
            G.QSOCount = i - 1;
            Platform::prompts().message(Module2::LogWriteFailureText(error));
        } else {
            stored = true;
            Tallies::addContact(i);
            if (!a.ContactCounty[i].isEmpty())
                row.host().UpdateCountyLists();
            row.host().AddBandDX(i);
            row.host().ShowScore();
            row.host().ListRecentContacts();
            row.labels.lblDialog.clear();
            row.labels.lblDialogBackColor = Entry::ColorTeal;
            row.emptyEntry();
            row.setFocus(Field::Call);
        }
    }
    row.host().ShowQSORates();
    G.CurrentFrequency.clear();
    return stored;
}

} // namespace InLoggingStandIn
