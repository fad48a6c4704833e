#pragma once
// The station setup window " Setup Information": the first window the operator sees. Its
// loading reads the station profile, runs the UTC-offset check, loads the country and state
// tables and fills the hidden keyer windows; the operator checks the station's data, answers
// whether the station is in the contest state and whether it is a rover, and Done stores it all
// and opens the main window. The decisions live in StationSetup; this window shows them.
#include <QVector>

#include "core/DesignWindow.h"
#include "core/SingleWindow.h"
#include "core/StationSetup.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmStationID : public DesignWindow, public SingleWindow<frmStationID> {
    Q_OBJECT
public:
    // instance(): the one station setup window of the run, made (and loaded) on first use.

    // Builds the window and runs its loading. The start-up uses instance(); tests make their own.
    explicit frmStationID(QWidget* parent = nullptr);

    // Done.
    void Command1_Click();
    // The in-state answer's effect on the rover frame.
    void Option1_Click();
    void Option2_Click();
    // Moves the bold mark in the hidden party frame.
    void optState_Click(int Index);
    void Text6_LostFocus();

    // Key filters, changing the key code in place (0 drops the key).
    static void Cap3(int& KeyAscii);
    static void NumBerr(int& KeyAscii);

    // KeyPress handlers. Text_KeyPress serves the boxes with a plain filter (all but 2 and 8).
    void Text_KeyPress(int box, int& KeyAscii);
    void Text2_KeyPress(int& KeyAscii);
    void Text8_KeyPress(int& KeyAscii);

    // The boxes by number (Text[1]..Text[12]; Text[0] unused) and by name.
    QVector<QLineEdit*> Text;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7, *Text8, *Text9;
    QLineEdit *Text10, *Text11, *Text12;   // carried through unseen: name, category, city
    QGroupBox *Frame1, *Frame2, *Frame3;
    QRadioButton *Option1, *Option2;   // "Are you in Vazazev?" Yes / No
    QRadioButton *Option3, *Option4;   // "Are you operating as a Rover?" No / Yes
    QVector<QRadioButton*> optState;   // the hidden party frame, indexes 0..49
    QPushButton* Command1;

    // What the loading found (which steps failed, the keyer settings it read).
    const StationSetup::LoadResult& loadResult() const { return load_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void LoadCWSettings();
    StationSetup::Boxes boxes() const;

    StationSetup::LoadResult load_;
    // The boxes the operator typed into, pasted into or filled by the country completion.
    StationSetup::Typed typed_{};
};
