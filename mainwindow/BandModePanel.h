#pragma once
// Band and mode of a main window: the Band and Mode menus with their ticks, the band and mode
// boxes Label24 and Label30, and the report fields' length for the mode. The frame creates the
// controls; the panel connects them to its handlers.
#include <QObject>

class MainFrame;

class BandModePanel : public QObject {
    Q_OBJECT
public:
    explicit BandModePanel(MainFrame& window);

    // Load: the mode ticks and Label30 from G.CurrentMode; the band tick and Label24 from
    // G.CurrentBand (a band outside the menu leaves both alone).
    void restoreModeTicks();
    void restoreBandTick();
    // The report fields' maximum length for G.CurrentMode (phone 2, otherwise 3).
    void setReportLengths();

    // A band command of the Band menu ("160", "80", "40", "20", "15", "10", "6", "2").
    void mnuBandCh_Click(const QString& band);
    // From the rig poll (through Form1): a frequency in MHz and a mode text.
    void BandFreqConversion(float& frequencyValue);
    void ModeSelection(QString& strMode);

private:
    MainFrame& w_;
};
