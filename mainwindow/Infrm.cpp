#include "mainwindow/Infrm.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "core/Colors.h"
#include "core/Globals.h"
#include "entry/InDupeCheck.h"
#include "entry/InLogging.h"
#include "entry/Tallies.h"
#include "mainwindow/EntryRowView.h"
#include "mainwindow/StateGridPanel.h"
#include "platform/Screen.h"
#include "reports/frmCountyChangeRover.h"

Infrm::Infrm(QWidget* parent) : MainFrame(MainWindows::Which::In, parent)
{
    bindEntryRow(row_);
    connect(List1, &QListWidget::itemClicked, this, [this] { List1_Click(); });
    grid_ = std::make_unique<StateGridPanel>(
        Label10, [this](int i) { Label10_Click(i); }, [this](int i) { Label10_MouseMove(i); });
}

Infrm::~Infrm()
{
    grid_.reset();
    unbindEntryRow();
    // The rover's county list lives as long as the window.
    frmCountyChangeRover::unload();
}

void Infrm::withInRow(const std::function<void()>& f)
{
    if (entryView())
        entryView()->run(f);
    else
        f();
}

void Infrm::Mains()
{
    if (inMains_)
        return;
    inMains_ = true;
    withInRow([this] { lastMains_ = InLogging::Mains(row_); });
    inMains_ = false;
}

void Infrm::List1_Click()
{
    const QListWidgetItem* item = List1->currentItem();
    if (!item)
        return;
    const QString country = item->text();
    withInRow([&] {
        row_.setText(Entry::Field::Cntry, country);
        row_.setFocus(Entry::Field::Cntry);
    });
}

void Infrm::rerunStateField()
{
    withInRow([this] { row_.txtCntry_Change(); });
}

void Infrm::Label10_Click(int Index)
{
    if (Index < 1 || Index >= Label10.size())
        return;
    const QString caption = Label10[Index]->text();
    withInRow([&] { row_.setText(Entry::Field::Cntry, caption); });
}

void Infrm::Label10_MouseMove(int Index)
{
    if (Index < 1 || Index >= Label10.size())
        return;
    QFont f = lblDupe->font();
    f.setPointSizeF(Tallies::gridHoverFontPoints(int(Platform::Screen::current().width), G.FormSizePercent));
    lblDupe->setFont(f);
    lblDupe->setText(Tallies::stateTotalText(Label10[Index]->text(), G.StateProvinceNames.value(Index)));
}

void Infrm::DupCheck2(Entry::InEntry& row) { InDupeCheck::DupCheck2(row); }
void Infrm::PartialDupeCheck(Entry::InEntry& row, int& KeyAscii) { InDupeCheck::PartialDupeCheck(row, KeyAscii); }
void Infrm::HoldDupeFlag() { InDupeCheck::HoldDupeFlag(*this); }

QStringList Infrm::roverCounties() { return frmCountyChangeRover::instance().counties(); }

void Infrm::showOwnCounty(const QString& county) { setLabel25(county); }

void Infrm::stateWorked(int row)
{
    if (row < 1 || row >= Label10.size())
        return;
    QPalette pal = Label10[row]->palette();
    pal.setColor(QPalette::WindowText, Colors::fromNumber(G.WorkedColor));
    Label10[row]->setPalette(pal);
}

void Infrm::AddBandDX(int record)
{
    dxList_.AddBandDX(record);
    showDXList();
}

void Infrm::repaintWindow()
{
    if (entryView())
        entryView()->show();
    repaint();
}

void Infrm::Label25_Change() { G.WildCounty = Label25->text().toUpper(); }

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
