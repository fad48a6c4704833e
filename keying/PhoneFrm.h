#pragma once
// The voice keyer window "Phone Wave Selections". Its boxes and options are the voice keyer's
// settings: the nine message files for F1..F9, the push-to-talk port and line, the F1 repeat
// pause and the parallel port address. It is made hidden at start, when the station setup fills
// it from wave2.txt, and stays loaded until the main window unloads it at shut-down.
#include <array>

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

class PhoneFrm : public DesignWindow, public SingleWindow<PhoneFrm> {
    Q_OBJECT
    friend class SingleWindow<PhoneFrm>;

public:
    // Puts the values of wave2.txt into the boxes and selects the push-to-talk line; the repeat
    // timer takes the pause. The push-to-talk port is not opened here.
    void LoadSettings(const KeyerSettings::PhoneSettings& s);

    // Plays the message of KeyCode (112..120: F1..F9, the file in Text1..Text9) with push-to-talk;
    // F1 arms the repeat when txtPHLoop holds a number above 0. Other codes do nothing.
    void FKeyPhone(int KeyCode);

    MMControl* MMControl1;  // plays the messages; Mode() is 526 while one plays

    std::array<QLineEdit*, 10> Text{};   // Text[1]..Text[9]: the F1..F9 .wav paths
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7, *Text8, *Text9;
    QLineEdit* Text10;     // push-to-talk serial port, 0 for none
    QLineEdit* Text11;     // parallel port base address
    QLineEdit* txtPHLoop;  // F1 repeat pause, seconds
    QGroupBox* Frame1;
    QRadioButton *Option1, *Option2, *Option3;   // RTS, DTR, Parallel
    QPushButton* Command1;                       // Done
    std::array<QPushButton*, 11> Command{};      // Command[2]..Command[10]: Browse for F1..F9
    QPushButton* Command11;                      // Test
    VbTimer* Timer1;       // playback watch, 40 ms
    VbTimer* tmrRepeat;    // F1 repeat

private:
    // Unloading closes the message player, which stops a message that plays.
    void Form_Unload();
    PhoneFrm();
    ~PhoneFrm() override;
    void Form_Load();
};
