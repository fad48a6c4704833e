// The whole log reload of the in-state main window: Module2::LoadLog of an 11000-contact log.txt,
// the recount of points, contacts by mode, multipliers, score, the rates of the last hour (the log
// runs up to now, so they count 240 contacts) and the worked-states grid, the county lists, and
// the contact list refilled with every contact. Read against Yardstick (same file): the reload
// must stay within 4 times that figure.
#include <benchmark/benchmark.h>

#include "LogFixture.h"
#include "core/Globals.h"
#include "entry/CountyLists.h"
#include "entry/ReloadLog.h"
#include "mainwindow/ContactList.h"
#include "mainwindow/StateProvinces.h"

static void ReloadLog(benchmark::State& state)
{
    resetGlobals();
    LogFixture log(Tallies::utcNow());
    G.ProgramFolder = log.folder();
    // An in-state run: states, provinces and a county table of the contest state's size.
    StateProvinces::FillStateProvinceTable();
    G.CountyNames = {"Allen",  "De Kalb", "Hamilton",   "La Porte",   "Lake",
                     "Marion", "Monroe",  "St. Joseph", "Tippecanoe", "Vanderburgh"};
    for (int k = G.CountyNames.size() + 1; k <= 92; ++k)
        G.CountyNames.append(QStringLiteral("County %1").arg(k));
    G.CurrentMode = QStringLiteral("CW");
    G.ListAllFlag = 1;
    CountyLists::Model counties(Entry::Window::In);
    ContactList::Model contacts;
    int hourRate = 0;
    for (auto _ : state) {
        const LogReload::Result r = LogReload::ReloadLog(Tallies::GridView::CurrentMode);
        if (!r.loaded) {
            state.SkipWithError("the reload failed");
            break;
        }
        counties.FillCountyLists();
        contacts.ListRecentContacts();
        hourRate = r.rates ? r.rates->perHour60 : 0;
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(counties.worked.size());
        benchmark::DoNotOptimize(contacts.rowCount());
    }
    if (G.QSOCount != LogFixture::Records || G.MultiplierCount == 0 || contacts.rowCount() != LogFixture::Records)
        state.SkipWithError("the reload did not count the whole log");
    if (hourRate < 200)
        state.SkipWithError("the rates found no contacts of the last hour");
    state.SetBytesProcessed(state.iterations() * log.bytes());
    resetGlobals();
}
BENCHMARK(ReloadLog)->Unit(benchmark::kMillisecond);
