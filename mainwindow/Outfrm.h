#pragma once
// The main window of a station outside the contest state: it works in-state stations and counts
// their counties. Everything but the table row of MainVariants is the shared frame.
#include "mainwindow/MainFrame.h"

class Outfrm : public MainFrame {
    Q_OBJECT
public:
    explicit Outfrm(QWidget* parent = nullptr) : MainFrame(MainWindows::Which::Out, parent) {}
};
