#include "mainwindow/ReportTools.h"

#include "mainwindow/MainFrame.h"
#include "mainwindow/MainWindows.h"
#include "reports/frmCountyChange.h"

ReportTools& ReportTools::instance()
{
    static ReportTools tools;
    return tools;
}

void ReportTools::showCountyChange()
{
    frmCountyChange window(MainWindows::current());
    window.exec();
}
