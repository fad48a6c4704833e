#include "mainwindow/AppHooks.h"

#include "core/MainWindowChoice.h"
#include "core/StationSetup.h"
#include "keying/KeyerStartup.h"
#include "mainwindow/MainWindows.h"
#include "mainwindow/ReportTools.h"
#include "mainwindow/RigHookup.h"

void installAppHooks()
{
    MainWindows::setOpener(&MainWindows::openMainWindow);
    StationSetup::setKeyerSteps(KeyerStartup::steps());
    LogMenus::setTools(&ReportTools::instance());
    RigHookup::install();
}
