#pragma once
// The county text box Text1 of the county change windows on its widget: every key typed goes to
// CountyChange::keyPress (the box never types a key itself), Enter runs the window's handler,
// paste leaves double quotes out, and entering the box selects from the caret to the end (the
// whole county on the first entry).
#include <QObject>
#include <QPointer>

#include <functional>

class QLabel;
class QLineEdit;

class CountyBox : public QObject {
    Q_OBJECT
public:
    CountyBox(QLineEdit* box, std::function<void()> enter);

    // The county check shown beside the box: "   Invalid!" (white on maroon) and a beep when
    // the text is no county of the table, the label hidden otherwise. True when it passed.
    static bool check(QLineEdit* box, QLabel* invalid);
    // Makes `l` the "   Invalid!" label: white on maroon, hidden.
    static void styleInvalid(QLabel* l);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keyPress(int& keyAscii);

    QPointer<QLineEdit> box_;
    std::function<void()> enter_;
};
