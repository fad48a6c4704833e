#include "mainwindow/RigHookup.h"

#include "mainwindow/MainServices.h"
#include "core/Globals.h"
#include "rig/RigControlfrm.h"
#include "rig/frmBandPlan.h"
#include "rig/frmRigTune.h"

namespace RigHookup {

namespace {

class RigWindowService : public MainServices::Rig {
public:
    void Command1_Click() override { RigControlfrm::instance().Command1_Click(); }
    void ChangeFrequency(float& qChangeFreq) override { RigControlfrm::instance().ChangeFrequency(qChangeFreq); }
};

}   // namespace

void install()
{
    static RigWindowService service;
    MainServices::setRig(&service);
    MainServices::setDeviceWindow(MainServices::DeviceWindow::RigWindow,
                                  {[] {
                                       RigControlfrm& w = RigControlfrm::instance();
                                       w.show();
                                       w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
                                       w.raise();
                                       w.activateWindow();
                                   },
                                   [] { RigControlfrm::unload(); }});
    // Modal; each opening reads the band plan afresh, and the window goes when the show returns.
    MainServices::setDeviceWindow(MainServices::DeviceWindow::BandPlan, {[] {
                                                                             frmBandPlan w(G.ProgramFolder);
                                                                             w.exec();
                                                                         },
                                                                         {}});
    // Ctrl+G: the tuning panel, modal, made afresh for each opening.
    MainServices::setDeviceWindow(MainServices::DeviceWindow::RigTune, {[] {
                                                                            frmRigTune w;
                                                                            w.exec();
                                                                        },
                                                                        {}});
}

}   // namespace RigHookup
