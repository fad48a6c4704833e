// The window's cost of a burst of spots: 1000 cluster spot lines sent at once by a telnet peer on a
// loopback port to the running program (the DX-spotting window's telnet source and terminal, the
// main window offscreen with its band map shown), timed from the write until the last spot is on
// the list and the window has painted. Read against SpotIntake, the same lines taken in without
// any widget: counter "x_SpotIntake" is the ratio of the two per spot, which must stay at most 5.
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <algorithm>

#include "BenchApplication.h"
#include "SpotFixture.h"
#include "mainwindow/AppHooks.h"
#include "mainwindow/Outfrm.h"
#include "spots/PacketSpotfrm.h"

namespace {

double secondsOf(QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e9; }

// Runs the event loop until `done` holds or 10 s have passed; false then.
template<class F>
bool runUntil(F done)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > 10000)
            return false;
        QApplication::processEvents();
    }
    return true;
}

}   // namespace

static void SpotBurst(benchmark::State& state)
{
    ensureApplication();
    static const bool hooked = (installAppHooks(), true);
    (void)hooked;
    QTemporaryDir folder;
    resetGlobals();
    Spots::resetSpotStore();
    G.ProgramFolder = folder.path();
    G.DataFolder = folder.filePath(QStringLiteral("Vazazev"));
    QDir().mkpath(G.DataFolder);
    G.OutOfStateFlag = 1;
    G.CurrentBand = QStringLiteral("20");
    if (!SpotFixture::loadCountryTable()) {
        state.SkipWithError("arrlpre2.txt not readable");
        return;
    }
    const QByteArray text = SpotFixture::clusterText();

    // The floor: the same lines taken in without widgets, best of five.
    double intake = 1e9;
    for (int i = 0; i < 5; ++i) {
        Spots::SpotStoreT store;
        QElapsedTimer t;
        t.start();
        if (SpotFixture::takeIn(text, store, QDateTime::currentDateTime()) != SpotFixture::Lines) {
            state.SkipWithError("not every spot line was taken in");
            return;
        }
        intake = std::min(intake, secondsOf(t));
    }

    QTcpServer cluster;
    cluster.listen(QHostAddress::LocalHost);
    {
        QFile f(folder.filePath(QStringLiteral("PackSpot.txt")));
        f.open(QIODevice::WriteOnly);
        f.write("\"\",\"\",\"\",\"\",0,\"\",\"Telnet\",0,0,0,#FALSE#,\"\",\"" + QByteArray::number(cluster.serverPort()) +
                "\",\"127.0.0.1\"\r\n");
    }
    {
        Outfrm w;
        w.show();
        // The window's first use opens the saved source.
        PacketSpotfrm& spotWindow = PacketSpotfrm::instance();
        spotWindow.cmdDone_Click();   // the band map shown, the spot window hidden
        if (!runUntil([&] { return cluster.hasPendingConnections() && spotWindow.Winsock1.isConnected(); }) ||
            !w.lblDX->isVisible()) {
            state.SkipWithError("the spot window did not connect to the cluster or show the band map");
            PacketSpotfrm::unload();
            return;
        }
        QTcpSocket* peer = cluster.nextPendingConnection();
        QApplication::processEvents();

        // Each burst ends with a spot of its own, so its arrival on top of the list shows that the
        // whole burst was taken in and drawn.
        int burst = 0;
        double spent = 0;
        for (auto _ : state) {
            const QString last = QStringLiteral("ZZ%1ZZ").arg(++burst);
            const QByteArray ending = "DX de K9AB:      14001.0  " + last.toLatin1().leftJustified(13, ' ') + "CW\r\n";
            QElapsedTimer t;
            t.start();
            peer->write(text + ending);
            const bool taken = runUntil([&] {
                const QTreeWidgetItem* top = w.txtDX->topLevelItem(0);
                return top && top->text(0) == last;
            });
            QApplication::processEvents();   // the paint of the last redraw
            spent += secondsOf(t);
            if (!taken) {
                state.SkipWithError("the burst was not taken in");
                break;
            }
        }
        const double perSpot = spent / double(state.iterations()) / (SpotFixture::Lines + 1);
        state.counters["per_spot_us"] = perSpot * 1e6;
        state.counters["intake_per_spot_us"] = intake / SpotFixture::Lines * 1e6;
        state.counters["x_SpotIntake"] = perSpot / (intake / SpotFixture::Lines);
        state.SetItemsProcessed(state.iterations() * (SpotFixture::Lines + 1));
        PacketSpotfrm::unload();
    }
    G.CountryTable.clear();
    resetGlobals();
}
BENCHMARK(SpotBurst)->Unit(benchmark::kMillisecond)->UseRealTime();
