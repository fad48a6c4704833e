#include "mainwindow/Infrm.h"

#include <QLabel>
#include <QLineEdit>

#include "core/Colors.h"
#include "core/Globals.h"
#include "entry/InLogging.h"
#include "entry/Tallies.h"
#include "mainwindow/InRowView.h"
#include "mainwindow/StateGridPanel.h"
#include "platform/Screen.h"
#include "reports/frmCountyChangeRover.h"

Infrm::Infrm(QWidget* parent) : MainFrame(MainWindows::Which::In, parent)
{
    row_.setHost(this);
    EntryWidgets w;
    w.fields = {txtCall, txtRSTR, txtCntry, txtSec, txtRSTS, txtPostConTime, txtPostConDate};
    w.lblDialog = lblDialog;
    w.lblDupe = lblDupe;
    w.Label19 = Label19;
    w.Label22 = Label22;
    w.Label23 = Label23;
    view_ = std::make_unique<InRowView>(row_, w, lblStation[4], Label3, [this] { Mains(); });
    grid_ = std::make_unique<StateGridPanel>(
        Label10, [this](int i) { Label10_Click(i); }, [this](int i) { Label10_MouseMove(i); });
}

Infrm::~Infrm()
{
    grid_.reset();
    view_.reset();
    row_.setHost(nullptr);
    // The rover's county list lives as long as the window.
    frmCountyChangeRover::unload();
}

void Infrm::withInRow(const std::function<void()>& f) { view_->run(f); }

void Infrm::Mains()
{
    if (inMains_)
        return;
    inMains_ = true;
    withInRow([this] { lastMains_ = InLogging::Mains(row_); });
    inMains_ = false;
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

void Infrm::cmdLogOn_Click()
{
    if (G.LoggedOnFlag != 0)
        return;
    MainFrame::cmdLogOn_Click();
    row_.labels.lblDialog = QStringLiteral(" ");
    row_.setFocus(Entry::Field::Call);
}

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

void Infrm::repaintWindow()
{
    view_->show();
    repaint();
}

void Infrm::Label25_Change() { G.WildCounty = Label25->text().toUpper(); }
