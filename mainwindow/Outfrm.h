#pragma once
// The main window of a station outside the contest state: it works in-state stations and counts
// their counties. Beside the shared frame (the table row of MainVariants) it has its entry row,
// whose Enter logs the contact (OutLogging::Mains).
#include "entry/EntryKeys.h"
#include "mainwindow/MainFrame.h"

class Outfrm : public MainFrame {
    Q_OBJECT
public:
    explicit Outfrm(QWidget* parent = nullptr);
    ~Outfrm() override;

    Entry::OutEntry& row() { return row_; }

    // Logs the contact in the entry fields or refuses it. A call while one runs (the CW keyer's
    // "!" from a message box shown by logging) is ignored.
    void Mains() override;

private:
    Entry::OutEntry row_;
    bool inMains_ = false;
};
