#pragma once
// The CW keyer window "CW String Selections". Its boxes and options are the CW settings: the
// eleven function-key messages, the keying output and its ports, the speed, the word spacing,
// the echo switch, the F1 repeat pause and the timing method. It is made hidden at start, when
// the station setup fills it from CW.txt, and stays loaded until the program ends; the sending
// engine reads its controls at the moment of use.
// Esc means something here (it stops sending), so the window is not a dialog.
#include <array>
#include <cstdint>
#include <memory>

#include "core/DesignWindow.h"
#include "core/SingleWindow.h"
#include "keying/KeyerSettings.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class VbTimer;
namespace Platform {
class KeyLine;
class SerialLines;
}   // namespace Platform

class CWFrm : public DesignWindow, public SingleWindow<CWFrm> {
    Q_OBJECT
    friend class SingleWindow<CWFrm>;

public:
    // Puts the values of CW.txt into the boxes, as far as they were read; when the whole file was
    // taken, ticks the keying option of G.CWKeyMethod (its Click handler runs).
    void LoadSettings(const KeyerSettings::CWSettings& s);

    // --- Sending (everything runs on the GUI thread; a send pumps the event loop once after each
    // character, so key handlers, timers and a nested FKeyCW run between characters) ---

    // Sends everything in G.CWBuffer. With the keyer device (G.CWKeyMethod 5) a "!" anywhere in
    // the buffer first logs the contact through the active main window's Mains, then the buffer is
    // handed to the device; otherwise G.CWSending is 1 while the characters are keyed one by one,
    // the text still waiting is echoed into lblDialog when Check1 is ticked, and the loop ends when
    // the buffer is empty (Esc in a main window empties it). Arms tmrRepeat at the end when
    // G.CWRepeatOn is 1; with the keyer device, once the device reports that it has finished
    // sending (tmrDeviceIdle), so the repeat's pause lies between two sends and the device never
    // gets the next one while still sending the last. The key line is up whenever this returns.
    void LoopThroughCWBuffer();
    // Keys one character on the chosen output at the speed in Text11; "!" logs the contact at
    // this point of the text when the active main window's call field is not empty. Nothing is
    // keyed with G.CWKeyMethod 0. Does not change CodeCharacter.
    void Transmit(QString& CodeCharacter);
    // Opens the keying serial port on the number in Text10 (closing it first); refuses with the
    // "Invalid port." box when the port cannot be opened.
    void CWSetup();

    // --- Function-key messages ---

    // Empties G.CWBuffer, then (G.CWKeyMethod not 0) takes the message of KeyCode (112..120 F1..F9,
    // 124 F10, 122 F11), fills in its wildcards and sends it (returns when it has been sent or
    // handed to the keyer device). F1 arms the repeat when txtCWLoop holds a number above 0.
    void FKeyCW(int KeyCode);
    // Speed box Text11 one word per minute up or down, without bounds.
    void UpDown1_UpClick();
    void UpDown1_DownClick();
    // The speed box changed: forwards a speed of 5..99 to the keyer device when it is the open
    // output.
    void Text11_Change();
    // The F1 repeat timer fired: sends F1 again.
    void tmrRepeat_Timer();
    // While a repeated send is still going out of the keyer device: asks the device for its
    // status and, once it is idle, starts the repeat's pause (tmrRepeat). Stops when the repeat is
    // disarmed; a device that has closed starts the pause at once; a device that never reports
    // idle starts it after DeviceIdleWaitLimitMs, with a warning.
    void tmrDeviceIdle_Timer();

    // Keying options: each acts only when its option is now ticked.
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();

    // --- Settings window ---

    // Done: writes CW.txt in the program folder and the timing settings "UserCWSelection" and
    // "UserCWLoopOffset", then hides the window. A failed write is logged; the window still hides.
    void Command1_Click();
    void Command2_Click();   // Faster
    void Command3_Click();   // Slower
    void Command4_Click();   // Test: sends the F9 message
    void Command5_Click();   // word space one less
    void Command6_Click();   // word space one more
    // Send Code Practice: shows the code-practice window modally; when it closes, unloads it and
    // empties G.CWBuffer.
    void Command7_Click();
    void cmdConfWinkey_Click();
    void optTimer_Click();
    void OptSleep_Click();
    // Enables the loop count; calibrates it first when it is 0.
    void optLoop_Click();
    void txtLoop_Change();
    void cmdLoopFaster_Click();
    void cmdLoopSlower_Click();
    void Text10_LostFocus();
    void Text11_LostFocus();
    void txtSpace_Change();
    void txtSpace_LostFocus();
    void txtCWLoop_LostFocus();
    // Counts the empty loop 5,000,000 times on the monotonic clock: CWLoopOffset becomes the turns
    // per 60 ms. Blocks for the count.
    void CalibrateLoop();

    // Shows the window modally: returns when it is hidden again.
    void showModal();
    // The keying serial port, open or not (the keyer device closes it when it opens).
    bool commOpen() const { return Comm != nullptr; }
    void closeComm();

    // The keying serial port's lines while it is open (nullptr when closed).
    std::unique_ptr<Platform::SerialLines> Comm;

    // Message boxes F1..F9 (Text1..Text9), F10 (Text12), F11 (Text13).
    std::array<QLineEdit*, 14> Text{};   // Text[1]..Text[13]; Text[0] unused
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7, *Text8, *Text9;
    QLineEdit* Text10;   // serial port number
    QLineEdit* Text11;   // speed, WPM
    QLineEdit *Text12, *Text13;
    QLineEdit* Text14;   // parallel port base address
    QLineEdit *txtSpace, *txtCWLoop, *txtLoop;
    QLabel *Label19, *Label22, *Label23, *lblLoop;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7;
    QPushButton *cmdConfWinkey, *cmdLoopFaster, *cmdLoopSlower;
    QGroupBox *Frame1, *Frame2;
    QRadioButton *Option1, *Option2, *Option3, *Option4, *Option5;
    QRadioButton *optTimer, *optLoop, *OptSleep;
    QCheckBox* Check1;
    VbTimer* tmrRepeat;
    VbTimer* tmrDeviceIdle;   // the keyer device's end of sending, asked every DeviceIdlePollMs

    static constexpr int DeviceIdlePollMs = 100;
    static inline int DeviceIdleWaitLimitMs = 120000;

    // Loop timing: empty loop turns per 60 ms (shown in txtLoop).
    double CWLoopOffset = 0;

    // Runs at unload: the key line is released and the keying port closed.
    void Form_Unload();
    ~CWFrm() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CWFrm();
    void Form_Load();
    // The line an element sets, by the ticked option (nullptr: none, the elements are only timed).
    // Sets *failed when the option's line cannot be had (a parallel address that does not fit).
    std::unique_ptr<Platform::KeyLine> keyLine(bool* failed);
    // Logs the contact in the active main window when its call field is not empty.
    static void logContact();
    // The echo target: the active main window's status label.
    static void setDialogCaption(const QString& text);
    void releaseLine();
    // Drops the line of the ticked output (after a character that ended on a failed line).
    void releaseOutput();
    bool lineFailed_ = false;   // a character of the running send ended on a failed line
    // The repeat after a send handed to the keyer device: its pause starts when the device has
    // finished sending.
    void repeatAfterDeviceIdle();
    // The keyer device is open and has answered: it may still be sending.
    static bool keyerDeviceOpen();
    int deviceIdleWaitedMs_ = 0;
    // An option's click: when it is ticked, its method becomes the keying output.
    bool keyingOption(QRadioButton* option, uint8_t method);
};
