#pragma once
// The keyer device window " WinKey Setup": opens and closes the external keyer, sends it the
// operator's settings (speed, weight, lead-in and tail, dit/dah ratio, pin 5 use, keyer mode),
// keeps them in WK.txt in the data folder, and feeds it G.CWBuffer when the CW keying output is
// the keyer device. Made on first use (the CW window's "WinKey" option, or the first send), only
// hidden by Done, unloaded at shut-down, which closes the device.
#include <cstdint>

#include "core/DesignWindow.h"
#include "core/SingleWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmWinKey : public DesignWindow, public SingleWindow<frmWinKey> {
    Q_OBJECT
    friend class SingleWindow<frmWinKey>;

public:
    // Opens the device on G.WinkeyComPort and sends the settings; reports a device that does not
    // answer with a message box naming the port.
    void cmdOpenWinkey_Click();
    void cmdCloseWinkey_Click();
    void cmdStop_Click();
    // Test: appends "VVV TEST DE " and the own call to G.CWBuffer and sends it unless a send is
    // already taking the buffer.
    void Command3_Click();
    // Done: writes WK.txt and hides the window.
    void cmdDone_Click();
    // Hands G.CWBuffer to the device one character at a time, removing each, and returns when the
    // buffer is empty. Opens the device first when it is closed; empties the buffer when it cannot.
    // Waits for the device only while it cannot take more, pumping the event loop; gives up on a
    // device that stays full for FullWaitLimitMs or closes under the send (the text still waiting
    // is dropped then).
    void WKTransmit();
    // Sends the whole setting (the boxes' checks, pin configuration, keyer mode).
    void ApplyWinkeySettings();

    // Losing-focus checks of the boxes.
    void txtWKWPM_LostFocus();
    void txtWeight_LostFocus();
    void txtRatio_LostFocus();
    void txtLeadIn_LostFocus();
    void txtTail_LostFocus();
    void txtWKComPort_LostFocus();

    // Shows the window modally: returns when it is hidden again.
    void showModal();

    // How long a send waits for a device that cannot take more, on the monotonic clock.
    static inline int FullWaitLimitMs = 15000;

    QLineEdit *txtWKComPort, *txtWKWPM, *txtWeight, *txtLeadIn, *txtTail, *txtRatio;
    QLabel *lblOpenStatus, *lblVersion;
    QPushButton *cmdOpenWinkey, *cmdCloseWinkey, *cmdStop, *Command3, *cmdDone;
    QGroupBox *fraMode, *fraPin;
    QRadioButton *optIambicB, *optIambicA, *optUltimatic, *optBug;
    QRadioButton *optKey5Out3Off, *optKey5Off3Out, *optTone, *optPTT;

    void Form_Unload();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmWinKey();
    void Form_Load();
    void leadTail(QLineEdit* lostFocus);
    // Marks the device closed when its port has gone since it was opened.
    void noticeDeviceGone();
    // An option of either frame was clicked.
    void optionClicked(QRadioButton* option, uint8_t byte, bool mode);
};
