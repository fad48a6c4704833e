#pragma once
// "Frequency Privileges": for one licence class at a time, a bar per band the class may use with
// its privilege segments (rig/PrivilegeChart.h decides the chart; this window only makes a label
// per item). Opened modally by the main window (Ctrl+F, "&Privileges") and unloaded when the show
// returns; each opening reads BandPlan.txt from the program folder afresh and shows the Extra
// class. A missing or damaged file shows "Band data not available." and no chart; the class
// buttons then draw the rows read before the damage.
#include <QDialog>
#include <QVector>

#include "core/DesignWindow.h"
#include "rig/PrivilegeChart.h"

class QLabel;
class QPushButton;
class VbLine;

class frmBandPlan : public QDialog {
    Q_OBJECT
public:
    // Lays the window out on the desktop work area and reads BandPlan.txt from `folder`.
    explicit frmBandPlan(const QString& folder, QWidget* parent = nullptr);

    // The class buttons, "Novice" .. "Extra": heading and chart of that class.
    void Command_Click(int index);
    // "Done": hides the window, which ends the opener's modal show.
    void Command7_Click() { hide(); }

    QPushButton* Command[6] = {};
    QPushButton* Command7 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    VbLine* Line1 = nullptr;

    const QVector<Rig::BandPlanRow>& PlanRows() const { return file_.rows; }

private:
    void ShowPrivileges(const QString& cls);

    DesignLayout design_;
    Rig::BandPlanFile file_;
    double fontFactor_ = 1;
};
