#pragma once
// Operating time and clocks of a main window: the Time On/Time Off button cmdLogOn, the
// operating-time label lblttrack, the UTC and local clocks (lblutctime, lblCurTime, Label16)
// and the two timers (Timer2 every second: clocks and operating time; Timer1 every minute: QSO
// rates). The frame creates the controls; the panel connects them to its handlers. The texts
// are Clocks'.
//
// Logged off, the operating time stands still; Time On (the button, or the first contact logged)
// starts it from the saved total; Time Off closes the period, keeps its total in
// G.OpSecondsSaved and saves QSOpref.txt.
#include <QObject>

class MainFrame;

class ClockPanel : public QObject {
    Q_OBJECT
public:
    explicit ClockPanel(MainFrame& window);

    // Load: the saved operating time becomes the running total and is shown in lblttrack.
    void ShowOperatingTime();
    // Time On or Time Off by G.LoggedOnFlag; the call field gets the focus either way.
    void cmdLogOn_Click();
    // Every second: the clocks, and the running operating time while logged on.
    void Timer2_Timer();
    // Every minute: the QSO rates.
    void Timer1_Timer();

private:
    MainFrame& w_;
};
