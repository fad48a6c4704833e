#pragma once
// The voice navigation window "Voice Navigation Settings". It plays the short spoken prompts that
// name the entry field getting the focus (and announce a duplicate), and lets the operator choose
// how much is spoken (VoiceNavLevel: 0 off, 1 call only, 2 all data fields). The window is made
// hidden on first use (the menu command or the first prompt asked for) and stays loaded until
// shut-down; Done only hides it.
//
// The main windows test the level themselves and then call BlindKeyPhone, which starts the prompt
// and returns at once; a caller that must wait for the end polls promptPlaying(), which stays
// answerable while the caller's thread does not yield.
#include <QString>

#include "core/DesignWindow.h"
#include "core/SingleWindow.h"

class MMControl;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class BlindFrm : public DesignWindow, public SingleWindow<BlindFrm> {
    Q_OBJECT
    friend class SingleWindow<BlindFrm>;

public:
    // Plays the prompt ProgramFolder/<name>.wav (file name found without regard to case), cutting
    // off the prompt before it, and returns at once. A missing file or no sound device plays
    // nothing and shows nothing.
    void BlindKeyPhone(const QString& name);
    // True while a prompt plays (the control's Mode reads 526).
    bool promptPlaying() const;
    // Waits without yielding while a prompt plays: at most the prompt file's playing time and a
    // short margin on Platform::clock() (PromptWaitMs when its header cannot be read), so a sound
    // device that never reports the end cannot hang the program.
    void waitForPrompt() const;

    // Option buttons: each plays its own prompts when it is ticked; the level changes on Done.
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    // Done: VoiceNavLevel from the options, hide, rewrite QSOpref.txt.
    void Command1_Click();

    // The longest non-yielding wait for a prompt whose length is unknown (prompts last a second
    // or two).
    static constexpr qint64 PromptWaitMs = 10000;

    MMControl* MMControl1;
    QGroupBox* Frame1;
    QRadioButton *Option1, *Option2, *Option3;   // Off, Call Only, All Data Fields
    QPushButton* Command1;                       // Done
    QLabel* Label7;                              // names the folder of the prompt files

private:
    // Unloading closes the prompt player.
    void Form_Unload();
    BlindFrm();
    ~BlindFrm() override;
    void Form_Load();
};
