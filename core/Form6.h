#pragma once
// The " Modify Multiplier Color Selections" window: the operator chooses the text colours of the
// multiplier labels, G.UnworkedColor ("Remaining") and G.WorkedColor ("Worked"), each through
// the prompt service's colour dialog, which starts from the colour in use; Cancel keeps it.
// Each sample label shows its colour at once. The window stores nothing: the opener (the Colors
// command) saves QSOpref.txt and reloads the log after Done has hidden the window.
#include <QDialog>

#include "core/DesignWindow.h"

class QLabel;
class QPushButton;
class VbLine;

class Form6 : public QDialog {
    Q_OBJECT
public:
    explicit Form6(QWidget* parent = nullptr);

    DesignLayout& design() { return design_; }

    // Scales the window to the screen and shows both samples in their colours.
    void Form_Load();
    void Command1_Click();   // "Change "Remaining" Color": G.UnworkedColor
    void Command3_Click();   // "Change "Worked" Color": G.WorkedColor
    void Command6_Click();   // "Done": hides the window

    QPushButton* Command1 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command6 = nullptr;
    QLabel* Label1 = nullptr;   // worked sample
    QLabel* Label2 = nullptr;   // remaining sample
    VbLine* Line1 = nullptr;
    VbLine* Line2 = nullptr;

private:
    void showSamples();

    DesignLayout design_;
};
