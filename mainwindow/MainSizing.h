#pragma once
// Sizing of the main window, on its geometry model (twips, no widgets):
// - RescaleForScreen: the window's own design-screen rule, run once at load;
// - ApplyFormSize: the operator's percentage of the screen (FormSizePercent below 100);
// - FitToWorkArea: at 100 %, the whole screen or the desktop work area (TaskbarOption);
// - SizeCountyLists: the side lists reach down to the divider line Line3, all equally high.
// The window applies the model to its widgets afterwards.
#include <QString>
#include <QStringList>

#include <optional>

#include "core/ModFormResize.h"

namespace MainSizing {

// The design-screen rule of the main windows: the window takes the same share of a screen of
// sw x sh twips as of the 9600 x 7200 design screen and is centred exactly; its own font follows
// the width factor; labels, text boxes, buttons, list boxes, list views, check boxes, option
// buttons and frames are moved and sized by the two screen factors with their fonts scaled by the
// smaller one; lines' end points follow the factors. List-view columns are left alone (the load
// creates them afterwards at their scaled widths).
void RescaleForScreen(FormGeometry& frm, double sw, double sh);

// The side lists (List1, List2 and, in the in-state window, List3) end at the first end point of
// the divider line Line3 and take the height of List1.
void SizeCountyLists(FormGeometry& frm, const QStringList& sideLists);

// Makes the window `percent` % of a screen of sw x sh twips, centred, and shrinks the window's
// font and the labels, text boxes, buttons, list views and list boxes (font, box) and lines by
// the same share, then the side lists and the columns of every list view. Works from the current
// layout. False when a value cannot be represented (the caller then falls back to 100 %).
bool ApplyFormSize(FormGeometry& frm, double percent, double sw, double sh, const QStringList& sideLists);

// Fits the window to the area of w x h twips at (left, top): every control's box scales by the
// change of the window's outer size, lines likewise, the columns of `spotList` by the width
// change (the contact list's columns keep theirs); then the side lists. Fonts are not touched.
void FitToWorkArea(FormGeometry& frm, double left, double top, double w, double h, const QStringList& sideLists,
                   const QString& spotList);

// The form-size menu's answer: a numeric answer is held to 30..100 and rounded to a whole
// percentage (a half to the even neighbour); no value for anything else (letters, empty, Cancel).
std::optional<int> FormSizeFromAnswer(const QString& answer);

// The texts of the two sizing menu commands.
namespace Texts {
QString formSizePrompt();
QString formSizeTitle();
QString restartText();
QString restartTitle();
QString numericText();
QString numericTitle();
QString taskbarRefusedText();
QString taskbarRefusedTitle();
}   // namespace Texts

}   // namespace MainSizing
