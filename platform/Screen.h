#pragma once
// The screen in twips (1440 per inch at the primary screen's logical DPI), and the conversion
// between twips and the windowing system's pixels. Tests pretend a screen with setScreenOverride.
#include <QString>

#include <optional>

namespace Platform {

// The decoration a window manager is assumed to add when no window shows the real one: a border
// on the left, right and bottom, and a title bar with the border above it.
constexpr int AssumedBorderPx = 4, AssumedTitleBarPx = 23;

struct Screen {
    double width = 9600, height = 7200;                                      // the whole screen, twips
    double workLeft = 0, workTop = 0, workWidth = 9600, workHeight = 7200;   // the desktop work area
    double twipsPerPixelX = 15, twipsPerPixelY = 15;
    // What a window manager adds around a window's client area (twips): a border left, right and
    // below, and above it the title bar with its border. At least the assumed border and title bar
    // (the frame allowance windows are laid out with: 120 x 405 twips at 15 twips a pixel); more
    // when a decorated window on the screen shows the platform's frame to be larger.
    double frameBorder = AssumedBorderPx * 15, frameTitle = AssumedTitleBarPx * 15;

    // The override when one is set, else the primary screen (the design screen without one).
    static Screen current();
    // A screen of the given size in twips whose work area is the whole screen.
    static Screen ofSize(double widthTwips, double heightTwips, double twipsPerPixel = 15);

    int toPixelsX(double twips) const;
    int toPixelsY(double twips) const;
    double toTwipsX(int pixels) const { return pixels * twipsPerPixelX; }
    double toTwipsY(int pixels) const { return pixels * twipsPerPixelY; }
    // The outer size of a window whose client area is w x h (twips), frame and title bar included.
    double outerWidth(double w) const { return w + 2 * frameBorder; }
    double outerHeight(double h) const { return h + frameTitle + frameBorder; }
};

// The least client width (pixels) a dialog needs for the window manager to show `title` whole in
// its title bar: the title in the title bar font (the platform's title font, taken bold as window
// managers commonly draw it) with a margin each side, and the bar's close, maximise and minimise
// buttons, each as wide as the title bar is high. Never wider than the current screen's work area
// less the frame.
int titleBarClientWidth(const QString& title);

// Makes Screen::current() answer `s` (tests); std::nullopt returns to the real screen.
void setScreenOverride(std::optional<Screen> s);

}   // namespace Platform
