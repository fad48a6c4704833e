#pragma once
// The start form: runs the start-up in its Form_Load and is never displayed. It shows the logo
// window, resolves the per-user folders, loads the shared preferences, makes sure the backup
// folder exists and hands over to the station setup.
#include "core/DesignWindow.h"

class QLabel;
class QPushButton;

class frmSplash : public DesignWindow {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    QLabel* lblVersion1 = nullptr;     // "2.1": the program version
    QPushButton* Command1 = nullptr;   // "Continue"
    QPushButton* Command2 = nullptr;   // "Cancel"

    // The whole start-up; ends by running Continue, which unloads this form.
    void Form_Load();
    // Continue: records the version, opens the station setup and unloads the start form.
    void Command1_Click();
    // Cancel: ends the program at once.
    void Command2_Click();
};
