#pragma once
// Band and mode of a main window: the Band and Mode menus with their ticks, the band and mode
// boxes Label24 (a click steps the band) and Label30 (a click toggles CW and PH), the report
// fields' length for the mode, and the rig's reports of frequency and mode. The frame creates
// the controls; the panel connects them to its handlers. The decisions are BandMode's.
//
// Every band or mode command saves QSOpref.txt and reloads the log, also for the band or mode
// already current (the tallies depend on both).
#include <QObject>
#include <QString>

class MainFrame;

class BandModePanel : public QObject {
    Q_OBJECT
public:
    explicit BandModePanel(MainFrame& window);

    // Load: the mode ticks and Label30 from G.CurrentMode; the band tick and Label24 from
    // G.CurrentBand (a band outside the menu leaves both alone). No command runs.
    void restoreModeTicks();
    void restoreBandTick();
    // The report fields' maximum length for G.CurrentMode (phone 2, otherwise 3). A report
    // already typed is not shortened.
    void setReportLengths();

    // A band command of the Band menu ("160", "80", "40", "20", "15", "10", "6", "2"): sets
    // G.CurrentBand, moves the tick, redraws the band map for the band, shows it in Label24,
    // saves QSOpref.txt and reloads the log.
    void mnuBandCh_Click(const QString& band);
    // The mode commands: sets G.CurrentMode ("CW", "PH", "DG"), shows it in Label30, saves
    // QSOpref.txt, reloads the log, moves the tick and sets the report lengths.
    void modeCommand(const QString& mode);
    void mnu160_Click() { modeCommand(QStringLiteral("CW")); }
    void mnuSSB_Click() { modeCommand(QStringLiteral("PH")); }
    void mnuDigital_Click() { modeCommand(QStringLiteral("DG")); }
    void Label24_Click();
    void Label30_Click();

    // From the rig poll (through Form1): a frequency in MHz switches to its contest band when it
    // differs from the current one and becomes G.CurrentFrequency; a mode text "CW" or "PH"
    // different from the current mode runs that mode's command. Neither changes its argument.
    void BandFreqConversion(float& frequencyValue);
    void ModeSelection(QString& strMode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AfterBandChange();
    // The in-state window's entry follows the new band or mode while a call is entered.
    void rerunStateField();
    MainFrame& w_;
};
