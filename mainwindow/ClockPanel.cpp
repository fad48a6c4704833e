#include "mainwindow/ClockPanel.h"

#include <QLabel>
#include <QPushButton>

#include "core/Format.h"
#include "core/Globals.h"
#include "core/Module2Prefs.h"
#include "mainwindow/Clocks.h"
#include "mainwindow/MainFrame.h"
#include "platform/Clock.h"
#include "platform/VbControls.h"

namespace {
const QString TimeOnCaption = QStringLiteral("&Log \"Time On\"");
const QString TimeOffCaption = QStringLiteral("&Log \"Time Off\"");
}   // namespace

ClockPanel::ClockPanel(MainFrame& window) : w_(window)
{
    connect(w_.cmdLogOn, &QPushButton::clicked, this, [this] { w_.cmdLogOn_Click(); });
    connect(w_.Timer2, &VbTimer::timeout, this, [this] { Timer2_Timer(); });
    connect(w_.Timer1, &VbTimer::timeout, this, [this] { Timer1_Timer(); });
}

void ClockPanel::ShowOperatingTime()
{
    G.OpSecondsTotal = G.OpSecondsSaved;
    w_.lblttrack->setText(Format::operatingTime(G.OpSecondsSaved));
}

void ClockPanel::cmdLogOn_Click()
{
    const QDateTime now = Platform::clock().read().local;
    QString status;
    if (G.LoggedOnFlag == 0) {
        G.LogOnTime = now;
        G.LoggedOnFlag = 1;
        w_.cmdLogOn->setText(TimeOffCaption);
        status = QStringLiteral(" ");
    } else {
        G.LoggedOnFlag = 0;
        w_.cmdLogOn->setText(TimeOnCaption);
        // The total of the last clock tick: a Time Off before the first tick keeps the total
        // as it was before Time On.
        G.OpSecondsSaved = float(G.OpSecondsTotal);
        status = Clocks::loggedOffText(now, G.UtcOffsetHours);
        Module2::MarkPrefStored(Module2::PrefItem::OpSecondsSaved);
        Module2::WriteQSOpref();
    }
    w_.withEntry([this, &status](Entry::EntryRow* row) {
        if (row)
            row->labels.lblDialog = status;
        else
            w_.lblDialog->setText(status);
    });
    w_.setEntryFocus(Entry::Field::Call);
}

void ClockPanel::Timer2_Timer()
{
    const QDateTime now = Platform::clock().read().local;
    w_.lblutctime->setText(Clocks::utcClock(now, G.UtcOffsetHours));
    w_.lblCurTime->setText(Clocks::localClock(now));
    w_.Label16->setText(Clocks::amPm(now));
    if (G.LoggedOnFlag == 1) {
        G.OpSecondsTotal = Clocks::operatingSeconds(G.LogOnTime, now, G.OpSecondsSaved);
        w_.lblttrack->setText(Format::operatingTime(G.OpSecondsTotal));
    }
}

void ClockPanel::Timer1_Timer() { w_.ShowQSORates(); }
