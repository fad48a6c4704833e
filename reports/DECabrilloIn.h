#pragma once
// The modal "Summary Sheet Information" form: what the Cabrillo entry needs beyond the log
// (category and power, club, the calls of a multi-operator team, name, postal and e-mail address,
// soapbox), and its "Write Cabrillo File" command.
//
// The name, address, e-mail and club come from the per-user settings store when the form opens
// and are saved there, and into the shared preferences file, after each successful write. The
// file itself is made whole by Cabrillo::CabrilloText and written atomically; the save dialog is
// the main window's cdbFile.
#include <QDialog>

#include "core/DesignWindow.h"
#include "reports/Cabrillo.h"

class MainLogWindow;
class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QRadioButton;

class DECabrilloIn : public QDialog {
    Q_OBJECT
public:
    // `owner` is the main window whose cdbFile the form uses (Form1::target() when null).
    explicit DECabrilloIn(MainLogWindow* owner = nullptr, QWidget* parent = nullptr);

    DesignLayout& design() { return design_; }

    // Scales the form and fills the name, address, e-mail and club boxes from the settings store.
    void Form_Load();
    // Writes the Cabrillo file (see the class comment); true when a file was written.
    bool Command4_Click();
    // Done: hides the form, which ends the modal show.
    void Command3_Click();
    // The multi-op calls box types capitals.
    void Text1_KeyPress(int& KeyAscii);

    // The form's values as the writer takes them.
    Cabrillo::Summary summary() const;

    QGroupBox* Frame1 = nullptr;                                               // Category
    QRadioButton *Option6 = nullptr, *Option5 = nullptr, *Option2 = nullptr;   // Single Op, Multi Op, Mobile
    QGroupBox* Frame2 = nullptr;                                               // Power
    QRadioButton *Option4 = nullptr, *Option3 = nullptr, *Option1 = nullptr;   // High, Low (150W), QRP (5W)
    QLineEdit* Text2 = nullptr;                                                // club
    QLineEdit* Text1 = nullptr;                                                // multi-op calls
    QLineEdit* Text5 = nullptr;                                                // name
    QLineEdit* Text6 = nullptr;                                                // address line 1
    QLineEdit* Text7 = nullptr;                                                // address line 2
    QLineEdit* Text8 = nullptr;                                                // e-mail
    QLineEdit* Text11 = nullptr;                                               // soapbox
    QPushButton* Command4 = nullptr;                                           // "Write Cabrillo File"
    QPushButton* Command3 = nullptr;                                           // "Done"

protected:
    // Enter presses the focused button (Done or Write Cabrillo File), as Space does; in a box it
    // does nothing. No button is the form's default.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fail(const QString& reason);

    DesignLayout design_;
    MainLogWindow* owner_ = nullptr;
};
