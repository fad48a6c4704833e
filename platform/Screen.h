#pragma once
// The screen in twips (1440 per inch at the primary screen's logical DPI), and the conversion
// between twips and the windowing system's pixels. Tests pretend a screen with setScreenOverride.
#include <optional>

namespace Platform {

struct Screen {
    double width = 9600, height = 7200;                                      // the whole screen, twips
    double workLeft = 0, workTop = 0, workWidth = 9600, workHeight = 7200;   // the desktop work area
    double twipsPerPixelX = 15, twipsPerPixelY = 15;

    // The override when one is set, else the primary screen (the design screen without one).
    static Screen current();
    // A screen of the given size in twips whose work area is the whole screen.
    static Screen ofSize(double widthTwips, double heightTwips, double twipsPerPixel = 15);

    int toPixelsX(double twips) const;
    int toPixelsY(double twips) const;
    double toTwipsX(int pixels) const { return pixels * twipsPerPixelX; }
    double toTwipsY(int pixels) const { return pixels * twipsPerPixelY; }
};

// Makes Screen::current() answer `s` (tests); std::nullopt returns to the real screen.
void setScreenOverride(std::optional<Screen> s);

}   // namespace Platform
