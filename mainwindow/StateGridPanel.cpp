#include "mainwindow/StateGridPanel.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

StateGridPanel::StateGridPanel(const QVector<QLabel*>& labels, std::function<void(int)> click,
                               std::function<void(int)> mouseMove, QObject* parent)
    : QObject(parent), click_(std::move(click)), mouseMove_(std::move(mouseMove))
{
    for (QLabel* l : labels) {
        labels_ << l;
        if (!l)
            continue;
        l->setMouseTracking(true);
        l->installEventFilter(this);
    }
}

bool StateGridPanel::eventFilter(QObject* watched, QEvent* event)
{
    const int index = labels_.indexOf(qobject_cast<QLabel*>(watched));
    if (index > 0) {
        if (event->type() == QEvent::MouseMove)
            mouseMove_(index);
        else if (event->type() == QEvent::MouseButtonRelease &&
                 static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            click_(index);
    }
    return QObject::eventFilter(watched, event);
}
