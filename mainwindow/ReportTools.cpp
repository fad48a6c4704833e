#include "mainwindow/ReportTools.h"

#include "core/Form5.h"
#include "core/Form6.h"
#include "mainwindow/MainFrame.h"
#include "mainwindow/MainWindows.h"
#include "reports/CountyMapIN.h"
#include "reports/GraphQSO.h"
#include "reports/frmCountyChange.h"
#include "reports/frmCountyList.h"

namespace {

template<class W>
void openModal()
{
    W window(MainWindows::current());
    window.Form_Load();
    window.exec();
}

}   // namespace

ReportTools& ReportTools::instance()
{
    static ReportTools tools;
    return tools;
}

void ReportTools::showRateGraph() { openModal<GraphQSO>(); }
void ReportTools::showCountyMap() { openModal<CountyMapIN>(); }
void ReportTools::showCountyList() { openModal<frmCountyList>(); }
void ReportTools::showColors() { openModal<Form6>(); }
void ReportTools::showHelp() { openModal<Form5>(); }

void ReportTools::showCountyChange()
{
    frmCountyChange window(MainWindows::current());
    window.exec();
}
