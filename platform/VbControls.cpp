#include "platform/VbControls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QPen>
#include <QRadioButton>

#include <algorithm>

namespace {

// Qt refuses to turn off the one button set in an exclusive group; the group lets go meanwhile.
void clearOption(QAbstractButton* button)
{
    QButtonGroup* group = button->group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (groupExclusive)
        group->setExclusive(false);
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (groupExclusive)
        group->setExclusive(true);
}

}   // namespace

void setOptionValue(QAbstractButton* button, bool value)
{
    const bool was = button->isChecked();
    if (value)
        button->setChecked(true);
    else if (was)
        clearOption(button);
    const bool now = button->isChecked();
    if (now == was)
        return;
    // An option button clicks only when it comes on; a check box on every change.
    if (now || qobject_cast<QCheckBox*>(button))
        emit button->clicked(now);
}

int selStart(const QLineEdit* box) { return box->hasSelectedText() ? box->selectionStart() : box->cursorPosition(); }

void setSelection(QLineEdit* box, int start, int length)
{
    const int size = int(box->text().size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    if (length > 0) {
        box->setSelection(start, length);
        return;
    }
    box->deselect();
    box->setCursorPosition(start);
}

void setSelLength(QLineEdit* box, int length) { setSelection(box, selStart(box), length); }

VbLine::VbLine(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void VbLine::setEnds(QPoint a, QPoint b)
{
    a_ = a;
    b_ = b;
    // The box holds every pixel of the line, the pen's width centred on it.
    const int before = (lineWidth_ - 1) / 2, after = lineWidth_ - 1 - before;
    const QRect box = QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                            QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
    setGeometry(box.adjusted(-before, -before, after, after));
    update();
}

void VbLine::setColor(const QColor& c)
{
    color_ = c;
    update();
}

void VbLine::setLineWidth(int px)
{
    lineWidth_ = std::max(1, px);
    setEnds(a_, b_);
}

void VbLine::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(color_, lineWidth_));
    const QPoint origin = geometry().topLeft();
    p.drawLine(a_ - origin, b_ - origin);
}

VbTimer::VbTimer(QObject* parent) : QObject(parent) { connect(&timer_, &QTimer::timeout, this, &VbTimer::timeout); }

void VbTimer::setInterval(int ms)
{
    interval_ = std::max(0, ms);
    timer_.stop();
    update();
}

void VbTimer::setEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    update();
}

void VbTimer::update()
{
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}
