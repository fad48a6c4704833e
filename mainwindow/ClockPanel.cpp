#include "mainwindow/ClockPanel.h"

#include <QLabel>
#include <QPushButton>

#include "core/Format.h"
#include "core/Globals.h"
#include "mainwindow/MainFrame.h"
#include "platform/Clock.h"

ClockPanel::ClockPanel(MainFrame& window) : w_(window) {}

void ClockPanel::ShowOperatingTime()
{
    G.OpSecondsTotal = G.OpSecondsSaved;
    w_.lblttrack->setText(Format::operatingTime(G.OpSecondsSaved));
}

void ClockPanel::cmdLogOn_Click()
{
    // Time On, as logging a contact with the clock stopped needs it.
    if (G.LoggedOnFlag != 0)
        return;
    G.LogOnTime = Platform::clock().read().local;
    G.LoggedOnFlag = 1;
    w_.cmdLogOn->setText(QStringLiteral("&Log \"Time Off\""));
    w_.withEntry([this](Entry::OutEntry* row) {
        if (row)
            row->labels.lblDialog = QStringLiteral(" ");
        else
            w_.lblDialog->setText(QStringLiteral(" "));
    });
    w_.setEntryFocus(Entry::Field::Call);
}
