#include "platform/Screen.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

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
    s.frameBorder = AssumedBorderPx * twipsPerPixel;
    s.frameTitle = AssumedTitleBarPx * twipsPerPixel;
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
    // The window manager's frame, as the decorated windows already shown report it.
    int border = AssumedBorderPx, title = AssumedTitleBarPx;
    for (const QWindow* w : QGuiApplication::topLevelWindows()) {
        if (!w->isVisible() || w->flags().testFlag(Qt::FramelessWindowHint))
            continue;
        const QMargins m = w->frameMargins();
        border = std::max({border, m.left(), m.right(), m.bottom()});
        title = std::max(title, m.top());
    }
    s.frameBorder = border * s.twipsPerPixelX;
    s.frameTitle = title * s.twipsPerPixelY;
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

// Space left of and right of the title text in the title bar, pixels.
constexpr int TitleMarginPx = 8;
// The title bar's buttons: close, maximise, minimise.
constexpr int TitleButtons = 3;
}   // namespace

int titleBarClientWidth(const QString& title)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const Screen s = Screen::current();
    const int titleBar = s.toPixelsY(s.frameTitle) - s.toPixelsY(s.frameBorder);
    const int text = int(std::ceil(QFontMetricsF(font).horizontalAdvance(title)));
    const int wanted = text + 2 * TitleMarginPx + TitleButtons * titleBar;
    const int widest = s.toPixelsX(s.workWidth) - 2 * s.toPixelsX(s.frameBorder);
    return std::max(0, std::min(wanted, widest));
}

int Screen::toPixelsX(double twips) const { return pixels(twips, twipsPerPixelX); }
int Screen::toPixelsY(double twips) const { return pixels(twips, twipsPerPixelY); }

}   // namespace Platform
