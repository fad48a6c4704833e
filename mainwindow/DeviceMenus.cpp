#include "mainwindow/DeviceMenus.h"

#include <QAction>
#include <QString>
#include <QWidget>

#include "core/ModalWindow.h"
#include "keying/BlindFrm.h"
#include "keying/CWFrm.h"
#include "keying/PhoneFrm.h"
#include "mainwindow/MainServices.h"

namespace DeviceMenus {

void showModal(QWidget& w) { ModalWindow::show(w); }

void mnuCW_Click() { showModal(CWFrm::instance()); }
void mnuVoice_Click() { showModal(PhoneFrm::instance()); }
void mnuSpectrumMap_Click() { MainServices::showDeviceWindow(MainServices::DeviceWindow::SpectrumMap); }
void mnuBlind_Click() { ModalWindow::bringToFront(BlindFrm::instance()); }
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

}   // namespace DeviceMenus
