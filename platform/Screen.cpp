#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace Platform {

namespace {
std::optional<Screen> screenOverride;
}

void setScreenOverride(std::optional<Screen> s) { screenOverride = s; }

Screen Screen::ofSize(double widthTwips, double heightTwips, double twipsPerPixel)
{
    Screen s;
    s.width = s.workWidth = widthTwips;
    s.height = s.workHeight = heightTwips;
    s.twipsPerPixelX = s.twipsPerPixelY = twipsPerPixel;
    return s;
}

Screen Screen::current()
{
    if (screenOverride)
        return *screenOverride;
    Screen s;
    QScreen* q =
        qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
    if (!q)
        return s;
    const double dpiX = q->logicalDotsPerInchX(), dpiY = q->logicalDotsPerInchY();
    s.twipsPerPixelX = dpiX > 0 ? 1440.0 / dpiX : 15;
    s.twipsPerPixelY = dpiY > 0 ? 1440.0 / dpiY : 15;
    const QRect all = q->geometry(), work = q->availableGeometry();
    s.width = all.width() * s.twipsPerPixelX;
    s.height = all.height() * s.twipsPerPixelY;
    s.workLeft = (work.left() - all.left()) * s.twipsPerPixelX;
    s.workTop = (work.top() - all.top()) * s.twipsPerPixelY;
    s.workWidth = work.width() * s.twipsPerPixelX;
    s.workHeight = work.height() * s.twipsPerPixelY;
    return s;
}

namespace {
// Whole pixels, kept within the range of an int.
int pixels(double twips, double twipsPerPixel)
{
    const double p = twips / twipsPerPixel;
    if (std::isnan(p))
        return 0;
    return int(std::lround(std::clamp(p, -2e9, 2e9)));
}
}   // namespace

int Screen::toPixelsX(double twips) const { return pixels(twips, twipsPerPixelX); }
int Screen::toPixelsY(double twips) const { return pixels(twips, twipsPerPixelY); }

}   // namespace Platform
