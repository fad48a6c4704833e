#include "mainwindow/AppHooks.h"

#include "core/MainWindowChoice.h"
#include "core/StationSetup.h"
#include "keying/KeyerStartup.h"
#include "mainwindow/MainWindows.h"
#include "mainwindow/ToolWindows.h"

void installAppHooks()
{
    MainWindows::setOpener(&MainWindows::openMainWindow);
    StationSetup::setKeyerSteps(KeyerStartup::steps());
    LogMenus::setTools(&ToolWindows::production());
}
