#pragma once
// The program's tool windows behind the main windows' tool menus (LogMenus::Tools): each is made
// for one opening, shown modally over the active window and deleted when it closes.
#include "mainwindow/LogMenusPanel.h"

class ToolWindows : public LogMenus::Tools {
public:
    void showRateGraph() override;
    void showCountyMap() override;
    void showCountyList() override;
    void showCountyChange() override;
    void showColors() override;
    void showHelp() override;

    // The instance installApphooks() gives to LogMenus::setTools.
    static ToolWindows& production();
};
