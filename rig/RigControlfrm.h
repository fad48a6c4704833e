#pragma once
// The rig interface window " Rig Interface Setup": the model and the serial-line settings, Test
// and End Test, the poll timer and the live frequency, mode and raw reply, and the two operations
// other windows use to drive the radio (ChangeFrequency, ChangeMode).
//
// It exists once: made on first use (the main window's start-up Test, Ctrl+R, the menu, a tuning
// request), loaded hidden, shown modeless by the menu, hidden by Done, and unloaded only at
// shut-down (Form_Unload sends the Yaesu CAT-off bytes while polling and closes the port). It keeps
// polling while hidden. Polling is on exactly while tmrGetData is enabled; every change of a
// setting stops it (End Test) until the next Test, and so does a port that fails under the poll
// (said in the window as "Comm Port Lost").
//
// What the window decides lives in rig/RigProtocol.h (bytes), rig/RigPoll.h (the tick),
// rig/RigSettings.h (RigCntrl.txt) and rig/BandPlan.h; the window applies it to its controls.
#include <QByteArray>
#include <QString>
#include <QVector>

#include <array>
#include <cstdint>
#include <functional>

#include "core/DesignWindow.h"
#include "core/SingleWindow.h"
#include "platform/SerialPort.h"
#include "rig/BandPlan.h"
#include "rig/RigPoll.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class VbTimer;

class RigControlfrm : public DesignWindow, public SingleWindow<RigControlfrm> {
    Q_OBJECT
    friend class SingleWindow<RigControlfrm>;

public:
    // ---- Connection (Test, End Test) ----
    // Test: rebuilds the line settings from the options; unless RigType is "None" opens the port
    // (not for the Pegasus), runs one poll tick at once and starts the poll timer. A port that does
    // not open shows "Invalid Comm Settings." and, when the window is hidden, the window modally.
    void Command1_Click();
    // End Test: stops polling, empties the labels, closes the port. The frequency the radio last
    // reported is no longer the next contact's (G.CurrentFrequency emptied).
    void Command2_Click();
    // "Change Frequency": the command test window while polling, else a message.
    void Command3_Click();
    // Copies lblUnProcess to the clipboard.
    void Command4_Click();
    // Done: Test unless "None", rewrites QSOpref.txt and RigCntrl.txt, hides the window.
    void cmdDone_Click();
    // A model chosen in the list: stops polling and applies the model's defaults.
    void List1_Click();
    // One poll tick (rig/RigPoll.h); the labels change only while the window is visible.
    void tmrGetData_Timer();

    // ---- Driving the radio ----
    // Tunes the radio to `qChangeFreq` MHz, first setting the band plan's mode for it. Acts only
    // while polling (the poll timer is its busy flag), holds polling off for the exchange and
    // restarts it (not when the port was lost meanwhile); on a failure shows "Error Changing
    // Frequency" and leaves polling stopped. The caller's value is never changed.
    void ChangeFrequency(float& qChangeFreq);
    // Sets the radio's mode; an empty `ModeToChangeTo` receives the band plan's mode for
    // `qChangeFrequency` first. A failure shows "Error Changing Mode" and returns normally.
    void ChangeMode(float& qChangeFrequency, QString& ModeToChangeTo);
    // Waits while received bytes stay unread, at most 2000 ms; the event loop runs meanwhile.
    void WaitWhileInputPending();
    // Waits `ms` milliseconds with the event loop running.
    void PauseMs(float ms);
    // Writes PEGASUS.IN for the radio's own control program (dropped quietly when it cannot).
    void WritePegasusCommand(float& frequency);
    // The band plan's mode for a frequency into `mode` (unchanged outside every Extra segment).
    void BandPlanMode(float& frequency, QString& mode);

    // ---- Settings ----
    void ReadRigSettings();
    void SaveRigSettings();
    void LoadBandPlan();

    // Shows the window and returns when it is hidden again (Done).
    void showModal();

    // The command test window opened by "Change Frequency" while polling (frmFrequencyTest, modal;
    // tests replace it); nothing when unset.
    std::function<void()> frequencyTestWindow;

    // ---- Members (line snapshot taken by Test, poll state, band plan) ----
    QString RigBaud = QStringLiteral("     ");
    QString RigParity, RigDataBits, RigStopBits, RigModeQuery, RigFreqQuery, RigCommSettings;
    uint8_t RigCommPort = 0;
    QString RigPowerLine, RigPollRate;
    uint8_t RigSettingsLoading = 0;
    Rig::RigPoll poll;   // RigReply, RigFreq, RigMode, RigQueryToggle, RigPollPhase, RigVFO
    QVector<Rig::BandPlanRow> ExtraPlanRows;

    // ---- Controls ----
    QListWidget* List1;
    QLineEdit *txtFreq, *txtMode;
    QCheckBox *chkConvToHex, *ChkConvHex, *chkFrequency;
    QGroupBox *Frame1, *fraBaud, *fraParity, *fraData, *fraStop, *fraPort, *fraPower, *fraPoll;
    QRadioButton *OptRig, *OptFreq, *OptDont;
    QRadioButton *optBaud12, *optBaud24, *optBaud48, *optBaud96, *optBaud144, *optBaud192, *optBaud288, *optBaud384,
        *optBaud560;
    QRadioButton *optParityOdd, *optParityNone, *optParityEven, *optData7, *optData8, *optStop1, *optStop2;
    std::array<QRadioButton*, 10> optComm{};
    QRadioButton *optPowerNone, *optPowerRTS, *optPowerDTR;
    QRadioButton *optPollFast, *optPollMed, *optPollSlow, *optReallySlow;
    QPushButton *Command1, *Command2, *Command3, *Command4, *cmdDone;
    QLabel *lblFreq, *lblMode, *Label9, *lblUnProcess, *Label2, *Label10, *Label8, *Label11, *Label12;
    VbTimer* tmrGetData;
    Platform::SerialPort comComm1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RigControlfrm();
    void Form_Load();
    void Form_Unload();
    void OpenRigPort();
    void StartPolling();
    // The port failed under the poll (an adapter pulled out; the line has closed itself): polling
    // stops until the operator's Test, End Test is disabled, the labels say "No Response" and
    // Label2 "Comm Port Lost" in place of "Polling Rig". Nothing pops up: it runs from the event
    // loop, often while the window is hidden. The frequency the radio last reported is dropped.
    void portLost();
    // Polling has stopped: the radio is no longer heard, so the frequency it last reported is not
    // kept for the next contact (G.CurrentFrequency emptied).
    void forgetFrequency();
    void modeSourceClicked();
    Rig::PollSettings pollSettings() const;
    // The options of one group with the value each stands for, in the order Test tries them.
    QVector<QPair<QRadioButton*, QString>> baudOptions() const;
    QVector<QPair<QRadioButton*, QString>> parityOptions() const;
    QVector<QPair<QRadioButton*, QString>> dataOptions() const;
    QVector<QPair<QRadioButton*, QString>> stopOptions() const;
    QVector<QPair<QRadioButton*, QString>> powerOptions() const;
    QVector<QPair<QRadioButton*, QString>> pollOptions() const;
    // Selects the option whose value is `value` (runs its click) and clears the others; none
    // selected when no option carries the value.
    void selectByValue(const QVector<QPair<QRadioButton*, QString>>& group, const QString& value);
    bool isPegasus() const;
    bool portReady();
    bool sendCommand(const QByteArray& bytes, QString* error);
};
