// The contact list showing "All" of a full log: the model refilled with 11000 records and a tree
// view with uniform row heights (as the main windows set it) scrolled to the bottom and painted.
// The refill should cost next to nothing, since row texts are made only for the rows shown.
#include <QApplication>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include "BenchApplication.h"
#include "LogFixture.h"
#include "core/Globals.h"
#include "core/Module2Log.h"
#include "mainwindow/ContactList.h"

static void ContactListAll(benchmark::State& state)
{
    ensureApplication();
    LogFixture log;
    resetGlobals();
    G.ProgramFolder = log.folder();
    if (!Module2::LoadLog() || G.QSOCount != LogFixture::Records) {
        state.SkipWithError("the log did not load");
        return;
    }
    ContactList::Model model;
    model.setLayout(ContactList::layoutFor(MainWindows::Which::Out, 0));
    QTreeView view;
    view.setUniformRowHeights(true);
    view.setRootIsDecorated(false);
    view.setModel(&model);
    view.resize(640, 300);
    view.show();
    G.ListAllFlag = 1;
    for (auto _ : state) {
        model.ListRecentContacts();
        view.scrollToBottom();
        QApplication::processEvents();
    }
    if (model.rowCount() != LogFixture::Records)
        state.SkipWithError("the list does not show every contact");
    resetGlobals();
}
BENCHMARK(ContactListAll)->Unit(benchmark::kMillisecond);
