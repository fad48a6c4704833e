#pragma once
// "County Change": the in-state station's own county (G.CurrentCounty), changed during the
// contest. Opened modally by the in-state window's "Cha&nge County"; the opener unloads it
// afterwards, rewrites QSOpref.txt and shows the county in its Label25. A rover on a county line
// reaches the rover county window from here.
//
// The box completes counties as they are typed; a text that is no county of the table is
// refused with "   Invalid!" and a beep when the box is left, and also by Done, Enter and the
// rover button, so the own county is always a county of the table.
#include <QDialog>

#include "core/DesignWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;
class CountyBox;

class frmCountyChange : public QDialog {
    Q_OBJECT
public:
    explicit frmCountyChange(QWidget* parent = nullptr);

    // Scales the window to the screen and puts CurrentCounty into the box, the warning hidden.
    void Form_Load();
    // Done: a county of the table becomes CurrentCounty, QSOpref.txt is rewritten and the window
    // closes; any other text is refused ("   Invalid!", focus back in the box).
    void Command1_Click();
    // The rover county window, modally; then Done with what the box holds then (the rover list's
    // first county when the list is not empty).
    void cmdMultipleCounties_Click();
    // Leaving the box checks it.
    void Text1_LostFocus();

    DesignLayout& design() { return design_; }

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;   // "   Invalid!"
    QPushButton* Command1 = nullptr;
    QPushButton* cmdMultipleCounties = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DesignLayout design_;
    CountyBox* countyBox_ = nullptr;
};
