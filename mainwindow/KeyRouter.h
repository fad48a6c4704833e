#pragma once
// The key handling of a main window as a whole: every key reaches it before the control that has
// the focus (Form_KeyDown with the key code, Form_KeyPress with the character), so the operator
// works the station from the keyboard wherever the caret is:
// - Ctrl+B, C, D, F, G, P, R, S open the device windows (Ctrl alone or with Shift or Alt is no
//   hot key); the character a Ctrl combination produces is never typed;
// - any other key stops a repeating F1 message of either keyer;
// - in mode PH F1..F9 play the voice messages (F10 is withheld); in mode CW with a keying output
//   F1..F11 send the CW messages, Up and Down change the speed (5 to 99 WPM) and F12 switches
//   keyboard CW mode, in which typed characters are sent as CW instead of reaching the fields;
// - Esc stops a voice message (mode PH), clears the keyer device or empties the CW text waiting,
//   and otherwise clears the entry;
// - a single or double quote never reaches a field.
#include <QObject>
#include <QString>

#include <cstdint>

class MainFrame;

class KeyRouter : public QObject {
    Q_OBJECT
public:
    // What the key handling asks of the keyers. The production keyers are the CW and voice keyer
    // windows and the keyer device (keying/); tests install a recorder.
    class Keyers {
    public:
        virtual ~Keyers() = default;
        virtual void FKeyCW(int KeyCode);
        virtual void LoopThroughCWBuffer();
        virtual void UpDown1_UpClick();
        virtual void UpDown1_DownClick();
        // The CW speed box's text (CWFrm.Text11).
        virtual QString speedText();
        // Switches the F1 repeat timers off.
        virtual void stopCWRepeat();
        virtual void stopPhoneRepeat();
        virtual void FKeyPhone(int KeyCode);
        // The voice keyer's player: playing, and the "Stop" command.
        virtual bool phonePlaying();
        virtual void stopPhone();
        // The keyer device (called only while it is open).
        virtual int32_t wk_getstatus();
        virtual void wk_clearbuf();
        virtual void wk_backspace();
    };
    // Installs the keyers (nullptr: the production ones). The caller keeps ownership.
    static void setKeyers(Keyers* k);
    static Keyers& keyers();

    explicit KeyRouter(MainFrame& window);

    // KeyCode is a Windows virtual-key code, Shift the modifier bits (1 Shift, 2 Ctrl, 4 Alt);
    // a key withheld from the control comes back as 0.
    void Form_KeyDown(int& KeyCode, int& Shift);
    // KeyAscii is a character code; a swallowed key comes back as 0.
    void Form_KeyPress(int& KeyAscii);

    // The character of the last Ctrl key is still to be discarded.
    bool skipNextKeyPress() const { return skipNextKeyPress_; }

    // Whether the speed may go one word per minute up (below 99 WPM) or down (above 5 WPM) from
    // the text of the speed box; a text that is no whole number is not stepped.
    static bool speedStepAllowed(const QString& speedText, bool up);

private:
    bool hotKey(int keyCode);
    void cancelRepeats();
    void setStatus(const QString& text, long long backColor = -1);
    MainFrame& w_;
    bool skipNextKeyPress_ = false;
};
