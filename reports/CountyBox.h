#pragma once
// The county text box Text1 of the county change windows on its widget: every key typed goes to
// CountyChange::keyPress (the box never types a key itself), Enter runs the window's handler,
// paste leaves double quotes out, and entering the box selects from the caret to the end (the
// whole county on the first entry).
#include <QObject>
#include <QPointer>

#include <functional>

class DesignLayout;
class QLabel;
class QLineEdit;

class CountyBox : public QObject {
    Q_OBJECT
public:
    CountyBox(QLineEdit* box, std::function<void()> enter);

    // The county check shown beside the box: "   Invalid!" (white on maroon) and a beep when
    // the text is no county of the table, the label hidden otherwise. True when it passed.
    static bool check(QLineEdit* box, QLabel* invalid);

    // The county box Text1 and its "   Invalid!" label Label2 (white on maroon, hidden) as both
    // county change windows place them: the box (12 points, at most 20 characters) at (240, top),
    // the label beside it.
    struct Field {
        QLineEdit* box;
        QLabel* invalid;
    };
    static Field addField(DesignLayout& d, double top);
    // The windows' load: scaled to the screen, the box showing G.CurrentCounty with the caret at
    // its start, the label hidden.
    static void load(DesignLayout& d, const Field& f);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keyPress(int& keyAscii);

    QPointer<QLineEdit> box_;
    std::function<void()> enter_;
};
