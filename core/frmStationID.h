#pragma once
// The station setup window: where start-up hands over. This minimal window only carries the
// caption; the setup dialog's controls and loading are built on top of it.
#include <QWidget>

class frmStationID : public QWidget {
    Q_OBJECT
public:
    // The one station setup window of the run, made on first use.
    static frmStationID& instance();

private:
    frmStationID();
};
