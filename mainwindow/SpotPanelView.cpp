#include "mainwindow/SpotPanelView.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QMouseEvent>
#include <QTreeWidget>

#include "core/Form1.h"
#include "core/Globals.h"
#include "core/ListFormat.h"
#include "core/ModalWindow.h"
#include "core/Module2Prefs.h"
#include "mainwindow/MainFrame.h"
#include "mainwindow/MainWindowLog.h"
#include "platform/Clock.h"
#include "platform/PacketEngine.h"
#include "platform/VbControls.h"
#include "spots/BandMap.h"
#include "spots/PacketSpotfrm.h"
#include "spots/HFMapWindow.h"
#include "spots/SpotStore.h"

namespace SpotHookup {

void install()
{
    // The packet-engine source of the DX-spotting window speaks the engine's TCP API; the engine
    // lives as long as the program (the window closes it when its source closes).
    static const std::unique_ptr<Platform::PacketEngine> engine = Platform::createPacketEngine();
    PacketSpotfrm::setPacketEngine(engine.get());
    // Ctrl+D and the menu show the window in its normal state; the main window's shut-down
    // unloads it (its socket, serial port and timer end with it).
    MainServices::setDeviceWindow(MainServices::DeviceWindow::SpotWindow,
                                  {[] {
                                       PacketSpotfrm& f = PacketSpotfrm::instance();
                                       f.setWindowState(f.windowState() & ~Qt::WindowMinimized);
                                       f.show();
                                       f.raise();
                                       f.activateWindow();
                                   },
                                   [] { PacketSpotfrm::unload(); }});
    // Ctrl+B, "&View Spectrum Map" and a double click on the spot panel: the map is made afresh,
    // shown modally and gone when the show returns. Its right click tunes through the rig window.
    MainServices::setDeviceWindow(MainServices::DeviceWindow::SpectrumMap,
                                  {[] {
                                       SpectrumMap map([](float& mhz) {
                                           if (MainServices::Rig* rig = MainServices::rig())
                                               rig->ChangeFrequency(mhz);
                                       });
                                       ModalWindow::show(map);
                                   },
                                   {}});
    MainServices::setSpotPanelFactory([](MainFrame& window) -> std::unique_ptr<MainServices::SpotPanel> {
        return std::make_unique<SpotPanelView>(window);
    });
}

}   // namespace SpotHookup

namespace {

void showSpotWindow() { MainServices::showDeviceWindow(MainServices::DeviceWindow::SpotWindow); }
// A double click on the list or the strip (after its single click) opens the spectrum map.
void showSpectrumMap() { MainServices::showDeviceWindow(MainServices::DeviceWindow::SpectrumMap); }

}   // namespace

SpotPanelView::SpotPanelView(MainFrame& window) : QObject(&window), w_(window)
{
    for (QLabel* l : w_.lblDXSpot) {
        l->installEventFilter(this);
        l->setMouseTracking(true);
    }
    w_.lblDX->installEventFilter(this);
    QObject::connect(w_.txtDX, &QTreeWidget::itemClicked, this, [this] { txtDX_Click(); });
    QObject::connect(w_.txtDX, &QTreeWidget::itemDoubleClicked, this, [] { showSpectrumMap(); });
    if (QAction* a = w_.findChild<QAction*>(QStringLiteral("mnuDXSpotting")))
        QObject::connect(a, &QAction::triggered, this, [] {
            Module2::WriteQSOpref();
            showSpotWindow();
        });
}

bool SpotPanelView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == w_.lblDX) {
        if (event->type() == QEvent::MouseButtonRelease)
            lblDX_Click();
        else if (event->type() == QEvent::MouseButtonDblClick)
            showSpectrumMap();
        return false;
    }
    const int index = int(w_.lblDXSpot.indexOf(static_cast<QLabel*>(watched)));
    if (index >= 0) {
        if (event->type() == QEvent::MouseButtonPress) {
            lblDXSpot_MouseDown(index, static_cast<QMouseEvent*>(event)->button());
            return true;
        }
        if (event->type() == QEvent::MouseMove)
            lblDXSpot_MouseMove(index);
    }
    return false;
}

void SpotPanelView::PacketResize()
{
    using SpotPanelLayout::Panel;
    // The only caller is the DX-spotting window's Done: its choices are read from it.
    PacketSpotfrm& spotWindow = PacketSpotfrm::instance();
    const bool listWanted = spotWindow.OptList && spotWindow.OptList->isChecked();
    const QListWidgetItem* item = spotWindow.List1 ? spotWindow.List1->currentItem() : nullptr;
    const bool sourceIsNone = !item || item->text().compare(QStringLiteral("None"), Qt::CaseInsensitive) == 0;
    const Panel before = !w_.txtDX->isHidden() ? Panel::List : !w_.lblDX->isHidden() ? Panel::Map : Panel::Hidden;

    const SpotPanelLayout::Outcome out = SpotPanelLayout::packetResize(
        w_.geometryModel(), layoutMemory_, SpotPanelLayout::Names::mainWindow(w_.sideListNames()), before, listWanted,
        sourceIsNone, w_.clientAreaHeight());
    if (out.geometryChanged)
        w_.applyLayout();
    if (out.bandMapShown)
        Form1::instance().setBandMapShown(*out.bandMapShown);
    if (out.after == before)
        return;

    const bool map = out.after == Panel::Map;
    w_.txtDX->setVisible(out.after == Panel::List);
    w_.lblDX->setVisible(map);
    w_.LineDX->setVisible(map);
    for (QLabel* l : w_.lblFreqSpot)
        l->setVisible(map);
    for (QLabel* l : w_.lblDXSpot)
        l->hide();
    if (out.after != Panel::Hidden)
        SetBandMapRange();
    // The map is drawn from the current spots at once rather than left to the next redraw.
    if (map)
        DisplayBandMapLabels();
}

void SpotPanelView::BandMapSpots(QVariant& qDXSpotCall, QVariant& qDXSpotFreq, QVariant& qDXSpotRecord)
{
    auto row =
        Spots::intake(Spots::SpotStore(), qDXSpotCall, qDXSpotFreq, qDXSpotRecord, Platform::clock().read().local);
    if (!row)
        return;
    newRows_.push_back(std::move(*row));
    if (newRows_.size() > ListRows)
        newRows_.pop_front();   // pushed out of the list before it was ever shown
    if (redrawQueued_)
        return;
    redrawQueued_ = true;
    QMetaObject::invokeMethod(this, [this] { redrawSpots(); }, Qt::QueuedConnection);
}

void SpotPanelView::redrawSpots()
{
    redrawQueued_ = false;
    if (w_.lblDX->isVisible())
        DisplayBandMapLabels();
    Spots::redrawSpectrumMap();
    QTreeWidget* list = w_.txtDX;
    QList<QTreeWidgetItem*> items;
    items.reserve(qsizetype(newRows_.size()));
    for (auto it = newRows_.rbegin(); it != newRows_.rend(); ++it) {
        auto* item = new QTreeWidgetItem(
            QStringList{it->call, it->frequency, it->qth, it->status, it->comments, it->prefix, it->time, it->from});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        items << item;
    }
    newRows_.clear();
    const int keep = ListRows - int(items.size());
    while (list->topLevelItemCount() > keep)
        delete list->takeTopLevelItem(list->topLevelItemCount() - 1);
    list->insertTopLevelItems(0, items);
}

void SpotPanelView::SetBandMapRange()
{
    const Spots::BandRange range = Spots::zoomRange(Spots::SpotStore(), Spots::bandEdges(G.CurrentBand));
    const QStringList ticks = Spots::tickCaptions(range);
    for (int k = 0; k < 5 && k < w_.lblFreqSpot.size(); ++k)
        w_.lblFreqSpot[k]->setText(ticks[k]);
}

void SpotPanelView::DisplayBandMapLabels()
{
    if (w_.lblDX->isHidden())
        return;
    for (QLabel* l : w_.lblDXSpot)
        l->hide();
    SetBandMapRange();
    double low = 0, high = 0;
    if (!ListFormat::parseNumber(w_.lblFreqSpot[0]->text(), low) ||
        !ListFormat::parseNumber(w_.lblFreqSpot[4]->text(), high))
        return;
    const QPoint a = w_.LineDX->end1(), b = w_.LineDX->end2();
    const int lift = int(0.004 * w_.height());
    for (const Spots::LabelPlacement& p :
         Spots::placeLabels(Spots::SpotStore(), low, high, Platform::clock().read().local, G.UtcOffsetHours)) {
        QLabel* l = w_.lblDXSpot[p.slot];
        l->setToolTip(p.toolTip);
        l->setText(p.caption);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, p.color);
        l->setPalette(pal);
        const int x = int(a.x() + p.position * (b.x() - a.x()) - l->width() / 2.0);
        l->move(x, a.y() - l->height() - lift);
        l->show();
        l->raise();
    }
}

void SpotPanelView::RefreshBandMap()
{
    if (w_.lblDX->isVisible())
        DisplayBandMapLabels();
}

void SpotPanelView::lblDXSpot_MouseDown(int Index, Qt::MouseButton Button)
{
    Spots::Spot& spot = Spots::SpotStore().slot[Index];
    if (Button == Qt::RightButton) {
        float f = spot.frequency;
        if (MainServices::Rig* rig = MainServices::rig())
            rig->ChangeFrequency(f);
        w_.txtCall->setFocus(Qt::MouseFocusReason);
        w_.txtCall->setText(spot.call);
        // The Tab goes through the window's own key handling once this click has returned, so
        // the call field's leave handling runs as if the operator had pressed Tab.
        QCoreApplication::postEvent(w_.txtCall, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
        return;
    }
    spot.frequency = 0;
    DisplayBandMapLabels();
}

void SpotPanelView::lblDXSpot_MouseMove(int Index) { w_.lblDupe->setText(w_.lblDXSpot[Index]->toolTip()); }

void SpotPanelView::txtDX_Click()
{
    w_.txtCall->setFocus(Qt::MouseFocusReason);
    QTreeWidgetItem* item = w_.txtDX->currentItem();
    if (!item)
        return;
    double mhz = 0;
    if (!ListFormat::parseNumber(item->text(1), mhz))
        return;
    if (G.RigType.compare(QStringLiteral("None"), Qt::CaseInsensitive) != 0) {
        float f = float(mhz);
        if (MainServices::Rig* rig = MainServices::rig())
            rig->ChangeFrequency(f);
    }
    w_.txtCall->setFocus(Qt::MouseFocusReason);
    w_.txtCall->setText(item->text(0));
}

void SpotPanelView::lblDX_Click() { showSpotWindow(); }
