#include "mainwindow/Infrm.h"

#include <QLabel>
#include <QListWidget>

#include "core/Globals.h"
#include "mainwindow/EntryRowView.h"
#include "entry/InLoggingStandIn.h"

Infrm::Infrm(QWidget* parent) : MainFrame(MainWindows::Which::In, parent)
{
    bindEntryRow(row_);
    connect(List1, &QListWidget::itemClicked, this, [this] { List1_Click(); });
}

Infrm::~Infrm() { unbindEntryRow(); }

void Infrm::Label25_Change() { G.WildCounty = Label25->text().toUpper(); }

void Infrm::Mains()
{
    if (inMains_ || !entryView())
        return;
    inMains_ = true;
    entryView()->run([this] { InLoggingStandIn::Mains(row_); });
    inMains_ = false;
}

void Infrm::List1_Click()
{
    const QListWidgetItem* item = List1->currentItem();
    if (!item || !entryView())
        return;
    const QString country = item->text();
    entryView()->run([&] {
        row_.setText(Entry::Field::Cntry, country);
        row_.setFocus(Entry::Field::Cntry);
    });
}

void Infrm::rerunStateField()
{
    if (entryView())
        entryView()->run([this] { row_.txtCntry_Change(); });
}

// The in-state duplicate checks belong to the in-state logging; until they are connected here the
// call field runs none.
void Infrm::DupCheck2(Entry::InEntry&) {}
void Infrm::PartialDupeCheck(Entry::InEntry&, int&) {}
void Infrm::HoldDupeFlag() {}

void Infrm::AddBandDX(int record)
{
    dxList_.AddBandDX(record);
    showDXList();
}

void Infrm::reloadLists()
{
    DXLists::RebuildBandDXLists();
    dxList_.FillDXList();
    showDXList();
}

void Infrm::showDXList()
{
    // The model keeps the order of a sorted list box (ignoring case).
    List1->setSortingEnabled(false);
    List1->clear();
    List1->addItems(dxList_.entries);
    lblStation[5]->setText(dxList_.header);
}
