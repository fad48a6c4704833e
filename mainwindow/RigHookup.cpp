#include "mainwindow/RigHookup.h"

#include <QCoreApplication>

#include "mainwindow/MainServices.h"
#include "rig/RigControlfrm.h"

namespace RigHookup {

namespace {

class RigWindowService : public MainServices::Rig {
public:
    void Command1_Click() override { RigControlfrm::instance().Command1_Click(); }
};

} // namespace

void install()
{
    static RigWindowService service;
    static bool unloadConnected = false;
    MainServices::setRig(&service);
    QCoreApplication* app = QCoreApplication::instance();
    if (app && !unloadConnected) {
        unloadConnected = true;
        QObject::connect(app, &QCoreApplication::aboutToQuit, [] { RigControlfrm::unload(); });
    }
}

} // namespace RigHookup
