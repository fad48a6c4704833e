#pragma once
// The county map window " Vazazev County Map": the map picture with an invisible spot per county
// that shows the county's name when the mouse rests on it, and every county of the running main
// window's worked list (List2) painted in a colour of its own. Centred, never scaled. The
// painting runs once, after the window is first on the screen, from a generator seeded once per
// opening. Counties are found by name among the map's 92 labels, whatever the length of the
// county table.
#include <QDialog>
#include <QImage>
#include <QRandomGenerator>
#include <QTimer>
#include <QVector>

#include "reports/CountyMap.h"

class QLabel;

class CountyMapIN : public QDialog {
    Q_OBJECT
public:
    explicit CountyMapIN(QWidget* parent = nullptr);

    // Reads the picture and the label table from the program folder, places the spots, centres
    // the window and starts the one-shot colouring; the hint shows only while the log is empty.
    void Form_Load();
    // The colouring (the one-shot timer's tick).
    void Timer1_Timer();

    const QImage& picture() const { return picture_; }

    QLabel* Picture1 = nullptr;
    QVector<QLabel*> lblCounty;   // lblCounty(0..91)
    QLabel* Label1 = nullptr;     // "Counties will change color when worked."
    QTimer* Timer1 = nullptr;

private:
    void ColorWorkedCounties(const QStringList& worked);

    QImage picture_;
    QVector<CountyMap::Label> labels_;
    QRandomGenerator random_;
};
