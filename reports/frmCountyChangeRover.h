#pragma once
// "County Change for Rovers": the counties a rover on a county line is in at the moment. Typing a
// county and Enter adds it to the list (a county of the table only); clicking a listed county
// removes it; Done hands the first county of the list to the county change window, whose Done
// makes it CurrentCounty. Every further county of the list gets each contact logged once more
// (the in-state window reads the list after each logged contact).
//
// The window exists once per run and is only hidden by Done, so the list lasts for the run; the
// in-state window unloads it when it closes. It is never saved.
#include <QDialog>
#include <QPointer>

#include "core/DesignWindow.h"
#include "core/SingleWindow.h"
#include "reports/CountyChange.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class CountyBox;

class frmCountyChangeRover : public QDialog, public SingleWindow<frmCountyChangeRover> {
    Q_OBJECT
    friend class SingleWindow<frmCountyChangeRover>;

public:
    // The counties listed, entry 0 first.
    QStringList counties() const { return list_.entries(); }

    // Shows the window modally; Done writes the first county into `countyBox` (the county change
    // window's box) when the list is not empty.
    void showFor(QLineEdit* countyBox);

    // Enter in the box: the check, then the county added unless refused.
    void Text1_Enter();
    bool CheckCounty();
    void AddCounty();
    // A listed county clicked: removed at once; the focus goes to Done.
    void List1_Click(int index);
    void Command1_Click();

    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label2 = nullptr;   // "   Invalid!"
    QPushButton* Command1 = nullptr;

private:
    explicit frmCountyChangeRover(QWidget* parent = nullptr);
    void showList();

    DesignLayout design_;
    CountyChange::RoverList list_;
    QPointer<QLineEdit> countyBox_;
};
