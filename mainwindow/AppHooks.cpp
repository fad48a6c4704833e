#include "mainwindow/AppHooks.h"

#include "core/MainWindowChoice.h"
#include "core/StationSetup.h"
#include "keying/KeyerStartup.h"
#include "keying/frmWinKey.h"
#include "mainwindow/MainServices.h"
#include "mainwindow/MainWindows.h"
#include "mainwindow/ReportTools.h"
#include "mainwindow/RigHookup.h"
#include "mainwindow/SpotPanelView.h"
#include "platform/Fonts.h"

void installAppHooks()
{
    Platform::installFontSubstitutions();
    MainWindows::setOpener(&MainWindows::openMainWindow);
    StationSetup::setKeyerSteps(KeyerStartup::steps());
    LogMenus::setTools(&ReportTools::instance());
    RigHookup::install();
    // The keyer device window is opened from the CW window; the main window only releases it
    // (and with it the device) at shut-down.
    MainServices::setDeviceWindow(MainServices::DeviceWindow::KeyerDevice, {{}, [] { frmWinKey::unload(); }});
    SpotHookup::install();
}
