#include "core/DeviceLayout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

#include "core/DesignWindow.h"
#include "core/ModFormResize.h"
#include "platform/Screen.h"

namespace DeviceLayout {

void scaleToShare(FormGeometry& form, double areaWidth, double areaHeight, double screenWidth, bool windowFontFollows)
{
    if (form.width <= 0 || form.height <= 0)
        return;
    const double newWidth = areaWidth * form.width / ModFormResize::DesignScreenWidth;
    const double newHeight = areaHeight * form.height / ModFormResize::DesignScreenHeight;
    const double fx = newWidth / form.width;
    const double fy = newHeight / form.height;

    form.left = (areaWidth - newWidth) / 2;
    form.top = (areaHeight - newHeight) / 2;
    form.setOuterSize(newWidth, newHeight);
    if (windowFontFollows)
        form.fontSize *= newWidth / ModFormResize::DesignScreenWidth;
    scaleControls(form, fx, fy, fontFactor(screenWidth));
    fitInWorkArea(form, Platform::Screen::current());
}

void fitInWorkArea(FormGeometry& form, const Platform::Screen& s)
{
    const double frameWidth = std::max(form.width - form.clientWidth, s.outerWidth(0));
    const double frameHeight = std::max(form.height - form.clientHeight, s.outerHeight(0));
    const double roomWidth = std::max(0.0, s.workWidth - frameWidth);
    const double roomHeight = std::max(0.0, s.workHeight - frameHeight);
    const double fx = form.clientWidth > roomWidth ? roomWidth / form.clientWidth : 1;
    const double fy = form.clientHeight > roomHeight ? roomHeight / form.clientHeight : 1;
    if (fx < 1 || fy < 1) {
        const double fontScale = std::min(fx, fy);
        form.setClientSize(form.clientWidth * fx, form.clientHeight * fy);
        form.fontSize *= fontScale;
        scaleControls(form, fx, fy, fontScale);
    }
    // Inside the work area: not past its right or bottom edge, and never before its left or top one.
    const double outerWidth = form.clientWidth + frameWidth, outerHeight = form.clientHeight + frameHeight;
    form.left = std::max(s.workLeft, std::min(form.left, s.workLeft + s.workWidth - outerWidth));
    form.top = std::max(s.workTop, std::min(form.top, s.workTop + s.workHeight - outerHeight));
}

double fontFactor(double screenWidth) { return std::min(screenWidth / ModFormResize::DesignScreenWidth, 1.5); }

void scaleControls(FormGeometry& form, double fx, double fy, double fontScale)
{
    for (ControlGeometry& c : form.controls) {
        if (c.kind == ControlGeometry::Kind::Line) {
            c.x1 *= fx;
            c.x2 *= fx;
            c.y1 *= fy;
            c.y2 *= fy;
            continue;
        }
        if (!c.isBoxKind())
            continue;
        c.left *= fx;
        c.width *= fx;
        c.top *= fy;
        c.height *= fy;
        if (c.isTextKind())
            c.fontSize *= fontScale;
    }
}

QLabel* addLabel(DesignLayout& d, const QString& name, const QString& caption, double left, double top, double width,
                 double height, QWidget* parent, double fontPt)
{
    QLabel* label = d.addLabel(name, caption, left, top, width, height, parent, fontPt);
    label->setWordWrap(height > 300);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* addButton(DesignLayout& d, const QString& name, const QString& caption, double left, double top,
                       double width, double height, QWidget* parent)
{
    return d.addButton(name, caption, left, top, width, height, parent);
}

QRadioButton* addOption(DesignLayout& d, const QString& name, const QString& caption, double left, double top,
                        double width, double height, QWidget* parent)
{
    return d.addOption(name, caption, left, top, width, height, parent);
}

QLineEdit* addTextBox(DesignLayout& d, const QString& name, const QString& text, double left, double top, double width,
                      double height, QWidget* parent)
{
    return d.addTextBox(name, text, left, top, width, height, parent);
}

}   // namespace DeviceLayout
