#pragma once
// The in-state entry row (Entry::InRow) on the window's widgets, for what logging and the state
// grid need: the fields' texts, selections and focus, the status labels, the county heading
// lblStation(4) and the "New" marker Label3.
//
// The fields type their keys themselves (behind the window's key handling); Enter in any of them
// is swallowed and runs the window's Mains. Each operation on the row is one `run`: the row takes
// the widgets' state first and the widgets show the row's afterwards.
#include <QObject>
#include <QPointer>
#include <QVector>

#include <functional>

#include "entry/InRow.h"
#include "mainwindow/EntryRowView.h"

class QLabel;

class InRowView : public QObject {
    Q_OBJECT
public:
    InRowView(Entry::InRow& row, const EntryWidgets& widgets, QLabel* countyHeading, QLabel* newMarker,
              std::function<void()> enter);
    ~InRowView() override;

    // Runs `f` on the row as one event; a run inside a run is part of the outer one.
    void run(const std::function<void()>& f);
    // Shows the row's present state in the widgets (before a wait that lets no input in).
    void show();

private:
    void pull();

    Entry::InRow& row_;
    EntryWidgets w_;
    QPointer<QLabel> countyHeading_, newMarker_;
    QVector<QPointer<QObject>> hooks_;
    int depth_ = 0;
};
