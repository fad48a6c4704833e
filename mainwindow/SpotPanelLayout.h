#pragma once
// Where the spot panel of a main window goes, on the window's geometry model (twips, no widgets).
//
// The panel is the strip at the bottom of the window: the spot list txtDX or the band map (lblDX,
// its ruler LineDX, the spot labels and the tick labels). It is hidden while spotting is off.
// Each Done of the DX-spotting window asks for one of three states; the first show makes room by
// compressing the window's content vertically to 90 %, a hide gives the room back. The layout
// keeps the rectangles it had before the compression so that a hide restores them exactly, and a
// later show gives the same rectangles as the first (no drift from rounding 0.9 x 1/0.9).
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

#include "core/ModFormResize.h"

namespace SpotPanelLayout {

enum class Panel { Hidden, List, Map };

// Names of the panel's controls in the window's geometry model.
struct Names {
    QString list = QStringLiteral("txtDX");
    QString map = QStringLiteral("lblDX");
    QString ruler = QStringLiteral("LineDX");
    QStringList spotLabels;   // lblDXSpot(0..49)
    QStringList tickLabels;   // lblFreqSpot(0..4)
    QStringList sideLists;    // the county lists, refitted to the divider line after each change
    static Names mainWindow(const QStringList& sideLists);
};

// What a show remembers for the following hide.
struct Memory {
    QVector<ControlGeometry> beforeShow;   // every control as it was before the compression
    QVector<ControlGeometry> afterShow;    // and as the compression left it
};

struct Outcome {
    Panel after = Panel::Hidden;
    std::optional<bool> bandMapShown;   // the new BandMapShown, when it changes
    bool geometryChanged = false;       // the model was changed (show or hide)
};

// Parking position (top) of a hidden panel's controls.
constexpr double ParkTop = 1000;

// One Done of the DX-spotting window. Reads the panel's state `before`, whether the operator
// chose the list (`listWanted`) and whether the source is "None" (`sourceIsNone`). Changes `frm`
// when the panel is shown or hidden and `memory` with it. `clientHeight` is the client area's real
// height (twips), which can be less than the model's when the menu bar takes room off its bottom.
//
// Show: every label, text box, button, list box and list view (tops and heights) and every line
// (Y1, Y2) is compressed by 0.9; the strip then runs from the lowest bottom edge of the window's
// content (the panel's own controls excluded: where the hidden panel last sat must not decide its
// place) to `clientHeight`, 1 % of the window's width from the left and 97 % of it wide; the ruler
// runs across its middle, inset by half a spot label, the five ticks just under it on its quarter
// points.
// Hide: the content returns to the rectangles it had before the show (when the window was
// resized meanwhile, by the inverse factor), and the panel's controls are parked at top 1000.
Outcome packetResize(FormGeometry& frm, Memory& memory, const Names& names, Panel before, bool listWanted,
                     bool sourceIsNone, double clientHeight);

// After the window was refitted while the panel is shown (the fit scales the strip with the
// window's outer size, while the frame and menu bar keep theirs): the strip reaches from its top to
// `clientHeight` again, across the same share of the window's width, with the ruler and the ticks
// placed on it as a show places them.
void fitToClientBottom(FormGeometry& frm, const Names& names, double clientHeight);

}   // namespace SpotPanelLayout
