#include "entry/InLogging.h"

#include "core/Format.h"
#include "core/Globals.h"
#include "core/Module2County.h"
#include "entry/DupeCheck.h"
#include "entry/InDupeCheck.h"
#include "entry/Tallies.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

#include <algorithm>

namespace InLogging {

using DupeCheck::sameText;
using Entry::Field;
using Entry::InRow;
using Logging::Ending;
using Logging::MainsResult;

namespace {

bool isContestState(const QString& state) { return sameText(state, G.PartyState); }

// What the window shows and counts for a stored record.
void counted(InRow& row, int record)
{
    const Tallies::NewCells cells = Tallies::addContact(record);
    if (cells.stateRow)
        row.host().stateWorked(cells.stateRow);
    if (!G.ContactArrays.ContactCounty[record].isEmpty())
        row.host().UpdateCountyLists();
    row.host().ListRecentContacts();
}

MainsResult store(InRow& row, const QDateTime& utc)
{
    Logging::NewRecord rec = Logging::recordOf(row, utc);
    rec.spc = row.txtCntry.text;
    rec.sentCounty = G.CurrentCounty;
    const MainsResult r = Logging::storeEntry(row, rec);
    if (r.ending != Ending::Logged)
        return r;

    counted(row, r.record);
    // Every DX contact goes to the DX lists, which add only what they lack: so they hold what a
    // reload would build, also for entries the "New" marker leaves out ("Not Found", "Hawaii").
    if (rec.spc.size() > 2)
        row.host().AddBandDX(r.record);
    row.host().ShowScore();
    return r;
}

void restoreOwnCounty(InRow& row, const QString& county)
{
    G.CurrentCounty = county;
    row.host().showOwnCounty(county);
}

}   // namespace

void CheckRequiredFields(InRow& row)
{
    Logging::checkRequired(row, {
                                    {[&] { return isContestState(row.txtCntry.text) && row.txtSec.text.isEmpty(); },
                                     "Need County!", Field::Sec},
                                    {[&] { return row.txtRSTR.text.isEmpty(); }, "Report Received!", Field::RSTR},
                                    {[&] { return row.txtCall.text.size() < 3; }, "Need Call Sign!", Field::Call},
                                    {[&] { return row.txtCntry.text.isEmpty(); }, "Need Country!", Field::Cntry},
                                    {[&] { return row.txtRSTS.text.isEmpty(); }, "Need Report Sent!", Field::RSTS},
                                });
}

void ValidateSection(InRow& row)
{
    G.BadSectionFlag = 1;
    const int last = std::min<int>(G.StateProvinceCount, int(G.StateProvinceTable.size()) - 1);
    for (int i = 1; i <= last; ++i) {
        if (sameText(G.StateProvinceTable[i], row.txtCntry.text)) {
            G.BadSectionFlag = 0;
            if (row.labels.Label19.isEmpty())
                row.labels.Label19 = QStringLiteral("NA");
            return;
        }
    }
    Logging::refuse(row, QStringLiteral("Invald Section!"), Field::Cntry);
}

void ValidateCounty(InRow& row) { Logging::validateCounty(row); }

MainsResult Mains(InRow& row)
{
    // No value is stored, checked or compared with a blank at either end.
    row.trimBlanks();

    // One reading of the clock gives the contact its date and its time.
    const QDateTime utc = Tallies::utcNow();

    if (row.txtPostConTime.visible &&
        !Logging::checkPostContest(row.txtPostConDate, row.txtPostConTime, row.labels.lblDialog,
                                   Platform::clock().read().local.date())) {
        MainsResult r;
        r.ending = Ending::BadPostContest;
        return r;
    }

    // Only a station of the contest state sends a county.
    if (!isContestState(row.txtCntry.text) && !row.txtSec.text.isEmpty())
        row.setText(Field::Sec, QString());

    if (G.LoggedOnFlag == 0)
        row.host().cmdLogOn_Click();

    CheckRequiredFields(row);

    G.BadSectionFlag = 0;
    if (row.txtCntry.text.size() == 2)
        ValidateSection(row);

    const QString name = Module2::CountyNameFromAbbrev(row.txtSec.text);
    if (!name.isEmpty())
        row.setText(Field::Sec, name);

    InDupeCheck::LogDupeCheck(row);

    G.BadCountyFlag = 0;
    if (!row.txtSec.text.isEmpty())
        ValidateCounty(row);

    MainsResult r;
    r.ending = G.DupeFlag == 1 ? Ending::Duplicate : Ending::Refused;
    if (G.MissingFieldFlag == 0 && G.DupeFlag == 0 && G.BadSectionFlag == 0 && G.BadCountyFlag == 0)
        r = store(row, utc);

    if (r.ending == Ending::Logged) {
        row.emptyEntry();
        row.labels.countyCaptionEnabled = false;
        row.setFocus(Field::Call);
    }

    row.labels.lblDupeBackColor = Entry::ColorButtonFace;
    row.labels.lblDupe.clear();
    row.host().ShowQSORates();
    G.CurrentFrequency.clear();

    if (r.ending == Ending::Logged && G.RoverFlag == 1 && row.host().roverCounties().size() > 1)
        LogRoverCountyLine(row, r.record);
    return r;
}

QVector<RoverLine> LogRoverCountyLine(InRow& row, int record)
{
    QVector<RoverLine> lines;
    const QStringList counties = row.host().roverCounties();
    if (counties.size() < 2 || record < 1 || record > G.QSOCount)
        return lines;
    const auto& a = G.ContactArrays;
    for (int k = 1; k < counties.size(); ++k) {
        RoverLine line;
        line.county = counties[k];
        restoreOwnCounty(row, counties[k]);

        Logging::NewRecord rec;
        rec.call = a.ContactCall[record];
        rec.rstSent = a.ContactRSTSent[record];
        rec.rstRcvd = a.ContactRSTRcvd[record];
        rec.spc = a.ContactSPC[record];
        rec.county = a.ContactCounty[record];
        rec.sentCounty = counties[k];
        rec.mode = a.ContactMode[record];
        rec.band = a.ContactBand[record];
        rec.frequency = G.CurrentFrequency;
        if (row.txtPostConTime.visible) {
            rec.date = a.ContactDate[record];
            rec.time = a.ContactTime[record];
        } else {
            const QDateTime utc = Tallies::utcNow();
            rec.date = Format::logDate(utc.date());
            rec.time = Format::logTime(utc.time());
        }

        line.duplicateOf = InDupeCheck::findDuplicate(rec.call, rec.county, rec.sentCounty, rec.band, rec.mode);
        if (line.duplicateOf) {
            line.ending = Ending::Duplicate;
            InDupeCheck::announceDuplicate(row, line.duplicateOf);
            lines << line;
            continue;
        }

        const MainsResult r = Logging::storeRecord(rec);
        line.ending = r.ending;
        if (r.ending != Ending::Logged) {
            lines << line;
            break;
        }
        line.record = r.record;
        counted(row, r.record);
        row.host().ShowScore();
        row.host().ShowQSORates();
        G.CurrentFrequency.clear();
        lines << line;
    }
    restoreOwnCounty(row, counties[0]);
    return lines;
}

}   // namespace InLogging
