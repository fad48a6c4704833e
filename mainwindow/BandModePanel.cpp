#include "mainwindow/BandModePanel.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include "core/Globals.h"
#include "mainwindow/MainFrame.h"
#include "mainwindow/MainLoad.h"

BandModePanel::BandModePanel(MainFrame& window) : w_(window) {}

void BandModePanel::restoreModeTicks()
{
    w_.Label30->setText(G.CurrentMode);
    QAction* cw = w_.action(QStringLiteral("mnu160"));
    QAction* ph = w_.action(QStringLiteral("mnuSSB"));
    QAction* dg = w_.action(QStringLiteral("mnuDigital"));
    cw->setChecked(true);
    ph->setChecked(false);
    dg->setChecked(false);
    switch (MainLoad::modeItem(G.CurrentMode)) {
    case MainLoad::ModeItem::PH:
        cw->setChecked(false);
        ph->setChecked(true);
        break;
    case MainLoad::ModeItem::DG:
        cw->setChecked(false);
        dg->setChecked(true);
        break;
    case MainLoad::ModeItem::CW:
        break;
    }
}

void BandModePanel::restoreBandTick()
{
    const int i = MainLoad::bandIndex(G.CurrentBand);
    if (i < 0)
        return;
    const QString name = MainLoad::bandNames()[i];
    w_.action(QStringLiteral("mnuBand%1Ch").arg(name))->setChecked(true);
    w_.Label24->setText(name);
}

void BandModePanel::setReportLengths()
{
    const int n = MainLoad::reportMaxLength(G.CurrentMode);
    w_.txtRSTR->setMaxLength(n);
    w_.txtRSTS->setMaxLength(n);
    w_.withEntry([n](Entry::OutEntry* row) {
        if (row)
            row->setReportLength(n);
    });
}

// The band and mode commands come with the band and mode menus' handling.
void BandModePanel::mnuBandCh_Click(const QString&) {}
void BandModePanel::BandFreqConversion(float&) {}
void BandModePanel::ModeSelection(QString&) {}
