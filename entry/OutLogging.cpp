#include "entry/OutLogging.h"

#include "core/Globals.h"
#include "core/Module2County.h"
#include "core/Module2Log.h"
#include "entry/DupeCheck.h"
#include "entry/Tallies.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

namespace OutLogging {

using Entry::Field;
using Entry::OutEntry;

namespace {

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
    Logging::sayDupe(row.host());
    row.setFocus(Field::Call);
    row.emptyEntry();
}

// Stores the entry as the next record; after a stored contact the tallies count it and the
// window's contact list, county lists and score follow.
MainsResult store(OutEntry& row, const QDateTime& utc)
{
    const MainsResult r = Logging::storeEntry(row, Logging::recordOf(row, utc));
    if (r.ending != Ending::Logged)
        return r;

    Tallies::addContact(r.record);
    row.host().ListRecentContacts();
    row.host().UpdateCountyLists();
    row.host().ShowScore();
    return r;
}

}   // namespace

bool CheckPostContest(OutEntry& row, const QDate& today)
{
    return Logging::checkPostContest(row.txtPostConDate, row.txtPostConTime, row.labels.lblDialog, today);
}

void CheckRequiredFields(OutEntry& row)
{
    // Each test looks at the fields as they are when its turn comes (moving the focus off the
    // call field fills the default reports); all four are made.
    Logging::checkRequired(row, {
                                    {[&] { return row.txtSec.text.isEmpty(); }, "Need County!", Field::Sec},
                                    {[&] { return row.txtRSTR.text.isEmpty(); }, "Report Received!", Field::RSTR},
                                    {[&] { return row.txtCall.text.size() < 3; }, "Need Call Sign!", Field::Call},
                                    {[&] { return row.txtRSTS.text.isEmpty(); }, "Need Report Sent!", Field::RSTS},
                                });
}

void ValidateCounty(OutEntry& row) { Logging::validateCounty(row); }

MainsResult Mains(OutEntry& row)
{
    // No value is stored, checked or compared with a blank at either end.
    row.trimBlanks();
    if (G.LoggedOnFlag == 0)
        row.host().cmdLogOn_Click();

    // One reading of the clock gives the contact its date and its time.
    const QDateTime utc = Tallies::utcNow();

    if (row.txtPostConTime.visible && !CheckPostContest(row, Platform::clock().read().local.date())) {
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

}   // namespace OutLogging
