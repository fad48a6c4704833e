#pragma once
// The rate graph window " Activity Graph - QSOs per Hour Rate   (# QSOs over 10 minutes X 6)":
// the curve of RateGraph over the whole log, with its band strip, axis labels and legend, on a
// black or white background. Shown modally by the main windows' Graph command, which deletes it
// when it closes. Reads the log only.
#include <QDialog>
#include <QVector>

#include "core/DesignWindow.h"
#include "reports/RateGraph.h"

class QLabel;
class QPushButton;
class VbLine;

class GraphQSO : public QDialog {
    Q_OBJECT
public:
    explicit GraphQSO(QWidget* parent = nullptr);

    DesignLayout& design() { return design_; }

    // Fills the desktop work area (window and controls scaled by it) and draws the graph.
    void Form_Load();
    // Switches between the black and the white background and draws again.
    void Command1_Click();

    const RateGraph::Result& graph() const { return graph_; }
    QColor background() const { return background_; }

    QVector<VbLine*> lines;   // Line1..Line21 (index = number - 1)
    QVector<QLabel*> lblY, lblTime, lblDate, lblBnd;
    QLabel* Label1 = nullptr;          // "Band "
    QPushButton* Command1 = nullptr;   // "Black Background" / "White Background"

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void DrawRateGraph();

    DesignLayout design_;
    RateGraph::Result graph_;
    QColor background_{0, 0, 0};
};
