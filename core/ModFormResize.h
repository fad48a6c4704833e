#pragma once
// Window geometry in twips, free of widgets, and the two scaling operations every window of the
// program uses to adapt a layout made for a 9600 x 7200 twip screen to the real one.
//
// Positions and sizes are kept as doubles but every value the operations store is rounded to
// single precision, as the window measures are single-precision reals. Font sizes are points.
#include <QString>
#include <QVector>

// The font size (points) of every window and control that sets none of its own.
constexpr double DefaultFontPt = 8.25;

struct ControlGeometry {
    enum class Kind {
        Label,
        TextBox,
        CommandButton,
        ListBox,
        ComboBox,
        Image,
        CheckBox,
        OptionButton,
        Frame,
        ListView,
        Line,
        Other
    };
    Kind kind = Kind::Other;
    QString name;                                      // the control's objectName
    double left = 0, top = 0, width = 0, height = 0;   // relative to its container
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;             // a line's end points
    double fontSize = DefaultFontPt;
    QString fontName;               // empty: the family the control was made with (DesignLayout)
    QVector<double> columnWidths;   // a list view's column headers, left to right

    // Box kinds are moved and sized by the scaling; all of them but the image carry a font.
    bool isBoxKind() const;
    bool isTextKind() const;
};

struct FormGeometry {
    // Outer rectangle of the window (frame and caption included).
    double left = 0, top = 0, width = 0, height = 0;
    // The inner area the controls sit in.
    double clientWidth = 0, clientHeight = 0;
    // Frame allowance: outer width - client width (both side borders), and outer height - client
    // height (caption, menu bar and the top and bottom borders).
    double borderWidth = 120, captionHeight = 405;
    double fontSize = DefaultFontPt;
    QString fontName;
    QVector<ControlGeometry> controls;

    // Sets the outer size and derives the client size from the frame allowance.
    void setOuterSize(double w, double h);
    // Sets the client size and derives the outer size from the frame allowance.
    void setClientSize(double w, double h);
    ControlGeometry* control(const QString& name);
};

namespace ModFormResize {

constexpr double DesignScreenWidth = 9600;
constexpr double DesignScreenHeight = 7200;

// Scales a window laid out for the design screen to a screen of the given size (twips): window
// and controls by the screen factors, control fonts by the smaller factor, the window's own font
// by the vertical factor; centres the window 170 twips above the middle of the screen.
// A failure shows "Form Resize Error" with the error's text; what was done before it stays.
void ResizeForm(FormGeometry& frm, double screenWidthTwips, double screenHeightTwips);

// Scales a window designed for designWidth x designHeight to the target area (or to exactly the
// target size when exactSize is 1), centres it on the target area and scales the controls by the
// change of the client area. Fonts follow the smaller client factor; on enlargement only by
// fontGrowth of the change. A non-empty fontName is given to the window and its text controls.
void ResizeFormTo(FormGeometry& frm, double targetWidth, double targetHeight, double designWidth, double designHeight,
                  int exactSize, double fontGrowth, const QString& fontName);

// The scaling of the windows that adapt themselves (the county tools): the window's size by the
// screen factors (width SW / 9600, height SH / 7200), centred on the screen, its own font by the
// new width / 9600; the boxes of labels, text boxes, buttons, list boxes, frames, option buttons
// and images by the screen factors, their fonts (not the image's) by SW / 9600 but at most 1.5;
// lines' ends by the screen factors. Other controls are left alone.
void ScaleToScreen(FormGeometry& frm, double screenWidthTwips, double screenHeightTwips);

}   // namespace ModFormResize
