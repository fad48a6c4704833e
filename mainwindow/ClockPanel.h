#pragma once
// Operating time and clocks of a main window: the Time On/Time Off button cmdLogOn, the
// operating-time label lblttrack, the UTC and local clocks (lblutctime, lblCurTime, Label16)
// and the two timers (Timer2 every second for the clocks, Timer1 every minute for the rates).
// The frame creates the controls; the panel connects them to its handlers.
#include <QObject>

class MainFrame;

class ClockPanel : public QObject {
    Q_OBJECT
public:
    explicit ClockPanel(MainFrame& window);

    // Load: the saved operating time becomes the running total and is shown in lblttrack.
    void ShowOperatingTime();
    // Time On (logging a contact with the clock stopped presses it too).
    void cmdLogOn_Click();

private:
    MainFrame& w_;
};
