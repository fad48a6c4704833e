#pragma once
// The county map of the contest state without a widget: the map picture and its label table
// (CountyMapIN.bmp and CountyMapIN.txt, installed in the program folder), which labels a list of
// worked counties selects, and the fill that paints a county on the picture.
//
// The picture is white counties and surroundings with black borders one pixel wide; every
// county is one closed white area holding the centre of its label rectangle. A county is
// painted by filling the 4-connected area of the seed pixel's colour from the label's centre.
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <optional>

namespace CountyMap {

constexpr int Width = 293, Height = 426, Counties = 92;

struct Label {
    QString county;   // the name the label answers to (its tooltip)
    QRect rect;       // in pixels of the picture
    // The fill seed: the rectangle's centre, each half rounded to the even neighbour.
    QPoint seed() const;
};

// Reads the label table (rows: index, "name", left, top, width, height). No value when the file
// cannot be read or does not hold exactly 92 rows numbered 0..91 in order.
std::optional<QVector<Label>> readLabels(const QString& path, QString* error = nullptr);
// The picture, as RGB888; a null image when it cannot be read or is not 293 x 426.
QImage readPicture(const QString& path, QString* error = nullptr);

// The label indexes to paint for the names of the worked list, in list order: each entry selects
// the first label whose county equals it ignoring case; an entry that matches none selects
// nothing and the later entries still do.
QVector<int> labelsToPaint(const QStringList& worked, const QVector<Label>& labels);

// Fills the area of `seed` (the 4-connected pixels of the seed's colour) with `color`; returns
// the number of pixels changed (0 when the seed lies outside the picture or already has it).
int fill(QImage& picture, QPoint seed, QColor color);

// A colour for a worked county: red, green and blue each 0 to 253, so never white. `next` gives
// numbers in [0, 1) in turn.
QColor randomColor(const std::function<double()>& next);

}   // namespace CountyMap
