#include "core/ModalWindow.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace ModalWindow {

namespace {

// Ends a local event loop when the watched window is hidden or goes away.
class HideWatch : public QObject {
public:
    HideWatch(QWidget* w, QEventLoop* loop) : loop_(loop) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Hide || e->type() == QEvent::Destroy)
            loop_->quit();
        return false;
    }

private:
    QEventLoop* loop_;
};

}   // namespace

void bringToFront(QWidget& w)
{
    w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    w.show();
    w.raise();
    w.activateWindow();
}

void show(QWidget& w)
{
    if (w.isVisible()) {
        bringToFront(w);
        return;
    }
    QPointer<QWidget> guard(&w);
    const Qt::WindowModality before = w.windowModality();
    w.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    HideWatch watch(&w, &loop);
    bringToFront(w);
    if (w.isVisible())
        loop.exec();
    if (guard) {
        guard->removeEventFilter(&watch);
        guard->setWindowModality(before);
    }
}

}   // namespace ModalWindow
