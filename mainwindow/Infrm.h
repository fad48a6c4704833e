#pragma once
// The main window of a station inside the contest state, fixed or rover: it works stations
// anywhere and counts states, provinces and counties. Beside the shared frame it keeps the CW
// county wildcard equal to its own county label.
#include "mainwindow/MainFrame.h"

class Infrm : public MainFrame {
    Q_OBJECT
public:
    explicit Infrm(QWidget* parent = nullptr) : MainFrame(MainWindows::Which::In, parent) {}

protected:
    void Label25_Change() override;
};
