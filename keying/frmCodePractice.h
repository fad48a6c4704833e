#pragma once
// The code-practice window "On the Air Code Practice": sends Morse practice over the air through
// the CW window's send loop (random groups, pasted or typed-in text, and keys typed live), so the
// keying output, speed and word spacing of the CW settings apply. It keys and times nothing
// itself and keeps no settings between runs. The CW window's "Send Code Practice" shows it
// modally and unloads it when it closes.
#include <QString>

#include "core/DesignWindow.h"
#include "core/SingleWindow.h"
#include "keying/CodePractice.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class frmCodePractice : public DesignWindow, public SingleWindow<frmCodePractice> {
    Q_OBJECT
    friend class SingleWindow<frmCodePractice>;

public:
    // Paste: the text to send becomes the clipboard's text.
    void Command1_Click();
    // Generate: the groups box Text3 ("10" when it is not a number) and the characters box Text4
    // ("5" when it is not a number) give the groups, each at most CodePractice::MaxGroups and
    // MaxGroupLength (a larger number is written back as the limit); the text to send becomes
    // that many random groups from the 41 practice characters, or the 26 letters when Option1 is
    // ticked. The random source is `random`, or when unset a generator seeded from the clock.
    void Command2_Click();
    // Send: hands the text to send to the CW send loop one character at a time, re-reading Text1
    // before each (edits take effect from the current position on), appends each character to the
    // sent box once its step is done and keeps the carets of both boxes at the send's position.
    // Returns when the text is sent or Stop or a close has emptied PracticeSendText; pumps the
    // event loop after each character.
    void Command3_Click();
    // Stop: empties PracticeSendText and G.CWBuffer; a running send ends before its next step and
    // appends nothing more.
    void Command4_Click();
    void Command5_Click();   // empties the sent box Text2
    void Command6_Click();   // empties the text to send Text1
    // Faster and Slower: the CW window's speed one WPM up or down; Label8 shows the new speed.
    void Command7_Click();
    void Command8_Click();
    // A key typed into the type-to-send box Text5 (never kept there), as CodePractice::typeToSend
    // decides: Backspace takes back the last character waiting in G.CWBuffer and the last one of
    // the sent box; a printable key ("a" to "z" as capitals), Enter or Esc joins the sent box and
    // G.CWBuffer, and the send loop runs when it is not running already. Ctrl combinations do
    // nothing.
    void Text5_KeyPress(int& KeyAscii);
    // The text-to-send box's key filter: "a" to "z" become capitals.
    static void Text1_KeyPress(int& KeyAscii);

    // A close: empties G.CWBuffer and PracticeSendText; while the CW send loop is keying
    // (G.CWSending 1) the close is refused (Cancel 1), and the send then stops on its own.
    void Form_Unload(int& Cancel);
    void Form_Unload();

    // The random numbers of Generate (tests); empty: a clock-seeded generator per click.
    CodePractice::RandomSource random;

    // The text Send is sending; emptying it ends the send.
    QString PracticeSendText;

    QPlainTextEdit *Text1, *Text2;   // text to send, text sent
    QLineEdit *Text3, *Text4;        // groups, characters per group
    QLineEdit* Text5;                // type-to-send
    QGroupBox* Frame1;
    QRadioButton *Option1, *Option2;   // Letters Only, All
    QLabel *Label7, *Label8;           // "WPM", the speed
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7, *Command8;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    frmCodePractice();
    void Form_Load();
    void showSpeed();
};
