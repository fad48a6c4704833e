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
    if (MainServices::rig() == &service)
        return;
    MainServices::setRig(&service);
    if (QCoreApplication* app = QCoreApplication::instance())
        QObject::connect(app, &QCoreApplication::aboutToQuit, [] { RigControlfrm::unload(); });
}

} // namespace RigHookup
