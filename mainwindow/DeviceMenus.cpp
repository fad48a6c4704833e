#include "mainwindow/DeviceMenus.h"

#include <QAction>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "keying/BlindFrm.h"
#include "keying/CWFrm.h"
#include "keying/PhoneFrm.h"
#include "mainwindow/MainServices.h"

namespace DeviceMenus {

namespace {

// Ends a local event loop when the watched window is hidden (Done) or goes away.
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

void bringToFront(QWidget& w)
{
    w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    w.show();
    w.raise();
    w.activateWindow();
}

} // namespace

void showModal(QWidget& w)
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

void mnuCW_Click() { showModal(CWFrm::instance()); }
void mnuVoice_Click() { showModal(PhoneFrm::instance()); }
void mnuSpectrumMap_Click() { MainServices::showDeviceWindow(MainServices::DeviceWindow::SpectrumMap); }
void mnuBlind_Click() { bringToFront(BlindFrm::instance()); }
// The band-plan window finds its data file in the program folder by name (never by the current
// directory), so there is no folder to return to first.
void mnuPrivileges_Click() { MainServices::showDeviceWindow(MainServices::DeviceWindow::BandPlan); }

void connectItems(QObject* context, const std::function<QAction*(const QString&)>& findAction)
{
    const std::pair<const char*, void (*)()> items[] = {
        {"mnuCW", &mnuCW_Click},
        {"mnuVoice", &mnuVoice_Click},
        {"mnuSpectrumMap", &mnuSpectrumMap_Click},
        {"mnuBlind", &mnuBlind_Click},
        {"mnuPrivileges", &mnuPrivileges_Click},
    };
    for (const auto& [name, handler] : items)
        if (QAction* a = findAction(QLatin1String(name)))
            QObject::connect(a, &QAction::triggered, context, [handler = handler] { handler(); });
}

} // namespace DeviceMenus
