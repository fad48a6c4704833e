#pragma once
// The voice keyer window "Phone Wave Selections". Its boxes and options are the voice keyer's
// settings: the nine message files for F1..F9, the push-to-talk port and line, the F1 repeat
// pause and the parallel port address. It is made hidden at start, when the station setup fills
// it from wave2.txt, and stays loaded until the main window unloads it at shut-down.
#include <array>
#include <memory>
#include <optional>

#include "core/CommonFileDialog.h"
#include "core/DesignWindow.h"
#include "core/SingleWindow.h"
#include "keying/KeyerSettings.h"

class MMControl;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class VbTimer;
namespace Platform {
class SerialLines;
}

class PhoneFrm : public DesignWindow, public SingleWindow<PhoneFrm> {
    Q_OBJECT
    friend class SingleWindow<PhoneFrm>;

public:
    // Puts the values of wave2.txt into the boxes and selects the push-to-talk line; the repeat
    // timer takes the pause. The push-to-talk port is not opened here.
    void LoadSettings(const KeyerSettings::PhoneSettings& s);

    // Plays the message of KeyCode (112..120: F1..F9, the file in Text1..Text9) with push-to-talk;
    // F1 arms the repeat when txtPHLoop holds a number above 0. Other codes do nothing.
    // Push-to-talk is keyed before the message starts and the playback watch is armed whenever
    // a line was keyed, so a file that fails to open or play still releases it at the next tick.
    // A push-to-talk port that does not open is reported ("Invalid port.") and the hidden window
    // is shown modally until the operator leaves it; the message plays afterwards all the same.
    // Reads the boxes and options; changes G.PhoneRepeatOn, the port and the lines.
    void FKeyPhone(int KeyCode);

    // The playback watch (every 40 ms while Timer1 is enabled): once nothing plays, stops itself,
    // releases every push-to-talk line that was keyed (the lines keyed, not the ones selected
    // now) and starts the repeat when G.PhoneRepeatOn is 1.
    void Timer1_Timer();
    // The repeat: plays F1 again.
    void tmrRepeat_Timer();
    // Test: plays F1 as the key does, then focuses Done when shown.
    void Command11_Click();
    // Done: hides the window and writes wave2.txt afresh in the program folder. A failed write
    // is logged (vqplog.keying) and leaves the old file whole.
    void Command1_Click();
    // Leaving the repeat box: a number from 0 up to (not including) 60 sets the repeat interval;
    // anything else makes the box "0" and the interval 0.
    void txtPHLoop_LostFocus();
    // Leaving the port box: a text that is not a number becomes "0"; then the port is set up.
    void Text10_LostFocus();
    // Browse of F1..F9 (Command2..Command10, n = 1..9): the .wav file chosen in the open dialog
    // goes into Text<n> and the focus to Done; Cancel beeps and leaves the box as it was.
    void Browse_Click(int n);

    // The push-to-talk serial port, open only when needed.
    bool commPhoneOpen() const { return CommPhone != nullptr; }
    // Drops both lines and closes the port (the CW port set-up and the keyer device call this).
    void closeCommPhone();

    MMControl* MMControl1;   // plays the messages; Mode() is 526 while one plays

    std::array<QLineEdit*, 10> Text{};   // Text[1]..Text[9]: the F1..F9 .wav paths
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7, *Text8, *Text9;
    QLineEdit* Text10;      // push-to-talk serial port, 0 for none
    QLineEdit* Text11;      // parallel port base address
    QLineEdit* txtPHLoop;   // F1 repeat pause, seconds
    QGroupBox* Frame1;
    QRadioButton *Option1, *Option2, *Option3;   // RTS, DTR, Parallel
    QPushButton* Command1;                       // Done
    std::array<QPushButton*, 11> Command{};      // Command[2]..Command[10]: Browse for F1..F9
    QPushButton* Command11;                      // Test
    VbTimer* Timer1;                             // playback watch, 40 ms
    VbTimer* tmrRepeat;                          // F1 repeat
    CommonFileDialog cdbFile;                    // the Browse buttons' open dialog

protected:
    // The port box selects its text from the caret on when entered.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Opens the push-to-talk port of Text10 (above 0) with both lines low, closing the CW port
    // and the keyer device first. A port that cannot be opened is reported and the window shown.
    void PhoneSetup();
    std::unique_ptr<Platform::SerialLines> CommPhone;
    // The lines keyed since the last release.
    bool keyedRts_ = false;
    bool keyedDtr_ = false;
    std::optional<int> keyedParallel_;   // the control register written with 3

    // Unloading closes the message player, which stops a message that plays.
    void Form_Unload();
    PhoneFrm();
    ~PhoneFrm() override;
    void Form_Load();
};
