#pragma once
// The device windows' own scaling at load (keyers, rig): the window takes the share of an area (the
// desktop work area for the CW and rig windows, the screen for the voice keyer) that its design size takes of the
// 9600 x 7200 twip design screen, centred on that area. Controls move and size with the window;
// their fonts follow the screen width / 9600, at most 1.5. The window then stays inside the
// screen's work area, frame and title bar included (fitInWorkArea).
#include <QString>

#include "core/ModFormResize.h"

class DesignLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
struct FormGeometry;
namespace Platform {
struct Screen;
}

namespace DeviceLayout {

// areaWidth/areaHeight: the area to share (twips); screenWidth: the whole screen's width (twips).
// windowFontFollows: the window's own font follows the new width / 9600 (the CW window).
void scaleToShare(FormGeometry& form, double areaWidth, double areaHeight, double screenWidth, bool windowFontFollows);

// Keeps a window's frame inside the work area of `s`. The frame is the larger of the window's own
// frame allowance and the window manager's (Platform::Screen). A window whose frame is wider or
// taller than the work area is scaled down to it in that direction, as the main windows fit the
// work area: client area and controls by the factor of each direction, the fonts of the window and
// its text controls by the smaller one. Then it is moved, as little as it takes, inside the work area.
void fitInWorkArea(FormGeometry& form, const Platform::Screen& s);

// The font factor of these windows' controls: screenWidth / 9600 (twips), at most 1.5.
double fontFactor(double screenWidth);

// The controls' part of that scaling, also for windows that size themselves by another rule (the
// band plan fills the work area, the county list the screen): boxes by fx and fy, lines' ends
// likewise, the fonts of controls that show text by fontScale. Other controls are left alone.
void scaleControls(FormGeometry& form, double fx, double fy, double fontScale);

// A label of a device window, top-left aligned; a box taller than one line wraps its text.
QLabel* addLabel(DesignLayout& d, const QString& name, const QString& caption, double left, double top, double width,
                 double height, QWidget* parent = nullptr, double fontPt = DefaultFontPt);

// The window's controls as every window makes them (DesignLayout::addButton, ...).
QPushButton* addButton(DesignLayout& d, const QString& name, const QString& caption, double left, double top,
                       double width, double height, QWidget* parent = nullptr);
// An option button with its caption.
QRadioButton* addOption(DesignLayout& d, const QString& name, const QString& caption, double left, double top,
                        double width, double height, QWidget* parent = nullptr);
QLineEdit* addTextBox(DesignLayout& d, const QString& name, const QString& text, double left, double top, double width,
                      double height, QWidget* parent = nullptr);

}   // namespace DeviceLayout
