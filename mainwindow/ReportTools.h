#pragma once
// The program's tool windows behind the log menus (LogMenus::Tools): each is made for one
// opening over the main window, shown modally and deleted when it closes.
#include "mainwindow/LogMenusPanel.h"

class ReportTools : public LogMenus::Tools {
public:
    // The one set of tools the program installs (installAppHooks).
    static ReportTools& instance();

    void showRateGraph() override;      // GraphQSO
    void showCountyMap() override;      // CountyMapIN
    void showCountyList() override;     // frmCountyList
    void showCountyChange() override;   // "County Change" (frmCountyChange)
    void showColors() override;         // Form6
    void showHelp() override;           // Form5
};
