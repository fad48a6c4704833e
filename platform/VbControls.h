#pragma once
// Small controls and helpers that behave as the windows' code expects.
#include <QColor>
#include <QObject>
#include <QTimer>
#include <QWidget>

class QAbstractButton;
class QLineEdit;

// Sets an option button (or check box) from code. Setting an option button on runs its click
// handlers (those connected to clicked()), as a click would; the windows rely on that. Setting
// one off clears it even when it is the one set in its group (Qt keeps an exclusive group's last
// button on), so a group can be left with none set; that runs no handler.
void setOptionValue(QAbstractButton* button, bool value);

// A text box's selection as the windows' code sets it. SelStart is where the selection begins,
// the caret when nothing is selected (Qt's caret stands at the far end of a selection made from
// code). Setting SelStart puts the caret there and empties the selection; a SelLength then
// selects that many characters from SelStart, as many as the text holds, and leaves the caret
// after them. Every place that selects in a one-line box from code goes through these.
int selStart(const QLineEdit* box);
// SelStart := start (clamped to the text), then SelLength := length (0: only the caret).
void setSelection(QLineEdit* box, int start, int length);
// SelLength := length from the current SelStart: with the text's length, from SelStart to the end.
void setSelLength(QLineEdit* box, int length);

// A straight line drawn between two points of its parent. Its geometry is the bounding box of
// the end points; it takes no mouse input.
class VbLine : public QWidget {
    Q_OBJECT
public:
    explicit VbLine(QWidget* parent = nullptr);
    // End points in pixels, relative to the parent.
    void setEnds(QPoint a, QPoint b);
    QPoint end1() const { return a_; }
    QPoint end2() const { return b_; }
    void setColor(const QColor& c);
    QColor color() const { return color_; }
    void setLineWidth(int px);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPoint a_, b_;
    QColor color_ = Qt::black;
    int lineWidth_ = 1;
};

// A timer that fires timeout() every interval() ms while enabled. An interval of 0 never fires.
// Starts enabled with interval 0, so it runs once an interval is set. Changing the interval or
// enabling it starts the count afresh.
class VbTimer : public QObject {
    Q_OBJECT
public:
    explicit VbTimer(QObject* parent = nullptr);
    void setInterval(int ms);
    int interval() const { return interval_; }
    void setEnabled(bool on);
    bool isEnabled() const { return enabled_; }
    // True while the timer is actually counting (enabled with an interval above 0).
    bool isRunning() const { return timer_.isActive(); }

signals:
    void timeout();

private:
    void update();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = true;
};
