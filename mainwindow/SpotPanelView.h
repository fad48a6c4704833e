#pragma once
// The band-map panel of a main window: the spot list txtDX and the band map (lblDX, the ruler
// LineDX, the spot labels lblDXSpot(0..49) and the tick labels lblFreqSpot(0..4)). It takes each
// spot into the program's SpotStore and the list, draws the map from the store (what to draw is
// decided by spots/BandMap), and handles the clicks: a right click on a spot tunes the rig and
// takes the call with a Tab after it, another click removes the spot, a list row tunes and takes
// the call, a click on the strip opens the DX-spotting window.
//
// A spot taken in is stored at once; the list, the band map and the spectrum map are redrawn on
// the next turn of the event loop, once for all spots taken in meanwhile: a source hands on a
// slice of lines per turn, so a burst costs one redraw per slice rather than one per spot.
//
// The rig is reached through MainServices::rig(); with none installed a click still takes the
// call. PacketResize shows, switches and hides the panel after the DX-spotting window's Done; where
// everything goes is decided by mainwindow/SpotPanelLayout on the window's geometry model.
#include <QObject>

#include <deque>

#include "mainwindow/MainServices.h"
#include "mainwindow/SpotPanelLayout.h"
#include "spots/SpotStore.h"

class QTreeWidgetItem;

namespace SpotHookup {
// Installs the panel factory (every main window made afterwards gets a panel), the DX-spotting
// window's calls in MainServices and its packet engine, and the spectrum map's opening.
void install();
}   // namespace SpotHookup

class SpotPanelView : public QObject, public MainServices::SpotPanel {
public:
    explicit SpotPanelView(MainFrame& window);

    static constexpr int ListRows = 200;   // rows of txtDX at most, the newest on top

    void PacketResize() override;
    // Takes the spot into the SpotStore (the caller's frequency and record change as intake says)
    // and keeps its list row for the redraw it queues.
    void BandMapSpots(QVariant& qDXSpotCall, QVariant& qDXSpotFreq, QVariant& qDXSpotRecord) override;
    void DisplayBandMapLabels() override;
    void SetBandMapRange() override;
    void RefreshBandMap() override;

    void lblDXSpot_MouseDown(int Index, Qt::MouseButton Button);
    void lblDXSpot_MouseMove(int Index);
    void txtDX_Click();
    void lblDX_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The queued redraw: the new rows go on top of txtDX (which keeps ListRows), then the band
    // map when shown and the spectrum map when open are drawn from the store.
    void redrawSpots();

    MainFrame& w_;
    std::deque<Spots::SpotRow> newRows_;   // taken in since the last redraw, oldest first
    bool redrawQueued_ = false;
    SpotPanelLayout::Memory layoutMemory_;   // the window's rectangles before the panel's show
};
