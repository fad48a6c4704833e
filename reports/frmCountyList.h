#pragma once
// The "County List" window: the contest state's counties with their abbreviations, in the order
// of the county table. A click on a row writes the county's name into the county field txtSec of
// the running main window (Form1::target()) and hides the window; the opener (the main windows'
// List command) shows it modally and deletes it. Built afresh at every opening.
#include <QDialog>

#include "core/DesignWindow.h"

class QTreeWidget;

class frmCountyList : public QDialog {
    Q_OBJECT
public:
    explicit frmCountyList(QWidget* parent = nullptr);

    DesignLayout& design() { return design_; }

    // Scales the window to the screen (centred across, its top at a sixth of the free height) and
    // fills the list from G.CountyNames and G.CountyAbbreviations.
    void Form_Load();
    // A click on a row: the selected county's name replaces the main window's txtSec, and the
    // window hides. Nothing happens while no row is selected.
    void ListView1_Click();

    QTreeWidget* ListView1 = nullptr;

private:
    DesignLayout design_;
};
