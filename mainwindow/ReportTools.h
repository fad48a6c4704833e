#pragma once
// The program's tool windows behind the log menus (LogMenus::Tools): each opens its window
// modally and unloads it when it closes. Windows not built yet open nothing.
#include "mainwindow/LogMenusPanel.h"

class ReportTools : public LogMenus::Tools {
public:
    // The one set of tools the program installs (installAppHooks).
    static ReportTools& instance();

    void showRateGraph() override {}
    void showCountyMap() override {}
    void showCountyList() override {}
    // "County Change" (frmCountyChange), over the main window.
    void showCountyChange() override;
    void showColors() override {}
    void showHelp() override {}
};
