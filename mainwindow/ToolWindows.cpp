#include "mainwindow/ToolWindows.h"

#include <QApplication>

#include "core/Form5.h"
#include "core/Form6.h"
#include "reports/CountyMapIN.h"
#include "reports/GraphQSO.h"
#include "reports/frmCountyList.h"

namespace {

template<class W>
void openModal()
{
    W w(QApplication::activeWindow());
    w.Form_Load();
    w.exec();
}

} // namespace

void ToolWindows::showRateGraph() { openModal<GraphQSO>(); }
void ToolWindows::showCountyMap() { openModal<CountyMapIN>(); }
void ToolWindows::showCountyList() { openModal<frmCountyList>(); }
// The county change window belongs to the county change tools; until they install it the
// command only saves the options and shows the county.
void ToolWindows::showCountyChange() {}
void ToolWindows::showColors() { openModal<Form6>(); }
void ToolWindows::showHelp() { openModal<Form5>(); }

ToolWindows& ToolWindows::production()
{
    static ToolWindows t;
    return t;
}
